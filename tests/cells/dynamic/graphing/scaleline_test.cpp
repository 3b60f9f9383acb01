#include "cells/dynamic/graphing/scaleline.h"

#include <cmath>
#include <limits>
#include <string>

#include "cells/celltestsupport.h"
#include "cells/constrained/linepoints.h"
#include "cells/dynamic/graphing/scalelinelayout.h"

namespace KAVREL_FILE_LOCAL {

// Axes from -12 to 12 at p world units per pixel (20 pixels per unit: 0.05).
CScaleInput Axes(float p = 0.05f, float reach = 12) {
  CScaleInput in;
  in.xMin = in.yMin = -reach;
  in.xMax = in.yMax = reach;
  in.p = p;
  return in;
}

CScaleLayout Layout(CScaleInput in) {
  CScaleLayout out;
  LayoutScale(in, out);
  return out;
}

// "text@x,y" of every label, rounded to two decimals.
std::string Labels(const CScaleLayout& out) {
  std::string s;
  for (const CScaleLabel& l : out.labels) {
    char at[64];
    std::snprintf(at, sizeof at, "@%.2f,%.2f ", l.x, l.y);
    s += ScaleLabelText(l).toStdString() + at;
  }
  return s;
}

TEST(ScaleLayout, NumericAxesAtTwentyPixelsPerUnit) {
  CScaleInput in = Axes();
  in.origin[0] = 100;  // labels follow the origin
  in.origin[1] = 50;
  const CScaleLayout out = Layout(in);
  EXPECT_EQ(out.ticks.size(), 20u) << "±2 ... ±10 on each axis";
  EXPECT_FLOAT_EQ(out.ticks.front().a[0], 102.0f);
  EXPECT_FLOAT_EQ(out.ticks.front().b[1], 50.3f);
  EXPECT_EQ(Labels(out),
            "2@101.82,49.20 4@103.82,49.20 6@105.82,49.20 8@107.82,49.20 10@109.62,49.20 "
            "2@99.20,51.70 4@99.20,53.70 6@99.20,55.70 8@99.20,57.70 10@98.90,59.70 "
            "-2@97.60,49.20 -4@95.60,49.20 -6@93.60,49.20 -8@91.60,49.20 -10@89.40,49.20 "
            "-2@99.00,47.70 -4@99.00,45.70 -6@99.00,43.70 -8@99.00,41.70 -10@98.70,39.70 ");
  EXPECT_TRUE(out.strokes.empty() && out.thinGrid.empty() && out.circles.empty());
}

TEST(ScaleLayout, LongerNumbersStandFurtherLeft) {
  CScaleInput in = Axes(0.05f, 1200);
  in.autoSpacing = false;
  in.tickSpacing = in.labelSpacing = 100;
  const CScaleLayout out = Layout(in);
  struct Row {
    const char* text;
    double x, y;
  } const rows[] = {{"100", 100 - 0.58, -0.8},     {"1000", 1000 - 0.78, -0.8},  {"-100", -100 - 0.8, -0.8},
                    {"-1000", -1000 - 1.0, -0.8},  {"100", -1.5, 100 - 0.3},     {"1000", -1.9, 1000 - 0.3},
                    {"-100", -1.9, -100 - 0.3},    {"-1000", -2.3, -1000 - 0.3}};
  for (const Row& row : rows) {
    bool found = false;
    for (const CScaleLabel& l : out.labels)
      found |= ScaleLabelText(l) == QString::fromLatin1(row.text) && std::fabs(l.x - row.x) < 1e-4 &&
               std::fabs(l.y - row.y) < 1e-4;
    EXPECT_TRUE(found) << row.text << " at " << row.x << ", " << row.y;
  }
}

TEST(ScaleLayout, SpacingLabelsAndModes) {
  struct Row {
    const char* what;
    float p;
    bool autoSpacing;
    float spacing;
    bool trig;
    bool xOnly;
    std::string labels;
  };
  const Row rows[] = {
      // As many as multiples of 2.5 fit, each at its whole value.
      {"whole labels of 2.5 read 2, 4, 6, 8", 0.05f, false, 2.5f, false, true,
       "2@1.82,-0.80 4@3.82,-0.80 6@5.82,-0.80 8@7.82,-0.80 -2@-2.40,-0.80 -4@-4.40,-0.80 -6@-6.40,-0.80 "
       "-8@-8.40,-0.80 "},
      {"decimal labels", 0.05f, false, 0.5f, false, true, ""},
      // A spacing read from a file just under 1 still labels in ones.
      {"whole labels of 0.99995 read 1, 2, 3", 0.05f, false, 0.99995f, false, true,
       "1@0.82,-0.80 2@1.82,-0.80 3@2.82,-0.80 4@3.82,-0.80 5@4.82,-0.80 6@5.82,-0.80 7@6.82,-0.80 "
       "8@7.82,-0.80 9@8.82,-0.80 10@9.62,-0.80 -1@-1.40,-0.80 -2@-2.40,-0.80 -3@-3.40,-0.80 "
       "-4@-4.40,-0.80 -5@-5.40,-0.80 -6@-6.40,-0.80 -7@-7.40,-0.80 -8@-8.40,-0.80 -9@-9.40,-0.80 "
       "-10@-10.60,-0.80 -11@-11.60,-0.80 "},
      {"pi labels, no halves at this zoom", 0.05f, true, 2, true, true,
       "π@2.79,-1.20 2π@5.93,-1.20 3π@9.07,-1.20 π@-3.49,-1.20 2π@-6.63,-1.20 3π@-9.77,-1.20 "},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    CScaleInput in = Axes(row.p);
    in.autoSpacing = row.autoSpacing;
    in.tickSpacing = in.labelSpacing = row.spacing;
    in.trigonometric = row.trig;
    in.xOnly = row.xOnly;
    const CScaleLayout out = Layout(in);
    if (row.what == rows[1].what) {
      ASSERT_GE(out.labels.size(), 2u);
      EXPECT_EQ(ScaleLabelText(out.labels[0]), QStringLiteral("0.5"));
      EXPECT_EQ(ScaleLabelText(out.labels[1]), QStringLiteral("1.0"));
      EXPECT_FLOAT_EQ(static_cast<float>(out.labels[0].x), 0.5f - 0.58f);
      continue;
    }
    EXPECT_EQ(Labels(out), row.labels);
    for (const CScaleSegment& t : out.ticks) EXPECT_EQ(t.a[0] == t.b[0], true) << "x ticks only";
  }
}

TEST(ScaleLayout, TrigonometricHalvesOnlyWhenAUnitIsWide) {
  CScaleInput in = Axes(0.02f, 6);  // 50 pixels per unit: u = 0.4
  in.trigonometric = true;
  const CScaleLayout out = Layout(in);
  // x: π/2 "π" over "2", π, 3π/2 "3π" over "2"; each side.
  std::vector<std::string> texts;
  for (const CScaleLabel& l : out.labels)
    if (l.y < 0 && l.y > -1) texts.push_back(ScaleLabelText(l).toStdString());
  EXPECT_EQ(texts.size(), 10u);
  EXPECT_EQ(texts[0] + texts[1] + texts[2] + texts[3] + texts[4], "π2π3π2");
  // Bars of the four halves, minus signs of the three negative labels.
  EXPECT_EQ(out.strokes.size(), 4u + 3u);
  EXPECT_FLOAT_EQ(out.strokes[0].b[0], 1.5707964f + 0.75f * 0.4f);
  // The y axis: whole numbers step 1 (automatic spacing, 50p < 1).
  int y = 0;
  for (const CScaleLabel& l : out.labels) y += l.x < -0.2 && l.y > -5 && ScaleLabelText(l) == QStringLiteral("1") ? 1 : 0;
  EXPECT_EQ(y, 1);
}

TEST(ScaleLayout, GridsAndAutomaticSpacing) {
  CScaleInput square = Axes();
  square.grid = 1;
  const CScaleLayout s = Layout(square);
  EXPECT_EQ(s.thinGrid.size() + s.thickGrid.size(), 50u);
  EXPECT_EQ(s.thickGrid.size(), 10u) << "multiples of 5, both directions";
  CScaleInput polar = Axes();
  polar.grid = 2;
  const CScaleLayout p = Layout(polar);
  EXPECT_EQ(p.circles.size(), 12u);
  EXPECT_EQ(p.diameters.size(), 24u);
  EXPECT_FLOAT_EQ(p.diameters[6].b[1], 12.0f);

  EXPECT_EQ(AutomaticScaleSpacing(0.05f), 2.0f);
  EXPECT_EQ(AutomaticScaleSpacing(0.0001f), 0.1f);
  EXPECT_EQ(AutomaticScaleSpacing(29.0f), 1000.0f);
  EXPECT_EQ(AutomaticScaleSpacing(30.0f), 2000.0f) << "50p = 1500";
  CScaleInput zoomedOut = Axes(30.0f);
  LayoutScale(zoomedOut, *std::make_unique<CScaleLayout>());
  EXPECT_EQ(zoomedOut.tickSpacing, 2000.0f);
  EXPECT_EQ(zoomedOut.labelSpacing, 2000.0f);
}

TEST(ScaleLayout, HostileSpacingsAndExtentsStayBounded) {
  const float inf = std::numeric_limits<float>::infinity();
  for (float spacing : {0.0f, -2.0f, std::numeric_limits<float>::quiet_NaN(), inf}) {
    SCOPED_TRACE(spacing);
    CScaleInput in = Axes();
    in.autoSpacing = false;
    in.tickSpacing = in.labelSpacing = spacing;
    const CScaleLayout out = Layout(in);
    EXPECT_TRUE(out.ticks.empty());
    EXPECT_TRUE(out.labels.empty());
  }
  CScaleInput far = Axes(0.05f, 1e8f);  // t + 2 stops growing long before the end
  far.autoSpacing = false;
  const CScaleLayout f = Layout(far);
  EXPECT_EQ(f.ticks.size(), 4u * kMaxScaleSteps);
  CScaleInput huge = Axes(0.05f, 1e9f);
  huge.autoSpacing = false;
  huge.tickSpacing = huge.labelSpacing = 0.1f;
  huge.grid = 1;
  const CScaleLayout h = Layout(huge);
  EXPECT_EQ(h.thinGrid.size() + h.thickGrid.size(), 2u * (2 * kMaxScaleGrid + 1));
  huge.grid = 2;
  EXPECT_EQ(Layout(huge).circles.size(), static_cast<size_t>(kMaxScaleGrid));
}

class ScalelineTest : public CellTest {
 protected:
  CGVerFreeParVector* End(WORD origin, float dx, float dy, float value) {
    auto* end = new CGVerFreeParVector(page->m_nNextId++, page->m_nNextVertex++, "e", dx, dy, 0, origin);
    page->m_cells.SetAt(end->m_nId, end);
    end->m_fValue = value;
    end->Recalculate();
    return end;
  }
  CGScaleline* Scale() {
    const WORD o = AddPoint(1, 2, 3)->m_nId;
    for (float v : {-12.0f, 12.0f}) ends.push_back(End(o, 1, 0, v)->m_nId);
    for (float v : {-6.0f, 6.0f}) ends.push_back(End(o, 0, 1, v)->m_nId);
    auto* s = new CGScaleline(page->m_nNextId++, o, ends[0], ends[1], ends[2], ends[3], 2.0f, 2.0f);
    page->m_cells.SetAt(s->m_nId, s);
    return s;
  }
  std::vector<WORD> ends;
};

TEST_F(ScalelineTest, FollowsItsEndsAndRefusesTheWrongSide) {
  CGScaleline* s = Scale();
  EXPECT_TRUE(s->m_bDefined);
  EXPECT_EQ(s->m_bLabelHidden, 0);
  EXPECT_EQ(s->m_strName, QStringLiteral("二维轴部件"));
  EXPECT_EQ(s->GetDescription(), QStringLiteral("2维坐标轴上刻度线及刻度值"));
  EXPECT_EQ((std::vector<float>{s->Origin[0], s->Origin[1], s->XMin, s->XMax, s->YMin, s->YMax}),
            (std::vector<float>{1, 2, -12, 12, -6, 6}));
  for (WORD e : ends) EXPECT_EQ(page->m_cells.Lookup(e)->m_children.back(), s->m_nId);
  page->m_cells.Lookup(ends[1])->m_fValue = 0;  // on the origin: accepted
  s->Recalculate();
  EXPECT_TRUE(s->m_bDefined);
  page->m_cells.Lookup(ends[2])->m_fValue = 1;  // negative y end above the origin
  s->Recalculate();
  EXPECT_FALSE(s->m_bDefined);
  EXPECT_EQ(s->XMax, 0) << "read before the failing end";
  EXPECT_EQ(s->YMin, -6) << "kept";
}

TEST_F(ScalelineTest, RecordAddsTheSpacingsAndLoadWantsFivePoints) {
  CGScaleline* s = Scale();
  s->AutoSpacing = 0;
  s->TickSpacing = 0.5f;
  s->LabelSpacing = 5.0f;
  s->SetGridMode(2);
  CArchive common;
  s->CGCell::Serialize(common);
  RecordBytes tail;
  tail.i32(0).f32(0.5f).f32(5.0f);
  const QByteArray record = common.Bytes() + tail.get();
  EXPECT_EQ(StoreCell(*s).toHex(), record.toHex());
  CGScaleline read;
  CArchive in(record);
  read.Serialize(in);
  EXPECT_EQ(in.Remaining(), 0);
  EXPECT_EQ(read.GridMode(), 2);
  EXPECT_EQ(StoreCell(read).toHex(), record.toHex());
  EXPECT_TRUE(read.FitsLoadedPage(page->m_cells));
  read.m_parents.pop_back();
  EXPECT_FALSE(read.FitsLoadedPage(page->m_cells));
  read.m_parents.push_back(s->m_nId);  // not a point
  EXPECT_FALSE(read.FitsLoadedPage(page->m_cells));
}

}  // namespace
