// Texts of the tool-properties dialog, exactly as the program shows them.
#pragma once

// The dialog's caption.
inline constexpr const char* kCaptionPropertyTool = "工具属性";
inline constexpr const char* kTextDocumentToolsLabel = "文档中的工具：";
inline constexpr const char* kTextToolCommentLabel = "工具注释：";
inline constexpr const char* kTextInputCommentLabel = "条件注释：";
inline constexpr const char* kTextDefaultColors = "自动使用默认颜色";
// A document without tools: the hint in the tool-comment edit.
inline constexpr const char* kTextNoDocumentTools = "当前文档不含工具，\r\n您可复制当前工具！";
// One line of the input list: the input's number (from 1) and its cell's name.
inline constexpr const char* kTextInputLine = "%d. %s";
// The copy button, and its caption once it has copied.
inline constexpr const char* kTextCopyTool = "复制工具";
inline constexpr const char* kTextCopyAgain = "再次复制";
// Copying without a current tool, and its title.
inline constexpr const char* kTextNoCurrentTool = "请先在菜单中选择一个自定义工具，然后再复制它到当前文档！";
inline constexpr const char* kCaptionCopyTool = "复制当前工具";
// The delete button (also the question's title) and its question.
inline constexpr const char* kTextDeleteTool = "删除工具";
inline constexpr const char* kTextDeleteQuestion = "删除后不能恢复，是否继续？";
// The last tool deleted: the text left in the tool-comment edit.
inline constexpr const char* kTextNoToolsLeft = "当前文档已不含工具！";
