// Translated, rotated, scaled and mirrored points, one table per family.
// Every row with an image is placed when made (slot and label anchor agree)
// and then waits for each of its parents in turn: that parent undefined
// leaves it undefined where it was, defined again puts it back.  Rows
// without an image stay undefined at the origin where they were made.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <optional>
#include <string>

#include "cells/constrained/follower.h"
#include "cells/constructed/mirrors.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/scalings.h"
#include "cells/constructed/translations.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "constructedtestsupport.h"
#include "model/vertexarray.h"
#include "platform/runtimeclass.h"
#include "support/archiveerrors.h"

namespace KAVREL_FILE_LOCAL {

constexpr float kHalfPi = std::numbers::pi_v<float> / 2;
const float kNaN = std::numeric_limits<float>::quiet_NaN();
const Vec3 kO = {0, 0, 0}, kX = {1, 0, 0}, kY = {0, 1, 0}, kZ = {0, 0, 1};

struct Row {
  std::string what;
  CGVertex* p;
  std::optional<Vec3> at;
  const char* text = nullptr;  // the description, where the row checks one
  double tolerance = 1e-5;
};

class TransformTest : public ConstructedTest {
 protected:
  TransformTest() { ReserveVertexArray(500); }

  WORD Named(const Vec3& at, const char* name) {
    const WORD id = Pt(at);
    page->m_cells.Lookup(id)->m_strName = QString::fromUtf8(name);
    return id;
  }
  // Any cell with a value stands for a measurement.
  WORD Value(float v) {
    CGCell* cell = Add();
    cell->m_fValue = v;
    cell->m_strName = QStringLiteral("t");
    return cell->m_nId;
  }
  WORD Line(const Vec3& a, const Vec3& b, const char* name = "AB") {
    CGLine* line = AddLine(Pt(a), Pt(b), kLineFull);
    line->m_strName = QString::fromUtf8(name);
    return line->m_nId;
  }
  WORD Face(const Vec3& a, const Vec3& b, const Vec3& c) {
    CGFace* face = AddFace({Pt(a), Pt(b), Pt(c)});
    face->m_strName = QStringLiteral("ABC");
    return face->m_nId;
  }

