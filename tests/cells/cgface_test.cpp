#include <gtest/gtest.h>

#include <cmath>

#include "celltestsupport.h"
#include "support/archiveerrors.h"

namespace KAVREL_FILE_LOCAL {

using Corners = std::initializer_list<std::array<float, 3>>;

class FaceTest : public CellTest {
 protected:
  // The square (0,0) (4,0) (4,4) (0,4) in z = 0.
  CGFace* Square() { return FaceOn({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}); }

  // A face record with the given counts, after a common record of parents.
  static QByteArray FaceRecord(unsigned cornerCount, std::vector<unsigned> parents, int labelCorner = 1) {
    RecordBytes b;
    AppendCommonRecord(b, {9, "ABC", 0, 0, {0, 0, 0}, RGBA{0x99, 0x66, 0x33, 255}, 0, parents, {}});
    b.u8(cornerCount).i32(labelCorner).f32(0.8f).f32(0.1f);
    return b.get();
  }
};

TEST_F(FaceTest, TriangleIsNamedColouredAndLabelledFromItsCorners) {
  CGVertex* a = AddPoint(0, 0, 0);
  CGVertex* b = AddPoint(10, 0, 0);
  CGVertex* c = AddPoint(0, 10, 0);
  auto* face = new CGFace(page->m_nNextId++, a->m_nId, b->m_nId, c->m_nId, 0x00332211);
  page->m_cells.SetAt(face->m_nId, face);
  EXPECT_EQ(face->m_strName, "ABC");
  EXPECT_EQ(face->GetDescription(), QString::fromUtf8("点A、B、C确定的面"));
  EXPECT_EQ(face->CornerCount, 3);
  EXPECT_EQ(face->m_parents, (std::vector<WORD>{1, 2, 3}));
  for (CGVertex* p : {a, b, c}) EXPECT_EQ(p->m_children, (std::vector<WORD>{4}));
  EXPECT_EQ(face->VertexIndices, (std::vector<std::int32_t>{1, 2, 3}));
  // Low byte red; alpha keeps the default.
  EXPECT_EQ(face->m_rgbaColor, (RGBA{0x11, 0x22, 0x33, 255}));
  EXPECT_EQ(face->m_nStyle, kFaceHiding);
  EXPECT_EQ(face->Picture(), 0);
  EXPECT_TRUE(face->m_bDefined);
  // 0.8 V0 + 0.1 V1 + 0.1 V2.
  EXPECT_FLOAT_EQ(face->m_vLabelAnchor[0], 1.0f);
  EXPECT_FLOAT_EQ(face->m_vLabelAnchor[1], 1.0f);
  EXPECT_EQ(face->LabelCorner, 1);

  auto* quad = new CGFace(page->m_nNextId++, a->m_nId, b->m_nId, c->m_nId, a->m_nId, 0);
  EXPECT_EQ(quad->CornerCount, 4);
  EXPECT_EQ(quad->m_strName, "ABCA");
  delete quad;
}

TEST_F(FaceTest, HexagonKeepsSixNamesUntilUpdateLabelShortensThemToFive) {
  CGFace* face = FaceOn({{0, 0, 0}, {2, 0, 0}, {3, 1, 0}, {2, 2, 0}, {0, 2, 0}, {-1, 1, 0}});
  EXPECT_EQ(face->m_strName, "ABCDEF");
  EXPECT_EQ(face->GetDescription(), QString::fromUtf8("点A、B、C、D、E、F确定的面"));
  face->m_bLabelStale = false;
  face->UpdateLabel();
  EXPECT_EQ(face->m_strName, "ABCDE");
  EXPECT_TRUE(face->m_bLabelStale);
  face->m_bNameFixed = true;
  face->m_strName = "roof";
  face->UpdateLabel();
  EXPECT_EQ(face->m_strName, "roof");
}

TEST_F(FaceTest, PolygonKeepsAtMostTheCornersItsByteCanCount) {
  std::vector<WORD> ids;
  for (int i = 0; i < 300; ++i) {
    const float angle = static_cast<float>(i) * 0.02f;
    ids.push_back(AddPoint(std::cos(angle), std::sin(angle), 0)->m_nId);
  }
  CGFace* face = AddFace(ids);
  EXPECT_EQ(face->CornerCount, 255);
  EXPECT_EQ(face->m_parents.size(), 255u);
  EXPECT_EQ(face->VertexIndices.size(), 255u);
  EXPECT_TRUE(page->m_cells.Lookup(ids[255])->m_children.empty());
}

TEST_F(FaceTest, UndefinedAsSoonAsOneCornerIsAndRebuildsTexturesWhenDefined) {
  CGFace* face = Square();
  face->TexCoordsDirty = 0;
  page->m_cells.Lookup(2)->m_bDefined = false;
  face->Recalculate();
  EXPECT_FALSE(face->m_bDefined);
  EXPECT_EQ(face->TexCoordsDirty, 0);
  page->m_cells.Lookup(2)->m_bDefined = true;
  face->Recalculate();
  EXPECT_TRUE(face->m_bDefined);
  EXPECT_EQ(face->TexCoordsDirty, 1);
  // A corner that is no point (here: the face itself) leaves it undefined.
  face->m_parents[3] = face->m_nId;
  face->Recalculate();
  EXPECT_FALSE(face->m_bDefined);
}

TEST_F(FaceTest, LoadedLabelCornerOutsideTheFanGoesToTheFirstTriangle) {
  for (const auto& [corner, kept] : {std::pair{0, 1}, {-5, 1}, {3, 1}, {1000, 1}, {2, 2}}) {
    CArchive ar(FaceRecord(4, {1, 2, 3, 4}, corner));
    CGFace read;
    read.Serialize(ar);
    EXPECT_EQ(read.LabelCorner, kept) << corner;
  }
}

TEST_F(FaceTest, ContainsPointAnswersTheSameForEitherCornerOrder) {
  CGFace* ccw = FaceOn({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}});
  CGFace* cw = FaceOn({{0, 4, 0}, {4, 4, 0}, {4, 0, 0}, {0, 0, 0}});
  const struct { float p[3]; bool inside; } cases[] = {
      {{2, 2, 0}, true},   {{0, 2, 0}, true},  {{4, 4, 0}, true},   {{2, 0, 0}, true},
      {{2, 2, 7}, true},   // off the plane: not looked at
      {{5, 2, 0}, false},  {{-0.001f, 2, 0}, false}, {{2, 4.5f, 0}, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ccw->ContainsPoint(c.p), c.inside) << c.p[0] << "," << c.p[1] << "," << c.p[2];
    EXPECT_EQ(cw->ContainsPoint(c.p), c.inside) << c.p[0] << "," << c.p[1] << "," << c.p[2];
  }
  CGFace* triangle = FaceOn({{0, 0, 0}, {4, 0, 0}, {0, 4, 0}});
  const float in[3] = {1, 1, 0}, out[3] = {3, 3, 0};
  EXPECT_TRUE(triangle->ContainsPoint(in));
  EXPECT_FALSE(triangle->ContainsPoint(out));
}

