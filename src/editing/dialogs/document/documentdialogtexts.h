// The texts of the document options and table dialogs, exactly as the
// program shows them.
#pragma once

// The document options.
inline constexpr const char* kCaptionDocumentOptions = "文档选项";
inline constexpr const char* kTextPageNames = "页名：";
inline constexpr const char* kTextAuthor = "作者：";
inline constexpr const char* kTextSaveVodPictures = "将VOD文本加存图形数据";
inline constexpr const char* kTextSaveVodPicturesHint = "选此则文件较大，但能在缺少所需字体的电脑中正常显示。";
inline constexpr const char* kTextRenamePages = "页名称按序自动重命名";
// The table size.
inline constexpr const char* kCaptionTable = "添加表格";
inline constexpr const char* kTextRows = "行数：";
inline constexpr const char* kTextColumns = "列数：";
inline constexpr const char* kTextTableNote = "请在二维图模式下使用";
