// User-visible texts and fixed character sets of the text drawn in the view.
#pragma once

// No display list is left for a character: the text is cut there.
inline constexpr const char16_t* kTextTooManyCharacters = u"用字太多，内存不足，有的字符无法显示！";
// No display lists are left for a framed mark-up text: it is not shown.
inline constexpr const char16_t* kTextFramedNoLists = u"本文档用字太多，内存不足，此文本无法显示！";

// The glyph textures rendered when the view starts.  Labels take italic
// letters and upright digits and signs from their own set; other text takes
// the upright Latin, symbol and Greek set and the common Chinese characters.
inline constexpr const char16_t* kLabelLetters = u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr const char16_t* kLabelDigitsAndSigns = u"0123456789'\"|:=<>";
inline constexpr const char16_t* kLatinAndSymbols =
    u"abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789 ,./<>?;':\"[]{}\\|-=_+!@#$^&*()~`"
    u"±×÷＋－∞∵∴∈∪∩∥⊥∠⊙≌∽≠"
    u"αβγδεζηθικλμνξοπρστυφχψω";
inline constexpr const char16_t* kCommonChinese =
    u"，。；：！%中文数形结合标签字视图正方立体棱柱锥台球圆环长宽高点线面段直曲射向量度几何时分秒一二三四五六七八九十斜测等于大小不左右前后上下内外拖我平移旋转缩放按钮显示隐藏运动画板甲乙丙设计";

// The face of the Chinese glyphs and of characters met later.
inline constexpr const char16_t* kSongtiFaceName = u"宋体";