TEST_F(FaceTest, NearestBoundaryPointTakesTheClosestEdgeAndSkipsEmptyEdges) {
  const struct { const char* what; Corners corners; float p[3]; float expected[3]; } cases[] = {
      {"inside, nearest the right edge", {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}, {3, 2, 0}, {4, 2, 0}},
      {"beyond a corner", {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}, {6, -3, 1}, {4, 0, 0}},
      {"tie: the first edge wins", {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}, {2, 2, 0}, {2, 0, 0}},
      {"the closing edge back to V0", {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}, {-1, 3, 0}, {0, 3, 0}},
      {"repeated corners", {{0, 0, 0}, {0, 0, 0}, {4, 0, 0}, {4, 0, 0}, {4, 4, 0}}, {5, 2, 0}, {4, 2, 0}},
      {"all corners in one place", {{1, 2, 3}, {1, 2, 3}, {1, 2, 3}}, {5, 5, 5}, {1, 2, 3}},
  };
  for (const auto& c : cases) {
    CGFace* face = FaceOn(c.corners);
    float x = -99, y = -99, z = -99;
    face->NearestBoundaryPoint(c.p, &x, &y, &z);
    EXPECT_FLOAT_EQ(x, c.expected[0]) << c.what;
    EXPECT_FLOAT_EQ(y, c.expected[1]) << c.what;
    EXPECT_FLOAT_EQ(z, c.expected[2]) << c.what;
    EXPECT_TRUE(std::isfinite(x) && std::isfinite(y) && std::isfinite(z)) << c.what;
  }
}

