// Names of the undo steps of the plane axes and the parametric colour.
#pragma once

inline constexpr char kCmdNameAxes2d[] = "添加2维坐标轴";
inline constexpr char kCmdNameParametricColor[] = "添加参数颜色";
