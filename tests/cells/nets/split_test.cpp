// The stepwise cut: its value steps (one cut per change, never undone,
// reset below 0.0001), the pieces of three planes, planes from faces, and
// its record with hostile counts.
#include <gtest/gtest.h>

#include <cmath>

#include "netstestsupport.h"
#include "cells/solids/nets/cgsplit.h"
#include "commands/solids/hullcommands.h"
#include "platform/archive.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

class SplitTest : public HullPageTest {
 protected:
  CGSplit* AddCut(WORD hull, int planes, int fromFaces = 0) {
    auto* cut = new CGSplit(page->m_nNextId, hull, planes, fromFaces, 2.0);
    page->m_nNextId++;
    page->m_cells.SetAt(cut->m_nId, cut);
    return cut;
  }
  static void Change(CGSplit& cut, float v) {
    cut.m_fValue = v;
    cut.ApplyParameter();
  }
};

double Volume(const CGPolyhedron& piece) {
  double v = 0;
  for (const PolyhedronFace& f : piece.Faces)
    for (size_t i = 1; i + 1 < f.Vertices.size(); ++i) {
      const auto& a = piece.Points[size_t(f.Vertices[0])];
      const auto& b = piece.Points[size_t(f.Vertices[i])];
      const auto& c = piece.Points[size_t(f.Vertices[i + 1])];
      v += kvmath::Dot(a, kvmath::Cross(b, c)) / 6;
    }
  return v;
}

TEST_F(SplitTest, ValueStepsMakeOneCutAtATimeAndNeverUndoOne) {
  CGPolyhedron* hull = AddHull(PresetHullPoints(6));
  CGSplit* cut = AddCut(hull->m_nId, 3);
  EXPECT_EQ(cut->m_rgbaColor, hull->m_rgbaColor);
  struct Row {
    float change;
    float value;  // after the change
    int cuts, pieces;
    BOOL hullHidden;
  } const rows[] = {
      {2.9f, 0.001f, 0, 1, 1},      // from reset: only the start piece
      {2.9f, 0.001f, 1, 2, 1},      // one cut per change
      {2.9f, 1.001f, 2, 4, 1},
      {3.5f, 3.5f, 2, 4, 1},        // past N + 0.1: ignored
      {1.5f, 1.5f, 2, 4, 1},        // within the cut: the pieces drift
      {0.5f, 1.01f, 2, 4, 1},       // going back is held
      {2.9f, 2.001f, 3, 8, 1},
      {3.0f, 3.0f, 3, 8, 1},
      {0.00005f, 0.001f, 0, 1, 1},  // reset, and at once the start piece again
  };
  for (const Row& r : rows) {
    Change(*cut, r.change);
    EXPECT_FLOAT_EQ(cut->m_fValue, r.value) << r.change;
    EXPECT_EQ(cut->m_nCutsDone, r.cuts) << r.change;
    EXPECT_EQ(cut->m_nPiecesShown, r.pieces) << r.change;
    EXPECT_EQ(cut->m_pieces.size(), size_t(r.pieces)) << r.change;
    // The cut stands in for the hull without storing it hidden.
    EXPECT_EQ(hull->CutCovers, r.hullHidden != 0) << r.change;
    EXPECT_EQ(hull->m_bHidden, 0) << r.change;
  }
  cut->Recalculate();
  EXPECT_EQ(cut->m_pieces.size(), 0u);
  EXPECT_FALSE(hull->CutCovers);
  EXPECT_EQ(cut->m_fValue, 0);
}

TEST_F(SplitTest, ThreeAxisPlanesMakeEightClosedPiecesThatKeepTheVolume) {
  CGPolyhedron* hull = AddHull(PresetHullPoints(6));
  CGSplit* cut = AddCut(hull->m_nId, 3);
  for (float v : {0.5f, 1.5f, 2.5f, 3.0f, 3.0f}) Change(*cut, v);
  ASSERT_EQ(cut->m_pieces.size(), 8u);
  EXPECT_EQ(cut->OverlayText(), QStringLiteral("planes:  3      parts :  8"));
  double total = 0;
  for (const auto& piece : cut->m_pieces) {
    EXPECT_EQ(int(piece->Points.size()) - int(piece->Edges.size()) + int(piece->Faces.size()), 2);
    EXPECT_NEAR(Volume(*piece), 125, 1e-9);
    EXPECT_FLOAT_EQ(piece->m_fValue, 1.0f);
    total += Volume(*piece);
  }
  EXPECT_NEAR(total, Volume(*hull), 1e-9 * Volume(*hull));
}

