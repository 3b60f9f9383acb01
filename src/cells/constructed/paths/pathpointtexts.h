// User-visible descriptions of the points on compound and combined paths and
// on carriers: %d takes the piece count, %f a parameter, each %s a name.
#pragma once

inline constexpr const char* kTextFreeInBorder = "%d段曲线组成的复合路径上的点";
inline constexpr const char* kTextInBorderFt = "%d边形边界线上与%s同参数的点";
inline constexpr const char* kTextInBorderFixed = "复合路径上绘制的参数为%f的点";
inline constexpr const char* kTextInBorderFollowing = "复合路径上绘制的与%s同参的点";
inline constexpr const char* kTextFreeInPaths = "%d条线段或圆弧合成的组合路径上的点";
inline constexpr const char* kTextInPathsFixed = "组合路径上绘制的参数为%f的点";
inline constexpr const char* kTextInPathsFollowing = "组合路径上绘制的与%s同参的点";
inline constexpr const char* kTextInLineFixedf = "线%s上参数%f对应点";
inline constexpr const char* kTextInLineFt = "线%s上与%s同参数的点";
inline constexpr const char* kTextInCircleFixedf = "圆%s上参数%f对应点";
inline constexpr const char* kTextInCircleScale = "圆%s上两点%s、 %s的分点";
inline constexpr const char* kTextInCurveFixedf = "曲线%s上参数%f对应点";
inline constexpr const char* kTextInCurveFt = "曲线%s上与%s同参数的点";
inline constexpr const char* kTextInLocusFixedf = "轨迹上与参数%f对应的点";
inline constexpr const char* kTextInLocusFt = "轨迹上与%s同参数的点";
