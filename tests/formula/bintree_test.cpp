// The formula tree object: replacing the formula, emptiness, the text modes,
// .vod files and its place among the storable classes.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include "formula/formulaclasses.h"
#include "formulatestutil.h"
#include "platform/archive.h"

namespace KAVREL_FILE_LOCAL {

TEST(BinTree, EmptyOrRejectedTextGivesNoRootButWritesTheEmptyFormula) {
  CBinTree tree;
  EXPECT_FALSE(tree.Normalize());
  tree.ApplyDefaultFont();  // nothing to do, no crash
  tree.SetVod(QStringLiteral("<l><e>x</e></l>"));
  for (const char* text : {"", "not mark-up"}) {
    tree.SetVod(QString::fromUtf8(text));
    EXPECT_EQ(tree.m_pRoot, nullptr) << text;
    EXPECT_TRUE(tree.IsEmpty()) << text;
    EXPECT_EQ(tree.GetText(0), QStringLiteral("<#><l></l></#>")) << text;
    EXPECT_EQ(tree.GetText(1), QStringLiteral("<#><l></l></#>")) << text;
    EXPECT_EQ(tree.GetText(2), QString()) << text;
    EXPECT_EQ(tree.GetText(3), QString()) << text;
  }
}

TEST(BinTree, ARowAloneIsWrappedInABoxThatBecomesItsParent) {
  CBinTree tree;
  tree.SetVod(QStringLiteral("<l><e>x</e></l>"));
  auto* box = dynamic_cast<CBoxNode*>(tree.m_pRoot);
  ASSERT_NE(box, nullptr);
  ASSERT_EQ(box->ChildCount(), 1);
  auto* row = ChildAs<CRowNode>(box, 0);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->m_pParent, box);
  EXPECT_FALSE(tree.IsEmpty());
  EXPECT_EQ(tree.GetText(0), QStringLiteral("<#><l><e>x</e></l></#>"));
  EXPECT_EQ(tree.GetText(2), QStringLiteral("x,"));
  EXPECT_EQ(tree.GetText(4), QString()) << "text modes beyond three give nothing";
  EXPECT_EQ(tree.GetText(-1), QString());
}

TEST(BinTree, SetVodPutsTheCaretAtTheEnd) {
  CBinTree tree;
  tree.SetVod(QStringLiteral("<#><l><e>ab</e></l><l><e>xyz</e></l></#>"));
  CNode* root = tree.m_pRoot;
  ASSERT_NE(root->m_pActive, nullptr);
  EXPECT_EQ(root->m_nCaret, 1);
  auto* run = ChildAs<CTextNode>(root->m_pActive, 0);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(root->m_pActive->m_pActive, run);
  EXPECT_EQ(run->m_nCaret, 3);
  // Into a structure: its first box, with the structure's own selection cleared.
  tree.SetVod(QStringLiteral("<#><l><f><#><l><e>1</e></l></#><#><l><e>2</e></l></#></f></l></#>"));
  auto* fraction = ChildAs<CDivisionNode>(ChildAs<CRowNode>(tree.m_pRoot, 0), 0);
  fraction->m_bSelected = 1;
  fraction->CaretToEnd();
  EXPECT_EQ(fraction->m_bSelected, 0);
  EXPECT_EQ(fraction->m_pActive, fraction->m_pFirst);
}

TEST(BinTree, IsEmptyFollowsTheShapeOfTheRoot) {
  struct Case { const char* vod; bool empty; } cases[] = {
      {"<#><l></l></#>", true},
      {"<#><l><e></e></l></#>", false},       // a run, even an empty one, is content
      {"<#><l></l><l></l></#>", false},       // two rows
      {"<#></#>", false},                     // no row at all
      {"<#><l><f></f></l></#>", false},
  };
  for (const Case& c : cases) {
    CBinTree tree;
    tree.SetVod(QString::fromUtf8(c.vod));
    EXPECT_EQ(tree.IsEmpty(), c.empty) << c.vod;
  }
  CBinTree notBox;
  notBox.m_pRoot = new CRowNode;
  EXPECT_TRUE(notBox.IsEmpty());
  CBinTree boxOfRun;
  auto* box = new CBoxNode;
  box->AppendChild(new CTextNode(QStringLiteral("x")));
  boxOfRun.m_pRoot = box;
  EXPECT_TRUE(boxOfRun.IsEmpty());  // its one child is no row
}

TEST(BinTree, ApplyDefaultFontKeepsOnlyWhatTheRootSetsItself) {
  CBinTree tree;
  tree.m_lfDefault.lfHeight = 50;
  tree.m_lfDefault.lfItalic = 1;
  tree.m_crDefault = 0x123456;
  tree.m_pRoot = tree.ParseVod(QStringLiteral("<#:name=Arial><l><e>x</e></l></#>"));
  ASSERT_NE(tree.m_pRoot, nullptr);
  tree.Normalize();
  tree.ApplyDefaultFont();
  const CNode* root = tree.m_pRoot;
  EXPECT_EQ(root->m_lf.lfFaceName, QStringLiteral("Arial"));
  EXPECT_EQ(root->m_lf.lfHeight, 50);
  EXPECT_EQ(root->m_lf.lfItalic, 1);
  EXPECT_EQ(root->m_crColor, 0x123456u);
  const auto* run = ChildAs<CTextNode>(ChildAs<CRowNode>(root, 0), 0);
  ASSERT_NE(run, nullptr);
  EXPECT_EQ(run->m_lf.lfFaceName, QStringLiteral("Arial"));
  EXPECT_EQ(run->m_lf.lfHeight, 50);
  EXPECT_EQ(run->m_crColor, 0x123456u);
}

