#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <cmath>
#include <limits>
#include <unistd.h>

#include "cells/texts/cgtextbit.h"
#include "doctestsupport.h"
#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "model/document/docservices.h"
#include "platform/archivecollections.h"
#include "render/glresources.h"
#include "render/projection.h"
#include "support/failingwrites.h"
#include "support/hostiledocument.h"

namespace KAVREL_FILE_LOCAL {

const QString kFirstPage = QStringLiteral("第一页");
const QString kDescription = QStringLiteral("（文档说明：）\r\n\r\n\r\n\r\n（版权信息：）");
const QString kBadHeader = QStringLiteral("文件格式错误，无法打开！");
const QString kNewerVersion = QStringLiteral("这是高版本生成的文档，请您升级到最新版本！");

void ExpectMatrix(const double* actual, const double* expected) {
  for (int i = 0; i < 16; ++i) EXPECT_DOUBLE_EQ(actual[i], expected[i]) << i;
}

TEST_F(DocTest, NewDocumentHasOnePageAndAFreshView) {
  g_fViewTranslate[0] = 5;
  g_fViewTranslate[2] = 7;
  g_fUnitsPerPixel = 0.1f;
  g_nProjection = 0;
  g_bLockView = 1;
  g_bLockDrag = 1;
  g_nAxesMode = 3;
  ViewQuaternion = kQuatIdentity;
  g_strDocumentPath = QStringLiteral("/somewhere/else.kv");
  int reloads = 0;
  DocumentServices().reloadPreferences = [&reloads] { ++reloads; };

  ASSERT_TRUE(doc.OnNewDocument());
  EXPECT_EQ(reloads, 1);
  EXPECT_EQ(seams.bridge->stepResets, 1) << "a construction under way held ids of the pages gone";
  ASSERT_EQ(doc.m_pages.size(), 1u);
  const CGPage& page = *doc.m_pages.front();
  EXPECT_EQ(page.m_strName, kFirstPage);
  EXPECT_EQ(page.m_nId, 1);
  EXPECT_EQ(page.m_nProjection, 1);
  EXPECT_EQ(g_pCurPage, &page);
  EXPECT_EQ(g_pCurCells, &page.m_cells);
  EXPECT_EQ(doc.m_nLastPageId, 1);
  EXPECT_EQ(doc.m_nVersion, 420);
  EXPECT_EQ(doc.m_strDescription, kDescription);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(doc.GetPathName().isEmpty());
  EXPECT_TRUE(g_strDocumentPath.isEmpty());

  Quaternion expected;
  QuatMultiply(QuatRotationX(-75), QuatRotationZ(-15), expected);
  EXPECT_EQ(ViewQuaternion, expected);
  EXPECT_FLOAT_EQ(page.m_qRotate[3], static_cast<float>(expected.w));
  EXPECT_EQ(g_fViewTranslate[0], 0.0f);
  EXPECT_EQ(g_fViewTranslate[1], 0.0f);
  EXPECT_EQ(g_fViewTranslate[2], -50.0f);
  EXPECT_EQ(page.m_vTranslate[2], -50.0f);
  EXPECT_EQ(g_fUnitsPerPixel, 0.05f);
  EXPECT_EQ(g_nProjection, 1);
  EXPECT_EQ(g_bLockView, 0);
  EXPECT_EQ(g_bLockDrag, 0);
  EXPECT_EQ(g_nAxesMode, 0);
  double ortho[16];
  ASSERT_TRUE(ProjectionMatrix(1, 800, 600, 0.05f, ortho));
  ExpectMatrix(g_dProjection, ortho);
  EXPECT_EQ(g_nViewport[2], 800);
  EXPECT_EQ(g_nViewport[3], 600);
}

TEST_F(DocTest, FileIsWrittenInTheRecordOrder) {
  doc.OnNewDocument();
  const QByteArray bytes = Bytes(doc);
  const CDisplayPrefs& p = g_prefs;
  RecordBytes expected;
  expected.u16(0xFF01).u16(0x859B).u32(420).u32(0).u32(0);
  expected.u16(0);  // no user tools
  expected.i32(420).str(QString()).str(kDescription).i32(doc.m_nScreenWidth).i32(doc.m_nScreenHeight);
  expected.i32(0).i32(0).f32(0).str(QString());
  expected.str(QStringLiteral("Times New Roman")).str(QStringLiteral("Times New Roman")).i32(24).i32(24);
  expected.f32(2).f32(6);
  for (int i = 0; i < 4; ++i)
    expected.f32(p.lightAmbient[i]).f32(p.lightDiffuse[i]).f32(p.lightSpecular[i]).f32(p.lightPosition[i]);
  CArchive page;
  doc.m_pages.front()->Serialize(page);
  expected.u16(1).u16(0xFFFF).u16(1).u16(6).bytes("CGPage").bytes(page.Bytes());
  expected.u16(1);          // the page id counter
  expected.u8(1).u8(1).u8(1);  // the three pictures are the program's own
  EXPECT_EQ(bytes.toHex(' '), expected.get().toHex(' '));
  EXPECT_EQ(bytes.left(16).toHex(' '), QByteArray("01 ff 9b 85 a4 01 00 00 00 00 00 00 00 00 00 00"));
}

TEST_F(DocTest, SavingStoresTheViewStateInTheCurrentPage) {
  doc.OnNewDocument();
  g_fViewTranslate[0] = 3;
  g_fViewScale = 2;
  ViewQuaternion = Quaternion{0.5, 0.1, 0.2, 0.3};
  Bytes(doc);
  const CGPage& page = *doc.m_pages.front();
  EXPECT_EQ(page.m_vTranslate[0], 3.0f);
  EXPECT_EQ(page.m_fScale, 2.0f);
  EXPECT_EQ(std::vector<float>(page.m_qRotate, page.m_qRotate + 4), (std::vector<float>{0.1f, 0.2f, 0.3f, 0.5f}));
}

TEST_F(DocTest, HeaderlessFileIsReadInTheOlderLayoutAndNeedsSaving) {
  CKavrelDoc source;
  CGPage& page = *source.m_pages.emplace_back(std::make_unique<CGPage>());
  page.m_nId = 1;
  page.m_strName = QStringLiteral("old");
  auto* point = new CGVertex(1, 1, QStringLiteral("A"), 1.5f, -2, 3);
  page.m_cells.SetAt(1, point);
  page.m_nNextId = 2;
  const QString path = WriteFile(QStringLiteral("old.kv"), HeaderlessDocument(source, 300));

  bool needsSaving = false;
  ASSERT_TRUE(doc.OnOpenDocument(path, true, &needsSaving)) << Shown(0).toStdString();
  EXPECT_TRUE(needsSaving);
  EXPECT_EQ(doc.m_nVersion, 300);
  ASSERT_EQ(doc.m_pages.size(), 1u);
  const auto* loaded = dynamic_cast<CGVertex*>(doc.m_pages.front()->m_cells.Lookup(1));
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->m_vPos[0], 1.5f);
  EXPECT_EQ(loaded->m_vPos[2], 3.0f);
  EXPECT_EQ(doc.GetPathName(), path);

