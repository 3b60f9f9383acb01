#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "cells/primitives/cgverfree.h"
#include "model/document/toolfolder.h"
#include "model/document/usertool.h"
#include "model/globals.h"
#include "model/modeltestsupport.h"
#include "model/pagetest.h"
#include "platform/archivecollections.h"

namespace KAVREL_FILE_LOCAL {

class UserToolTest : public ModelTest {
 protected:
  UserToolTest() {
    ClassRegistry::Register(RUNTIME_CLASS(CGVerFree));
    ClassRegistry::Register(RUNTIME_CLASS(CGVerFreeXyz));
  }

  // A tool of two points, the second fixed by the first, a free point, the
  // one input.
  static std::unique_ptr<CRecord> TwoPointTool(const QString& name) {
    auto record = std::make_unique<CRecord>();
    record->m_strName = name;
    record->m_cells.push_back(std::make_unique<CGVerFreeXyz>(0, 0, QStringLiteral("P0"), 0.0f, 0.0f, 0.0f));
    auto fixed = std::make_unique<CGVertex>(1, 0, QStringLiteral("P1"), 1, 2.0f, 0);
    fixed->m_parents = {0};
    record->m_cells.push_back(std::move(fixed));
    auto condition = std::make_unique<CCondition>();
    condition->m_strComment = QStringLiteral("点P0");
    condition->m_bIsPoint = true;
    record->m_conditions.push_back(std::move(condition));
    record->m_nCellCount = 2;
    record->m_nPointCount = 2;
    record->m_nInputCount = 1;
    record->m_nPointInputCount = 1;
    return record;
  }
  static QByteArray Stored(const CObject& object) {
    CArchive ar;
    ar.WriteObject(&object);
    return ar.Bytes();
  }
  static QByteArray Record(CObject& object) {
    CArchive ar;
    object.Serialize(ar);
    return ar.Bytes();
  }
};

TEST_F(UserToolTest, NewRecordTakesTheDefaultCommentAndColours) {
  const CRecord record;
  EXPECT_EQ(record.m_strComment, QStringLiteral("请在\"工具属性\"中输入工具注释"));
  EXPECT_EQ(record.m_bDefaultColors, 1);
  EXPECT_EQ(record.m_nReservedA, 1);
}

TEST_F(UserToolTest, RecordStreamOrder) {
  CRecord record;
  record.m_strName = QStringLiteral("T");
  record.m_strComment = QStringLiteral("C");
  record.m_nCellCount = 1;
  record.m_nPointCount = 3;
  record.m_nInputCount = 2;
  record.m_nPointInputCount = 4;
  record.m_bDefaultColors = 0;
  record.m_nReservedA = 7;
  record.m_nReservedB = 8;
  record.m_strReserved = QStringLiteral("R");
  auto* point = new CGVertex(0, 0, QStringLiteral("A"), 1, 2, 3);
  record.m_cells.emplace_back(point);
  auto* condition = new CCondition;
  condition->m_nId = 0;
  condition->m_strComment = QStringLiteral("P");
  condition->m_bIsPoint = true;
  record.m_conditions.emplace_back(condition);

  RecordBytes expected;
  expected.str(QStringLiteral("T")).str(QStringLiteral("C"));
  expected.i32(1).i32(2).i32(3).i32(4);  // cells, inputs, points, point inputs
  expected.i32(0).i32(7).i32(8).str(QStringLiteral("R"));
  expected.u16(1).u16(0xFFFF).u16(1).u16(8).bytes("CGVertex").bytes(Record(*point));
  expected.u16(1).u16(0xFFFF).u16(1).u16(10).bytes("CCondition");
  expected.u16(0).str(QStringLiteral("P")).u8(1);
  EXPECT_EQ(Record(record).toHex(' '), expected.get().toHex(' '));
}

TEST_F(UserToolTest, CopyKeepsFieldsCellsAndInputs) {
  auto record = TwoPointTool(QStringLiteral("mid"));
  record->m_strReserved = QStringLiteral("kept");
  const std::unique_ptr<CRecord> copy = CopyRecord(*record);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->m_strName, QStringLiteral("mid"));
  EXPECT_EQ(copy->m_strReserved, QStringLiteral("kept"));
  EXPECT_EQ(copy->m_nPointCount, 2);
  ASSERT_EQ(copy->m_cells.size(), 2u);
  EXPECT_NE(copy->m_cells[0].get(), record->m_cells[0].get());
  for (WORD i = 0; i < 2; ++i) EXPECT_EQ(copy->m_cells[i]->m_nId, i);
  EXPECT_EQ(copy->m_cells[1]->m_parents, std::vector<WORD>{0});
  EXPECT_EQ(static_cast<CGVertex&>(*copy->m_cells[1]).m_vPos[1], 2.0f);
  ASSERT_EQ(copy->m_conditions.size(), 1u);
  EXPECT_TRUE(copy->m_conditions[0]->m_bIsPoint);
  EXPECT_EQ(copy->m_conditions[0]->m_strComment, record->m_conditions[0]->m_strComment);
  EXPECT_EQ(Stored(*copy), Stored(*record));
}