TEST_F(SplitTest, APlaneMissingAPieceKeepsItWholeAndMovesItWhenPositive) {
  Points shifted = PresetHullPoints(6);
  for (size_t i = 0; i < shifted.size(); i += 3) shifted[i] += 20;  // x in 15..25
  CGPolyhedron* hull = AddHull(shifted);
  CGSplit* cut = AddCut(hull->m_nId, 1);
  for (float v : {0.5f, 0.9f, 1.0f}) Change(*cut, v);  // start, cut, drift to the end
  ASSERT_EQ(cut->m_pieces.size(), 1u);
  const CGPolyhedron& piece = *cut->m_pieces[0];
  EXPECT_EQ(piece.Faces.size(), 6u);
  const double v = piece.m_fValue - 1;
  EXPECT_NEAR(piece.Offset.Base[0] + v * piece.Offset.Direction[0], 2.0, 1e-12);
}

TEST_F(SplitTest, BuiltInTablesAndFacePlanes) {
  const double shortTable[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};
  const double longTable[10][4] = {{-1, -1, -1, 2}, {1, 1, -1, 2}, {-1, 1, 1, 2}, {1, -1, 1, 2}, {2, 1, 0, 0},
                                   {1, 0, 2, 0},    {0, 2, 1, 0},  {4, -1, 0, 1}, {-1, 0, 4, 1}, {0, 4, -1, 1}};
  for (int n = 1; n <= 10; ++n) {
    const PolyhedronFace* planes = CGSplit::BuiltInPlanes(n);
    for (int i = 0; i < n; ++i) {
      const double* row = n <= 3 ? shortTable[i] : longTable[i];
      EXPECT_EQ((std::vector<double>{planes[i].a, planes[i].b, planes[i].c, planes[i].d}),
                (std::vector<double>(row, row + 4)))
          << n << " " << i;
    }
  }
  CGPolyhedron* hull = AddHull(PresetHullPoints(6));
  EXPECT_EQ(AddCut(hull->m_nId, 12)->m_nPlanes, 10);
  // No face selected: the flag is cleared.
  EXPECT_EQ(AddCut(hull->m_nId, 3, 1)->m_bPlanesFromFaces, 0);
  CGFace* a = FaceOn({{{0, 0, 1}}, {{1, 0, 1}}, {{0, 1, 1}}});
  CGFace* b = FaceOn({{{0, 0, 0}}, {{0, 0, 1}}, {{0, 1, 0}}});
  page->m_selFaces = {b->m_nId, a->m_nId};
  CGSplit* cut = AddCut(hull->m_nId, 3, 1);
  EXPECT_EQ(cut->m_nPlanes, 2);
  EXPECT_EQ(cut->m_parents, (std::vector<WORD>{hull->m_nId, b->m_nId, a->m_nId}));
  EXPECT_NEAR(cut->Plane(0).a, -1, 1e-12);  // (P1 - P0) x (P2 - P0) of face b
  EXPECT_NEAR(cut->Plane(1).c, 1, 1e-12);
  EXPECT_NEAR(cut->Plane(1).d, -1, 1e-12);
  b->m_bDefined = false;
  cut->Recalculate();
  EXPECT_FALSE(cut->m_bDefined);
}

TEST_F(SplitTest, RecordAndHostileLoads) {
  CGPolyhedron* hull = AddHull(PresetHullPoints(6));
  CGSplit* cut = AddCut(hull->m_nId, 5);
  cut->m_dDistance = 2.5;
  CArchive base;
  cut->CGCell::Serialize(base);
  RecordBytes tail;
  tail.i32(5).i32(0).f64(2.5);
  const QByteArray bytes = StoreCell(*cut);
  EXPECT_EQ(bytes, base.Bytes() + tail.get());
  struct Row {
    std::int32_t planes, fromFaces;
    double distance;
    int loaded;  // the count kept, -1: the load fails
  } const rows[] = {{5, 0, 2.5, 5}, {11, 0, 2, 10}, {0, 0, 2, 1}, {-7, 0, 2, 1},
                    {4, 1, 2, 1}, {4, 0, std::nan(""), -1}, {4, 0, INFINITY, -1}};
  for (const Row& r : rows) {
    RecordBytes hostile;
    hostile.i32(r.planes).i32(r.fromFaces).f64(r.distance);
    CGSplit loaded;
    CArchive in(base.Bytes() + hostile.get());
    if (r.loaded < 0) {
      EXPECT_THROW(loaded.Serialize(in), CArchiveException) << r.planes;
      continue;
    }
    loaded.Serialize(in);
    EXPECT_EQ(loaded.m_nPlanes, r.loaded) << r.planes;
  }
}

}  // namespace
