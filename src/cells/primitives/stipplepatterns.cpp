#include "cells/primitives/stipplepatterns.h"

#include <string_view>

namespace {

constexpr GLushort kLineDashPatterns[kLineDashPatternCount] = {0x03FF, 0x3F3F, 0x33FF,
                                                               0x1111, 0x27FF, 0x55FF};

// A pattern given by its repeating rows: `period` rows of eight hex digits
// (the row's four bytes in memory order), bottom row first.
struct RowPattern {
  int period;
  std::string_view rows;
};

constexpr RowPattern kRowPatterns[] = {
    {8, "40404040 20202020 10101010 08080808 04040404 02020202 01010101 80808080"},
    {8, "01010101 02020202 04040404 08080808 10101010 20202020 40404040 80808080"},
    {8, "41414141 22222222 14141414 08080808 14141414 22222222 41414141 80808080"},
    {8, "ffffffff 00000000 00000000 00000000 00000000 00000000 00000000 00000000"},
    {1, "80808080"},
    {8, "ffffffff 80808080 80808080 80808080 80808080 80808080 80808080 80808080"},
    {8, "01c001c0 06300630 08080808 30063006 c001c001 00000000 00000000 00000000"},
    {16,
     "80808080 80808080 40404040 40404040 20202020 10101010 10101010 08080808 "
     "08080808 08080808 10101010 10101010 20202020 40404040 40404040 80808080"},
    {8, "60606060 90909090 90909090 60606060 00000000 00000000 00000000 00000000"},
    {8, "1c1c1c1c 22222222 41414141 80808080 80808080 80808080 41414141 22222222"},
    {8, "f0f0f0f0 f0f0f0f0 f0f0f0f0 f0f0f0f0 00000000 00000000 00000000 00000000"},
    {16,
     "ffffffff 80000000 80000000 80000000 80000000 80000000 80000000 80000000 "
     "ffffffff 00008000 00008000 00008000 00008000 00008000 00008000 00008000"},
    {8, "0f800f80 10401040 20202020 40104010 800f800f 40104010 20202020 10401040"},
    {32,
     "0000ffff 0000ffff 0000ffff 0000ffff 0000ffff 0000ffff 0000ffff 0000ffff "
     "0000ffff 0000ffff 0000ffff 0000ffff 0000ffff 0000ffff 0000ffff 0000ffff "
     "ffff0000 ffff0000 ffff0000 ffff0000 ffff0000 ffff0000 ffff0000 ffff0000 "
     "ffff0000 ffff0000 ffff0000 ffff0000 ffff0000 ffff0000 ffff0000 ffff0000"},
};

constexpr GLubyte HexDigit(char c) {
  return static_cast<GLubyte>(c <= '9' ? c - '0' : c - 'a' + 10);
}

constexpr PolygonStipple FromRows(const RowPattern& p) {
  PolygonStipple bytes{};
  for (int row = 0; row < 32; ++row) {
    const std::string_view hex = p.rows.substr(static_cast<size_t>(row % p.period) * 9, 8);
    for (int i = 0; i < 4; ++i)
      bytes[static_cast<size_t>(row * 4 + i)] =
          static_cast<GLubyte>(HexDigit(hex[2 * i]) << 4 | HexDigit(hex[2 * i + 1]));
  }
  return bytes;
}

// A 32 x 32 picture drawn top row first, '#' for a set bit; the leftmost
// pixel is the high bit of a row's first byte.
constexpr PolygonStipple FromPicture(const std::string_view (&picture)[32]) {
  PolygonStipple bytes{};
  for (int line = 0; line < 32; ++line) {
    const int row = 31 - line;  // rows are counted from the bottom
    for (int x = 0; x < 32; ++x)
      if (picture[line][static_cast<size_t>(x)] == '#')
        bytes[static_cast<size_t>(row * 4 + x / 8)] |= static_cast<GLubyte>(0x80 >> (x % 8));
  }
  return bytes;
}

// Two figurative motifs: hearts and stars.
constexpr std::string_view kHearts[32] = {
    "................................", "................................",
    "....###...###...................", "...#####.#####..................",
    "..#############.................", "..#############.................",
    "..#############.................", "...###########..................",
    "....#########...................", ".....#######....................",
    "......#####.....................", ".......###......................",
    "........#.......................", "................................",
    "................................", "................................",
    "................................", "................................",
    "....................###...###...", "...................#####.#####..",
    "..................#############.", "..................#############.",
    "..................#############.", "...................###########..",
    "....................#########...", ".....................#######....",
    "......................#####.....", ".......................###......",
    "........................#.......", "................................",
    "................................", "................................",
};
constexpr std::string_view kStars[32] = {
    "................................", "........#.......................",
    "........#.......................", ".......###......................",
    "..#############.................", "....#########...................",
    "......#####.....................", ".....###.###....................",
    "....##.....##...................", "...#.........#..................",
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
    "................................", "........................#.......",
    "........................#.......", ".......................###......",
    "..................#############.", "....................#########...",
    "......................#####.....", ".....................###.###....",
    "....................##.....##...", "...................#.........#..",
    "................................", "................................",
    "................................", "................................",
    "................................", "................................",
};

constexpr std::array<PolygonStipple, kPolygonStippleCount> BuildPatterns() {
  std::array<PolygonStipple, kPolygonStippleCount> patterns{};
  for (int i = 0; i < 14; ++i) patterns[static_cast<size_t>(i)] = FromRows(kRowPatterns[i]);
  patterns[14] = FromPicture(kHearts);
  patterns[15] = FromPicture(kStars);
  return patterns;
}

constexpr std::array<PolygonStipple, kPolygonStippleCount> kPolygonStipples = BuildPatterns();

}  // namespace

GLushort LineDashPattern(int number) {
  return number >= 0 && number < kLineDashPatternCount ? kLineDashPatterns[number]
                                                       : kStandardLineStipple;
}

const PolygonStipple& PolygonStipplePattern(int number) {
  return kPolygonStipples[number >= 0 && number < kPolygonStippleCount ? static_cast<size_t>(number)
                                                                        : 0];
}
