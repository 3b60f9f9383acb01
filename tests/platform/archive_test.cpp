#include <gtest/gtest.h>

#include <QByteArray>
#include <cstring>
#include <random>

#include "archive_test_classes.h"
#include "platform/archive.h"
#include "platform/archivecollections.h"
#include "support/archiveerrors.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

QByteArray Hex(const char* hex) { return QByteArray::fromHex(hex); }

QByteArray StoredString(const QString& s) {
  CArchive ar;
  ar << s;
  return ar.Bytes();
}

QString ReadBack(const QByteArray& bytes) {
  CArchive ar(bytes);
  QString s = ar.ReadString();
  EXPECT_EQ(ar.Remaining(), 0);
  return s;
}

class ArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterArchiveTestClasses();
    LiveCount::live = 0;
  }
  void TearDown() override { EXPECT_EQ(LiveCount::live, 0) << "objects leaked"; }
  SeamRecorders seams;
};

TEST_F(ArchiveTest, StringLengthPrefixes) {
  struct Case { qsizetype units; const char* prefix; } cases[] = {
      {0, "fffeff00"}, {254, "fffefffe"}, {255, "fffeffffff00"}, {0xFFFD, "fffeffff fdff"},
      {0xFFFE, "fffeffffffff feff0000"},
  };
  for (const Case& c : cases) {
    const QString text(c.units, QChar(u'中'));
    const QByteArray bytes = StoredString(text);
    const QByteArray prefix = Hex(QByteArray(c.prefix).replace(' ', "").constData());
    EXPECT_TRUE(bytes.startsWith(prefix)) << c.units << ": " << bytes.left(12).toHex().constData();
    EXPECT_EQ(bytes.size(), prefix.size() + 2 * c.units) << c.units;
    EXPECT_EQ(ReadBack(bytes), text) << c.units;
  }
  const QByteArray times = StoredString(QStringLiteral("Times New Roman"));
  EXPECT_EQ(times.left(4), Hex("fffeff0f"));
  EXPECT_EQ(times.size(), 4 + 30);
  EXPECT_EQ(times.mid(4, 4), Hex("54006900"));  // "Ti" in UTF-16LE
  EXPECT_EQ(ReadBack(times), QStringLiteral("Times New Roman"));
}

TEST_F(ArchiveTest, SingleByteStringsAreGbk) {
  EXPECT_EQ(ReadBack(Hex("024142")), QStringLiteral("AB"));
  EXPECT_EQ(ReadBack(Hex("04d6d0cec4")), QString::fromUtf8("中文"));
  // A long single-byte string: FF then a WORD length.
  QByteArray longForm = Hex("ff0001") + QByteArray(256, 'x');
  EXPECT_EQ(ReadBack(longForm), QString(256, QChar('x')));
  // An invalid GBK sequence is marked, not dropped.
  EXPECT_EQ(ReadBack(Hex("0241ff")), QString::fromUtf8("A\xEF\xBF\xBD"));
}

TEST_F(ArchiveTest, Counts) {
  struct Case {
    DWORD count;
    const char* bytes;
  } cases[] = {{0, "0000"}, {0xFFFE, "feff"}, {0xFFFF, "ffffffff0000"}, {70000, "ffff70110100"}};
  for (const Case& c : cases) {
    CArchive out;
    out.WriteCount(c.count);
    EXPECT_EQ(out.Bytes(), Hex(c.bytes)) << c.count;
    CArchive in(out.Bytes());
    EXPECT_EQ(in.ReadCount(0), c.count);
  }
}

TEST_F(ArchiveTest, ScalarsAreLittleEndian) {
  CArchive out;
  out << BYTE(0x12) << WORD(0x3456) << DWORD(0x789ABCDE) << std::int32_t(-2) << 1.0f << -2.0;
  EXPECT_EQ(out.Bytes(), Hex("12" "5634" "debc9a78" "feffffff" "0000803f" "00000000000000c0"));
  CArchive in(out.Bytes());
  EXPECT_EQ(in.ReadByte(), 0x12);
  EXPECT_EQ(in.ReadWord(), 0x3456);
  EXPECT_EQ(in.ReadDword(), 0x789ABCDEu);
  EXPECT_EQ(in.ReadInt(), -2);
  EXPECT_EQ(in.ReadFloat(), 1.0f);
  EXPECT_EQ(in.ReadDouble(), -2.0);
  EXPECT_EQ(in.Remaining(), 0);
}

