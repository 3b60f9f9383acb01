// Texts of the transformation commands: their undo labels and the
// descriptions of the marked elements they show in the dialogs.
#pragma once

inline constexpr const char* kLabelTranslate = "添加图元平移";
inline constexpr const char* kLabelRotate = "添加图元旋转";
inline constexpr const char* kLabelScale = "添加图元缩放";
inline constexpr const char* kLabelReflect = "添加图元反射";

inline constexpr const char* kDescribeVectorByPoints = "%s%s=(%.4f, %.4f, %.4f)";
inline constexpr const char* kDescribeAxisLine = "有向直线：%s%s";
inline constexpr const char* kDescribeRotationCentre = "旋转中心：点%s";
inline constexpr const char* kDescribeAngleByPoints = " ∠%s%s%s=%.4f°";
inline constexpr const char* kDescribeRatioBySegments = " |%s%s|：|%s%s|";
inline constexpr const char* kDescribeRatioByPoints = " → %s%s：%s%s";
inline constexpr const char* kDescribeScaleCentre = "缩放中心：%s(%.4f, %.4f, %.4f)";
inline constexpr const char* kDescribeScaleOrigin = "缩放中心：原点 O（0,0,0）";
inline constexpr const char* kDescribeMirrorPoint = "%s(%.4f, %.4f, %.4f)";