TEST_F(UserToolTest, RecordsWithLinksOutsideTheirCellsAreRefused) {
  const auto input = [](WORD id, bool point) {
    auto condition = std::make_unique<CCondition>();
    condition->m_nId = id;
    condition->m_bIsPoint = point;
    return condition;
  };
  const struct {
    const char* what;
    std::function<void(CRecord&)> spoil;
    const char* message;
  } cases[] = {
      {"parent after its cell", [](CRecord& r) { r.m_cells[0]->m_parents = {1}; }, "cell 0 has parent 1"},
      {"parent of itself", [](CRecord& r) { r.m_cells[1]->m_parents = {1}; }, "cell 1 has parent 1"},
      {"cell numbered out of order", [](CRecord& r) { r.m_cells[1]->m_nId = 5; }, "cell 1 numbered 5"},
      {"input beyond the cells", [](CRecord& r) { r.m_conditions[0]->m_nId = 2; }, "input names cell 2"},
      // Replay binds and reserves by the counts: they must be the lists'.
      {"cell count lowered", [](CRecord& r) { r.m_nCellCount = 1; }, "stored cell count 1 for 2"},
      {"point count lowered", [](CRecord& r) { r.m_nPointCount = 1; }, "stored point count 1 for 2"},
      {"input count raised", [](CRecord& r) { r.m_nInputCount = 2; }, "stored input count 2 for 1"},
      {"point input count lowered", [](CRecord& r) { r.m_nPointInputCount = 0; }, "stored point input count 0 for 1"},
      {"input count at the int limit", [](CRecord& r) { r.m_nInputCount = INT32_MIN; },
       "stored input count -2147483648 for 1"},
      {"point count past the slots", [](CRecord& r) { r.m_nPointCount = INT32_MAX; },
       "stored point count 2147483647 for 2"},
      {"a free point marked a value", [](CRecord& r) { r.m_conditions[0]->m_bIsPoint = false; },
       "input 0 (cell 0) marked a value, but its cell is a free point"},
      {"a fixed point marked a point input",
       [&](CRecord& r) {
         r.m_cells[1]->m_parents.clear();
         r.m_conditions.push_back(input(1, true));
       },
       "input 1 (cell 1) marked a point, but its cell is no free point"},
      {"an input with parents", [](CRecord& r) { r.m_conditions[0]->m_nId = 1; }, "input 0 (cell 1) has parents"},
      {"one cell named by two inputs", [&](CRecord& r) { r.m_conditions.push_back(input(0, true)); },
       "input 1 (cell 0) out of order"},
      {"a cell without parents that is no input", [](CRecord& r) { r.m_cells[1]->m_parents.clear(); },
       "2 cells without parents for 1 inputs"},
  };
  for (const auto& c : cases) {
    auto record = TwoPointTool(QStringLiteral("x"));
    c.spoil(*record);
    const QByteArray bytes = Stored(*record);
    try {
      CArchive ar(bytes);
      ar.ReadOwned<CRecord>();
      ADD_FAILURE() << c.what << ": read";
    } catch (const CArchiveException& e) {
      EXPECT_EQ(e.Cause(), ArchiveError::BadData) << c.what;
      EXPECT_EQ(std::string(e.what()), std::string("bad data: tool record: ") + c.message) << c.what;
    }
  }
}

