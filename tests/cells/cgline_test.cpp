#include <gtest/gtest.h>

#include <cmath>

#include "celltestsupport.h"
#include "model/vertexarray.h"

namespace KAVREL_FILE_LOCAL {

class LineTest : public CellTest {
 protected:
  // A at the origin, B at (10, 0, 0), the line on them.
  CGLine* Line(BYTE kind) {
    a = AddPoint(0, 0, 0);
    b = AddPoint(10, 0, 0);
    return AddLine(a->m_nId, b->m_nId, kind);
  }
  // The same on a page of its own, for one row of a table.
  CGLine* FreshLine(BYTE kind) {
    page = std::make_unique<CGPage>();
    SetCurrentPage(page.get());
    return Line(kind);
  }
  CGVertex* a = nullptr;
  CGVertex* b = nullptr;
};

TEST_F(LineTest, NewLineIsNamedAfterItsPointsWithItsLabelBesideTheMiddle) {
  CGLine* line = Line(kLineRay);
  EXPECT_EQ(line->m_strName, "AB");
  EXPECT_EQ(line->m_nSubKind, kLineRay);
  EXPECT_EQ(line->m_parents, (std::vector<WORD>{1, 2}));
  EXPECT_EQ(a->m_children, (std::vector<WORD>{3}));
  EXPECT_EQ(b->m_children, (std::vector<WORD>{3}));
  EXPECT_TRUE(line->m_bDefined);
  EXPECT_TRUE(line->m_bLabelHidden);
  EXPECT_EQ(line->m_rgbaColor, (RGBA{0, 0, 128, 255}));
  EXPECT_EQ(line->m_fSize, 2.0f);
  EXPECT_EQ(line->LabelParam, 0.5f);
  // 10 pixels of 0.05 world units on each axis.
  for (float v : line->LabelOffset) EXPECT_FLOAT_EQ(v, 0.5f);
  EXPECT_FLOAT_EQ(line->m_vLabelAnchor[0], 5.5f);
  EXPECT_FLOAT_EQ(line->m_vLabelAnchor[1], 0.5f);
  EXPECT_FLOAT_EQ(line->m_vLabelAnchor[2], 0.5f);
  EXPECT_EQ(line->VertexIndices[0], a->VertexIndex);
  EXPECT_EQ(line->VertexIndices[1], b->VertexIndex);
}

TEST_F(LineTest, DescribesItselfByKind) {
  const struct { BYTE kind; const char* text; } cases[] = {
      {kLineSegment, "点A、B 确定的线段"}, {kLineRay, "点A、B 确定的射线"}, {kLineFull, "点A、B 确定的直线"},
      {kLineVector, "点A、B 确定的向量"}, {7, "点A、B 确定的向量"},
  };
  CGLine* line = Line(kLineSegment);
  for (const auto& c : cases) {
    line->m_nSubKind = c.kind;
    EXPECT_EQ(line->GetDescription(), QString::fromUtf8(c.text)) << int(c.kind);
  }
  // Names are inserted as they are, even when they look like format markers.
  a->m_strName = "%1%s";
  EXPECT_EQ(line->GetDescription(), QString::fromUtf8("点%1%s、B 确定的向量"));
}

TEST_F(LineTest, RebindsItsSlotsAfterTheVertexArrayIsRebuilt) {
  CGVertex* spare = AddPoint(5, 5, 5);
  CGLine* line = Line(kLineSegment);
  ASSERT_EQ(line->VertexIndices[0], 2);
  ASSERT_EQ(line->VertexIndices[1], 3);
  delete page->m_cells.RemoveKey(spare->m_nId);
  page->RebuildVertexArray();
  EXPECT_EQ(line->VertexIndices[0], a->VertexIndex);
  EXPECT_EQ(line->VertexIndices[1], b->VertexIndex);
  EXPECT_EQ(line->VertexIndices[0], 1);
  EXPECT_EQ(line->VertexIndices[1], 2);
}

TEST_F(LineTest, FollowsTheDefinedFlagOfItsPointsAndKeepsTheLabelBesideThem) {
  CGLine* line = Line(kLineSegment);
  a->m_bDefined = false;
  b->m_vPos[0] = 20;
  line->Recalculate();
  EXPECT_FALSE(line->m_bDefined);
  EXPECT_FLOAT_EQ(line->m_vLabelAnchor[0], 5.5f);  // nothing else changed
  a->m_bDefined = true;
  line->Recalculate();
  EXPECT_TRUE(line->m_bDefined);
  EXPECT_FLOAT_EQ(line->m_vLabelAnchor[0], 10.5f);
  // A point that is gone, or a parent that is no point, leaves it undefined.
  line->m_parents[1] = 99;
  line->Recalculate();
  EXPECT_FALSE(line->m_bDefined);
  line->m_parents[1] = line->m_nId;
  line->Recalculate();
  EXPECT_FALSE(line->m_bDefined);
  EXPECT_EQ(line->GetLength(), 0.0f);
  EXPECT_EQ(line->FootParameter(a->m_vPos), 0.0f);
}

TEST_F(LineTest, UpdateLabelRenamesUnlessTheUserFixedTheName) {
  CGLine* line = Line(kLineSegment);
  a->m_strName = "P";
  line->m_bLabelStale = false;
  line->UpdateLabel();
  EXPECT_EQ(line->m_strName, "PB");
  EXPECT_TRUE(line->m_bLabelStale);
  line->m_strName = "g";
  line->m_bNameFixed = true;
  line->m_bLabelStale = false;
  line->UpdateLabel();
  EXPECT_EQ(line->m_strName, "g");
  EXPECT_FALSE(line->m_bLabelStale);
}

TEST_F(LineTest, MeasuresAndSamplesItself) {
  CGLine* line = Line(kLineSegment);
  b->m_vPos[1] = 10;  // B at (10, 10, 0)
  EXPECT_FLOAT_EQ(line->GetLength(), std::sqrt(200.0f));
  double out[3];
  line->PointAt(-0.5, out);  // not clamped
  EXPECT_DOUBLE_EQ(out[0], -5);
  EXPECT_DOUBLE_EQ(out[1], -5);
  line->PointAt(1.5, out);
  EXPECT_DOUBLE_EQ(out[0], 15);
  EXPECT_DOUBLE_EQ(out[2], 0);
  a->m_vPos[2] = 2;  // A at (0, 0, 2), B at (10, 10, 12)
  b->m_vPos[2] = 12;
  const float p[3] = {5, 5, 10};
  EXPECT_FLOAT_EQ(line->FootParameter(p), 0.6f);
  EXPECT_FLOAT_EQ(line->GetLength(), std::sqrt(300.0f));
}

TEST_F(LineTest, FootParameterIsClampedByTheKind) {
  const struct {
    BYTE kind;
    float x;  // the point (x, 3, 0), A at 0 and B at bx on the x axis
    float t;
    float bx = 10;
  } cases[] = {
      {kLineSegment, -5, 0}, {kLineSegment, 4, 0.4f}, {kLineSegment, 15, 1},
      {kLineVector, -5, 0},  {kLineVector, 15, 1},    {kLineRay, -5, 0},
      {kLineRay, 15, 1.5f},  {kLineFull, -5, -0.5f},  {kLineFull, 15, 1.5f},
      {kLineFull, -4, 0, 0.0005f},  // coinciding points: |AB|^2 below 1e-6
  };
  for (const auto& c : cases) {
    CGLine* line = FreshLine(c.kind);
    b->m_vPos[0] = c.bx;
    const float p[3] = {c.x, 3, 0};
    EXPECT_FLOAT_EQ(line->FootParameter(p), c.t) << int(c.kind) << " x " << c.x << " bx " << c.bx;
  }
}

// Dragging the label with the view ray straight down through (x, y): the
// label's base goes to the foot on the line, the offset is capped at 40 px.
TEST_F(LineTest, DragLabelKeepsSegmentLabelsBetweenTheEndsAndLetsLinesRoam) {
  const struct { BYTE kind; double x, y; bool moves; } cases[] = {
      {kLineSegment, 3, 1, true},   {kLineSegment, -1, 1, false}, {kLineSegment, 11, 1, false},
      {kLineVector, 12, 1, false},  {kLineRay, -1, 1, false},     {kLineRay, 30, 1, true},
      {kLineFull, -20, 1, true},    {kLineFull, 30, 1, true},
  };
  for (const auto& c : cases) {
    CGLine* line = FreshLine(c.kind);
    const float before[3] = {line->m_vLabelAnchor[0], line->m_vLabelAnchor[1], line->m_vLabelAnchor[2]};
    RayDownZ(c.x, c.y);
    line->DragLabel();
    if (!c.moves) {
      EXPECT_EQ(line->LabelParam, 0.5f) << int(c.kind) << " at " << c.x;
      for (int i = 0; i < 3; ++i) EXPECT_EQ(line->m_vLabelAnchor[i], before[i]);
      continue;
    }
    EXPECT_FLOAT_EQ(line->LabelParam, static_cast<float>(c.x / 10)) << int(c.kind) << " at " << c.x;
    EXPECT_FLOAT_EQ(line->m_vLabelAnchor[0], static_cast<float>(c.x));
    EXPECT_FLOAT_EQ(line->m_vLabelAnchor[1], 1.0f);
    EXPECT_NEAR(line->m_vLabelAnchor[2], 0.0f, 1e-6f);
    // The label keeps its place when the points move.
    b->m_vPos[0] = 20;
    line->Recalculate();
    EXPECT_FLOAT_EQ(line->m_vLabelAnchor[0], static_cast<float>(c.x * 2));
  }
}

TEST_F(LineTest, DraggedLabelStaysWithinFortyPixelsOfTheLine) {
  CGLine* line = Line(kLineSegment);
  RayDownZ(4, 7);  // 7 units off; 40 px are 2 units
  line->DragLabel();
  EXPECT_FLOAT_EQ(line->LabelOffset[0], 0);
  EXPECT_FLOAT_EQ(line->LabelOffset[1], 2.0f);
  EXPECT_FLOAT_EQ(line->m_vLabelAnchor[0], 4);
  EXPECT_FLOAT_EQ(line->m_vLabelAnchor[1], 2);
  // A ray along the line cannot place the label, nor find a nearest point.
  g_dRayNear[0] = -100;
  g_dRayFar[0] = 100;
  g_dRayNear[1] = g_dRayFar[1] = 0;
  g_dRayNear[2] = g_dRayFar[2] = 0;
  line->DragLabel();
  EXPECT_FLOAT_EQ(line->m_vLabelAnchor[1], 2);
  float out[3] = {7, 7, 7};
  double t = 7, distance = 7;
  EXPECT_FALSE(line->NearestToRay(out, &t, &distance, 0));
  EXPECT_EQ(out[0], 7);
  EXPECT_EQ(t, 7);
  EXPECT_EQ(distance, 7);
}

TEST_F(LineTest, NearestToRayClampsByKindOrAlways) {
  const struct { BYTE kind; int clampAlways; double x; double t; float outX; } cases[] = {
      {kLineSegment, 0, 15, 1, 10}, {kLineSegment, 0, -3, 0, 0},  {kLineRay, 0, -3, 0, 0},
      {kLineRay, 0, 15, 1.5, 15},   {kLineFull, 0, -3, -0.3, -3}, {kLineFull, 1, -3, 0, 0},
      {kLineFull, 1, 15, 1, 10},    {kLineSegment, 0, 4, 0.4, 4},
  };
  for (const auto& c : cases) {
    CGLine* line = FreshLine(c.kind);
    RayDownZ(c.x, 2);
    float out[3] = {};
    double t = -9, distance = -9;
    ASSERT_TRUE(line->NearestToRay(out, &t, &distance, c.clampAlways));
    EXPECT_NEAR(t, c.t, 1e-6) << int(c.kind) << " clamp " << c.clampAlways << " x " << c.x;
    EXPECT_FLOAT_EQ(out[0], c.outX);
    // Distance from the vertical ray through (x, 2).
    EXPECT_NEAR(distance, std::hypot(c.outX - c.x, 2.0), 1e-5);
  }
}

}  // namespace
