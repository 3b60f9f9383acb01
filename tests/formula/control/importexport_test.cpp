// Import and export of the edited formula through the file dialogs.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "editorfixture.h"

namespace KAVREL_FILE_LOCAL {

class ImportExport : public EditorTest {
 protected:
  QString Path(const char* name) const { return folder.filePath(Q(name)); }
  QByteArray Read(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QTemporaryDir folder;
};

TEST_F(ImportExport, TheExtensionPicksWhatIsWritten) {
  struct Case {
    const char* chosen;
    const char* written;  // null: nothing
    QByteArray head;
    int messages;
  } cases[] = {
      {"X.BMP", "X.BMP", QByteArray("BM"), 0},
      {"x.vod", "x.vod", QByteArray("\xFF\xFE<\0#\0", 6), 0},
      {"x.Emf", "x.Emf", QByteArray("\x01\0\0\0", 4), 0},
      {"plain", "plain.vod", QByteArray("\xFF\xFE", 2), 0},
      {"x.txt", nullptr, {}, 0},
      {"no/such/folder/x.vod", nullptr, {}, 1},
      {"", nullptr, {}, 0},
  };
  for (const Case& c : cases) {
    Load("<#><l><e>ab</e></l></#>");
    seams.fileChooser->answers = {*c.chosen ? Path(c.chosen) : QString()};
    const size_t shown = seams.notifier->shown.size();
    editor.RunCommand(ID_FORMULA_EXPORT);
    if (c.written) { EXPECT_TRUE(Read(Path(c.written)).startsWith(c.head)) << c.chosen; }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), *c.chosen ? (c.written ? 1 : 0) : 0) << c.chosen;
    EXPECT_EQ(seams.notifier->shown.size() - shown, size_t(c.messages)) << c.chosen;
    EXPECT_EQ(Records(), 1) << c.chosen;
    for (const QString& name : QDir(folder.path()).entryList(QDir::Files)) QFile::remove(Path(name.toUtf8().constData()));
  }
  EXPECT_EQ(Read(Path("x.vod")), QByteArray());
}

TEST_F(ImportExport, OnlyAReadableFormulaReplacesTheEditedOne) {
  static const char kVod[] = "\xFF\xFE<\0#\0>\0<\0l\0>\0<\0e\0>\0q\0<\0/\0e\0>\0<\0/\0l\0>\0<\0/\0#\0>\0";
  const QByteArray vod(kVod, sizeof kVod - 1);
  struct Case {
    const char* name;
    QByteArray bytes;  // empty: no file
    const char* after;
    int messages;
  } cases[] = {
      {"a formula", vod, "<#><l><e>q</e></l></#>", 0},
      {"no byte-order mark", QByteArray("<#><l><e>q</e></l></#>"), "<#><l><e>ab</e></l></#>", 1},
      {"mark-up the reader rejects", QByteArray("\xFF\xFE<\0/\0x\0>\0", 10), "<#><l><e>ab</e></l></#>", 1},
      {"a truncated file", QByteArray("\xFF\xFE<", 3), "<#><l><e>ab</e></l></#>", 1},
      {"a file over 8 MB", vod + QByteArray(8 << 20, ' '), "<#><l><e>ab</e></l></#>", 1},
      {"no such file", {}, "<#><l><e>ab</e></l></#>", 1},
  };
  for (const Case& c : cases) {
    Load("<#><l><e>ab</e></l></#>");
    const QString path = Path("in.vod");
    QFile::remove(path);
    if (!c.bytes.isEmpty()) {
      QFile file(path);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      file.write(c.bytes);
    }
    seams.fileChooser->answers = {path};
    const size_t shown = seams.notifier->shown.size();
    Key('I', true);
    EXPECT_EQ(Vod(), Q(c.after)) << c.name;
    EXPECT_EQ(Records(), c.messages ? 1 : 2) << c.name;
    EXPECT_EQ(seams.notifier->shown.size() - shown, size_t(c.messages)) << c.name;
  }
  Key('Z', true);
  EXPECT_EQ(Vod(), Q("<#><l><e>ab</e></l></#>"));
}

}  // namespace
