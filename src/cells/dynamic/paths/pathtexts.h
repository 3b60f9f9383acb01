// User-visible texts of the loci, parametric curves and the points on them,
// exactly as the program shows them.
#pragma once

// A new locus's name and its hue expression in the driver's parameter t.
inline constexpr const char* kTextLocusName = "轨迹";
inline constexpr const char* kDefaultLocusHue = "hv(Pi-t)*0.15+hv(t-Pi)*0.8";
// The traced point's name, then the driver's: a user parameter, or a point.
inline constexpr const char* kTextLocusByParameter = "点%s以参数%s变化的轨迹";
inline constexpr const char* kTextLocusByPoint = "点%s以点%s移动的轨迹";
// The curve's x, y and z expressions.
inline constexpr const char* kTextCurveDescription = "自定义曲线：x=%s,y=%s,z=%s";
// The path's name.
inline constexpr const char* kTextPointOnLocus = "%s上点";
inline constexpr const char* kTextPointOnCurve = "自定义曲线%s上的点";
