// Texts of the dialogs of the user tools.
#pragma once

inline constexpr const char* kTextNewToolCaption = "新建工具";
inline constexpr const char* kTextToolNameLabel = "工具名称：";
inline constexpr const char* kTextShowScriptView = "显示脚本视图";
