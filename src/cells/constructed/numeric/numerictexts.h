// User-visible descriptions of the numeric intersections with curves and
// loci; each %s takes a parent's name, in the parents' order (the line's
// name only for a line and a locus).
#pragma once

inline constexpr const char* kTextIntersectionLG = "直线%s与轨迹的交点";
inline constexpr const char* kTextIntersectionLQ = "直线%s与曲线%s的交点";
inline constexpr const char* kTextIntersectionCQ = "圆%s与曲线%s的交点";
inline constexpr const char* kTextIntersectionCG = "圆%s与轨迹%s的交点";
inline constexpr const char* kTextIntersectionQQ = "曲线%s与曲线%s的交点";
inline constexpr const char* kTextIntersectionGG = "轨迹%s与轨迹%s的交点";
inline constexpr const char* kTextIntersectionQG = "曲线%s与轨迹%s的交点";
