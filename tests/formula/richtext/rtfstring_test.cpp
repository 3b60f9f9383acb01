// The stored form of a rich text: RTF bytes packed two to a 16-bit unit, low
// byte first, closed by a zero unit; odd streams keep their last byte.
#include <gtest/gtest.h>

#include <vector>

#include "richtext/rtfstring.h"

namespace KAVREL_FILE_LOCAL {

TEST(RtfString, PacksBytePairsLowFirstThenAZeroUnit) {
  struct Row {
    const char* name;
    QByteArray bytes;
    std::vector<char16_t> units;
  };
  const Row rows[] = {
      {"empty", "", {0}},
      {"one byte", "{", {0x007B, 0}},
      {"two bytes", "{\\", {0x5C7B, 0}},
      {"odd length", "{\\r", {0x5C7B, 0x0072, 0}},
      {"high bytes", QByteArray("\xB9\xB4\xB9", 3), {0xB4B9, 0x00B9, 0}},
  };
  for (const Row& row : rows) {
    const QString packed = PackRtfString(row.bytes);
    ASSERT_EQ(packed.size(), static_cast<qsizetype>(row.units.size())) << row.name;
    for (size_t i = 0; i < row.units.size(); ++i)
      EXPECT_EQ(packed[static_cast<qsizetype>(i)].unicode(), row.units[i]) << row.name << " unit " << i;
    EXPECT_EQ(UnpackRtfString(packed), row.bytes) << row.name;
  }
}

TEST(RtfString, UnpackStopsAtTheZeroUnit) {
  const QString packed = QString(QChar(0x6261)) + QChar(0) + QChar(0x6463);
  EXPECT_EQ(UnpackRtfString(packed), QByteArray("ab"));
  EXPECT_EQ(UnpackRtfString(QString(QChar(0x6261))), QByteArray("ab")) << "a string missing its zero unit";
}

}  // namespace
