// Names of the undo steps of the ready-made plane shapes, exactly as the
// program shows them.
#pragma once

inline constexpr const char* kCmdNameEquilateral = "添加等边三角形";
inline constexpr const char* kCmdNameSquare = "添加正方形";
inline constexpr const char* kCmdNameRectangle = "添加矩形";
inline constexpr const char* kCmdNamePentagon = "添加正五边形";
inline constexpr const char* kCmdNameHexagon = "添加正六边形";
// %d: the number of vertices.
inline constexpr const char* kCmdNameInscribedPolygon = "圆内接正%d边形";
inline constexpr const char* kCmdNameIsosceles = "添加等腰三角形";
inline constexpr const char* kCmdNameParallelogram = "添加平行四边形";
inline constexpr const char* kCmdNameRightTriangle = "添加直角三角形";
