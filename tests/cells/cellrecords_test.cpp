// The records of the line, face, circle and bound-point classes: what each
// stores, byte for byte as the record tables give it; a read of those bytes
// takes back every stored field (storing again gives the same bytes); and
// damaged records fail the load with a typed error.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <limits>
#include <numbers>
#include <optional>

#include "cells/primitives/arcsbypoints.h"
#include "freepointtestsupport.h"
#include "support/archiveerrors.h"

namespace KAVREL_FILE_LOCAL {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();
constexpr RGBA kNavy{0, 0, 128, 255}, kFaceColour{0x99, 0x66, 0x33, 255};

class CellRecords : public FreePointTest {
 protected:
  void FreshPage() {
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
  }
  CGFace* Square() { return FaceOn({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}); }
};

// A point record with the given parents, then the class's own fields.
RecordBytes PointWith(std::vector<unsigned> parents, float value = 0) {
  RecordBytes b;
  AppendPointRecord(b, {5, "P", value, {0, 0, 0}, {0, 0, 0}, std::move(parents), {}});
  return b;
}

TEST_F(CellRecords, StoreTheirRecordsAndReadThemBackWhole) {
  struct Row {
    const char* what;
    std::function<CGCell*()> make;
    QByteArray record;
    std::array<int, 3> pictureUses = {0, 0, 0};
    std::function<void(CGCell&)> afterRead = nullptr;
  };
  RecordBytes line, face, arc, byPoints, xyz, inLine, inCircle, inFace, inPlane;
  AppendCommonRecord(line, {3, "AB", kLineDashedOnTop, kLineVector, {5.5f, 0.5f, 0.5f}, kNavy, 0, {1, 2}, {}})
      .f32(0.25f).f32(0.5f).f32(-1.5f).f32(0.5f);
  AppendCommonRecord(face, {5, "ABCD", kFaceTranslucent, 0, {2, 3, 0}, kFaceColour, 2, {1, 2, 3, 4}, {}})
      .u8(4).i32(2).f32(0.25f).f32(0.5f);
  AppendCommonRecord(byPoints, {4, "c1", 0, kArcCircle, {1, 2, 3}, RGBA{0, 128, 0, 255}, 0, {1, 2, 3}, {}, 1});
  AppendCircleRecord(byPoints, {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}, 0, kArcFullTurn, 1, 1, {0.5f, 0.5f, 0.5f}});
  AppendPointRecord(xyz, {1, "A", 0, {1.5f, -2, 3}, {0.2f, -0.5f, 0.2f}, {}, {}});
  AppendPointRecord(inLine, {4, "C", 0.75f, {7.5f, 0, 0}, {0.2f, 0, 0.2f}, {3}, {}});
  AppendPointRecord(inCircle, {2, "A", 0, {3, 0, 0}, {0.2f, 0, 0.2f}, {1}, {}});
  for (float v : {1.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 4.0f}) inCircle.f32(v);
  AppendPointRecord(inFace, {6, "E", 0, {1, 3, 0}, {0.2f, 0, 0.2f}, {5}, {}}).i32(2).f32(0.25f).f32(0.25f);
  AppendPointRecord(inPlane, {4, "D", 0, {-2, 5, 0}, {0.2f, 0, 0.2f}, {1, 2, 3}, {}}).f32(0.25f).f32(-0.5f);

