// The undo names and messages of the view-button, automatic-button and
// show/hide membership commands.
#pragma once

inline constexpr const char* kCmdNameAddViewTranslate = "添加视平移按钮";
inline constexpr const char* kCmdNameAddViewRotate = "添加视旋转按钮";
inline constexpr const char* kCmdNameAddViewScale = "添加视缩放按钮";
inline constexpr const char* kTextMembersRefused = "有些对象不能添加，它们生成于该按钮之后。";
inline constexpr const char* kTextNoMembersLeft = "当前按钮控制对象为空，建议删除它。";
