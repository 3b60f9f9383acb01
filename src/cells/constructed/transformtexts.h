// User-visible texts of the translated, rotated, scaled and mirrored
// points, exactly as the program shows them.  Each %s takes a parent's
// name and each %.4f a fixed number, in the order given beside the text.
#pragma once

// Fixed angles are described in degrees by this factor.
inline constexpr double kDescriptionDegreesPerRadian = 57.29578;

// P, S, E.
inline constexpr const char* kTextTranslate = "点%s按向量%s%s平移的点";
// P, V (a vector value).
inline constexpr const char* kTextTranslateM = "点%s按向量%s平移的点";
// P; the vector's x, y, z.
inline constexpr const char* kTextTranslateStc = "点%s按向量（%.4f,%.4f,%.4f）平移的点";

// P; the axis point; the direction; the angle in degrees.
inline constexpr const char* kTextRotate = "点%s绕过点（%.4f,%.4f,%.4f）且方向为（%.4f,%.4f,%.4f）的轴旋转%.4f度的点";

// Centre (mode non-zero) and axis (mode 0) forms.  P, X, A, B, C.
inline constexpr const char* kTextRotateXACentre = "点%s绕中心%s旋转∠%s%s%s的点";
inline constexpr const char* kTextRotateXAAxis = "点%s绕轴%s旋转∠%s%s%s的点";
// P, X, M.
inline constexpr const char* kTextRotateXA2Centre = "点%s绕中心%s旋转的点,转角为度量值%s";
inline constexpr const char* kTextRotateXA2Axis = "点%s绕轴%s旋转的点,转角为度量值%s";
// P, X; the angle in degrees.
inline constexpr const char* kTextRotateXCentre = "点%s绕中心%s旋转%.4f度的点";
inline constexpr const char* kTextRotateXAxis = "点%s绕轴%s旋转%.4f度的点";
// P; the axis point; the direction; A, B, C.
inline constexpr const char* kTextRotateA = "点%s绕过点（%.4f,%.4f,%.4f）且方向为（%.4f,%.4f,%.4f）的轴旋转的点,转角等于∠%s%s%s";
// P; the axis point; the direction; M.
inline constexpr const char* kTextRotateA2 = "点%s绕过点（%.4f,%.4f,%.4f）且方向为（%.4f,%.4f,%.4f）的轴旋转的点,转角等于度量值%s";

// P, O, A, B, A, C.
inline constexpr const char* kTextScaleP = "点%s以点%s为中心，按比 %s%s：%s%s 缩放的点";
// P, O, S1, S2.
inline constexpr const char* kTextScaleL = "点%s以点%s为中心，按比 |%s|：|%s| 缩放的点";
// P, O, M.
inline constexpr const char* kTextScaleM = "点%s以点%s为中心，以值%s为比例缩放的点";
// P, O; the ratio.
inline constexpr const char* kTextScale = "点%s以点%s为中心，按比%.4f缩放的点";
// P; the ratio.
inline constexpr const char* kTextScaleO = "点%s以原点为中心，按比%.4f缩放的点";

// P and the kind's name.
inline constexpr const char* kTextSymmetry = "点%s关于%s对称点";
// The names of the mirror kinds 1 to 7 (bit 0 negates x, bit 1 y, bit 2 z).
inline constexpr const char* kTextSymmetryKinds[8] = {
    "", "yoz面", "xoz面", "z轴", "xoy面", "y轴", "x轴", "原点",
};
// P, Q.
inline constexpr const char* kTextSymmetryP = "点%s关于点%s对称点";
// P, L.
inline constexpr const char* kTextSymmetryL = "点%s关于直线%s对称点";
// P, G.
inline constexpr const char* kTextSymmetryF = "点%s关于平面%s对称点";
