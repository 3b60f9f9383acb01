// User-visible texts of the document, exactly as the program shows them.
#pragma once

// Names of new pages by number: a Chinese numeral up to ten, then digits.
inline constexpr const char* kFormatDefaultPageName = "第%s页";
inline constexpr const char* kFormatNumberedPageName = "第%d页";
inline constexpr const char* kPageNumerals[10] = {"一", "二", "三", "四", "五", "六", "七", "八", "九", "十"};
// A new document's description: this, four CR LF, then kTextDescriptionTail.
inline constexpr const char* kTextDescriptionHead = "（文档说明：）";
inline constexpr const char* kTextDescriptionTail = "（版权信息：）";
// The second header word is wrong.
inline constexpr const char* kTextBadHeader = "文件格式错误，无法打开！";
// The file was written by a newer version.
inline constexpr const char* kTextNewerVersion = "这是高版本生成的文档，请您升级到最新版本！";
// Page switching while a dialog holds the focus.
inline constexpr const char* kTextDialogOpenNoPageSwitch = "当前正打开对话框，不能切换页！";
inline constexpr const char* kTextDialogOpenNoLinkSwitch = "当前正打开对话框，链接按钮未能切换页！";
// A link button names a page that is not there (error box with the caption below).
inline constexpr const char* kTextLinkPageMissing = "链接页不存在，请检查修改链接按钮！";
inline constexpr const char* kTextLinkInvalidCaption = "链接无效！";
// The plus key beyond the suggested depth of an iteration (information box).
inline constexpr const char* kTextIterationDepthHint = "建议深度为1-%d的整数";
inline constexpr const char* kTextIterationDepthCaption = "迭代深度";
// Status-bar element 2: this followed by the page name.
inline constexpr const char* kTextCurrentPage = "当前页：";
// Undo names: finishing a user tool (followed by its name), inserting a picture.
inline constexpr const char* kCmdNameUseTool = "使用工具：";
inline constexpr const char* kCmdNameInsertPicture = "插入图片";
// A file that cannot be read, or whose records are damaged, and a file that
// cannot be written: the path follows, then on a line of its own the reason.
inline constexpr const char* kTextOpenFailed = "打开文档失败：";
inline constexpr const char* kTextSaveFailed = "保存文档失败：";
inline constexpr const char* kReasonNotADocument = "这不是本程序的文档。";
inline constexpr const char* kReasonDamagedAt = "文档已损坏（第 %1 字节处）。";
// A save whose bytes the loader would refuse: what holds them (a cell by
// page, name and id; a page; else the byte), then on a line of its own
// that nothing was written.
inline constexpr const char* kReasonUnreadableCell = "页面“%1”中的对象“%2”（编号 %3）存有读不回的数据。";
inline constexpr const char* kReasonUnreadablePage = "页面“%1”存有读不回的数据。";
inline constexpr const char* kReasonUnreadableAt = "文档第 %1 字节处的数据读不回。";
inline constexpr const char* kReasonFileKept = "文档没有保存，原有文件保持不变。";
