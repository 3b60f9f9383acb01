// The logical font and colour every formula node carries.  The fields follow
// the GDI logical font the mark-up was designed around, so that the stored
// attributes (face, character set, height, weight, italic, underline) map
// one to one onto them.
#pragma once
#include <QString>
#include <algorithm>
#include <cstdint>

#include "platform/types.h"

inline constexpr std::int32_t FW_NORMAL = 400;
inline constexpr std::int32_t FW_BOLD = 700;
inline constexpr BYTE ANTIALIASED_QUALITY = 4;

// A face name fits a 32-character field with its terminator.
inline constexpr int kMaxFaceNameChars = 31;

struct LOGFONT {
  std::int32_t lfHeight = 0;  // negative and positive heights are both kept
  std::int32_t lfWidth = 0;
  std::int32_t lfEscapement = 0;
  std::int32_t lfOrientation = 0;
  std::int32_t lfWeight = 0;
  BYTE lfItalic = 0;
  BYTE lfUnderline = 0;
  BYTE lfStrikeOut = 0;
  BYTE lfCharSet = 0;
  BYTE lfOutPrecision = 0;
  BYTE lfClipPrecision = 0;
  BYTE lfQuality = 0;
  BYTE lfPitchAndFamily = 0;
  QString lfFaceName;  // at most kMaxFaceNameChars

  friend bool operator==(const LOGFONT&, const LOGFONT&) = default;
};

// Face names are cut to the field size wherever they enter a font.
inline QString FitFaceName(const QString& face) { return face.left(kMaxFaceNameChars); }

// Bold antialiased "Times New Roman" of the given height: the font nodes and
// trees start with.
LOGFONT FormulaStartFont(std::int32_t height);

inline constexpr BYTE SYMBOL_CHARSET = 2;
inline constexpr BYTE GB2312_CHARSET = 134;
// The Chinese face labels and formula texts are written in.
inline const QString kSongtiFace = QString::fromUtf16(u"\u5B8B\u4F53");

// Mark-up may carry any height; layout and drawing use it kept within this
// bound (in pixels), so no sum of extents can overflow and no font is asked
// for absurd sizes.  Real formulas stay far below it.
inline constexpr std::int32_t kMaxFontHeight = 1000;
inline std::int32_t ClampFontHeight(std::int32_t height) {
  return std::clamp(height, -kMaxFontHeight, kMaxFontHeight);
}
inline std::int32_t LayoutHeight(const LOGFONT& lf) { return ClampFontHeight(lf.lfHeight); }
