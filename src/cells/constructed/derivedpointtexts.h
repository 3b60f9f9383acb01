// User-visible texts of the common-perpendicular foot, the coordinates
// point, the triangle centres, the points and arcs on circles, the bisector
// points, the circle-plane intersection and the extended feet, exactly as
// the program shows them.  Each %s takes a name, %.4f a fixed number.
#pragma once

inline constexpr const char* kTextCommonperpen = "直线%s上与直线%s距离最小的点";
inline constexpr const char* kTextCoordinates = "根据值绘制点（%s,%s,%s）";
inline constexpr const char* kTextTrianglePrefix = "△";
inline constexpr const char* kTextBarycenterSuffix = "的重心";
inline constexpr const char* kTextExcenterSuffix = "的外心";
inline constexpr const char* kTextIncenterSuffix = "的内心";
inline constexpr const char* kTextOrthocenterSuffix = "的垂心";
inline constexpr const char* kTextEscenterSuffix = "的旁心";
inline constexpr const char* kTextInCircleRot = "在圆%s上绕圆心按点%s的参数再旋转%.4f度的点";
inline constexpr const char* kTextInCircleFt = "圆%s上与%s同参数的点";
inline constexpr const char* kTextArcInCircle = "圆%s上两点%s、%s间的弧";
inline constexpr const char* kTextBisectorA = "角%s%s%s的平分线上点";
inline constexpr const char* kTextBisectorEA = "角%s%s%s的外角平分线上点";
inline constexpr const char* kTextIntersectionCF = "圆%s与平面%s的交点";
inline constexpr const char* kTextFootplEx = "线%s%s⊥线%s%s";
inline constexpr const char* kTextFootpfEx = "线%s%s⊥面%s%s%s";
