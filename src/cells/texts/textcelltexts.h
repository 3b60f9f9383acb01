// User-visible texts of captions, text bitmaps and images, exactly as the
// program shows them.  Descriptions are printf formats whose values are put
// in with FillFormat (cells/primitives/formattext.h).
#pragma once

// Captions.
inline constexpr const char* kTextCaptionDescription = "单行文本";
inline constexpr const char* kTextCaptionName = "Text";
// The value part of a caption: after a name, undefined, and the angle sign.
inline constexpr const char* kTextValueEquals = " =";
inline constexpr const char* kTextValueUndefinedNamed = " = ? ";
inline constexpr const char* kTextValueUndefined = "? ";
inline constexpr const char* kTextNameEquals = " = ";
inline constexpr const char* kTextDegreeSign = "°";

// Text bitmaps by their origin (sub-kind 0, 4, any other), images and
// texts following a point; %d width and height, %s the point's name.
inline constexpr const char* kTextBitmapDescription = "位图文本：宽*高=%d*%d";
inline constexpr const char* kTextFormulaBitmapDescription = "可编辑VOD彩图文本：宽*高=%d*%d";
inline constexpr const char* kTextRichBitmapDescription = "可编辑RTF单色位图文本：宽*高=%d*%d";
inline constexpr const char* kTextImageDescription = "原始大小：宽*高=%d*%d";
inline constexpr const char* kTextFollowerDescription = "随点%s的文本";
inline constexpr const char* kTextBitmapName = "BText";
inline constexpr const char* kTextImageName = "Img";

// Formula texts, free and attached to a point (%d width and height, %s
// the point's name), and ink.
inline constexpr const char* kTextFormulaName = "VOD彩色数学文本";
inline constexpr const char* kTextPointFormulaName = "附点彩文";
inline constexpr const char* kTextFormulaDescription = "彩色数学文本：宽*高=%d*%d";
inline constexpr const char* kTextPointFormulaDescription = "附点%s的VOD彩色数学文本";
inline constexpr const char* kTextInkName = "Ink Marks";
inline constexpr const char* kTextInkDescription = "画笔留下的墨迹";
