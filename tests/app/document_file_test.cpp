#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>

#include "cells/pageservices/cellupgrade.h"
#include "cells/primitives/cgface.h"
#include "cells/texts/cgtbvodtext.h"
#include "documenttestsupport.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/docservices.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "render/textures.h"
#include "support/documentsteps.h"

namespace KAVREL_FILE_LOCAL {

TEST_F(DocumentFileTest, TwoPagesRoundTripByteForByte) {
  CKavrelDoc doc;
  BuildTwoPages(doc);
  const QByteArray written = Bytes(doc);
  const QString path = WriteFile(QStringLiteral("two.kv"), written);

  CKavrelDoc opened;
  ASSERT_TRUE(opened.OnOpenDocument(path, true)) << Shown().toStdString();
  ASSERT_EQ(opened.m_pages.size(), 2u);
  EXPECT_EQ(opened.m_pages[0]->m_cells.GetCount(), 9);
  EXPECT_EQ(opened.m_pages[1]->m_cells.GetCount(), 5);
  EXPECT_EQ(Bytes(opened).toHex(), written.toHex());
}

TEST_F(DocumentFileTest, OnlyUsedReplacedPicturesKeepTheirPixels) {
  CKavrelDoc doc;
  BuildTwoPages(doc);
  // Pictures 1 and 2 replaced by 3 x 2 pixels; only picture 2 is used (by ABC).
  const int rowBytes = 12;  // 3 pixels of 3 bytes, padded to 4
  std::vector<BYTE> pixels(rowBytes * 2);
  for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = static_cast<BYTE>(i % rowBytes < 9 ? i + 1 : 0);
  for (int slot : {0, 1}) {
    CTextureSlot& s = g_textureSlots[slot];
    s.noCopy = 0;
    s.width = 3;
    s.height = 2;
    s.pixels = pixels;
  }
  const QByteArray bytes = Bytes(doc);
  QByteArray tail;
  tail.append(char(1));                                                // picture 1: unused
  tail.append(char(0)).append("\x03\0\0\0", 4).append("\x02\0\0\0", 4);  // picture 2: width, height
  tail.append(reinterpret_cast<const char*>(pixels.data()), rowBytes * 2);
  tail.append(char(1));  // picture 3: the program's own
  EXPECT_EQ(bytes.right(tail.size()).toHex(' '), tail.toHex(' '));
  g_textureSlots[1].width = g_textureSlots[1].height = 1;  // a single pixel is a picture too
  g_textureSlots[1].pixels = {7, 8, 9, 0};
  EXPECT_EQ(Bytes(doc).right(14).toHex(' '), QByteArray::fromHex("00 01000000 01000000 07080900 01").toHex(' '));
  g_textureSlots[1].pixels = pixels;

  // Read back, picture 2 takes the stored pixels; picture 1, stored as the
  // program's own, goes back to the program's picture.
  g_strProgramFolder = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral(".."));
  g_textureSlots[1] = CTextureSlot();
  CKavrelDoc opened;
  ASSERT_TRUE(opened.OnOpenDocument(WriteFile(QStringLiteral("pictures.kv"), bytes), true));
  EXPECT_EQ(g_textureSlots[1].noCopy, 0);
  EXPECT_EQ(g_textureSlots[1].pixels, pixels);
  EXPECT_TRUE(g_textureSlots[1].uploadPending);
  EXPECT_EQ(g_textureSlots[0].noCopy, 1);
  EXPECT_GT(g_textureSlots[0].width, 3) << Shown().toStdString();
}

TEST_F(DocumentFileTest, PictureSizesAreCheckedBeforeTheyAreRead) {
  CKavrelDoc doc;
  BuildTwoPages(doc);
  QByteArray bytes = Bytes(doc);
  bytes.chop(3);
  QByteArray huge = bytes;
  huge.append(char(1)).append(char(0)).append("\xff\x3f\0\0", 4).append("\xff\x3f\0\0", 4).append(char(1));
  QByteArray zero = bytes;
  zero.append(char(1)).append(char(0)).append("\0\0\0\0", 4).append("\x01\0\0\0", 4).append(char(1));
  for (const QByteArray& file : {huge, zero}) {
    CKavrelDoc opened;
    seams.notifier->shown.clear();
    EXPECT_FALSE(opened.OnOpenDocument(WriteFile(QStringLiteral("bad.kv"), file), true));
    EXPECT_EQ(seams.notifier->shown.size(), 1u);
  }
}