  const Row rows[] = {
      {"vector", [&] {
         const WORD a = AddPoint(0, 0, 0)->m_nId, b = AddPoint(10, 0, 0)->m_nId;
         CGLine* l = AddLine(a, b, kLineVector);
         l->m_nStyle = kLineDashedOnTop;
         l->LabelParam = 0.25f;
         l->LabelOffset[1] = -1.5f;
         return l;
       }, line.get()},
      {"face with picture 2", [&] {
         CGFace* f = Square();
         f->m_nStyle = kFaceTranslucent;
         f->m_dwParam3 = 2;
         f->LabelCorner = 2;
         f->LabelWeight0 = 0.25f;
         f->LabelWeightK = 0.5f;
         f->Recalculate();  // 0.25 V0 + 0.5 V2 + 0.25 V3
         return f;
       }, face.get(), {0, 1, 0}, [](CGCell& c) {
         auto& f = static_cast<CGFace&>(c);
         EXPECT_EQ(f.VertexIndices.size(), 4u);
         EXPECT_EQ(f.TexCoordsDirty, 1);
       }},
      {"circle with picture 2", [&] {
         auto* a = new CGArc;
         a->m_nId = 7;
         page->m_cells.SetAt(7, a);
         a->m_strName = "c3";
         a->m_nStyle = kArcLit;
         a->m_nSubKind = kArcSector;
         a->m_dwParam3 = 2;
         const CircleRecord r;
         std::copy_n(std::array{4.0f, 5.0f, 6.0f}.data(), 3, a->m_vLabelAnchor);
         std::copy_n(r.centre, 3, a->Center);
         std::copy_n(r.u, 3, a->AxisU);
         std::copy_n(r.v, 3, a->AxisV);
         a->StartAngle = r.start;
         a->EndAngle = r.end;
         a->AutoRange = 0;
         a->LabelAngle = r.labelAngle;
         std::copy_n(r.offset, 3, a->LabelOffset);
         a->Radius = 99;  // not stored
         return a;
       }, ArcRecord(CircleRecord{}), {0, 1, 0},
       [](CGCell& c) { EXPECT_EQ(static_cast<CGArc&>(c).Radius, 5.0f) << "the length of u"; }},
      {"reversed circle about an axis", [&] {
         const WORD c = AddPoint(0, 0, 0)->m_nId, p = AddPoint(2, 0, 0)->m_nId, q = AddPoint(0, 0, 5)->m_nId;
         auto* a = new CGArcPointN(page->m_nNextId++, c, p, q, kArcCircle, 1);
         page->m_cells.SetAt(a->m_nId, a);
         std::copy_n(std::array{1.0f, 2.0f, 3.0f}.data(), 3, a->m_vLabelAnchor);
         std::copy_n(std::array{0.0f, 2.0f, 0.0f}.data(), 3, a->AxisV);  // as the record has it
         return a;
       }, byPoints.get(), {0, 0, 0}, [](CGCell& c) {
         auto& a = static_cast<CGArcPointN&>(c);
         EXPECT_EQ(a.Radius, 2.0f);
         a.Recalculate();
         EXPECT_EQ(a.AxisV[1], -2.0f);
       }},
      {"free point", [&] {
         CGVerFreeXyz* p = AddXyz(1.5f, -2, 3);
         p->m_vLabelOffset[1] = -0.5f;
         p->ApplyParameter();
         return p;
       }, xyz.get()},
      {"point on a line", [&] {
         const WORD a = AddXyz(0, 0, 0)->m_nId, b = AddXyz(10, 0, 0)->m_nId;
         return AddInLine(AddLine(a, b, kLineSegment)->m_nId, 0.75f);
       }, inLine.get()},
      {"point on a circle", [&] { return AddInCircle(AddCircle(2, 1, 0, 0)->m_nId, 0); }, inCircle.get(), {0, 0, 0},
       [](CGCell& c) {  // placed again from the stored frame alone
         auto& p = static_cast<CGVerFreeInCircle&>(c);
         p.VertexIndex = 7;
         p.m_fValue = std::numbers::pi_v<float>;
         p.ApplyParameter();
         ExpectAt(p, -1, 0, 0);
       }},
      {"point in a face", [&] {
         CGVerFreeInFace* p = AddInFace(Square()->m_nId, 0.25f, 0.25f);
         p->Corner = 2;
         p->Recalculate();  // 0.25 V0 + 0.25 V2 + 0.5 V3
         return p;
       }, inFace.get()},
      {"point in a plane", [&] {
         const WORD a = AddXyz(0, 0, 0)->m_nId, b = AddXyz(4, 0, 0)->m_nId, c = AddXyz(0, 4, 0)->m_nId;
         return AddInPlane(a, b, c, 0.25f, -0.5f);
       }, inPlane.get()},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    FreshPage();
    CGCell* cell = row.make();
    ArchiveContext context;
    const std::string record = row.record.toHex().toStdString();
    EXPECT_EQ(StoreCell(*cell, &context).toHex().toStdString(), record);
    EXPECT_EQ(std::to_array(context.nPictureUseCount), row.pictureUses);
    std::unique_ptr<CGCell> read(static_cast<CGCell*>(cell->GetRuntimeClass()->CreateObject()));
    CArchive in(row.record);
    read->Serialize(in);
    EXPECT_EQ(in.Remaining(), 0);
    EXPECT_EQ(StoreCell(*read).toHex().toStdString(), record);
    if (row.afterRead) row.afterRead(*read);
  }
}

