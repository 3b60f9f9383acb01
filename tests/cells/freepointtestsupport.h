// Shared pieces of the free-point tests: factories for the point kinds and
// their carriers, the mouse ray set by hand, and the point record written
// field by field from the record tables.
#pragma once
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "cells/primitives/cgverfreeinface.h"
#include "cells/primitives/cgverfreeinline.h"
#include "celltestsupport.h"
#include "model/vertexarray.h"

// The fields of a point record that differ between the records under test;
// the rest are the defaults of a new free point.
struct PointRecord {
  WORD id;
  QString name;
  float value;
  std::array<float, 3> pos;
  std::array<float, 3> labelOffset;
  std::vector<unsigned> parents;
  std::vector<unsigned> children;
  RGBA colour{255, 0, 0, 255};
  BYTE subKind = 0;
  DWORD param1 = 0, param2 = 0;
  std::int32_t paramA = 0;  // the mode word
};

// The common cell record (newer layout), then the position and the label
// offset; the anchor is the position plus the offset.
inline RecordBytes& AppendPointRecord(RecordBytes& b, const PointRecord& r) {
  b.u16(r.id).str(r.name).u8(1).u32(0).u32(0).u8(0).u8(r.subKind);
  for (int i = 0; i < 3; ++i) b.f32(r.pos[i] + r.labelOffset[i]);
  b.u8(r.colour.r).u8(r.colour.g).u8(r.colour.b).u8(r.colour.a).u8(0).u8(0).u8(0).u8(255);
  b.f32(r.value).u32(r.param1).u32(r.param2).u32(0).str("");
  b.u8(0).f32(6.0f).u8(0).i32(r.paramA).i32(0).i32(0).str("");
  b.i32(0).i32(0).i32(0).i32(0).i32(0).str("");
  b.u16(static_cast<unsigned>(r.parents.size()));
  for (unsigned id : r.parents) b.u16(id);
  b.u16(static_cast<unsigned>(r.children.size()));
  for (unsigned id : r.children) b.u16(id);
  for (float v : r.pos) b.f32(v);
  for (float v : r.labelOffset) b.f32(v);
  return b;
}

// Reads the record into a fresh cell of class T; the whole record must be
// taken.
template <class T>
void ReadWhole(const RecordBytes& bytes, T& cell) {
  CArchive in(bytes.get());
  cell.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0);
}
// The archive error reading the record into a fresh T raises.
template <class T>
ArchiveError ReadCause(const RecordBytes& bytes) {
  CArchive in(bytes.get());
  T cell;
  return ArchiveCause([&] { cell.Serialize(in); });
}

class FreePointTest : public CellTest {
 protected:
  CGVerFreeXyz* AddXyz(float x, float y, float z) {
    return EnterNew(new CGVerFreeXyz(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), x, y, z));
  }
  CGVerFreeInLine* AddInLine(WORD line, float t) {
    return EnterNew(new CGVerFreeInLine(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), line, t));
  }
  CGVerFreeInCircle* AddInCircle(WORD circle, float angle) {
    return EnterNew(
        new CGVerFreeInCircle(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), circle, angle));
  }
  CGVerFreeInFace* AddInFace(WORD face, float s, float t) {
    return EnterNew(new CGVerFreeInFace(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), face, s, t));
  }
  CGVerFreeInPlane* AddInPlane(WORD a, WORD b, WORD c, float s, float t) {
    return EnterNew(
        new CGVerFreeInPlane(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), a, b, c, s, t));
  }
  // A positioned circle (kind 0) or arc of radius r about (cx, cy, cz) in
  // a plane parallel to z = 0: u along x, v along y.
  CGArc* AddCircle(float r, float cx = 0, float cy = 0, float cz = 0, float start = 0,
                   float end = kArcFullTurn, BYTE kind = kArcCircle) {
    return EnterNew(new CGArc(page->m_nNextId, cx, cy, cz, r, 0, 0, 0, r, 0, start, end, kind));
  }

  // The mouse ray from the near point to the far point, as the view sets it.
  static void Ray(std::array<double, 3> nearPoint, std::array<double, 3> farPoint) {
    for (int i = 0; i < 3; ++i) {
      g_dRayNear[i] = nearPoint[i];
      g_dRayFar[i] = farPoint[i];
      g_fViewDir[i] = static_cast<float>(nearPoint[i] - farPoint[i]);
    }
  }
  // Straight down the z axis through (x, y).
  static void RayDown(double x, double y) { Ray({x, y, 100}, {x, y, -100}); }

  // The point's vertex-array slot and label anchor agree with its position.
  static void ExpectPlaced(const CGVertex& p) {
    for (int i = 0; i < 3; ++i) {
      EXPECT_EQ(g_pVertexArray[p.VertexIndex * 3 + i], p.m_vPos[i]) << "slot, axis " << i;
      EXPECT_EQ(p.m_vLabelAnchor[i], p.m_vPos[i] + p.m_vLabelOffset[i]) << "anchor, axis " << i;
    }
  }
  static void ExpectAt(const CGVertex& p, double x, double y, double z, double tolerance = 1e-5) {
    EXPECT_NEAR(p.m_vPos[0], x, tolerance);
    EXPECT_NEAR(p.m_vPos[1], y, tolerance);
    EXPECT_NEAR(p.m_vPos[2], z, tolerance);
    ExpectPlaced(p);
  }
  // Position, parameter fields and slot of the point, byte for byte, to see
  // that a refused drag changed nothing.
  template <class T>
  static std::vector<char> Snapshot(const T& p) {
    std::vector<char> bytes(sizeof p.m_vPos + sizeof p.m_vLabelAnchor + sizeof(float) + 3 * sizeof(float));
    char* out = bytes.data();
    auto put = [&out](const void* v, size_t n) {
      std::memcpy(out, v, n);
      out += n;
    };
    put(p.m_vPos, sizeof p.m_vPos);
    put(p.m_vLabelAnchor, sizeof p.m_vLabelAnchor);
    put(&p.m_fValue, sizeof(float));
    put(g_pVertexArray + p.VertexIndex * 3, 3 * sizeof(float));
    return bytes;
  }

 private:
  template <class T>
  T* EnterNew(T* cell) {
    page->m_nNextId++;
    page->m_cells.SetAt(cell->m_nId, cell);
    return cell;
  }
};