// Only floats and doubles written while a list is set are recorded, each
// with its own place; a string or count between them is not.
TEST_F(ArchiveTest, FloatFieldsAreRecordedOnlyWhileAsked) {
  CArchive out;
  out << 0.5f;
  std::vector<CArchive::ScalarField> fields;
  out.RecordFloatFields(&fields);
  out << BYTE(1) << 2.0f << QStringLiteral("ab") << -3.0 << DWORD(7) << std::int32_t(9) << 4.0f;
  out.WriteCount(3);
  out.RecordFloatFields(nullptr);
  out << 5.0f;
  ASSERT_EQ(fields.size(), 3u);
  const std::pair<qsizetype, int> expected[] = {{5, 4}, {17, 8}, {33, 4}};
  for (size_t i = 0; i < fields.size(); ++i) {
    EXPECT_EQ(std::make_pair(fields[i].offset, fields[i].size), expected[i]) << i;
    EXPECT_EQ(fields[i].object, nullptr) << "written outside every object";
  }
  float at33;
  std::memcpy(&at33, out.Bytes().constData() + 33, sizeof at33);
  EXPECT_EQ(at33, 4.0f);
}

TEST_F(ArchiveTest, ObjectTagsShareOneIndexSpace) {
  CTestBase a, b;
  a.value = 7;
  b.value = 8;
  CTestOther c;
  c.text = QStringLiteral("c");
  CArchive out;
  WriteObList(out, std::vector<const CObject*>{&a, &b, &c});
  const QByteArray expected = Hex("0300")                                   // count
                              + Hex("ffff01000900") + "CTestBase" + Hex("07000000")
                              + Hex("0180") + Hex("08000000")                // class index 1
                              + Hex("ffff01000a00") + "CTestOther" + Hex("fffeff016300");
  EXPECT_EQ(out.Bytes().toHex(), expected.toHex());

  CArchive in(out.Bytes());
  auto objects = ReadObList<CObject>(in);
  ASSERT_EQ(objects.size(), 3u);
  EXPECT_EQ(static_cast<CTestBase*>(objects[1].get())->value, 8u);
  EXPECT_EQ(static_cast<CTestOther*>(objects[2].get())->text, QStringLiteral("c"));
  std::vector<const CObject*> again;
  for (auto& o : objects) again.push_back(o.get());
  CArchive rewritten;
  WriteObList(rewritten, again);
  EXPECT_EQ(rewritten.Bytes(), out.Bytes());
}

TEST_F(ArchiveTest, BigIndicesUseTheDwordEscapeBothWays) {
  const int many = 40000;  // beyond the 0x7FFE indices a WORD tag can hold
  std::vector<std::unique_ptr<CTestBase>> things;
  for (int i = 0; i < many; ++i) {
    things.push_back(std::make_unique<CTestBase>());
    things.back()->value = static_cast<DWORD>(i);
  }
  CTestOther late1, late2;
  CArchive out;
  for (auto& t : things) out.WriteObject(t.get());
  const qsizetype beforeLate = out.Bytes().size();
  out.WriteObject(&late1);  // new class: index many + 2, object many + 3
  out.WriteObject(&late2);  // known class with a big index
  out.WriteObject(&late1);  // back reference with a big index
  const QByteArray tail = out.Bytes().mid(beforeLate);
  const DWORD classIndex = many + 2, objectIndex = many + 3;
  QByteArray bigClass = Hex("ff7f"), bigObject = Hex("ff7f");
  const DWORD classTag = 0x80000000u | classIndex;
  bigClass.append(reinterpret_cast<const char*>(&classTag), 4);
  bigObject.append(reinterpret_cast<const char*>(&objectIndex), 4);
  const QByteArray newClass = Hex("ffff01000a00") + "CTestOther" + Hex("fffeff00");
  EXPECT_EQ(tail.toHex(), (newClass + bigClass + Hex("fffeff00") + bigObject).toHex());
  // Back references to indices 0x7FFE, the last a WORD holds, and 0x7FFF.
  out.WriteObject(things[0x7FFC].get());
  out.WriteObject(things[0x7FFD].get());
  EXPECT_EQ(out.Bytes().right(8).toHex(), "fe7fff7fff7f0000");

  CArchive in(out.Bytes());
  std::vector<std::unique_ptr<CObject>> read;
  for (int i = 0; i < many + 2; ++i) read.push_back(in.ReadOwnedObject(RUNTIME_CLASS(CObject)));
  EXPECT_EQ(static_cast<CTestBase*>(read[many - 1].get())->value, DWORD(many - 1));
  EXPECT_TRUE(read[many + 1]->IsKindOf(RUNTIME_CLASS(CTestOther)));
  bool isNew = true;
  CObject* back = in.ReadObject(RUNTIME_CLASS(CTestOther), &isNew);
  EXPECT_FALSE(isNew);
  EXPECT_EQ(back, read[many].get());
  EXPECT_EQ(in.ReadObject(RUNTIME_CLASS(CTestBase), &isNew), read[0x7FFC].get());
  EXPECT_EQ(in.ReadObject(RUNTIME_CLASS(CTestBase), &isNew), read[0x7FFD].get());
  EXPECT_EQ(in.Remaining(), 0);
}