  void Run(const std::vector<Row>& rows) {
    for (const Row& r : rows) {
      EXPECT_EQ(r.p->m_bDefined, r.at.has_value()) << r.what;
      if (r.text) {
        EXPECT_EQ(r.p->GetDescription(), QString::fromUtf8(r.text)) << r.what;
      }
      ExpectVec(r.p->m_vPos, r.at.value_or(kO), r.what, r.tolerance);
      if (!r.at) continue;
      ExpectPlaced(*r.p);
      for (size_t i = 0; i < r.p->m_parents.size(); ++i)
        ExpectWaitsFor(*page->m_cells.Lookup(r.p->m_parents[i]), *r.p, *r.at,
                       r.what + ", parent " + std::to_string(i));
    }
  }
};

TEST_F(TransformTest, TranslatedPointsFollowTheirVector) {
  auto move = [this](Vec3 p, Vec3 s, Vec3 e) {
    return NewPoint<CGVerTranslate>(Named(p, "P"), Named(s, "S"), Named(e, "E"));
  };
  // P moved by the vector value SE, or by the sum SE + SE.
  auto byValue = [this](Vec3 p, Vec3 s, Vec3 e, bool twice) {
    const WORD from = Named(s, "S"), to = Named(e, "E");
    WORD v = Entered(new CGTmVectorPP(page->m_nNextId, from, to))->m_nId;
    if (twice) v = Entered(new CGTmVectorAdd(page->m_nNextId, v, v))->m_nId;
    return NewPoint<CGVerTranslateM>(Named(p, "P"), v);
  };
  Run({
      {"by E - S", move({1, 2, 3}, kO, {1, 1, 1}), Vec3{2, 3, 4}, "点P按向量SE平移的点"},
      {"S on E: exactly P", move({0.1f, 2, 3}, {1e8, 5, 5}, {1e8, 5, 5}), Vec3{0.1f, 2, 3}, nullptr, 0},
      {"a fixed vector", NewPoint<CGVerTranslateStc>(Named({1, 2, 3}, "A"), 1.0f, -0.5f, 2.0f), Vec3{2, 1.5f, 5},
       "点A按向量（1.0000,-0.5000,2.0000）平移的点"},
      {"beyond the float range", move({3e38f, 0, 0}, kO, {3e38f, 0, 0}), {}},
      {"a line where E is read", NewPoint<CGVerTranslate>(Pt(kX), Pt(kY), Line(kX, kY)), {}},
      {"by a vector value", byValue({1, 2, 3}, kO, {1, 1, 1}, false), Vec3{2, 3, 4}, "点P按向量SE平移的点"},
      {"by a sum", byValue({1, 2, 3}, kO, {1, 0, -1}, true), Vec3{3, 2, 1}, "点P按向量[SE]+[SE]平移的点"},
      {"a point where the vector is read", NewPoint<CGVerTranslateM>(Pt(kX), Pt(kY)), {}},
  });
  EXPECT_EQ(CGVerTranslateStc().Vector[2], 0) << "made for reading";
}

TEST_F(TransformTest, RotatedPointsTurnAboutTheirAxisByTheirAngle) {
  // P (1, 0, 0); X the centre O at the origin (mode 1) or the axis line along z (mode 0).
  auto axis = [this](BYTE mode) { return mode ? Named(kO, "O") : Line(kO, {0, 0, 2}); };
  auto byABC = [&](BYTE mode, Vec3 a, Vec3 c) {
    const WORD x = axis(mode), o = mode ? x : Named(kO, "O");
    return NewPoint<CGVerRotateXA>(Named(kX, "P"), x, Named(a, "A"), o, Named(c, "C"), mode);
  };
  std::vector<Row> rows;
  for (BYTE mode : {1, 0}) {
    const std::string m = mode ? "centre: " : "axis line: ";
    rows.insert(rows.end(), {
        {m + "ABC a quarter turn", byABC(mode, kX, kY), kY, mode ? "点P绕中心O旋转∠AOC的点" : "点P绕轴AB旋转∠AOC的点"},
        {m + "A and C exchanged", byABC(mode, kY, kX), Vec3{0, -1, 0}},
        {m + "B between A and C", byABC(mode, kX, {-1, 0, 0}), Vec3{-1, 0, 0}},
        {m + "A and C on one side: a full turn", byABC(mode, kX, {2, 0, 0}), kX, nullptr, 1e-6},
        {m + "a measured half turn", NewPoint<CGVerRotateXA2>(Named(kX, "P"), axis(mode), Value(3.14159f), mode),
         Vec3{-1, 0, 0}, mode ? "点P绕中心O旋转的点,转角为度量值t" : "点P绕轴AB旋转的点,转角为度量值t"},
        {m + "a fixed quarter turn", NewPoint<CGVerRotateX>(Named(kX, "P"), axis(mode), kHalfPi, mode), kY,
         mode ? "点P绕中心O旋转90.0000度的点" : "点P绕轴AB旋转90.0000度的点"},
    });
  }
  auto fixed = [this](Vec3 u, Vec3 o, Vec3 p) {
    return NewPoint<CGVerRotate>(Named(p, "P"), u[0], u[1], u[2], o[0], o[1], o[2], kHalfPi);
  };
  auto* byAOC = NewPoint<CGVerRotateA>(Named(kX, "P"), 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, Named(kX, "A"),
                                       Named(kO, "O"), Named(kY, "C"));
  auto* byValue = NewPoint<CGVerRotateA2>(Named(kX, "P"), 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, Value(-kHalfPi));
  rows.insert(rows.end(), {
      {"a fixed axis", fixed(kZ, kO, kX), kY, "点P绕过点（0.0000,0.0000,0.0000）且方向为（0.0000,0.0000,1.0000）的轴旋转90.0000度的点"},
      {"a fixed axis off the origin", fixed(kX, {0, 1, 1}, {5, 1, 2}), Vec3{5, 0, 1}},
      {"a fixed axis by ABC", byAOC, kY, "点P绕过点（0.0000,0.0000,0.0000）且方向为（0.0000,0.0000,1.0000）的轴旋转的点,转角等于∠AOC"},
      {"a fixed axis by a value", byValue, Vec3{0, -1, 0},
       "点P绕过点（0.0000,0.0000,0.0000）且方向为（0.0000,0.0000,1.0000）的轴旋转的点,转角等于度量值t"},
      {"mode 200: the vertical through the centre",
       NewPoint<CGVerRotateX>(Pt({2, 1, 0}), Pt({1, 1, 5}), kHalfPi, BYTE{200}), Vec3{1, 2, 0}},
      {"an axis line along x", NewPoint<CGVerRotateX>(Pt(kY), Line({-3, 0, 0}, {5, 0, 0}), kHalfPi, BYTE{0}), kZ},
      {"an axis line whose points coincide",
       NewPoint<CGVerRotateX>(Pt(kX), Line({1, 1, 1}, {1, 1, 1}), kHalfPi, BYTE{0}), {}},
      {"a fixed direction of zero length", fixed(kO, kO, kX), {}},
      {"a value that is no number", NewPoint<CGVerRotateXA2>(Pt(kX), Pt(kO), Value(kNaN), BYTE{1}), {}},
      {"a point where the axis line is read", NewPoint<CGVerRotateX>(Pt(kX), Pt(kO), kHalfPi, BYTE{0}), {}},
      {"a line where the centre is read", NewPoint<CGVerRotateX>(Pt(kX), Line(kO, kZ), kHalfPi, BYTE{1}), {}},
  });
  Run(rows);
}

TEST_F(TransformTest, ScaledPointsScaleFromTheirCentre) {
  auto scale = [this](Vec3 p, Vec3 o, float k) { return NewPoint<CGVerScale>(Named(p, "P"), Named(o, "O"), k); };
  auto byABC = [this](Vec3 a, Vec3 b, Vec3 c) {  // P (2, 0, 0) from the origin
    return NewPoint<CGVerScaleP>(Named({2, 0, 0}, "P"), Named(kO, "O"), Named(a, "A"), Named(b, "B"), Named(c, "C"));
  };
  auto byLengths = [this](float s1, float s2) {  // P (2, 4, 6) from the origin
    return NewPoint<CGVerScaleL>(Named({2, 4, 6}, "P"), Named(kO, "O"), Line(kO, {0, s1, 0}, "l"),
                                 Line({1, 1, 1}, {1, 1, 1 + s2}, "m"));
  };
  Run({
      {"k 0.5: the midpoint", scale({2, 4, 6}, kO, 0.5f), Vec3{1, 2, 3}, "点P以点O为中心，按比0.5000缩放的点"},
      {"k -1: mirrored in O", scale({2, 4, 6}, kO, -1), Vec3{-2, -4, -6}, "点P以点O为中心，按比-1.0000缩放的点"},
      {"B beyond A from C", byABC(kO, {-1, 0, 0}, {2, 0, 0}), Vec3{-1, 0, 0}, "点P以点O为中心，按比 AB：AC 缩放的点"},
      {"z decides first", byABC(kO, {3, 0, 0.5f}, {2, 0, 1}), Vec3{1, 0, 0}},
      {"then x", byABC(kO, {3, 6, 0}, {4, 2, 0}), Vec3{1.5f, 0, 0}},
      {"then y", byABC(kO, {9, 1, 0}, {0, 4, 0}), Vec3{0.5f, 0, 0}},
      {"C on A: 10000", byABC({1, 1, 1}, {5, 5, 5}, {1, 1, 1}), Vec3{20000, 0, 0}},
      {"|S1| 3 to |S2| 6", byLengths(3, 6), Vec3{1, 2, 3}, "点P以点O为中心，按比 |l|：|m| 缩放的点"},
      {"|S2| zero: 10000", byLengths(1, 0), Vec3{20000, 40000, 60000}},
      {"a measured 0 puts it on O", NewPoint<CGVerScaleM>(Named({2, 4, 6}, "P"), Named({1, 1, 1}, "O"), Value(0)),
       Vec3{1, 1, 1}, "点P以点O为中心，以值t为比例缩放的点"},
      {"a measured 2", NewPoint<CGVerScaleM>(Pt({2, 4, 6}), Pt({1, 1, 1}), Value(2)), Vec3{3, 7, 11}},
      {"from the origin", NewPoint<CGVerScaleO>(Named({1, 2, 3}, "A"), 2.0f), Vec3{2, 4, 6}, "点A以原点为中心，按比2.0000缩放的点"},
      {"out of the float range", NewPoint<CGVerScaleO>(Pt({1, 2, 3}), 3e38f), {}},
      {"a value that is no number", NewPoint<CGVerScaleM>(Pt({2, 4, 6}), Pt(kO), Value(kNaN)), {}},
  });
}

TEST_F(TransformTest, MirroredPointsAreImagesInTheirMirror) {
  auto kind = [this](BYTE k) { return NewPoint<CGVerSymmetry>(Named({1, 2, 3}, "A"), k); };
  auto inLine = [this](Vec3 p, Vec3 a, Vec3 b) { return NewPoint<CGVerSymmetryL>(Named(p, "P"), Line(a, b)); };
  auto inFace = [this](Vec3 p, Vec3 a, Vec3 b, Vec3 c) {
    return NewPoint<CGVerSymmetryF>(Named(p, "A"), Face(a, b, c));
  };
  const Vec3 k4x = {4, 0, 0}, k4y = {0, 4, 0};  // with kO a triangle in z = 0
  Run({
      {"kind 7", kind(7), Vec3{-1, -2, -3}, "点A关于原点对称点"},
      {"kind 6", kind(6), Vec3{1, -2, -3}, "点A关于x轴对称点"},
      {"kind 5", kind(5), Vec3{-1, 2, -3}, "点A关于y轴对称点"},
      {"kind 3", kind(3), Vec3{-1, -2, 3}, "点A关于z轴对称点"},
      {"kind 1", kind(1), Vec3{-1, 2, 3}, "点A关于yoz面对称点"},
      {"kind 2", kind(2), Vec3{1, -2, 3}, "点A关于xoz面对称点"},
      {"kind 4", kind(4), Vec3{1, 2, -3}, "点A关于xoy面对称点"},
      {"kind 9: bit 0", kind(9), Vec3{-1, 2, 3}, "点A关于对称点"},
      {"kind 0", kind(0), Vec3{1, 2, 3}, "点A关于对称点"},
      {"in a point", NewPoint<CGVerSymmetryP>(Named({1, 2, 3}, "P"), Named(kY, "Q")), Vec3{-1, 0, -3}, "点P关于点Q对称点"},
      {"in a line", inLine({1, 1, 0}, kO, kX), Vec3{1, -1, 0}, "点P关于直线AB对称点"},
      {"on the line", inLine({7, 0, 0}, kO, kX), Vec3{7, 0, 0}},
      {"a line whose points nearly coincide: in its first", inLine({3, 2, 1}, {1, 1, 1}, {1, 1, 1.001f}),
       Vec3{-1, 0, 1}},
      {"in a face", inFace({1, 2, 3}, kO, k4x, k4y), Vec3{1, 2, -3}, "点A关于平面ABC对称点"},
      {"beside the polygon", inFace({9, -9, 3}, kO, k4x, k4y), Vec3{9, -9, -3}},
      {"in the plane", inFace({9, 9, 0}, kO, k4x, k4y), Vec3{9, 9, 0}},
      {"collinear corners: in their line", inFace({1, 1, 0}, kO, kX, {2, 0, 0}), Vec3{1, -1, 0}},
      {"a point where the line is read", NewPoint<CGVerSymmetryL>(Pt(kX), Pt(kY)), {}},
      {"a line where the face is read", NewPoint<CGVerSymmetryF>(Pt(kX), Line(kO, kY)), {}},
  });
  EXPECT_TRUE(std::signbit(NewPoint<CGVerSymmetry>(Pt({0, 2, 0}), BYTE{7})->m_vPos[0])) << "0 becomes -0";
}

// The records: the point record (colour of the fixed points) and then the
// fixed values in the order of the record table, written field by field.
TEST_F(TransformTest, RecordsCarryTheFixedValuesAfterThePointRecord) {
  const WORD a = Pt({1, 2, 3}), o = Pt(kO);
  auto point = [](CGVertex* p, std::vector<unsigned> parents, std::int32_t mode = 0) {
    RecordBytes r;
    PointRecord fields{p->m_nId, p->m_strName, 0, {p->m_vPos[0], p->m_vPos[1], p->m_vPos[2]}, {0.2f, 0, 0.2f},
                       std::move(parents), {}, {128, 0, 0, 255}};
    fields.paramA = mode;
    return AppendPointRecord(r, fields);
  };
  CGVertex* stc = NewPoint<CGVerTranslateStc>(a, 1.0f, -0.5f, 2.0f);
  const RecordBytes stcRecord = point(stc, {a}).f32(1).f32(-0.5f).f32(2);
  CGVertex *rotate = NewPoint<CGVerRotate>(a, 0.0f, 0.0f, 1.0f, 4.0f, 5.0f, 6.0f, kHalfPi),
           *rotateX = NewPoint<CGVerRotateX>(a, o, kHalfPi, BYTE{3}),
           *rotateA = NewPoint<CGVerRotateA>(a, 0.0f, 1.0f, 0.0f, 7.0f, 8.0f, 9.0f, a, o, a),
           *scale = NewPoint<CGVerScale>(a, o, 0.25f), *scaleO = NewPoint<CGVerScaleO>(a, -2.0f),
           *mirror = NewPoint<CGVerSymmetry>(a, BYTE{5}), *translate = NewPoint<CGVerTranslate>(a, o, a);
  const std::pair<CGVertex*, RecordBytes> records[] = {
      {stc, stcRecord},
      {rotate, point(rotate, {a}).f32(0).f32(0).f32(1).f32(4).f32(5).f32(6).f32(kHalfPi)},
      {rotateX, point(rotateX, {a, o}, 3).f32(kHalfPi)},
      {rotateA, point(rotateA, {a, a, o, a}).f32(0).f32(1).f32(0).f32(7).f32(8).f32(9)},
      {scale, point(scale, {a, o}).f32(0.25f)},
      {scaleO, point(scaleO, {a}).f32(-2)},
      {mirror, point(mirror, {a}).u8(5)},
      {translate, point(translate, {a, o, a})},
  };
  for (const auto& [cell, bytes] : records) {
    const std::string what = cell->GetRuntimeClass()->m_lpszClassName;
    EXPECT_EQ(StoreCell(*cell).toHex(), bytes.get().toHex()) << what;
    const std::unique_ptr<CGVertex> read(static_cast<CGVertex*>(cell->GetRuntimeClass()->CreateObject()));
    ReadWhole(bytes, *read);
    EXPECT_EQ(StoreCell(*read).toHex(), bytes.get().toHex()) << what << " read back";
  }
  CGVerFreeHenchman follower;  // the fixed vector's record is the follower's
  ReadWhole(stcRecord, follower);
  ExpectVec(follower.Offset, {1, -0.5f, 2}, "the follower's offset", 0);
}

TEST_F(TransformTest, HostileRecordsFailTheLoadOrReadSafely) {
  // Cell 7's point record with `parents` and `mode`, then `floats` floats, the one at `bad` not a number.
  auto record = [](std::vector<unsigned> parents, int floats = 0, int bad = -1, std::int32_t mode = 0) {
    RecordBytes b;
    PointRecord fields{7, "P", 0, {0, 0, 0}, {0, 0, 0}, std::move(parents), {}};
    fields.paramA = mode;
    AppendPointRecord(b, fields);
    for (int i = 0; i < floats; ++i) b.f32(i == bad ? kNaN : 1);
    return b;
  };
  // Each kind reads exactly its parents: one fewer or one more fails the load.
  const std::pair<const char*, unsigned> counts[] = {
      {"CGVerTranslate", 3}, {"CGVerTranslateM", 2}, {"CGVerTranslateStc", 1}, {"CGVerRotate", 1}, {"CGVerRotateXA", 5},
      {"CGVerRotateXA2", 3}, {"CGVerRotateX", 2},      {"CGVerRotateA", 4}, {"CGVerRotateA2", 2},
      {"CGVerScaleP", 5},    {"CGVerScaleL", 4},       {"CGVerScaleM", 3},  {"CGVerScale", 2},
      {"CGVerScaleO", 1},    {"CGVerSymmetry", 1},     {"CGVerSymmetryP", 2}, {"CGVerSymmetryL", 2},
      {"CGVerSymmetryF", 2},
  };
  for (const auto& [name, n] : counts) {
    for (unsigned parents = n - 1; parents <= n + 1; ++parents) {
      const std::unique_ptr<CObject> cell(ClassRegistry::FromName(name)->CreateObject());
      CArchive in(record(std::vector<unsigned>(parents, 1), 7).u8(1).get());  // room for any fixed values
      if (parents == n)
        cell->Serialize(in);
      else
        EXPECT_EQ(ArchiveCause([&] { cell->Serialize(in); }), ArchiveError::BadData) << name << ", " << parents;
    }
  }
  const std::pair<const char*, ArchiveError> numbers[] = {
      {"fixed vector, z", ReadCause<CGVerTranslateStc>(record({1}, 3, 2))},
      {"rotate, direction x", ReadCause<CGVerRotate>(record({1}, 7, 0))},
      {"rotate, angle", ReadCause<CGVerRotate>(record({1}, 7, 6))},
      {"rotate about X, angle", ReadCause<CGVerRotateX>(record({1, 2}, 1, 0))},
      {"fixed axis by ABC, axis point z", ReadCause<CGVerRotateA>(record({1, 2, 3, 4}, 6, 5))},
      {"fixed axis by a value, direction y", ReadCause<CGVerRotateA2>(record({1, 2}, 6, 1))},
      {"scale, ratio", ReadCause<CGVerScale>(record({1, 2}, 1, 0))},
      {"scale from the origin, ratio", ReadCause<CGVerScaleO>(record({1}, 1, 0))},
  };
  for (const auto& [what, cause] : numbers) EXPECT_EQ(cause, ArchiveError::BadData) << what << " no number";
  EXPECT_EQ(ReadCause<CGVerSymmetry>(record({1})), ArchiveError::EndOfFile) << "no kind byte";

  // A kind byte beyond 7 is kept, acts by bits 0 to 2 and names no kind.
  const WORD p = Named({1, 2, 3}, "A"), x = Pt({1, 1, 5});
  CGVerSymmetry mirror;
  ReadWhole(record({p}).u8(0xFB), mirror);
  mirror.VertexIndex = page->m_nNextVertex++;
  mirror.Recalculate();
  ExpectVec(mirror.m_vPos, {-1, -2, 3}, "kind 0xFB");
  EXPECT_EQ(mirror.GetDescription(), QString::fromUtf8("点A关于对称点"));
  EXPECT_EQ(StoreCell(mirror).right(1).toHex(), "fb");
  // Any mode but 0 makes X a centre.
  CGVerRotateX turned;
  ReadWhole(record({p, x}, 0, -1, -5).f32(kHalfPi), turned);
  turned.VertexIndex = page->m_nNextVertex++;
  turned.Recalculate();
  EXPECT_TRUE(turned.m_bDefined);
  ExpectVec(turned.m_vPos, {0, 1, 3}, "mode -5: about the vertical through X");
}

}  // namespace
