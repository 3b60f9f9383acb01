// The fixed texts of the main window and the object list.
#pragma once

// Status bar panes and the labels they are listed under.
inline constexpr const char* kTextWelcome = "欢迎使用《Kavrel》！";
inline constexpr const char* kTextInfoLabel = "信息";
inline constexpr const char* kTextFirstPageStatus = "当前页：第一页";
inline constexpr const char* kTextCurrentPageLabel = "当前页";
inline constexpr const char* kTextToolGroup = "工具";
inline constexpr const char* kTextLinkElement = "链接";
// The colour button.
inline constexpr const char* kTextDefaultColor = "默认颜色";
inline constexpr const char* kTextDefaultColorTip = "使用默认颜色";
// Esc outside full screen and media.
inline constexpr const char* kTextEscapeHint = "ESC键 用于退出全屏或关闭影音\n可用 F4键 切换全屏状态\n\n欲结束绘图工具，请右击鼠标！";
// The object-list pane and the full-screen tool bar.
inline constexpr const char* kTextObjectList = "对象列表";
inline constexpr const char* kTextFullScreenBar = "全屏工具栏";
// The tool sets of the Tools folder.
inline constexpr const char* kTextToolFolder = "工具文件夹";
inline constexpr const char* kTextToolSetPrefix = "自定义工具集：";
// The heading of the tools stored in the document.
inline constexpr const char* kTextDocumentTools = "当前文档工具";
inline constexpr const char* kTextLookElement = "样式";
// The ribbon categories, left to right.
inline constexpr const char* kRibbonCategories[8] = {"常用", "编辑", "显示", "构造", "插入", "变换", "度量", "帮助"};
// Item texts of the object list (printf formats).
inline constexpr const char* kFormatPageItem = "【%2d】%s";
inline constexpr const char* kFormatCellItem = "%3d. %s----%s";
inline constexpr const char* kFormatParentItem = "(%d) %s----%s";
// The program's name in the window title, and the application button.
inline constexpr const char* kTextProgramName = "Kavrel";
inline constexpr const char* kTextApplicationButton = "文件";