TEST_F(ArchiveTest, NullObjectsAndDerivedClasses) {
  CTestDerived derived;
  derived.value = 3;
  CArchive out;
  out.WriteObject(nullptr);
  out.WriteObject(&derived);
  EXPECT_EQ(out.Bytes().left(2), Hex("0000"));
  CArchive in(out.Bytes());
  EXPECT_EQ(in.ReadOwnedObject(RUNTIME_CLASS(CTestBase)), nullptr);
  auto base = in.ReadOwned<CTestBase>();  // a derived object where its base is expected
  ASSERT_TRUE(base);
  EXPECT_TRUE(base->IsKindOf(RUNTIME_CLASS(CTestDerived)));
  EXPECT_EQ(base->value, 3u);
}

// Each hostile record raises its own typed error and frees what was read.
TEST_F(ArchiveTest, BadRecordsRaiseTypedErrors) {
  CTestContainer container;
  for (int i = 0; i < 3; ++i) container.children.push_back(std::make_unique<CTestBase>());
  CArchive good;
  good.WriteObject(&container);
  const QByteArray valid = good.Bytes();
  const int liveBefore = LiveCount::live;

  struct Case { const char* name; QByteArray bytes; const CRuntimeClass* expected; ArchiveError cause; } cases[] = {
      {"unknown class", Hex("ffff01000600") + "CNoSuch", RUNTIME_CLASS(CObject), ArchiveError::BadClass},
      {"schema 2", Hex("ffff02000900") + "CTestBase" + Hex("00000000"), RUNTIME_CLASS(CObject),
       ArchiveError::BadSchema},
      {"truncated", valid.left(valid.size() - 3), RUNTIME_CLASS(CObject), ArchiveError::EndOfFile},
      {"wrong base class", Hex("ffff01000a00") + "CTestOther" + Hex("fffeff00"),
       RUNTIME_CLASS(CTestBase), ArchiveError::BadClass},
      {"count beyond the data", Hex("ffff01000e00") + "CTestContainer" + Hex("ffffffffff7f"),
       RUNTIME_CLASS(CObject), ArchiveError::BadData},
      {"class index never defined", Hex("0580"), RUNTIME_CLASS(CObject), ArchiveError::BadIndex},
      {"object index never defined", Hex("0500"), RUNTIME_CLASS(CObject), ArchiveError::BadIndex},
      {"class name too long", Hex("ffff01000002") + QByteArray(512, 'C'), RUNTIME_CLASS(CObject),
       ArchiveError::BadClass},
      {"string longer than the data", Hex("ffff01000a00") + "CTestOther" + Hex("fffeff2041"),
       RUNTIME_CLASS(CObject), ArchiveError::EndOfFile},
  };
  for (const Case& c : cases) {
    CArchive in(c.bytes);
    EXPECT_EQ(ArchiveCause([&] { in.ReadOwnedObject(c.expected); }), c.cause) << c.name;
    EXPECT_EQ(LiveCount::live, liveBefore) << c.name << " leaked";
  }
  // After all those failures a fresh archive writes exactly what it wrote before.
  CArchive again;
  again.WriteObject(&container);
  EXPECT_EQ(again.Bytes(), valid);
}

