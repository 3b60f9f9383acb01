// Names of the undo steps of the solid commands and the messages of the
// solids of revolution, exactly as the program shows them.
#pragma once

inline constexpr const char* kCmdNameCuboid = "添加长方体";
inline constexpr const char* kCmdNameCube = "添加正方体";
inline constexpr const char* kCmdNameParallelepiped = "添加平行六面体";
inline constexpr const char* kCmdNameSquarePyramid = "添加正四棱锥";
inline constexpr const char* kCmdNamePentagonalPrism = "添加正五棱柱";
inline constexpr const char* kCmdNameHexagonalFrustum = "添加正六棱台";
inline constexpr const char* kCmdNameRegularTetrahedron = "添加正四面体";
inline constexpr const char* kCmdNameAxisCuboid = "添加轴向长方体";
inline constexpr const char* kCmdNameTriangularPyramid = "添加正三棱锥";
inline constexpr const char* kCmdNameFacePrism = "添加棱柱";
inline constexpr const char* kCmdNameFacePyramid = "添加棱锥";
inline constexpr const char* kCmdNameFaceFrustum = "添加棱台";
inline constexpr const char* kCmdNameRoundCylinder = "添加圆柱";
inline constexpr const char* kCmdNameRoundCone = "添加圆锥";
inline constexpr const char* kCmdNameRoundFrustum = "添加圆台";
// The selected points do not meet at a right angle: the cylinder's and
// cone's three points, the round frustum's first three, its first, second
// and fourth.
inline constexpr const char* kTextNotRightAngle = "所选三点P1,P2,P3不满足P1P2垂直于P2P3.";
inline constexpr const char* kTextFirstThreeNotRightAngle = "所选前三点P1,P2,P3不满足P1P2垂直于P2P3.";
inline constexpr const char* kTextTopRadiusNotRightAngle = "所选三点P1,P2,P4不满足P1P2垂直于P1P4.";
