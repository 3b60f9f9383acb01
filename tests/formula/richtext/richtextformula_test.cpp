// Formulas in rich texts: the picture other readers show and the mark-up
// kept for editing come back from the written text.
#include <gtest/gtest.h>

#include <QTextCursor>
#include <QTextDocument>

#include "formula/bintree.h"
#include "richtext/keptobjects.h"
#include "richtext/richtextformula.h"
#include "richtext/rtfformat.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfwriter.h"

namespace KAVREL_FILE_LOCAL {

const QString kMarkup = QString::fromUtf8("<#><l><e>勾股{a}\\b</e></l></#>");

TEST(RichTextFormula, InsertedWrittenReadAndFoundAgain) {
  QTextDocument doc;
  QTextCursor cursor(&doc);
  cursor.insertText(QStringLiteral("x"));
  ASSERT_TRUE(InsertFormula(cursor, kMarkup));
  cursor.insertText(QStringLiteral("y"));  // in the format the picture leaves
  QTextDocument back;
  ASSERT_TRUE(ReadRtf(WriteRtf(doc), back).complete);
  EXPECT_EQ(back.characterCount(), 5) << "x, the mark-up, the picture, y and the end";
  int start = -1;
  EXPECT_EQ(FormulaAt(back, 2, &start), kMarkup) << "the picture, after its mark-up";
  EXPECT_EQ(start, 1);
  QTextCursor picture(&back);
  picture.setPosition(3);
  const QTextCharFormat format = picture.charFormat();
  QTextCursor typed(&back);
  typed.setPosition(3);
  typed.insertText(QStringLiteral("z"), format);  // text that took the picture's format
  QTextDocument retyped;
  ReadRtf(WriteRtf(back), retyped);
  EXPECT_EQ(retyped.toPlainText().remove(QChar::ObjectReplacementCharacter), QStringLiteral("xzy")) << "kept as text";
  const KeptPicture shown = ReadKeptPicture(format.property(rtf::kKeptGroup).toByteArray(), QStringLiteral("pict"));
  CBinTree tree;
  tree.SetVod(kMarkup);
  const QImage expected = tree.RenderToBitmap();
  ASSERT_FALSE(shown.image.isNull()) << "a DIB other readers show";
  EXPECT_EQ(shown.image.size(), expected.size());
  EXPECT_EQ(shown.size, QSizeF(expected.size()));
  EXPECT_EQ(shown.image.pixel(0, 0), expected.pixel(0, 0));

  QTextCursor again(&back);
  EXPECT_FALSE(InsertFormula(again, QStringLiteral("<#><l>"))) << "mark-up that does not read";
  EXPECT_EQ(back.characterCount(), 6);
  EXPECT_TRUE(FormulaMarkupOf("{\\*\\kvvodx 41}").isEmpty());
}

}  // namespace
