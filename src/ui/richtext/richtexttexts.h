// The fixed texts of the rich-text editor and its bar.
#pragma once

inline constexpr const char16_t* kTextRtEditTitle = u"RTF单色普通文本编辑";
inline constexpr const char16_t* kTextRtEditEmpty = u"还未输入文本，请按关闭按钮！";
// Our own: a stored text that could not be read whole.
inline constexpr const char16_t* kTextRtEditIncomplete =
    u"此文本未能完整读出，不能读出的部分不会显示。不修改就确定时，原文本保持不变。";

// Tool tips of the bar's buttons (what follows the newline, when there is one).
inline constexpr const char16_t* kTextRtUndo = u"撤消\n撤消";
inline constexpr const char16_t* kTextRtRedo = u"重做\n重做";
inline constexpr const char16_t* kTextRtCut = u"剪切\n剪切";
inline constexpr const char16_t* kTextRtCopy = u"复制\n复制";
inline constexpr const char16_t* kTextRtPaste = u"粘贴\n粘贴";
inline constexpr const char16_t* kTextRtBold = u"粗体";
inline constexpr const char16_t* kTextRtItalic = u"斜体";
inline constexpr const char16_t* kTextRtUnderline = u"下划线";
inline constexpr const char16_t* kTextRtSuperscript = u"上标\n上标";
inline constexpr const char16_t* kTextRtSubscript = u"下标\n下标";
inline constexpr const char16_t* kTextRtFormula = u"公式编辑器\n公式编辑器";

// The editor's context menu.
inline constexpr const char16_t* kTextRtMenuCut = u"剪切(&T)";
inline constexpr const char16_t* kTextRtMenuCopy = u"复制(&C)";
inline constexpr const char16_t* kTextRtMenuPaste = u"粘贴(&P)";
inline constexpr const char16_t* kTextRtMenuDelete = u"删除(&D)";
inline constexpr const char16_t* kTextRtMenuSelectAll = u"全选(&L)";
inline constexpr const char16_t* kTextRtMenuFont = u"字体(&F)...";
inline constexpr const char16_t* kTextRtMenuParagraph = u"段落(&A)...";
inline constexpr const char16_t* kTextRtMenuInsertObject = u"插入对象(&I)...";
// Our own: choosing and reading the picture file it inserts.
inline constexpr const char16_t* kTextRtPictureTitle = u"插入对象";
inline constexpr const char16_t* kTextRtPictureFilter = u"图片文件 (*.png *.jpg *.jpeg *.bmp *.gif);;所有文件 (*)";
inline constexpr const char16_t* kTextRtPictureUnreadable = u"无法插入这个文件：它不是可读的图片，或者太大。";

// The paragraph dialog.
inline constexpr const char16_t* kTextParaTitle = u"段落";
inline constexpr const char16_t* kTextParaAlignments[] = {u"左对齐", u"右对齐", u"居  中"};
inline constexpr const char16_t* kTextParaSpacings[] = {u"单倍行距", u"1.5倍行距", u"2倍行距",
                                                        u"最小值",   u"固定值",    u"多倍行距"};
inline constexpr const char16_t* kTextParaNumberings[] = {u" 无 ",         u"符号 ● ",       u"1, 2, 3,...",
                                                          u"a, b, c,...",  u"A, B, C,...",   u"i, ii, iii,...",
                                                          u"I, II, III,...", u"其它"};
inline constexpr const char16_t* kTextParaStyles[] = {u"1)", u"(1)", u"1.", u" 1"};
// Our own labels of the dialog's fields.
inline constexpr const char16_t* kTextParaLabels[] = {u"对齐方式", u"首行缩进", u"左缩进", u"右缩进", u"段前",
                                                      u"段后",     u"行距",     u"设置值", u"编号",   u"编号样式",
                                                      u"起始编号", u"制表位"};