TEST_F(ArchiveTest, SharedObjectsCannotBeOwnedTwice) {
  CTestBase shared;
  CArchive out;
  out.WriteCount(2);
  out.WriteObject(&shared);
  out.WriteObject(&shared);  // a back reference
  CArchive in(out.Bytes());
  EXPECT_EQ(ArchiveCause([&] { ReadObList<CTestBase>(in); }), ArchiveError::BadData);

  CArchive map;
  WriteWordObMap(map, std::vector<std::pair<WORD, const CObject*>>{{5, &shared}, {5, nullptr}});
  CArchive mapIn(map.Bytes());
  EXPECT_EQ(ArchiveCause([&] { ReadWordObMap<CTestBase>(mapIn); }), ArchiveError::BadData);
}

TEST_F(ArchiveTest, DeepNestingIsRefused) {
  QByteArray bytes = Hex("ffff01000e00") + "CTestContainer" + Hex("0100");
  for (int i = 0; i < 200; ++i) bytes += Hex("01800100");  // container holding a container ...
  CArchive in(bytes);
  EXPECT_EQ(ArchiveCause([&] { in.ReadOwnedObject(RUNTIME_CLASS(CObject)); }), ArchiveError::BadData);
}

TEST_F(ArchiveTest, CollectionsRoundTrip) {
  CTestBase one;
  one.value = 1;
  CArchive out;
  WriteWordArray(out, std::vector<WORD>{5, 3, 0xFFFF});
  WriteWordList(out, std::list<WORD>{9});
  WriteWordObMap(out, std::vector<std::pair<WORD, const CObject*>>{{4, &one}, {2, nullptr}});
  EXPECT_EQ(out.Bytes().left(8), Hex("03000500 0300ffff").replace(" ", ""));
  CArchive in(out.Bytes());
  EXPECT_EQ(ReadWordArray(in), (std::vector<WORD>{5, 3, 0xFFFF}));
  EXPECT_EQ(ReadWordList(in), (std::list<WORD>{9}));
  auto map = ReadWordObMap<CTestBase>(in);
  ASSERT_EQ(map.size(), 2u);
  EXPECT_EQ(map[0].first, 4);
  EXPECT_EQ(map[0].second->value, 1u);
  EXPECT_EQ(map[1].second, nullptr);
  EXPECT_EQ(in.Remaining(), 0);
}

TEST_F(ArchiveTest, PeekDoesNotConsume) {
  CArchive in(Hex("01ff9b85"));
  EXPECT_EQ(in.Peek(2), Hex("01ff"));
  EXPECT_EQ(in.Peek(10), Hex("01ff9b85"));
  EXPECT_EQ(in.ReadWord(), 0xFF01);
  EXPECT_EQ(in.Position(), 2);
}

// Random and mutated streams either read or fail with an archive error.
TEST_F(ArchiveTest, GarbageNeverCrashes) {
  CTestContainer container;
  for (int i = 0; i < 4; ++i) {
    auto other = std::make_unique<CTestOther>();
    other->text = QString(i * 3, QChar('z'));
    container.children.push_back(std::move(other));
    container.children.push_back(std::make_unique<CTestDerived>());
  }
  CArchive good;
  good.WriteObject(&container);
  std::mt19937 rng(12345);
  for (int round = 0; round < 3000; ++round) {
    QByteArray bytes = good.Bytes();
    const int flips = 1 + static_cast<int>(rng() % 4);
    for (int f = 0; f < flips; ++f) bytes[rng() % bytes.size()] = static_cast<char>(rng());
    if (round % 3 == 0) bytes.truncate(static_cast<qsizetype>(rng() % bytes.size()));
    CArchive in(bytes);
    try {
      in.ReadOwnedObject(RUNTIME_CLASS(CObject));
    } catch (const CArchiveException&) {
    }
  }
}

TEST_F(ArchiveTest, ContextIsPerArchive) {
  CArchive first;
  first.Context().bOlderLayout = true;
  first.Context().nPictureUseCount[1] = 4;
  CArchive second;
  EXPECT_FALSE(second.Context().bOlderLayout);
  EXPECT_FALSE(second.Context().bStoreFormulaPictures);
  EXPECT_EQ(second.Context().nPictureUseCount[1], 0);
}

}  // namespace
