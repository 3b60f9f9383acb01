// The rich-text editor's work without a window: titles, the height it
// grows to, the character commands, and what OK and a paste turn a text into.
#include <gtest/gtest.h>

#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>

#include "richtext/richtextformat.h"
#include "richtext/richtextrender.h"
#include "richtext/rteditdata.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfstring.h"
#include "richtext/rtfwriter.h"
#include "rtflisting.h"

namespace KAVREL_FILE_LOCAL {

int InkBits(const std::vector<BYTE>& mask) {
  int bits = 0;
  for (BYTE b : mask) bits += __builtin_popcount(b);
  return bits;
}

TEST(RichTextRender, TitleAndHeightRules) {
  const struct {
    const char* text;
    const char* title;
  } titles[] = {{"abcdef", "abcd..."}, {"abcde", "abcde"}, {"勾股定理证明", "勾股定理..."}, {"", ""}};
  for (const auto& row : titles) EXPECT_EQ(RichTextTitle(Q(row.text)), Q(row.title)) << row.text;

  const struct {
    const char* name;
    int requested, extra, current, fitted;
  } heights[] = {
      {"small text: the least height", 50, 65, 210, 200},
      {"text and margins", 300, 65, 210, 375},
      {"tall text: the greatest height", 900, 65, 375, 700},
      {"at 700 it stops following", 100, 65, 700, 700},
      {"just below 700 still follows", 100, 65, 699, 200},
  };
  for (const auto& row : heights)
    EXPECT_EQ(FittedRichTextHeight(row.requested, row.extra, row.current), row.fitted) << row.name;
}

TEST(RichTextRender, CharacterCommands) {
  const auto sub = QTextCharFormat::AlignSubScript, super = QTextCharFormat::AlignSuperScript,
             normal = QTextCharFormat::AlignNormal;
  const struct {
    const char* name;
    QTextCharFormat::VerticalAlignment first, second;  // of the two selected characters
    bool bold1, bold2;
    std::vector<RichFormat> commands;
    QTextCharFormat::VerticalAlignment after;
    bool boldAfter;
  } rows[] = {
      {"superscript on subscript text", sub, sub, false, false, {RichFormat::Superscript}, super, false},
      {"superscript twice on plain text", normal, normal, false, false,
       {RichFormat::Superscript, RichFormat::Superscript}, normal, false},
      {"subscript on mixed text", sub, normal, false, false, {RichFormat::Subscript}, sub, false},
      {"bold on mixed text sets it", normal, normal, true, false, {RichFormat::Bold}, normal, true},
      {"bold on bold text clears it", normal, normal, true, true, {RichFormat::Bold}, normal, false},
  };
  for (const auto& row : rows) {
    QTextDocument doc;
    QTextCursor cursor(&doc);
    QTextCharFormat f;
    f.setVerticalAlignment(row.first);
    f.setFontWeight(row.bold1 ? QFont::Bold : QFont::Normal);
    cursor.insertText(QStringLiteral("a"), f);
    f.setVerticalAlignment(row.second);
    f.setFontWeight(row.bold2 ? QFont::Bold : QFont::Normal);
    cursor.insertText(QStringLiteral("b"), f);
    cursor.select(QTextCursor::Document);
    for (RichFormat command : row.commands) cursor.mergeCharFormat(FormatChange(command, SelectionEffects(cursor)));
    const RichEffects effects = SelectionEffects(cursor);
    EXPECT_EQ(std::make_tuple(effects.superscript, effects.subscript, effects.bold, IsChecked(RichFormat::Bold, effects)),
              std::make_tuple(row.after == super, row.after == sub, row.boldAfter, row.boldAfter))
        << row.name;
  }
}

TEST(RichTextRender, OkTurnsTheTextIntoStringTitleAndMask) {
  const QString stored = PackRtfString(TestRtf(R"(\f1\fs24 \'b9\'b4\'b9\'c9abcd\par)"));
  const struct {
    const char* name;
    QString text;
    bool plain;
    bool edit;
    bool keepsString;
    const char* title;
  } rows[] = {
      {"stored text, unedited", stored, false, false, true, "勾股ab..."},
      {"stored text, edited", stored, false, true, false, "X勾股a..."},
      {"plain caption", Q("AB"), true, false, false, "AB"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    CDlgRtEdit data;
    data.m_strText = row.text, data.m_bPlainText = row.plain;
    data.m_strFace = QStringLiteral("Times New Roman"), data.m_nFaceTwips = 300;
    QTextDocument doc;
    EXPECT_TRUE(LoadRichText(data, doc));
    if (row.edit) QTextCursor(&doc).insertText(QStringLiteral("X"));
    ASSERT_TRUE(TakeRichText(doc, QSize(200, 60), doc.isModified(), data));
    EXPECT_EQ(data.m_strText == row.text, row.keepsString);
    EXPECT_EQ(std::make_tuple(data.m_strTitle, data.m_nMaskWidth, data.m_nMaskHeight),
              std::make_tuple(Q(row.title), 200, 60));
    ASSERT_EQ(data.m_mask.size(), 28u * 60) << "rows of whole 32-bit words";
    EXPECT_GT(InkBits(data.m_mask), 20) << "the text is drawn";
    QTextDocument back;
    EXPECT_TRUE(LoadRichText(data, back)) << "the string is RTF again";
    EXPECT_EQ(back.toPlainText(), doc.toPlainText());
    if (row.plain) {
      QTextCursor first(&back);
      first.setPosition(1);
      const QTextCharFormat f = first.charFormat();
      EXPECT_EQ(std::make_pair(f.fontPointSize(), f.fontFamilies().toStringList().value(0)),
                std::make_pair(15.0, QStringLiteral("Times New Roman")))
          << "300 twips";
    }
  }
}

// A text that is one empty numbered or bulleted paragraph, as read and as
// the writer stores it: an empty mask of the asked size, no crash.
TEST(RichTextRender, AnEmptyListParagraphDrawsAnEmptyMask) {
  QTextDocument numbered;
  ReadRtf("{\\rtf1{\\*\\pn\\pndec}\\par}", numbered);
  const QByteArray inputs[] = {"{\\*\\pn\\pnlvlbody}", "{\\rtf1{\\*\\pn\\pndec}\\par}", WriteRtf(numbered)};
  for (const QByteArray& rtf : inputs) {
    QTextDocument doc;
    ReadRtf(rtf, doc);
    const std::vector<BYTE> mask = RenderRichTextMask(doc, 100, 40);
    EXPECT_EQ(mask.size(), 16u * 40) << rtf.constData();
    EXPECT_EQ(InkBits(mask), 0) << rtf.constData();
  }
}

TEST(RichTextRender, PastedTextsBecomeMasks) {
  const struct {
    const char* name;
    const char* format;
    QByteArray data;
    const char* title;
  } rows[] = {
      {"RTF", "text/rtf", TestRtf(R"(\f1 \'b9\'b4\'b9\'c9\par)"), "勾股"},
      {"HTML", "text/html", "<b>Hello, world</b>", "Hell..."},
      {"plain text", "text/plain", "x+1", "x+1"},
      {"empty", "text/plain", "", nullptr},
      {"nothing readable", "image/png", "abc", nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    QMimeData mime;
    mime.setData(QLatin1String(row.format), row.data);
    CDlgRtEdit data;
    const bool made = RenderPastedRichText(mime, 300, 40, data);
    ASSERT_EQ(made, row.title != nullptr);
    if (!made) {
      EXPECT_TRUE(data.m_mask.empty());
      continue;
    }
    EXPECT_EQ(std::make_tuple(data.m_strTitle, data.m_nMaskWidth, data.m_nMaskHeight),
              std::make_tuple(Q(row.title), 300, 45));
    EXPECT_GT(InkBits(data.m_mask), 0);
  }
}

}  // namespace
