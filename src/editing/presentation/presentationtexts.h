// Texts of the presentation import and its dialog.
#pragma once

inline constexpr const char* kTextPptCaption = "从PPT导入文本";
inline constexpr const char* kTextPptRangeFrom = "范  围： 从第";
inline constexpr const char* kTextPptRangeTo = "张 到 第";
inline constexpr const char* kTextPptRangeEnd = "张幻灯片";
inline constexpr const char* kTextPptConvert = " 转换为Kavrel中可编辑文本";
inline constexpr const char* kTextPptHelp = "\r\n 1.导入功能可以将已有幻灯片文本、表格等图形快速转换到Kavrel中；\r\n\r\n 2.导入前请按课件要求编辑并保存好幻灯片，保存好当前Kavrel文档；\r\n\r\n 3.导入时请稍等片刻，不要操作Kavrel，结束后全屏浏览、双击文本即可编辑；\r\n\r\n 4.导入内容为文本框、含文本的图形框、表格、组合图形、嵌入的OLE对象等。";
inline constexpr const char* kTextPptSourceLabel = "源文稿：";
inline constexpr const char* kTextPptSourceDefault = "导入源";

// Undo steps.
inline constexpr const char* kCmdNameInsertText = "插入文本";
inline constexpr const char* kCmdNameAddTable = "添加表格";
inline constexpr const char* kCmdNameInsertAnchoredText = "插入附点文本";
inline constexpr const char* kCmdNamePastePicture = "粘贴图文";

inline constexpr const char* kFilterPresentations = "PowerPoint Files(*.ppt;*.pptx)|*.ppt;*.pptx||";
inline constexpr const char* kTextTableBorderMissing = "转换表格时出现错误，未找到外框线!";

// Our own messages.  %1: the file.
inline constexpr const char* kTextImportFailed = "无法导入演示文稿“%1”：%2";
inline constexpr const char* kTextNoSlides = "演示文稿“%1”中没有幻灯片。";
inline constexpr const char* kTextShapesSkipped = "演示文稿“%1”中有 %2 个图形（绘制图形、图表、图示、组合或 EMF 图片）无法导入，已跳过。";
inline constexpr const char* kTextNeedsLibreOffice =
    "导入 .ppt 文件需要安装 LibreOffice（soffice），请安装后重试，或先另存为 .pptx 文件。";
inline constexpr const char* kTextConversionFailed = "LibreOffice 转换失败：%1";
inline constexpr const char* kTextConversionTimedOut = "LibreOffice 转换超时（120 秒）";
inline constexpr const char* kTextNoPageRoom = "不能再添加新页。";
