// Documents holding 3DS models: saved, opened and saved again alike with
// kvdump's counts; a lesson moved together with its model finds it beside
// itself; a model gone is asked for, and a cancelled search keeps the path
// the document had.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "../cells/model3ds/model3dsfiles.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"

namespace KAVREL_FILE_LOCAL {

class Model3dsDocumentTest : public DocumentFileTest {
 protected:
  // Walls (a box: 24 vertices, 12 faces) and a dome (an icosahedron: 12
  // vertices, 20 faces) in `sub`/house.3ds.
  QString House(const QString& sub) {
    QDir(folder.path()).mkpath(sub);
    Mesh3dsSpec walls = Box3ds("walls", 0, 0, 0, 8, 6, 4), dome = Icosahedron3ds("dome", 3);
    walls.material = "brick";
    dome.material = "roof";
    const QString path = QDir(folder.filePath(sub)).filePath(QStringLiteral("house.3ds"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Write3ds({ModelMaterial("brick", 180, 60, 40), ModelMaterial("roof", 90, 90, 90)}, {walls, dome}));
    return path;
  }
  // A lesson in `sub`/lesson.kv holding the model of `model`.
  QString Lesson(const QString& sub, const QString& model) {
    CKavrelDoc doc;
    doc.OnNewDocument();
    CGPage& page = *doc.m_pages.front();
    auto* cell = Enter(page, new CGModel3ds(page.m_nNextId++, model, 1));
    cell->Position[0] = 2.5f;
    QDir(folder.path()).mkpath(sub);
    return WriteFile(sub + QStringLiteral("/lesson.kv"), Bytes(doc));
  }
  CGModel3ds* ModelOf(CKavrelDoc& doc) { return dynamic_cast<CGModel3ds*>(doc.m_pages[0]->m_cells.Lookup(1)); }
};

TEST_F(Model3dsDocumentTest, SavedOpenedAndSavedAgainAlikeWithItsCounts) {
  CKavrelDoc doc;
  doc.OnNewDocument();
  CGPage& page = *doc.m_pages.front();
  auto* model = Enter(page, new CGModel3ds(page.m_nNextId++, House(QStringLiteral("a")), 0));
  model->Position[2] = -4;
  model->m_fValue = 1.25f;
  const QString listing = ReopenedListing(doc, QStringLiteral("house.kv"));
  EXPECT_TRUE(listing.contains(QStringLiteral("cell\t1\tCGModel3ds\thouse.3ds\t1\t\t2\t36\t32\n"))) << listing.toStdString();
  EXPECT_EQ(Shown(), QString());
}

TEST_F(Model3dsDocumentTest, ALessonMovedWithItsModelFindsItBesideItself) {
  const QString lesson = Lesson(QStringLiteral("a"), House(QStringLiteral("a")));
  QDir(folder.path()).mkpath(QStringLiteral("b"));
  const QString moved = folder.filePath(QStringLiteral("b/lesson.kv"));
  ASSERT_TRUE(QFile::copy(lesson, moved));
  ASSERT_TRUE(QFile::rename(folder.filePath(QStringLiteral("a/house.3ds")), folder.filePath(QStringLiteral("b/house.3ds"))));
  CKavrelDoc opened;
  ASSERT_TRUE(opened.OnOpenDocument(moved, true)) << Shown().toStdString();
  EXPECT_EQ(Shown(), QString());
  CGModel3ds* model = ModelOf(opened);
  ASSERT_TRUE(model);
  EXPECT_TRUE(model->m_bDefined);
  EXPECT_EQ(model->FilePath, folder.filePath(QStringLiteral("b/house.3ds")));
  EXPECT_EQ(model->Position[0], 2.5f);
  // Saved so: the next opening needs no search.
  const QString again = WriteFile(QStringLiteral("b/again.kv"), Bytes(opened));
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(again, true));
  EXPECT_EQ(ModelOf(reopened)->FilePath, folder.filePath(QStringLiteral("b/house.3ds")));
  EXPECT_EQ(Shown(), QString());
}

TEST_F(Model3dsDocumentTest, AModelGoneIsAskedForAndACancelKeepsItsPath) {
  // The model lived in a folder of its own, not beside the lesson.
  const QString original = House(QStringLiteral("models"));
  const QString lesson = Lesson(QStringLiteral("lesson"), original);
  const QByteArray saved = [&] {
    QFile file(lesson);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
  }();
  ASSERT_TRUE(QFile::remove(original));

  seams.fileChooser->answers = {QString()};
  CKavrelDoc cancelled;
  ASSERT_TRUE(cancelled.OnOpenDocument(lesson, true));
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(seams.notifier->shown[0].text,
            QString::fromUtf8("原来设定的3ds模型文件:\n“ ") + original + QString::fromUtf8(" ”未找到，请重新指定其路径！"));
  EXPECT_FALSE(ModelOf(cancelled)->m_bDefined);
  EXPECT_EQ(ModelOf(cancelled)->FilePath, original);
  // Saved again, the document differs only in the model's defined flag: it
  // keeps where the model was.
  ModelOf(cancelled)->m_bDefined = true;
  EXPECT_EQ(Bytes(cancelled).toHex(), saved.toHex());

  const QString chosen = House(QStringLiteral("found"));
  seams.fileChooser->answers = {chosen};
  CKavrelDoc found;
  ASSERT_TRUE(found.OnOpenDocument(lesson, true));
  EXPECT_TRUE(ModelOf(found)->m_bDefined);
  EXPECT_EQ(ModelOf(found)->FilePath, chosen);
  EXPECT_EQ(ModelOf(found)->Model.objectCount, 2);
}

}  // namespace