  // Written back, it has the header and the newer layout.
  EXPECT_EQ(Bytes(doc).left(4).toHex(), QByteArray("01ff9b85"));
  EXPECT_EQ(doc.m_nVersion, 420);
}

TEST_F(DocTest, FilesThatCannotBeOpenedLeaveTheOpenDocument) {
  doc.OnNewDocument();
  const QByteArray good = Bytes(doc);
  const QString previousPath = WriteFile(QStringLiteral("previous.kv"), good);
  ASSERT_TRUE(doc.OnOpenDocument(previousPath, true));
  AddPoint(*doc.m_pages.front(), 1, 2, 3);
  doc.SetModifiedFlag();
  const CGPage* page = doc.m_pages.front().get();

  QByteArray wrongMark = good;
  wrongMark[2] = 0x00;
  QByteArray newer = good;
  newer[4] = static_cast<char>(0xA5);  // version 421
  // The reading stops at the last page id, the WORD before the three picture flags.
  const qsizetype cut = good.size() - 5;
  const QString openFailed = QStringLiteral("打开文档失败：{path}\n");
  struct Case {
    const char* name;
    QByteArray bytes;
    QString message;  // {path}: the file's path
  } cases[] = {
      {"wrong second word", wrongMark, kBadHeader},
      {"newer version", newer, kNewerVersion},
      {"truncated", good.left(cut), openFailed + QStringLiteral("文档已损坏（第 %1 字节处）。").arg(cut)},
      {"empty", QByteArray(), openFailed + QStringLiteral("这不是本程序的文档。")},
      {"text", QByteArray("hello, world\n"), openFailed + QStringLiteral("这不是本程序的文档。")},
  };
  for (const Case& c : cases) {
    seams.notifier->shown.clear();
    const QString path = WriteFile(QString::fromLatin1(c.name) + QStringLiteral(".kv"), c.bytes);
    EXPECT_FALSE(doc.OnOpenDocument(path, true)) << c.name;
    ASSERT_EQ(seams.notifier->shown.size(), 1u) << c.name;
    EXPECT_EQ(Shown(0), QString(c.message).replace(QStringLiteral("{path}"), path)) << c.name;
    EXPECT_EQ(doc.GetPathName(), previousPath) << c.name;
    EXPECT_EQ(g_strDocumentPath, previousPath) << c.name;
    ASSERT_EQ(doc.m_pages.size(), 1u) << c.name;
    EXPECT_EQ(doc.m_pages.front().get(), page) << c.name;
    EXPECT_EQ(g_pCurPage, page) << c.name;
    EXPECT_EQ(page->m_cells.GetCount(), 1) << c.name;
    EXPECT_TRUE(doc.IsModified()) << c.name;
  }
  const QString missing = folder.filePath(QStringLiteral("missing.kv"));
  seams.notifier->shown.clear();
  EXPECT_FALSE(doc.OnOpenDocument(missing, true));
  EXPECT_EQ(Shown(0), QStringLiteral("打开文档失败：") + missing + QStringLiteral("\n文件不存在。"));
  EXPECT_EQ(doc.m_pages.front().get(), page);
  // A document of any size is read, but not one larger than the machine's
  // memory: refused at once (sparse, it takes no disk).
  const QString huge = WriteFile(QStringLiteral("huge.kv"), good);
  ASSERT_TRUE(QFile(huge).resize(qint64(::sysconf(_SC_PHYS_PAGES)) * ::sysconf(_SC_PAGESIZE) + 1));
  seams.notifier->shown.clear();
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(doc.OnOpenDocument(huge, true));
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_EQ(Shown(0), QStringLiteral("打开文档失败：") + huge + QStringLiteral("\n内存不足。"));
  EXPECT_EQ(doc.m_pages.front().get(), page);
  EXPECT_EQ(doc.GetPathName(), previousPath);
}

