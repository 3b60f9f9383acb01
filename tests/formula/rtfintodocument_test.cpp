// What the RTF reader leaves in the document it is given: the text read
// replaces what the document held, and a byte above 0x7F in a Western font
// or document is that code page's character, never half of a GBK pair.
#include <gtest/gtest.h>

#include <QTextDocument>

#include "richtext/rtfreader.h"

namespace KAVREL_FILE_LOCAL {

TEST(RtfIntoDocument, TheTextReadReplacesTheDocumentsOwn) {
  const struct Row { const char* name; const char* held; const char* rtf; const char* text; } rows[] = {
      {"a document holding text", "old", R"({\rtf1 new\par})", "new"},
      {"a Western font in a Chinese document", "",
       R"({\rtf1\ansi\ansicpg936{\fonttbl{\f0\fcharset0 Arial;}}\f0 caf\'e9\par})", "caf\xC3\xA9"},
      {"a Western document without fonts", "", R"({\rtf1\ansi\ansicpg1252 caf\'e9\par})", "caf\xC3\xA9"},
  };
  for (const Row& row : rows) {
    QTextDocument doc;
    doc.setPlainText(QString::fromUtf8(row.held));
    ReadRtf(QByteArray(row.rtf), doc);
    EXPECT_EQ(doc.toPlainText().toStdString(), row.text) << row.name;
  }
}

}  // namespace
