// A document of an older program version opened by the program: it shows
// as it was made (the view's orientation, the caption's name), is marked
// modified, saves as version 420, and opens and saves again unchanged.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/classregistration.h"
#include "app/kavrelapp.h"
#include "appenvironment.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/cgtextmap.h"
#include "math/mathglobals.h"
#include "math/viewrotation.h"
#include "model/cgpage.h"
#include "support/documentfiles.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(OldDocument, OpensAsItWasMadeAndSavesAsTheCurrentVersion) {
  SeamRecorders seams;
  QTemporaryDir folder;
  RegisterAllClasses();
  const QString oldPath = folder.filePath(QStringLiteral("old.kv"));
  {  // Version 300: the rotation as angles, a picture at half size, a
     // caption without its name.
    CKavrelDoc source;
    CGPage& page = *source.m_pages.emplace_back(std::make_unique<CGPage>());
    page.m_nId = 1;
    const float angles[4] = {-75, 0, -15, 0};
    std::copy_n(angles, 4, page.m_qRotate);
    auto* image = new CGTbImage(page.m_nNextId++, 2, 2, std::vector<BYTE>(16, 200));
    image->SetZoom(0.5f, 0.5f);
    page.m_cells.SetAt(image->m_nId, image);
    auto* caption = new CGTmSingleline;
    caption->m_nId = page.m_nNextId++;
    caption->m_bLabelHidden = 1;
    page.m_cells.SetAt(caption->m_nId, caption);
    WriteTestFile(folder, QStringLiteral("old.kv"), HeaderlessDocument(source, 300));
  }
  SetViewRotation(-75, -15);
  const Quaternion shown = ViewQuaternion;
  ViewQuaternion = kQuatIdentity;

  CKavrelApp app(TestAppEnvironment(folder));
  ASSERT_TRUE(app.InitInstance({QStringLiteral("kavrel"), oldPath}));
  CKavrelDoc& doc = app.Document();
  EXPECT_TRUE(doc.IsModified());
  EXPECT_EQ(doc.m_nVersion, 420);
  EXPECT_TRUE(std::abs(ViewQuaternion.w - shown.w) < 1e-6 && std::abs(ViewQuaternion.x - shown.x) < 1e-6 &&
              std::abs(ViewQuaternion.z - shown.z) < 1e-6);
  const CCellMap& cells = doc.CurrentPage()->m_cells;
  // Pictures took their zoom factors with version 300: this one keeps its own.
  EXPECT_EQ(static_cast<CGTbImage*>(cells.Lookup(1))->ZoomX(), 0.5f);
  EXPECT_EQ(cells.Lookup(2)->m_bLabelHidden, 0) << "the caption's name shows";

  const QString newPath = folder.filePath(QStringLiteral("new.kv"));
  ASSERT_TRUE(doc.OnSaveDocument(newPath));
  const QByteArray saved = FileBytes(newPath);
  EXPECT_EQ(saved.mid(4, 4).toHex(), QByteArray("a4010000")) << "the header's version";
  EXPECT_EQ(saved.mid(18, 4).toHex(), QByteArray("a4010000")) << "the document's version field";

  ASSERT_NE(app.OpenDocumentFile(newPath), nullptr);
  EXPECT_FALSE(app.Document().IsModified());
  EXPECT_NEAR(ViewQuaternion.w, shown.w, 1e-6);
  ASSERT_TRUE(app.Document().OnSaveDocument(folder.filePath(QStringLiteral("again.kv"))));
  EXPECT_EQ(FileBytes(folder.filePath(QStringLiteral("again.kv"))), saved);
}

}  // namespace
