// The undo-step name and the button caption of the 3DS model command.
#pragma once

inline constexpr const char* kCmdNameModel3ds = "添加3dsmax模型";
inline constexpr const char* kTextSpinButton = "旋转模型";