TEST(BinTree, ApplyDefaultFontGivesARootWithoutOverridesTheWholeDefaultFont) {
  CBinTree tree;
  tree.m_lfDefault.lfWidth = 7;  // beyond the six stored parts
  tree.SetVod(QStringLiteral("<#><l></l></#>"));
  EXPECT_EQ(tree.m_pRoot->m_lf, tree.m_lfDefault);
  EXPECT_EQ(tree.m_lfDefault.lfQuality, 4);  // smoothed text; the other parts show in the mark-up
}

class VodFiles : public ::testing::Test {
 protected:
  QString Path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
  QByteArray Read(const QString& path) const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void Write(const QString& path, const QByteArray& bytes) const {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
  QTemporaryDir dir;
};

TEST_F(VodFiles, SaveWritesTheByteOrderMarkAndUtf16LeWithoutTerminator) {
  CBinTree tree;
  tree.SetVod(QStringLiteral("<l><e>x\u4E2D</e></l>"));
  ASSERT_TRUE(tree.SaveVodFile(Path("a.vod")));
  const QByteArray bytes = Read(Path("a.vod"));
  const int units = int(QStringLiteral("<#><l><e>x\u4E2D</e></l></#>").size());
  ASSERT_EQ(bytes.size(), 2 + 2 * units);
  EXPECT_EQ(bytes.left(6), QByteArray("\xFF\xFE\x3C\x00\x23\x00", 6));  // mark, "<#"
  EXPECT_EQ(bytes.mid(20, 4), QByteArray("\x78\x00\x2D\x4E", 4));      // "x", U+4E2D
  EXPECT_EQ(bytes.right(2), QByteArray("\x3E\x00", 2));                  // ">", no terminator
}

TEST_F(VodFiles, SaveThenLoadGivesTheSameFormula) {
  CBinTree saved;
  saved.SetVod(QStringLiteral("<#:size=40><l><f><#><l><e:color=ff>1</e></l></#><#><l><e>2</e></l></#></f></l></#>"));
  ASSERT_TRUE(saved.SaveVodFile(Path("f.vod")));
  CBinTree loaded;
  ASSERT_TRUE(loaded.LoadVodFile(Path("f.vod")));
  EXPECT_EQ(loaded.GetText(0), saved.GetText(0));
  EXPECT_FALSE(saved.SaveVodFile(Path("missing/sub/a.vod")));
}

TEST_F(VodFiles, LoadRefusesWhatIsNoFormulaFile) {
  const QByteArray formula = QByteArray("\xFF\xFE", 2) + QByteArray("<\0l\0>\0<\0/\0l\0>\0", 14);
  struct Case {
    const char* name;
    QByteArray bytes;
    bool result;
    bool keepsOldTree;  // refused before the tree was touched
  } cases[] = {
      {"empty.vod", QByteArray(), false, true}, {"one.vod", QByteArray("\xFF", 1), false, true},
      {"bom-only.vod", QByteArray("\xFF\xFE", 2), false, false},  // reads as no formula
      {"big-endian.vod", QByteArray("\xFE\xFF\0<\0l\0>\0<\0/\0l\0>", 16), false, true},
      {"no-bom.vod", QByteArray("<\0l\0>\0<\0/\0l\0>\0", 14), false, true},
      {"garbage.vod", QByteArray("\xFF\xFEx\0y\0", 6), false, false},
      {"odd.vod", formula + QByteArray("\x41", 1), true, false},  // a trailing half unit is no unit
      {"good.vod", formula, true, false},
  };
  for (const Case& c : cases) {
    Write(Path(c.name), c.bytes);
    CBinTree tree;
    tree.SetVod(QStringLiteral("<l><e>old</e></l>"));
    EXPECT_EQ(tree.LoadVodFile(Path(c.name)), c.result) << c.name;
    if (c.keepsOldTree)
      EXPECT_EQ(tree.GetText(0), QStringLiteral("<#><l><e>old</e></l></#>")) << c.name;
    else if (!c.result)
      EXPECT_EQ(tree.m_pRoot, nullptr) << c.name;
    else
      EXPECT_EQ(tree.GetText(0), QStringLiteral("<#><l></l></#>")) << c.name;
  }
  CBinTree tree;
  EXPECT_FALSE(tree.LoadVodFile(Path("does-not-exist.vod")));
}

TEST_F(VodFiles, LoadChecksTheSizeBeforeReading) {
  QFile f(Path("huge.vod"));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("\xFF\xFE", 2);
  ASSERT_TRUE(f.resize(CBinTree::kMaxVodFileBytes + 2));  // sparse: nothing is really written
  f.close();
  CBinTree tree;
  EXPECT_FALSE(tree.LoadVodFile(Path("huge.vod")));
}

TEST(BinTreeClass, IsStorableByNameAndStoresNoRecord) {
  RegisterFormulaClasses();
  const CRuntimeClass* cls = ClassRegistry::FromName("CBinTree");
  ASSERT_EQ(cls, RUNTIME_CLASS(CBinTree));
  EXPECT_EQ(cls->m_wSchema, 1);

  CBinTree tree;
  tree.SetVod(QStringLiteral("<l><e>x</e></l>"));
  CArchive store;
  store.WriteObject(&tree);
  // New class tag, schema 1, the name, and no record after it.
  EXPECT_EQ(store.Bytes(), QByteArray("\xFF\xFF\x01\x00\x08\x00" "CBinTree", 14));

  CArchive load(store.Bytes());
  std::unique_ptr<CBinTree> read = load.ReadOwned<CBinTree>();
  ASSERT_NE(read, nullptr);
  EXPECT_EQ(read->m_pRoot, nullptr);
  EXPECT_EQ(load.Remaining(), 0);
}

}  // namespace
