// The texts of the colour modifier and the axis scale.
#pragma once

inline constexpr char kModifierFirstName[] = "Modifier";
inline constexpr char kModifierName[] = "Parametric Color";
inline constexpr char kModifierDescription[] = "颜色修改器";
inline constexpr char kScalelineName[] = "二维轴部件";
inline constexpr char kScalelineDescription[] = "2维坐标轴上刻度线及刻度值";
inline constexpr char kPiText[] = "π";
