// The documents' Windows face names resolve to installed faces.
#include "render/fontsubstitutions.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>

namespace KAVREL_FILE_LOCAL {

class FontSubstitutionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InstallFontSubstitutions();
    for (const QString& family : {QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("DejaVu Serif"),
                                 QStringLiteral("DejaVu Sans")})
      if (!QFontDatabase::hasFamily(family))
        GTEST_SKIP() << family.toStdString() << " is not installed (tools/install-deps.sh installs it)";
  }
};

// Qt keeps substitution names in lower case and answers resolved families in
// their own spelling; compare without case.
std::string Lower(const QStringList& names) { return names.join(QLatin1Char('|')).toLower().toStdString(); }

TEST_F(FontSubstitutionsTest, EveryMappedFaceResolvesToItsFirstReplacement) {
  ASSERT_FALSE(FontSubstitutions().empty());
  for (const FontSubstitution& s : FontSubstitutions()) {
    const std::string face = s.face.toStdString();
    EXPECT_EQ(Lower(QFont::substitutes(s.face)), Lower(s.replacements)) << face;
    EXPECT_EQ(Lower({QFontInfo(QFont(s.face, 24)).family()}), Lower({s.replacements.first()})) << face;
  }
}

TEST_F(FontSubstitutionsTest, TheFacesDocumentsUseAreMapped) {
  const struct { QString face, family; } cases[] = {
      {QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif")},
      {QString::fromUtf16(u"宋体"), QStringLiteral("WenQuanYi Micro Hei")},
      {QString::fromUtf16(u"楷体"), QStringLiteral("WenQuanYi Micro Hei")},
  };
  for (const auto& c : cases)
    EXPECT_EQ(QFontInfo(QFont(c.face)).family().toStdString(), c.family.toStdString()) << c.face.toStdString();
}

TEST_F(FontSubstitutionsTest, ChineseTextInTheLatinFaceUsesTheChineseFace) {
  QTextLayout layout(QString::fromUtf16(u"AB 中点"), QFont(QStringLiteral("Times New Roman"), 24));
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  QStringList families;
  for (const QGlyphRun& run : layout.glyphRuns()) families << run.rawFont().familyName().toLower();
  families.removeDuplicates();
  families.sort();
  EXPECT_EQ(Lower(families), "dejavu serif|wenquanyi micro hei");
}

}  // namespace
