// Texts of applying a user tool, exactly as the program shows them.
#pragma once

// The status text once every input of an instance is matched.
inline constexpr const char* kTextToolFinish = "要结束请右击鼠标！";
// ID_TOOL_SCRIPT without a current tool, and its caption.
inline constexpr const char* kTextNoToolForScript = "通过选择一个自定义工具来显示它的脚本！";
inline constexpr const char* kTextScriptCaption = "脚本视图";
// The script view: its caption, the input list's and the tree's labels.
inline constexpr const char* kTextScriptViewCaption = "工具脚本";
inline constexpr const char* kTextScriptInputs = "先决条件：";
inline constexpr const char* kTextScriptSteps = "生成步骤：";