TEST_F(FaceTest, IsHorizontalLooksAtTheFirstThreeCorners) {
  EXPECT_TRUE(FaceOn({{0, 0, 2}, {4, 0, 2.00005f}, {4, 4, 2}, {0, 4, 9}})->IsHorizontal());
  EXPECT_FALSE(FaceOn({{0, 0, 2}, {4, 0, 2}, {4, 4, 2.001f}})->IsHorizontal());
  EXPECT_FALSE(FaceOn({{0, 0, 0}, {0, 4, 0}, {0, 4, 4}})->IsHorizontal());
}

TEST_F(FaceTest, DraggedLabelCrossesFromTheFirstFanTriangleIntoTheSecond) {
  CGFace* face = Square();
  ASSERT_EQ(face->LabelCorner, 1);
  RayDownZ(3, 1);  // in triangle V0 V1 V2
  face->DragLabel();
  EXPECT_EQ(face->LabelCorner, 1);
  EXPECT_FLOAT_EQ(face->m_vLabelAnchor[0], 3);
  EXPECT_FLOAT_EQ(face->m_vLabelAnchor[1], 1);
  RayDownZ(4, 2);  // on the outer edge V1-V2: still on the face
  face->DragLabel();
  EXPECT_FLOAT_EQ(face->m_vLabelAnchor[0], 4);
  RayDownZ(2, 2);  // on the diagonal V0-V2: the first triangle's
  face->DragLabel();
  EXPECT_EQ(face->LabelCorner, 1);
  RayDownZ(1, 3);  // across the diagonal V0-V2: triangle V0 V2 V3
  face->DragLabel();
  EXPECT_EQ(face->LabelCorner, 2);
  EXPECT_FLOAT_EQ(face->m_vLabelAnchor[0], 1);
  EXPECT_FLOAT_EQ(face->m_vLabelAnchor[1], 3);
  // The weights carry the label with the corners.
  for (WORD id : face->m_parents) static_cast<CGVertex*>(page->m_cells.Lookup(id))->m_vPos[0] *= 2;
  face->Recalculate();
  EXPECT_FLOAT_EQ(face->m_vLabelAnchor[0], 2);
  EXPECT_FLOAT_EQ(face->m_vLabelAnchor[1], 3);
  // An upright face in the plane x = 1 takes its weights from y and z.
  CGFace* wall = FaceOn({{1, 0, 0}, {1, 4, 0}, {1, 4, 4}, {1, 0, 4}});
  const double from[3] = {10, 3, 1}, to[3] = {-10, 3, 1};
  std::copy_n(from, 3, g_dRayNear);
  std::copy_n(to, 3, g_dRayFar);
  wall->DragLabel();
  EXPECT_FLOAT_EQ(wall->m_vLabelAnchor[1], 3);
  EXPECT_FLOAT_EQ(wall->m_vLabelAnchor[2], 1);
}

TEST_F(FaceTest, LabelDraggedOffTheFaceOrAlongItStays) {
  CGFace* face = Square();
  const float before[3] = {face->m_vLabelAnchor[0], face->m_vLabelAnchor[1], face->m_vLabelAnchor[2]};
  for (const auto& at : {std::array<double, 2>{5, 2}, {-1, 2}, {2, -1}, {2, 5}}) {
    RayDownZ(at[0], at[1]);
    face->DragLabel();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(face->m_vLabelAnchor[i], before[i]) << at[0] << "," << at[1];
    EXPECT_EQ(face->LabelCorner, 1);
  }
  // Seen edge-on.
  g_dRayNear[0] = -100;
  g_dRayFar[0] = 100;
  g_dRayNear[1] = g_dRayFar[1] = 2;
  g_dRayNear[2] = g_dRayFar[2] = 0;
  face->DragLabel();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(face->m_vLabelAnchor[i], before[i]);
}

