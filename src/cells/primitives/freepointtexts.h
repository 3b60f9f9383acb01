// User-visible texts of the free points, exactly as the program shows them.
#pragma once

inline constexpr const char* kTextFreePoint = "自由点";
inline constexpr const char* kTextFreePointXyz = "全自由点";
// The name of the circle, line or face the point is bound to.
inline constexpr const char* kTextFreePointInCircle = "圆%s上的点";
inline constexpr const char* kTextFreePointInLine = "线%s上的点";
inline constexpr const char* kTextFreePointInFace = "多边形%s内的自由点";
// The names of the three points that span the plane.
inline constexpr const char* kTextFreePointInPlane = "三点%s%s%s所在平面内的自由点";