TEST_F(DocTest, LoadingRecalculatesEveryPageBeforeTheFirstBecomesCurrent) {
  CGPage& first = AppendPage(7, QStringLiteral("seven"));
  CGPage& second = AppendPage(3, QStringLiteral("three"));
  for (int i = 0; i < 3; ++i) AddCell<CTestLoggedCell>(first);
  for (int i = 0; i < 2; ++i) AddCell<CTestLoggedCell>(second);
  first.m_vTranslate[0] = 1;
  first.m_vTranslate[1] = 2;
  first.m_vTranslate[2] = -30;
  first.m_nPixelsPerUnit = 40;
  first.m_nProjection = 0;
  first.m_fScale = 1.5f;
  doc.m_nLastPageId = 7;
  const QString path = WriteFile(QStringLiteral("two.kv"), Bytes(doc));

  CKavrelDoc opened;
  CTestLoggedCell::s_log.clear();
  ASSERT_TRUE(opened.OnOpenDocument(path, true));
  const std::vector<std::pair<WORD, WORD>> order = {{7, 1}, {7, 2}, {7, 3}, {3, 1}, {3, 2}};
  EXPECT_EQ(CTestLoggedCell::s_log, order);
  ASSERT_EQ(opened.m_pages.size(), 2u);
  EXPECT_EQ(g_pCurPage, opened.m_pages.front().get());
  EXPECT_EQ(g_fViewTranslate[1], 2.0f);
  EXPECT_EQ(g_fViewTranslate[2], -30.0f);
  EXPECT_EQ(g_fViewScale, 1.5f);
  EXPECT_EQ(g_fUnitsPerPixel, 1.0f / 40);
  EXPECT_EQ(g_nProjection, 0);
  double central[16];
  ASSERT_TRUE(ProjectionMatrix(0, g_nViewWidth, g_nViewHeight, 1.0f / 40, central));
  for (int i = 0; i < 16; ++i) EXPECT_NEAR(g_dProjection[i], central[i], 1e-6) << i;
}

TEST_F(DocTest, FileWithoutPagesOpensWithOnePage) {
  doc.DeleteContents();
  doc.m_nLastPageId = 0;
  const QString path = WriteFile(QStringLiteral("none.kv"), Bytes(doc));
  ASSERT_TRUE(doc.OnOpenDocument(path, true));
  ASSERT_EQ(doc.m_pages.size(), 1u);
  EXPECT_EQ(doc.m_pages.front()->m_strName, kFirstPage);
  EXPECT_EQ(doc.m_pages.front()->m_nId, 1);
  EXPECT_EQ(doc.m_nLastPageId, 1);
  EXPECT_EQ(g_pCurPage, doc.m_pages.front().get());
}

TEST_F(DocTest, PageIdCounterStaysAheadOfEveryPage) {
  AppendPage(1, QStringLiteral("a"));
  AppendPage(9, QStringLiteral("b"));
  doc.m_nLastPageId = 2;
  const QString path = WriteFile(QStringLiteral("ids.kv"), Bytes(doc));
  CKavrelDoc opened;
  ASSERT_TRUE(opened.OnOpenDocument(path, true));
  EXPECT_EQ(opened.m_nLastPageId, 9);
}