TEST_F(UserToolTest, DefaultColoursOnlyWhenTheRecordAsksForThem) {
  auto record = TwoPointTool(QStringLiteral("x"));
  const RGBA odd{1, 2, 3, 4};
  for (auto& cell : record->m_cells) cell->m_rgbaColor = cell->m_rgbaLabel = odd;
  record->m_bDefaultColors = 0;
  EXPECT_FALSE(record->ApplyDefaultColors());
  EXPECT_EQ(record->m_cells[0]->m_rgbaColor, odd);

  record->m_bDefaultColors = 1;
  EXPECT_TRUE(record->ApplyDefaultColors());
  const RGBA label{g_prefs.rgbaLabel.r, g_prefs.rgbaLabel.g, g_prefs.rgbaLabel.b, 4};
  EXPECT_EQ(record->m_cells[0]->m_rgbaLabel, label) << "the label colour keeps its alpha";
  EXPECT_EQ(record->m_cells[0]->m_rgbaColor, g_prefs.rgbaFreePoint) << "the input, a free point";
  EXPECT_EQ(record->m_cells[1]->m_rgbaColor, g_prefs.rgbaFixedPoint);
}

// Tool-set files: a document header and the tool list, here without the
// rest of a document, which the reader never looks at.
QByteArray ToolSetFile(std::vector<std::unique_ptr<CRecord>>& records, WORD firstWord = 0xFF01) {
  CArchive ar;
  ar << firstWord << WORD(0x859B) << DWORD(420) << DWORD(0) << DWORD(0);
  WriteToolList(ar, records);
  return ar.Bytes();
}

class ToolFolderTest : public UserToolTest {
 protected:
  void Write(const QString& name, const QByteArray& bytes) {
    const QString path = folder.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }
  QTemporaryDir folder;
};

TEST_F(ToolFolderTest, EveryDocumentOfTheFolderTreeLendsItsTools) {
  std::vector<std::unique_ptr<CRecord>> two, one, truncated;
  two.push_back(TwoPointTool(QStringLiteral("a1")));
  two.push_back(TwoPointTool(QStringLiteral("a2")));
  one.push_back(TwoPointTool(QStringLiteral("n1")));
  truncated.push_back(TwoPointTool(QStringLiteral("t1")));
  truncated.push_back(TwoPointTool(QStringLiteral("t2")));
  const QByteArray damaged = ToolSetFile(truncated);
  Write(QStringLiteral("Basic.kv"), ToolSetFile(two));
  Write(QStringLiteral("bad.kv"), ToolSetFile(two, 0xFF02));
  Write(QStringLiteral("Nested/deeper/one.kv"), ToolSetFile(one));
  Write(QStringLiteral("notes.txt"), ToolSetFile(one));
  Write(QStringLiteral("zcut.kv"), damaged.left(damaged.size() - 3));
  Write(QStringLiteral("empty.kv"), QByteArray());
  // Neither a pipe nor an endless device may hold up the start.
  ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pipe.kv"))).constData(), 0600), 0);
  ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder.filePath(QStringLiteral("zero.kv"))));

  const std::vector<CToolSet> sets = LoadToolFolder(folder.path());
  ASSERT_EQ(sets.size(), 3u);
  EXPECT_EQ(sets[0].title, QStringLiteral("Basic"));
  EXPECT_EQ(sets[1].title, QStringLiteral("one"));
  EXPECT_EQ(sets[2].title, QStringLiteral("zcut"));
  EXPECT_EQ(sets[2].first, 3);
  EXPECT_EQ(sets[2].count, 1) << "the record before the damage stays";
  ASSERT_EQ(g_globalTools.size(), 4u);
  const char* names[] = {"a1", "a2", "n1", "t1"};
  for (size_t i = 0; i < 4; ++i) EXPECT_EQ(g_globalTools[i]->m_strName, QString::fromLatin1(names[i]));
}

TEST_F(ToolFolderTest, MissingFolderAddsNothing) {
  EXPECT_TRUE(LoadToolFolder(folder.filePath(QStringLiteral("none"))).empty());
  EXPECT_TRUE(LoadToolFolder(QString()).empty());
  EXPECT_TRUE(g_globalTools.empty());
}

}  // namespace