// What is no defined face has its centroid at the origin.
TEST_F(FaceTest, CentroidIsAreaWeighted) {
  enum Target { kFace, kUndefinedFace, kPoint, kMissing };
  const struct { const char* what; Corners corners; float expected[3]; Target target = kFace; } cases[] = {
      {"triangle", {{0, 0, 0}, {6, 0, 0}, {0, 3, 3}}, {2, 1, 1}},
      {"square", {{0, 0, 1}, {4, 0, 1}, {4, 4, 1}, {0, 4, 1}}, {2, 2, 1}},
      // The first fan triangle has no area: the rest decides, no 0 / 0.
      {"first triangle flat", {{0, 0, 0}, {2, 0, 0}, {4, 0, 0}, {4, 3, 0}}, {8.0f / 3, 1, 0}},
      {"no area at all", {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}}, {0, 0, 0}},
      // Two triangles: 0,0 4,0 4,4 (area 8) and 0,0 4,4 0,1 (area 2).
      {"uneven fan", {{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 1, 0}}, {2.4f, 1.4f, 0}},
      {"an undefined face", {{0, 0, 1}, {4, 0, 1}, {4, 4, 1}}, {0, 0, 0}, kUndefinedFace},
      {"a point", {{0, 0, 1}, {4, 0, 1}, {4, 4, 1}}, {0, 0, 0}, kPoint},
      {"no cell", {{0, 0, 1}, {4, 0, 1}, {4, 4, 1}}, {0, 0, 0}, kMissing},
  };
  for (const auto& c : cases) {
    CGFace* face = FaceOn(c.corners);
    face->m_bDefined = c.target != kUndefinedFace;
    const WORD id = c.target == kPoint ? AddPoint(3, 3, 3)->m_nId : c.target == kMissing ? WORD(999) : face->m_nId;
    float x = -9, y = -9, z = -9;
    FaceCentroid(id, &x, &y, &z);
    EXPECT_NEAR(x, c.expected[0], 1e-5) << c.what;
    EXPECT_NEAR(y, c.expected[1], 1e-5) << c.what;
    EXPECT_NEAR(z, c.expected[2], 1e-5) << c.what;
  }
}

// Even a face far longer than wide spreads its picture over the unit square.
TEST_F(FaceTest, TextureCoordinatesUnfoldTheFaceIntoTheUnitSquare) {
  const std::vector<float> square = {0, 0, 1, 0, 1, 1, 0, 1};
  const struct { const char* what; Corners corners; std::vector<float> uv; double tolerance; } cases[] = {
      {"upright, 4 by 2", {{1, 1, 5}, {1, 1, 9}, {1, 3, 9}, {1, 3, 5}}, square, 1e-5},
      {"thin, far out", {{100, 200, 3}, {110, 200, 3}, {110, 200.01f, 3}, {100, 200.01f, 3}}, square, 1e-3},
      {"thin, upright", {{0, 0, 0}, {0, 30, 0}, {0, 30, 0.1f}, {0, 0, 0.1f}}, square, 1e-3},
      {"thin parallelogram", {{0, 0, 0}, {8, 0, 0}, {12, 0.02f, 0}, {4, 0.02f, 0}},
       {0, 0, 2.0f / 3, 0, 1, 1, 1.0f / 3, 1}, 1e-3},
  };
  for (const auto& c : cases) {
    CGFace* face = FaceOn(c.corners);
    face->RebuildTexCoords();
    EXPECT_EQ(face->TexCoordsDirty, 0) << c.what;
    ASSERT_EQ(face->TexCoords.size(), c.uv.size()) << c.what;
    for (size_t i = 0; i < c.uv.size(); ++i) EXPECT_NEAR(face->TexCoords[i], c.uv[i], c.tolerance) << c.what << ": " << i;
  }

  // Degenerate corners still give finite coordinates in [0, 1].
  for (Corners corners : {Corners{{0, 0, 0}, {2, 0, 0}, {5, 0, 0}},   // collinear
                          Corners{{0, 0, 0}, {2, 0, 0}, {0, 0, 0}},   // a corner on V0
                          Corners{{0, 0, 0}, {0, 0, 0}, {0, 2, 0}},   // V1 on V0
                          Corners{{1, 1, 1}, {1, 1, 1}, {1, 1, 1}}}) {  // no extent at all
    CGFace* face = FaceOn(corners);
    face->RebuildTexCoords();
    ASSERT_EQ(face->TexCoords.size(), 6u);
    for (float c : face->TexCoords) {
      EXPECT_TRUE(std::isfinite(c));
      EXPECT_GE(c, 0.0f);
      EXPECT_LE(c, 1.0f);
    }
  }
}

}  // namespace
