// The fixed texts of the formula dialog, its format bar and symbol grid.
#pragma once

inline constexpr const char16_t* kTextVodDlgTitle = u"VOD彩色数学格式文本编辑";
inline constexpr const char16_t* kTextFormatBarTitle = u"格式工具栏";
inline constexpr const char16_t* kTextStructureBarTitle = u"模板工具栏";
// Tool tip and short name of the dialog's own buttons.
inline constexpr const char16_t* kTextColourCommand = u"为选择的结构设置颜色\n颜色";
inline constexpr const char16_t* kTextSymbolCommand = u"插入常用符号\n插入符号";

// The size box: a typed size that is no number, or out of range.
inline constexpr const char16_t* kTextSizeNotNumber = u"字号必须是数字。";
inline constexpr const char16_t* kTextSizeOutOfRange = u"字号必须在 1-1638 之间。";
// Its list, in points.
inline constexpr int kFontSizePoints[] = {8, 9, 10, 12, 14, 16, 18, 22, 24, 26, 28, 32, 36, 42, 48, 54, 60, 66, 72, 80, 88, 96, 108, 120};

// The face box: faces that enter the recently-used section when the list is
// filled, in this order (each goes to the top); shown after a symbol face's
// name in that face.
inline constexpr const char16_t* kStartRecentFaces[] = {u"微软雅黑", u"楷体", u"隶书", u"黑体", u"Arial", u"Symbol", u"Times New Roman", u"宋体"};
inline constexpr const char16_t* kSymbolFaceSample = u"AbCdEfGhIj";

// The built-in formula box: its edit text and entries ("%d" from 1).
inline constexpr const char16_t* kTextBuiltInFormulas = u"内置公式";
inline constexpr const char16_t* kTextBuiltInEntry = u"公式%d";

// The symbol grid's characters, in image order.
inline constexpr const char16_t* kSymbolCharacters =
    u"αβγδεζηθλμξπρφψω±＋－×÷√∵∴＝≠≤≥≌∽∥⊥∈∪∩∧∨∫∞…§№℃°⌒⊙∠Δ→←↑↓⒈⒉⒊⒋≡≈①②③④⑤⑥⊕≮≯∮□○∑¬▵▱∅⊖⊗⊘≞≜⇄⇌⇍⇎⇏⇐⇔⇒⊆⊇∀∃∁∡∉∄⊂⊃⊄⊅⊈⊉⊊⊋∓∤∦∂∬∭∯∰✍☜☝☞☟❄✉♪➶➵➢➣✓✗✰☭";
inline constexpr int kSymbolCount = 128;
