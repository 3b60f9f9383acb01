// User-visible texts of start-up and the main window, exactly as the program shows them.
#pragma once

// The window title and the name of an untitled document.
inline constexpr const char* kTextAppTitle = "Kavrel";
inline constexpr const char* kTextUntitled = "[未命名]";
// Filters of the open dialog and of the samples and save dialogs, in the
// "name|patterns||" form.
inline constexpr const char* kFilterOpenDocuments = "3D图形文档|*.kv;*.sgs||";
inline constexpr const char* kFilterDocumentsOnly = "Kavrel文档(*.kv)|*.kv||";
// Menu texts.
inline constexpr const char* kTextMenuOpen = "打开";
inline constexpr const char* kTextMenuSave = "保存";
inline constexpr const char* kTextMenuExit = "退出程序";
inline constexpr const char* kTextMenuAbout = "关于Kavrel";
// Status-bar element 0 of a freshly shown document: this and the author.
inline constexpr const char* kTextDocumentAuthor = "文档作者：";
// Texts of this window's own: the menus and commands the ribbon will carry.
inline constexpr const char* kTextMenuFile = "文件";
inline constexpr const char* kTextMenuNew = "新建";
inline constexpr const char* kTextMenuSaveAs = "另存为";
inline constexpr const char* kTextMenuSamples = "示例文档";
inline constexpr const char* kTextMenuHelp = "帮助";
// Closing or replacing a modified document: "%1" is its title.
inline constexpr const char* kTextAskToSave = "是否保存对 %1 的更改?";
// Several documents named at once (command line, a drop): the first is
// opened, and this heads the list of the others (at most
// kMaxFilesListed of them, then kTextMoreFiles).  "%1" is their number.
inline constexpr const char* kTextFilesNotOpened = "一次只能打开一个文档，以下 %1 个文件没有打开：";
inline constexpr const char* kTextMoreFiles = "……";
inline constexpr int kMaxFilesListed = 10;
// The About box.
inline constexpr const char* kTextAboutCaption = "关于Kavrel";
inline constexpr const char* kTextAbout = "Kavrel\n版本 4.20";
// OpenGL cannot be started: the first line (with the version the view
// needs), then the reason.
inline constexpr const char* kTextNoOpenGL = "无法启动 OpenGL %1：";
inline constexpr const char* kTextNoGlContext = "无法创建 OpenGL 上下文（显示平台 %1）。";
inline constexpr const char* kTextGlNotCurrent = "无法使用 OpenGL 上下文（显示平台 %1）。";
inline constexpr const char* kTextGlTooOld = "显卡驱动只提供 OpenGL %1（%2），本程序需要 OpenGL %3。";
inline constexpr const char* kTextNoGlWindow = "显示平台 %1 不能显示 OpenGL 窗口。";
