// The parametric surface: its grid counts, points, normals and texture
// mapping from the surface's own examples, what degenerate or hostile
// ranges and steps leave behind, and its record.
#include <cmath>
#include <limits>

#include "../pathtestsupport.h"
#include "cells/dynamic/surfaces/surface.h"

namespace KAVREL_FILE_LOCAL {

constexpr double kPi = 3.14159265358979323846;

struct SurfaceTexts {
  const char* x;
  const char* y;
  const char* z;
  const char* u0;
  const char* u1;
  const char* v0;
  const char* v1;
  int form = 0;
  double uStep = 0.1;
  double vStep = 0.1;
};

class SurfaceTest : public PathTest {
 protected:
  CGSurface* Surface(const SurfaceTexts& s, const std::vector<WORD>& parents = {}, BYTE style = kSurfaceLit,
                     int userTexture = 0) {
    auto* surface = new CGSurface(page->m_nNextId, parents, s.x, s.y, s.z, s.u0, s.u1, s.v0, s.v1, style, 1, 0,
                                  userTexture, s.form, s.uStep, s.vStep, 2, 3, 4, 5, 6, 7);
    Put(surface);
    return surface;
  }
  static double Length(const double* p) { return std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]); }
};

TEST_F(SurfaceTest, CountsPointsAndMappingOfTheExamples) {
  struct Case {
    const char* what;
    SurfaceTexts texts;
    int columns, rows;
    double uScale, uOffset, vScale, vOffset;
  };
  const Case cases[] = {
      {"cylinder", {"5", "u", "v", "0", "2*pi", "-8", "8", 2, 0.2, 1.0}, 33, 18, 1 / (2 * kPi), 0, 0.0625, 0.5},
      {"sphere", {"6", "v", "u", "0", "2*pi", "-pi", "0", 1, 0.2, 0.2}, 33, 17, 1 / (2 * kPi), 0, 1 / kPi, 1},
      {"unit sphere", {"1", "v", "u", "0", "6.2831853", "0", "3.1415927", 1, 0.1, 0.1}, 64, 33, 1 / 6.2831853, 0,
       1 / 3.1415927, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CGSurface* s = Surface(c.texts);
    ASSERT_TRUE(s->m_bDefined);
    EXPECT_EQ(s->ColumnCount, c.columns);
    EXPECT_EQ(s->RowCount, c.rows);
    EXPECT_NEAR(s->TexUScale, c.uScale, 1e-12);
    EXPECT_NEAR(s->TexUOffset, c.uOffset, 1e-12);
    EXPECT_NEAR(s->TexVScale, c.vScale, 1e-12);
    EXPECT_NEAR(s->TexVOffset, c.vOffset, 1e-12);
    EXPECT_EQ(s->TexSecondCoef, 3);
    EXPECT_EQ(s->TexFourthCoef, 5);
  }
  CGSurface* cylinder = Surface(cases[0].texts);
  const ParametricGrid& g = cylinder->Grid();
  const double* p = g.Point(17, 32);
  EXPECT_NEAR(p[0], 5 * std::cos(2 * kPi), 1e-9);
  EXPECT_NEAR(p[1], 5 * std::sin(2 * kPi), 1e-9);
  EXPECT_NEAR(p[2], 8, 1e-12);
  p = g.Point(3, 5);
  EXPECT_NEAR(p[0], 5 * std::cos(g.U(5)), 1e-12);
  EXPECT_NEAR(p[1], 5 * std::sin(g.U(5)), 1e-12);
  EXPECT_NEAR(p[2], -8 + 3 * 16.0 / 17, 1e-12);

  const ParametricGrid& sphere = Surface(cases[2].texts)->Grid();
  for (int i = 0; i < sphere.Rows(); ++i)
    for (int j = 0; j < sphere.Columns(); ++j) ASSERT_NEAR(Length(sphere.Point(i, j)), 1, 1e-6) << i << "," << j;
}

TEST_F(SurfaceTest, ReversedRangeGivesTheColumnsBackwards) {
  const ParametricGrid& forward = Surface({"u", "v", "u*v", "0", "2", "0", "1", 0, 0.25, 0.5})->Grid();
  const ParametricGrid& backward = Surface({"u", "v", "u*v", "2", "0", "0", "1", 0, 0.25, 0.5})->Grid();
  ASSERT_EQ(forward.Columns(), 10);
  ASSERT_EQ(backward.Columns(), 10);
  for (int i = 0; i < forward.Rows(); ++i)
    for (int j = 0; j < forward.Columns(); ++j)
      for (int k = 0; k < 3; ++k) EXPECT_NEAR(forward.Point(i, j)[k], backward.Point(i, 9 - j)[k], 1e-12);
}

TEST_F(SurfaceTest, UserMappingIsLeftAlone) {
  CGSurface* s = Surface({"u", "v", "0", "0", "4", "0", "2"}, {}, kSurfaceLit, 1);
  ASSERT_TRUE(s->m_bDefined);
  EXPECT_TRUE(s->TexUScale == 2 && s->TexUOffset == 4 && s->TexVScale == 6 && s->TexVOffset == 7);
}

TEST_F(SurfaceTest, NormalsPointOutOfTheGridNeverZero) {
  // The unit sphere's parameters turn its normals inwards.
  const ParametricGrid& g = Surface({"1", "v", "u", "0", "6.2831853", "0", "3.1415927", 1, 0.1, 0.1})->Grid();
  const double* n = g.Normal(16, 20);
  const double* p = g.Point(16, 20);
  EXPECT_LT((n[0] * p[0] + n[1] * p[1] + n[2] * p[2]) / (Length(n) * Length(p)), -0.99);
  for (int i = 0; i < g.Rows(); ++i)
    for (int j = 0; j < g.Columns(); ++j) ASSERT_GT(Length(g.Normal(i, j)), 0) << i << "," << j;

  // A fine plane: the product of two short differences is small but not
  // degenerate, so every normal stays along z.
  const ParametricGrid& plane = Surface({"u", "v", "0", "0", "1", "0", "1", 0, 0.02, 0.02})->Grid();
  for (int i = 0; i < plane.Rows(); ++i)
    for (int j = 0; j < plane.Columns(); ++j) {
      const double* m = plane.Normal(i, j);
      ASSERT_TRUE(m[0] == 0 && m[1] == 0 && m[2] > 0) << i << "," << j;
    }

  // A surface shrunk to one point: every product vanishes, so the normal is
  // the point itself, or along z for a point this near the origin.
  struct Point {
    const char* x;
    double normal[3];
  } points[] = {{"2", {2, 0, 0}}, {"0.0005", {0, 0, 1}}};
  for (const Point& c : points) {
    const ParametricGrid& dot = Surface({c.x, "0", "0", "0", "1", "0", "1", 0, 0.5, 0.5})->Grid();
    const double* m = dot.Normal(2, 2);
    EXPECT_TRUE(m[0] == c.normal[0] && m[1] == c.normal[1] && m[2] == c.normal[2]) << c.x;
  }
}

TEST_F(SurfaceTest, DegenerateAndHostileRangesAndSteps) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct Case {
    const char* what;
    SurfaceTexts texts;
    bool defined;
    int columns, rows;
  };
  const Case cases[] = {
      {"division by zero", {"u", "v", "0", "0", "1/0", "0", "1"}, false, 0, 0},
      {"no expression", {"u", "v", "0", "0", "1", "abc", "1"}, false, 0, 0},
      {"equal ends", {"u", "v", "0", "0", "1", "0", "0", 0, 0.5, 0.5}, true, 4, 2},
      {"equal u ends", {"u", "v", "0", "2", "2", "0", "1", 0, 0.5, 0.5}, true, 2, 4},
      {"zero step", {"u", "v", "0", "0", "1", "0", "1", 0, 0, 0.5}, false, 0, 0},
      {"negative step", {"u", "v", "0", "0", "1", "0", "1", 0, 0.5, -0.1}, false, 0, 0},
      {"NaN step", {"u", "v", "0", "0", "1", "0", "1", 0, nan, 0.5}, false, 0, 0},
      {"tiny step", {"u", "v", "0", "0", "1", "0", "1", 0, 1e-30, 0.5}, true, kMaxSurfaceSamples, 4},
      {"huge range", {"u", "v", "0", "0", "10^12", "0", "1", 0, 0.5, 0.5}, true, kMaxSurfaceSamples, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CGSurface* s = Surface(c.texts);
    EXPECT_EQ(s->m_bDefined, c.defined);
    if (!c.defined) continue;
    EXPECT_EQ(s->ColumnCount, c.columns);
    EXPECT_EQ(s->RowCount, c.rows);
    EXPECT_TRUE(s->Mapping().IsFinite());
  }
  CGSurface* flat = Surface(cases[2].texts);
  EXPECT_TRUE(flat->TexVScale == 0 && flat->TexVOffset == 0 && flat->TexUScale == 1);
}

TEST_F(SurfaceTest, FollowsItsParents) {
  CGTmVarParameter* r = Param(5, 1, 10, "r");
  CGSurface* s = Surface({"No1", "u", "v", "0", "2*pi", "-No1", "No1", 2, 0.2, 1.0}, {r->m_nId});
  ASSERT_TRUE(s->m_bDefined);
  EXPECT_EQ(s->RowCount, 12);
  EXPECT_NEAR(Length(s->Grid().Point(0, 0)), std::sqrt(50.0), 1e-12);
  EXPECT_EQ(r->m_children.front(), s->m_nId);
  r->m_fValue = 8;
  s->Recalculate();
  EXPECT_EQ(s->RowCount, 18);
  EXPECT_NEAR(Length(s->Grid().Point(0, 0)), std::sqrt(128.0), 1e-12);
  r->m_bDefined = false;
  s->Recalculate();
  EXPECT_FALSE(s->m_bDefined);
}

TEST_F(SurfaceTest, NewSurfaceColoursAndDescription) {
  CGSurface* s = Surface({"5*cos(u)", "5*sin(u)", "v", "0", "2*pi", "-8", "8"});
  EXPECT_EQ(s->m_rgbaColor, g_prefs.rgbaCurve);
  EXPECT_EQ(s->m_rgbaLabel, (RGBA{153, 153, 153, 255}));
  EXPECT_EQ(s->GetDescription(), QString::fromUtf8("自定义曲面：x=5*cos(u),y=5*sin(u),z=v"));
}

// The common record, then the seven texts, the steps, the texture settings
// and the six coefficients in their stored order.
QByteArray SurfaceRecord(WORD id, unsigned parent, double uScale, double vScale) {
  RecordBytes b;
  b.u16(id).str("").u8(1).u32(0).u32(1).u8(kSurfaceTranslucent).u8(0).f32(0).f32(0).f32(0);
  b.u8(0).u8(128).u8(0).u8(255).u8(153).u8(153).u8(153).u8(255);
  b.f32(0).u32(0).u32(0).u32(0).str("");
  b.u8(0).f32(2.0f).u8(0).i32(2).i32(0).i32(0).str("");
  b.i32(0).i32(0).i32(0).i32(0).i32(0).str("");
  b.u16(1).u16(parent).u16(0);
  b.str("No1").str("u").str("v").str("0").str("2*pi").str("-8").str("8");
  b.f64(0.2).f64(1.0).i32(2).i32(1).i32(0);
  // -0 / 2pi: the u offset of a range from 0.
  return b.f64(uScale).f64(3).f64(5).f64(vScale).f64(-0.0).f64(0.5).get();
}

TEST_F(SurfaceTest, RecordLoadingAndPictureUse) {
  g_prefs.fLineWidth = 2.0f;
  CGTmVarParameter* r = Param(5, 1, 10, "r");
  auto* s = new CGSurface(page->m_nNextId, {r->m_nId}, "No1", "u", "v", "0", "2*pi", "-8", "8", kSurfaceTranslucent,
                          2, 1, 0, 2, 0.2, 1.0, 2, 3, 4, 5, 6, 7);
  Put(s);
  const QByteArray want = SurfaceRecord(s->m_nId, r->m_nId, s->TexUScale, 0.0625);
  ArchiveContext context;
  EXPECT_EQ(StoreCell(*s, &context).toHex().toStdString(), want.toHex().toStdString());
  EXPECT_EQ(context.nPictureUseCount[0], 0);
  EXPECT_EQ(context.nPictureUseCount[1], 1);
  EXPECT_EQ(context.nPictureUseCount[2], 1);

  auto* loaded = new CGSurface;
  CArchive in(want);
  loaded->Serialize(in);
  EXPECT_EQ(in.Remaining(), 0);
  EXPECT_TRUE(!loaded->Compiled && loaded->Grid().Empty() && loaded->RowCount == 0);
  delete page->m_cells.SetAt(s->m_nId, loaded);
  loaded->Recalculate();
  EXPECT_TRUE(loaded->m_bDefined && loaded->ColumnCount == 33 && loaded->RowCount == 18);
  EXPECT_EQ(StoreCell(*loaded).toHex(), want.toHex());

  // Cut anywhere, the record fails to load.
  for (int cut : {1, 9, static_cast<int>(want.size()) - 1}) {
    CGSurface partial;
    CArchive part(want.left(want.size() - cut));
    EXPECT_ANY_THROW(partial.Serialize(part)) << cut;
  }
}

TEST_F(SurfaceTest, StoredInfiniteMappingIsReplacedUnlessTheUsers) {
  CGTmVarParameter* r = Param(5, 1, 10, "r");
  const double inf = std::numeric_limits<double>::infinity();
  for (int user : {0, 1}) {
    SCOPED_TRACE(user);
    QByteArray bytes = SurfaceRecord(page->m_nNextId, r->m_nId, inf, std::numeric_limits<double>::quiet_NaN());
    if (user) bytes[bytes.size() - 6 * 8 - 4] = 1;  // the user-texture word
    auto* s = new CGSurface;
    CArchive in(bytes);
    s->Serialize(in);
    EXPECT_TRUE(std::isinf(s->TexUScale));
    Put(s);
    s->Recalculate();
    EXPECT_TRUE(s->m_bDefined);
    EXPECT_EQ(s->Mapping().IsFinite(), user == 0);
  }
}

}  // namespace