TEST_F(DocTest, DisplayValuesTravelWithTheDocument) {
  doc.OnNewDocument();
  g_prefs.strLabelFont = QStringLiteral("Serif");
  g_prefs.fPointSize = 9;
  g_prefs.lightPosition = {1, 2, 3, 0};
  g_prefs.nTextFontHeight = 0;  // unusable: the reader keeps what is in force
  const QString path = WriteFile(QStringLiteral("look.kv"), Bytes(doc));
  g_prefs = CDisplayPrefs();
  g_prefs.nTextFontHeight = 30;
  ASSERT_TRUE(doc.OnOpenDocument(path, true));
  EXPECT_EQ(g_prefs.strLabelFont, QStringLiteral("Serif"));
  EXPECT_EQ(g_prefs.fPointSize, 9.0f);
  EXPECT_EQ(g_prefs.lightPosition[2], 3.0f);
  EXPECT_EQ(g_prefs.nTextFontHeight, 30);
}

// Half a million repeated links (2 MB): the repair of the links on load takes
// time in proportion to them, milliseconds, not a scan of the child list
// per parent entry (a minute).
TEST_F(DocTest, RepeatedLinksOpenQuicklyAndAreListedOnce) {
  const QString path = WriteFile(QStringLiteral("links.kv"), HostileLinksDocument(500, 1000));
  QElapsedTimer timer;
  timer.start();
  ASSERT_TRUE(doc.OnOpenDocument(path, true));
  EXPECT_LT(timer.elapsed(), 3000);
  const CGPage& page = *doc.m_pages.front();
  EXPECT_EQ(page.m_cells.Lookup(1)->m_children.size(), 500u);
  EXPECT_EQ(page.m_cells.Lookup(501)->m_parents.size(), 1000u);
}

TEST_F(DocTest, FailedSaveSaysWhyAndKeepsThePathAndTheOldFile) {
  doc.OnNewDocument();
  doc.SetModifiedFlag();
  const QString nowhere = folder.filePath(QStringLiteral("no/such/folder/x.kv"));
  EXPECT_FALSE(doc.OnSaveDocument(nowhere));
  ASSERT_EQ(seams.notifier->shown.size(), 1u);
  EXPECT_EQ(Shown(0), QStringLiteral("保存文档失败：") + nowhere + QStringLiteral("\n文件夹不存在。"));
  const QString path = WriteFile(QStringLiteral("x.kv"), "the old document");
  {
    const ScopedFullDisk full;
    EXPECT_FALSE(doc.OnSaveDocument(path));
  }
  ASSERT_EQ(seams.notifier->shown.size(), 2u);
  EXPECT_EQ(Shown(1), QStringLiteral("保存文档失败：") + path + QStringLiteral("\n磁盘空间不足。"));
  EXPECT_EQ(ReadFileBytes(path), QByteArray("the old document"));
  // A cell holding what opening refuses (a picture's infinite zoom) is not
  // written: the message names it and the old file stays as it was.
  ClassRegistry::Register(RUNTIME_CLASS(CGTbImage));
  auto* image = static_cast<CGTbImage*>(
      CreateImageCell(4, 1, 1, std::vector<BYTE>(4), std::numeric_limits<float>::infinity(), 0, 0));
  doc.m_pages.front()->m_cells.SetAt(4, image);
  EXPECT_FALSE(doc.OnSaveDocument(path));
  ASSERT_EQ(seams.notifier->shown.size(), 3u);
  EXPECT_EQ(Shown(2), QStringLiteral("保存文档失败：") + path +
                          QStringLiteral("\n页面“第一页”中的对象“Img”（编号 4）存有读不回的数据。\n文档没有保存，原有文件保持不变。"));
  EXPECT_EQ(ReadFileBytes(path), QByteArray("the old document"));
  image->SetZoom(2, 2);
  EXPECT_TRUE(doc.GetPathName().isEmpty());
  EXPECT_TRUE(doc.IsModified());
  EXPECT_TRUE(doc.OnSaveDocument(path));
  EXPECT_EQ(doc.GetPathName(), path);
  EXPECT_EQ(g_strDocumentPath, path);
  EXPECT_FALSE(doc.IsModified());
}

TEST_F(DocTest, DocumentFolderIsThePathUpToItsLastSeparator) {
  const struct { const char* path; const char* folder; } cases[] = {
      {"C:\\lessons\\cube.kv", "C:\\lessons\\"}, {"/home/t/cube.kv", "/home/t/"},
      {"C:\\a/b\\c.kv", "C:\\a/b\\"},   // a backslash wins over a later slash
      {"abc", ""},                      // shorter than 5 characters
      {"\\cube.kv", ""},                // the separator is the first character
      {"cube.kv", ""},                  // no separator
      {"", ""},
  };
  for (const auto& c : cases) {
    g_strDocumentPath = QString::fromUtf8(c.path);
    EXPECT_EQ(GetDocumentFolder(), QString::fromUtf8(c.folder)) << c.path;
  }
}

}  // namespace
