// Shared pieces of the line and face tests: a page with the cell classes
// registered, factories for points, lines and faces, and the common cell
// record written by hand from the record table.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "cells/cellclasses.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "model/modeltestsupport.h"

// Fields of the common record that differ between the records under test;
// the rest are the defaults of a new line or face.
struct CommonRecord {
  WORD id;
  QString name;
  BYTE style = 0;
  BYTE subKind = 0;
  float anchor[3];
  RGBA colour;
  DWORD param3 = 0;
  std::vector<unsigned> parents;
  std::vector<unsigned> children;
  std::int32_t paramB = 0;
};

inline RecordBytes& AppendCommonRecord(RecordBytes& b, const CommonRecord& r) {
  b.u16(r.id).str(r.name).u8(1).u32(0).u32(1).u8(r.style).u8(r.subKind);
  b.f32(r.anchor[0]).f32(r.anchor[1]).f32(r.anchor[2]);
  b.u8(r.colour.r).u8(r.colour.g).u8(r.colour.b).u8(r.colour.a).u8(0).u8(0).u8(0).u8(255);
  b.f32(0).u32(0).u32(0).u32(r.param3).str("");
  b.u8(0).f32(2.0f).u8(0).i32(0).i32(r.paramB).i32(0).str("");
  b.i32(0).i32(0).i32(0).i32(0).i32(0).str("");
  b.u16(static_cast<unsigned>(r.parents.size()));
  for (unsigned id : r.parents) b.u16(id);
  b.u16(static_cast<unsigned>(r.children.size()));
  for (unsigned id : r.children) b.u16(id);
  return b;
}

// The circle part of a record: centre, u, v, start, end, the range byte,
// label angle and offset.
struct CircleRecord {
  float centre[3] = {1, 2, 3};
  float u[3] = {3, 0, 4};
  float v[3] = {0, 5, 0};
  float start = 0.5f, end = 2.5f;
  unsigned autoRange = 0;
  float labelAngle = 0.25f;
  float offset[3] = {0.1f, 0.2f, 0.3f};
};

inline RecordBytes& AppendCircleRecord(RecordBytes& b, const CircleRecord& r) {
  for (const float* v : {r.centre, r.u, r.v}) b.f32(v[0]).f32(v[1]).f32(v[2]);
  b.f32(r.start).f32(r.end).u8(r.autoRange).f32(r.labelAngle);
  return b.f32(r.offset[0]).f32(r.offset[1]).f32(r.offset[2]);
}

// A whole circle record: the common record of a lit sector, then the circle.
inline QByteArray ArcRecord(const CircleRecord& r, BYTE kind = kArcSector, BYTE style = kArcLit,
                            DWORD picture = 2) {
  RecordBytes b;
  AppendCommonRecord(b, {7, "c3", style, kind, {4, 5, 6}, RGBA{0, 128, 0, 255}, picture, {}, {}});
  return AppendCircleRecord(b, r).get();
}

inline QByteArray StoreCell(CGCell& cell, ArchiveContext* context = nullptr) {
  CArchive ar;
  cell.Serialize(ar);
  if (context) *context = ar.Context();
  return ar.Bytes();
}

// The cell's record read back into a new cell of its class stores the
// same bytes again: what a saved document needs to open.
inline ::testing::AssertionResult RecordReloads(CGCell& cell) {
  const QByteArray bytes = StoreCell(cell);
  std::unique_ptr<CObject> object(cell.GetRuntimeClass()->CreateObject());
  auto* copy = dynamic_cast<CGCell*>(object.get());
  if (!copy) return ::testing::AssertionFailure() << "no cell class";
  try {
    CArchive in(bytes);
    copy->Serialize(in);
  } catch (const CArchiveException& e) {
    return ::testing::AssertionFailure() << "refused: " << e.what();
  }
  if (StoreCell(*copy) != bytes) return ::testing::AssertionFailure() << "stores other bytes";
  return ::testing::AssertionSuccess();
}

class CellTest : public ModelTest {
 protected:
  CellTest() { RegisterCellClasses(); }

  CGLine* AddLine(WORD a, WORD b, BYTE kind = kLineSegment) {
    auto* line = new CGLine(page->m_nNextId++, a, b, kind);
    page->m_cells.SetAt(line->m_nId, line);
    return line;
  }

  CGFace* AddFace(const std::vector<WORD>& corners, COLORREF colour = 0x00336699) {
    auto* face = new CGFace(page->m_nNextId++, corners, colour);
    page->m_cells.SetAt(face->m_nId, face);
    return face;
  }

  // A face on new points at the given corners.
  CGFace* FaceOn(std::initializer_list<std::array<float, 3>> corners) {
    std::vector<WORD> ids;
    for (const auto& c : corners) ids.push_back(AddPoint(c[0], c[1], c[2])->m_nId);
    return AddFace(ids);
  }

  // The view ray straight down the z axis through (x, y).
  static void RayDownZ(double x, double y) {
    g_dRayNear[0] = g_dRayFar[0] = x;
    g_dRayNear[1] = g_dRayFar[1] = y;
    g_dRayNear[2] = 100;
    g_dRayFar[2] = -100;
  }
};