QString Kvdump() { return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../kvdump")); }

// An older document is upgraded at its first showing, outside any edit of
// the user's: what the upgrade rewrote is computed on every page, so the
// attached texts stand on their points as a reopen of the save puts them.
TEST_F(DocumentFileTest, AnUpgradedDocumentIsWhatItsSaveReopensTo) {
  DocumentServices().upgradeCell = UpgradeCellFields;
  CKavrelDoc doc;
  BuildStepsDocument(doc, 0, folder.path());
  doc.m_nVersion = 400;
  doc.UpgradePages();
  int attached = 0;
  for (const auto& page : doc.m_pages)
    for (auto [id, cell] : page->m_cells)
      if (const auto* text = dynamic_cast<const CGTbMhc*>(cell)) {
        const auto* point = dynamic_cast<const CGVertex*>(page->m_cells.Lookup(text->m_parents.back()));
        ASSERT_TRUE(point);
        EXPECT_EQ(text->m_vLabelAnchor[1], point->m_vPos[1]) << "attached text " << id;
        ++attached;
      }
  EXPECT_GT(attached, 0);
  EXPECT_EQ(DocumentFault(doc, folder.path()), "");
}

TEST_F(DocumentFileTest, KvdumpListsPagesAndCells) {
  CKavrelDoc doc;
  BuildTwoPages(doc);
  const QString path = WriteFile(QStringLiteral("dump.kv"), Bytes(doc));
  const QStringList lines = KvdumpListing(path).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_EQ(lines.size(), 2 + 9 + 5);
  EXPECT_EQ(lines[0], QStringLiteral("page\t1\tone"));
  EXPECT_EQ(lines[1], QStringLiteral("cell\t1\tCGVertex\tA\t1\t\t0.0000\t0.0000\t0.0000"));
  EXPECT_EQ(lines[2], QStringLiteral("cell\t2\tCGVertex\tB\t1\t\t4.0000\t0.0000\t0.0000"));
  const CCellMap& cells = doc.m_pages[0]->m_cells;
  EXPECT_EQ(lines[5], QStringLiteral("cell\t5\tCGLine\t%1\t1\t1,2").arg(cells.Lookup(5)->m_strName));
  EXPECT_EQ(lines[7], QStringLiteral("cell\t7\tCGFace\t%1\t1\t1,2,3").arg(cells.Lookup(7)->m_strName));
  EXPECT_EQ(lines[9], QStringLiteral("cell\t9\tCGArcCircle3P\t%1\t1\t1,2,3").arg(cells.Lookup(9)->m_strName));
  EXPECT_EQ(lines[10], QStringLiteral("page\t3\ttwo"));
  EXPECT_EQ(lines[11], QStringLiteral("cell\t1\tCGVertex\tA\t1\t\t1.0000\t1.0000\t1.0000"));
}

TEST_F(DocumentFileTest, KvdumpShowsUndefinedCellsAndLoaderMessages) {
  CKavrelDoc doc;
  BuildTwoPages(doc);
  // C onto the line AB: no circle passes through A, B and C.
  auto* c = static_cast<CGVertex*>(doc.m_pages[0]->m_cells.Lookup(3));
  c->m_vPos[0] = 2;
  c->m_vPos[1] = 0;
  QByteArray bytes = Bytes(doc);
  const QString out = KvdumpListing(WriteFile(QStringLiteral("collinear.kv"), bytes));
  EXPECT_TRUE(out.contains(QStringLiteral("\tCGArcCircle3P\t"))) << out.toStdString();
  EXPECT_TRUE(out.contains(QRegularExpression(QStringLiteral("cell\t9\tCGArcCircle3P\t[^\t]*\t0\t1,2,3")))) << out.toStdString();

  bytes[2] = 0;  // the second header word
  QProcess dump;
  dump.start(Kvdump(), {WriteFile(QStringLiteral("bad.kv"), bytes)});
  ASSERT_TRUE(dump.waitForFinished(30000));
  EXPECT_NE(dump.exitCode(), 0);
  EXPECT_TRUE(dump.readAllStandardOutput().isEmpty());
  // Qt may warn before it (a missing runtime folder, ...): the message is the last line.
  const QStringList errors = QString::fromUtf8(dump.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  ASSERT_FALSE(errors.isEmpty());
  EXPECT_EQ(errors.back().toStdString(), "文件格式错误，无法打开！");
}

}  // namespace
