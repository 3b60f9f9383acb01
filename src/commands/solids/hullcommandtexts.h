// Undo-step names, messages and button captions of the hull, net, section
// and cut commands, exactly as the program shows them.
#pragma once

inline constexpr const char* kCmdNameHull = "添加凸包";
inline constexpr const char* kCmdNameNet = "添加展开图";
inline constexpr const char* kCmdNameSection = "添加截面图";
inline constexpr const char* kCmdNameCut = "添加多面体切割图";
inline constexpr const char* kTextFourPointsNeeded = "至少选择四个不共面的点";
inline constexpr const char* kTextNetButton = "折展";
inline constexpr const char* kTextCutButton = "切割";
