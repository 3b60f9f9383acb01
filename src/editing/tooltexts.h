// Texts of recording a user tool, exactly as the program shows them.
#pragma once

// The selection gives no tool.
inline constexpr const char* kTextToolRefused =
    "不合条件。\n\n程序已尝试智能扩减对象，但仍未能创建。\n\n请重新选择一个完整的结构！";
inline constexpr const char* kTextToolRefusedCaption = "创建工具失败";
// The structure recorded is not the one selected.
inline constexpr const char* kTextToolChanged =
    "选取的结构不合条件。\n\n程序已对对象进行智能扩减，现已满足条件。\n\n是否继续？";
inline constexpr const char* kTextToolChangedCaption = "继续创建工具？";
// Prompts of the inputs: these words, then the input's name.
inline constexpr const char* kTextPointInputPrefix = "点";
inline constexpr const char* kTextValueInputPrefix = "值";
// The name a new tool is offered, with its number among the document's tools.
inline constexpr const char* kTextNewToolName = "工具#%d";
