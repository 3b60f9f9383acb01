// Every reader of a file the user chooses, given what a file dialog can
// hand it by mistake: a named pipe nobody writes, an endless device, a
// folder, a file over the reader's limit (or, for a reader of files of any
// size, a huge file that is none of them).  Each answers at once with a
// message naming the path and the reason, and nothing changes.
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <sys/stat.h>

#include "cells/solids/model3ds/reader3ds.h"
#include "formula/bintree.h"
#include "platform/commandids.h"
#include "platform/filebytes.h"
#include "render/textures.h"
#include "richtext/keptobjects.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

QString Utf8(const char* text) { return QString::fromUtf8(text); }

// A reader run on the path: the message it showed (or gave), and whether
// what it reads into stayed as it was.
struct Outcome {
  QString message;
  bool unchanged = false;
};

Outcome RunCommand(unsigned command, const QString& path) {
  CommandPage p;
  p.seams.fileChooser->answers = {path};
  Outcome out;
  p.ExpectNothingMade([&] { p.Run(command); });  // fails the test itself
  out.unchanged = true;
  const std::vector<QString> texts = p.seams.notifier->Texts();
  if (texts.size() == 1) out.message = texts[0];
  return out;
}

Outcome OpenDocument(const QString& path) {
  CommandPage p;
  const size_t pages = p.doc.m_pages.size();
  const QString name = p.doc.GetPathName();
  Outcome out;
  out.unchanged = !p.doc.OnOpenDocument(path, false, nullptr) && p.doc.m_pages.size() == pages &&
                  p.doc.GetPathName() == name && !p.doc.IsModified();
  const std::vector<QString> texts = p.seams.notifier->Texts();
  if (texts.size() == 1) out.message = texts[0];
  return out;
}

Outcome LoadTexture(const QString& path) {
  CommandPage p;
  const std::vector<BYTE> before = g_textureSlots[3].pixels;
  Outcome out;
  out.unchanged = !LoadTextureImage(3, false, path) && g_textureSlots[3].pixels == before;
  const std::vector<QString> texts = p.seams.notifier->Texts();
  if (texts.size() == 1) out.message = texts[0];
  return out;
}

Outcome InsertRichTextPicture(const QString& path) {
  QTextDocument doc;
  doc.setPlainText(QStringLiteral("ab"));
  QTextCursor cursor(&doc);
  cursor.setPosition(1);
  Outcome out;
  out.unchanged = !InsertPictureFile(cursor, path, &out.message) && doc.toPlainText() == QStringLiteral("ab");
  return out;
}

Outcome ImportVod(const QString& path) {
  CBinTree tree;
  FileFailure failure = FileFailure::None;
  Outcome out;
  out.unchanged = !tree.LoadVodFile(path, &failure) && tree.m_pRoot == nullptr;
  out.message = PathAndReason(path, FileFailureReason(failure, false, CBinTree::kMaxVodFileBytes));
  return out;
}

Outcome LoadModel(const QString& path) {
  SeamRecorders seams;
  Scene3ds scene;
  scene.objectCount = 1;
  scene.objects.resize(1);
  Outcome out;
  out.unchanged = !C3dsReader().Load(scene, path) && scene.objectCount == 1 && scene.objects.size() == 1;
  const std::vector<QString> texts = seams.notifier->Texts();
  if (texts.size() == 1) out.message = texts[0];
  return out;
}

struct Reader {
  const char* name;
  std::function<Outcome(const QString&)> read;
  qint64 limit;
  const char* suffix;
  const char* hugeReason = nullptr;  // a reader of any size: why a huge file of zeros is refused
};

TEST(ReaderEntries, PipesDevicesFoldersAndHugeFilesAreRefusedAtOnceWithTheirReason) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const Reader readers[] = {
      {"document", OpenDocument, kMaxDocumentBytes, ".kv", "这不是本程序的文档。"},
      {"picture cell", [](const QString& path) { return RunCommand(ID_CREATE_IMAGE, path); }, 256LL << 20, ".png"},
      {"presentation", [](const QString& path) { return RunCommand(ID_CREATE_TEXT3, path); }, 512LL << 20, ".pptx",
       "不是演示文稿文件"},
      {"old presentation", [](const QString& path) { return RunCommand(ID_CREATE_TEXT3, path); }, 512LL << 20,
       ".ppt"},
      {"texture", LoadTexture, 256LL << 20, ".jpg"},
      {"rich-text picture", InsertRichTextPicture, 256LL << 20, ".bmp"},
      {"formula", ImportVod, CBinTree::kMaxVodFileBytes, ".vod"},
      {"3ds model", LoadModel, C3dsReader::kMaxFileBytes, ".3ds"},
  };
  for (const Reader& reader : readers) {
    const QString suffix = QString::fromLatin1(reader.suffix);
    const QString pipe = dir.filePath(QStringLiteral("pipe") + suffix);
    const QString folder = dir.filePath(QStringLiteral("folder") + suffix);
    const QString huge = dir.filePath(QStringLiteral("huge") + suffix);
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    ASSERT_TRUE(QDir().mkdir(folder));
    {
      QFile file(huge);
      ASSERT_TRUE(file.open(QIODevice::WriteOnly));
      ASSERT_TRUE(file.resize(reader.limit + (88LL << 20)));  // sparse: no disk taken
    }
    const QString notAFile = Utf8("这不是一个普通文件。");
    const QString tooLarge =
        reader.hugeReason ? Utf8(reader.hugeReason) : Utf8("文件超过 %1 MB，太大了。").arg(reader.limit >> 20);
    const std::pair<QString, QString> inputs[] = {
        {pipe, notAFile}, {QStringLiteral("/dev/zero"), notAFile}, {folder, notAFile}, {huge, tooLarge}};
    for (const auto& [path, reason] : inputs) {
      const std::string what = std::string(reader.name) + " " + path.toStdString();
      QElapsedTimer clock;
      clock.start();
      const Outcome out = reader.read(path);
      EXPECT_LT(clock.elapsed(), 1000) << what;
      EXPECT_TRUE(out.unchanged) << what;
      EXPECT_TRUE(out.message.contains(path)) << what << ": " << out.message.toStdString();
      EXPECT_TRUE(out.message.contains(reason)) << what << ": " << out.message.toStdString();
    }
    QFile::remove(pipe);
    QFile::remove(huge);
  }
}

}  // namespace