// Pictures 1 to 3 are the document's own and travel with it; the others are
// the program's.
TEST_F(CellRecords, OnlyPicturesOneToThreeAreCounted) {
  CGCell* cells[] = {Square(), AddCircle(2)};
  for (CGCell* cell : cells)
    for (DWORD picture : {0u, 1u, 3u, 4u, 15u, 0xFFFFFFFFu}) {
      cell->m_dwParam3 = picture;
      ArchiveContext context;
      StoreCell(*cell, &context);
      for (int i = 0; i < 3; ++i)
        EXPECT_EQ(context.nPictureUseCount[i], picture == DWORD(i + 1) ? 1 : 0)
            << cell->GetRuntimeClass()->m_lpszClassName << " picture " << picture << " slot " << i;
    }
}

TEST_F(CellRecords, DamagedRecordsFailTheLoad) {
  struct Row {
    std::string what;
    const char* className;
    QByteArray record;
    std::optional<ArchiveError> error;  // none: the record loads whole
  };
  std::vector<Row> rows;
  auto lineWith = [](std::vector<unsigned> parents, int floats = 4) {
    RecordBytes b;
    AppendCommonRecord(b, {3, "AB", 0, 0, {0, 0, 0}, kNavy, 0, std::move(parents), {}});
    for (int i = 0; i < floats; ++i) b.f32(0.5f);
    return b.get();
  };
  rows.push_back({"line of no point", "CGLine", lineWith({}), ArchiveError::BadData});
  rows.push_back({"line of one point", "CGLine", lineWith({1}), ArchiveError::BadData});
  rows.push_back({"line of three points", "CGLine", lineWith({1, 2, 3}), ArchiveError::BadData});
  rows.push_back({"line cut short", "CGLine", lineWith({1, 2}, 2), ArchiveError::EndOfFile});

  auto faceWith = [](unsigned count, std::vector<unsigned> parents) {
    RecordBytes b;
    AppendCommonRecord(b, {9, "ABC", 0, 0, {0, 0, 0}, kFaceColour, 0, std::move(parents), {}});
    return b.u8(count).i32(1).f32(0.8f).f32(0.1f).get();
  };
  const std::pair<unsigned, std::vector<unsigned>> badFaces[] = {
      {2, {1, 2}}, {0, {}}, {4, {1, 2, 3}}, {3, {1, 2, 3, 4}}, {255, {1, 2, 3}}};
  for (const auto& [count, parents] : badFaces)
    rows.push_back({"face of " + std::to_string(count) + " corners and " + std::to_string(parents.size()) +
                        " points", "CGFace", faceWith(count, parents), ArchiveError::BadData});
  rows.push_back({"face cut short", "CGFace", faceWith(3, {1, 2, 3}).chopped(2), ArchiveError::EndOfFile});

  const std::pair<const char*, std::function<void(CircleRecord&)>> badCircles[] = {
      {"centre NaN", [](CircleRecord& r) { r.centre[0] = kNaN; }},
      {"v infinite", [](CircleRecord& r) { r.v[2] = kInf; }},
      {"start NaN", [](CircleRecord& r) { r.start = kNaN; }},
      {"end infinite", [](CircleRecord& r) { r.end = -kInf; }},
      {"label angle NaN", [](CircleRecord& r) { r.labelAngle = kNaN; }},
      {"offset infinite", [](CircleRecord& r) { r.offset[1] = kInf; }},
      {"|u| overflows", [](CircleRecord& r) { r.u[0] = r.u[1] = 3e38f; }},
  };
  for (const auto& [what, spoil] : badCircles) {
    CircleRecord r;
    spoil(r);
    rows.push_back({std::string("circle, ") + what, "CGArc", ArcRecord(r), ArchiveError::BadData});
  }
  rows.push_back({"circle cut short", "CGArc", ArcRecord(CircleRecord{}).chopped(3), ArchiveError::EndOfFile});

  for (const char* byPoints : {"CGArcCircle3P", "CGArcCenterP", "CGArcPointN"})
    for (const std::vector<unsigned>& parents : {std::vector<unsigned>{}, {1, 2}, {1, 2, 3}, {1, 2, 3, 4}}) {
      RecordBytes b;
      AppendCommonRecord(b, {4, "c1", 0, kArcCircle, {1, 2, 3}, RGBA{0, 128, 0, 255}, 0, parents, {}});
      rows.push_back({std::to_string(parents.size()) + " points", byPoints, AppendCircleRecord(b, {}).get(),
                      parents.size() == 3 ? std::nullopt : std::optional(ArchiveError::BadData)});
    }

  rows.push_back({"no line", "CGVerFreeInLine", PointWith({}, 0.5f).get(), ArchiveError::BadData});
  rows.push_back({"two lines", "CGVerFreeInLine", PointWith({3, 4}, 0.5f).get(), ArchiveError::BadData});
  rows.push_back({"parameter NaN", "CGVerFreeInLine", PointWith({3}, kNaN).get(), ArchiveError::BadData});
  rows.push_back({"parameter infinite", "CGVerFreeInLine", PointWith({3}, kInf).get(), ArchiveError::BadData});

  auto onCircle = [](std::vector<unsigned> parents, float angle, int nanAt, int frame = 12) {
    RecordBytes b = PointWith(std::move(parents), angle);
    for (int i = 0; i < frame; ++i) b.f32(i == nanAt ? kNaN : 1.0f);
    return b.get();
  };
  rows.push_back({"no circle", "CGVerFreeInCircle", onCircle({}, 1, -1), ArchiveError::BadData});
  rows.push_back({"two circles", "CGVerFreeInCircle", onCircle({1, 2}, 1, -1), ArchiveError::BadData});
  rows.push_back({"angle NaN", "CGVerFreeInCircle", onCircle({1}, kNaN, -1), ArchiveError::BadData});
  for (int k = 0; k < 12; ++k)  // centre, u, v, normal
    rows.push_back({"frame NaN at " + std::to_string(k), "CGVerFreeInCircle", onCircle({1}, 1, k), ArchiveError::BadData});
  rows.push_back({"frame cut short", "CGVerFreeInCircle", onCircle({1}, 1, -1, 11), ArchiveError::EndOfFile});

  // 253 fan triangles is the most a face of 255 corners has.
  auto inFace = [](std::vector<unsigned> parents, std::int32_t corner, float s = 0.5f) {
    return PointWith(std::move(parents)).i32(corner).f32(s).f32(0.25f).get();
  };
  for (std::int32_t corner : {1, 253, 0, -1, 254, 0x7FFFFFFF})
    rows.push_back({"fan triangle " + std::to_string(corner), "CGVerFreeInFace", inFace({5}, corner),
                    corner >= 1 && corner <= 253 ? std::nullopt : std::optional(ArchiveError::BadData)});
  rows.push_back({"weight NaN", "CGVerFreeInFace", inFace({5}, 1, kNaN), ArchiveError::BadData});
  rows.push_back({"no face", "CGVerFreeInFace", inFace({}, 1), ArchiveError::BadData});
  rows.push_back({"two faces", "CGVerFreeInFace", inFace({5, 4}, 1), ArchiveError::BadData});

  auto inPlane = [](std::vector<unsigned> parents, float t = 0.25f) {
    return PointWith(std::move(parents)).f32(0.25f).f32(t).get();
  };
  rows.push_back({"two points", "CGVerFreeInPlane", inPlane({1, 2}), ArchiveError::BadData});
  rows.push_back({"four points", "CGVerFreeInPlane", inPlane({1, 2, 3, 3}), ArchiveError::BadData});
  rows.push_back({"weight NaN", "CGVerFreeInPlane", inPlane({1, 2, 3}, kNaN), ArchiveError::BadData});

  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.className) + ": " + row.what);
    std::unique_ptr<CObject> cell(ClassRegistry::FromName(row.className)->CreateObject());
    CArchive ar(row.record);
    if (row.error) {
      EXPECT_EQ(ArchiveCause([&] { cell->Serialize(ar); }), *row.error);
    } else {
      cell->Serialize(ar);
      EXPECT_EQ(ar.Remaining(), 0);
    }
  }
}

}  // namespace
