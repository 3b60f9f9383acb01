// Names of the undo steps of the ready-made body commands.
#pragma once

// Followed by the new body's name.
inline constexpr const char* kCmdNameAddBody = "添加组件";
inline constexpr const char* kCmdNameAdd3dText = "添加3D文字";
// The text a new 3D text shows.
inline constexpr const char* kText3dTextSample = "Kavrel";
