// What the RTF reader and writer share: the paragraph measures kept in twips
// on each block (Qt's margins are pixels, so the twips are kept exactly) and
// the limits that bound what a stored text may claim.
#pragma once
#include <QTextFormat>

namespace rtf {

enum BlockTwips : int {
  kLeftIndent = QTextFormat::UserProperty + 0x540,
  kRightIndent,
  kFirstIndent,
  kSpaceBefore,
  kSpaceAfter,
  kLineSpacing,    // \sl: positive = at least, negative = exactly, 0 = single
  kLineMultiple,   // \slmult: 1 when \sl is in 240ths of a line
};

// On the object character that stands for a group kept byte for byte.
enum KeptGroup : int {
  kKeptGroup = QTextFormat::UserProperty + 0x550,  // QByteArray: the group, braces included
  kKeptKind,                                        // QString: its destination word ("pict", "object", ...)
};

// The object type of those characters, drawn by keptobjects.h.
constexpr int kKeptObjectType = QTextFormat::UserObject + 0x54;

// On a list format: the \pnstart number, which Qt 6.4 lists cannot show.
constexpr int kNumberStart = QTextFormat::UserProperty + 0x560;

constexpr int kMaxGroupDepth = 256;
constexpr int kMaxTableEntries = 1024;   // fonts and colours
constexpr int kMinHalfPoints = 2;
constexpr int kMaxHalfPoints = 3276;     // 1638 points, the rich edit's largest size
constexpr int kMaxTwips = 31680;         // 22 inches

constexpr double kTwipsPerPixel = 15.0;  // 96 dots per inch

}  // namespace rtf
