// Constructed and constrained points in the running program (xvfb): a
// document holding one cell of each class opens in the main window, the
// object list shows every description, dragging free parents with the drag
// driver carries the dependants along, and saving again and reloading
// gives the same listing and the same bytes.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidgetItem>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "app/classregistration.h"
#include "app/gui/appenvironment.h"
#include "app/kavrelapp.h"
#include "app/mainwindow.h"
#include "cells/constrained/dependentpoints.h"
#include "cells/constrained/follower.h"
#include "cells/constrained/linepoints.h"
#include "cells/constrained/turningpoints.h"
#include "cells/constructed/follower2d.h"
#include "cells/constructed/horizontalcircles.h"
#include "cells/constructed/intersections.h"
#include "cells/constructed/mirrors.h"
#include "cells/constructed/rotations.h"
#include "cells/constructed/scalings.h"
#include "cells/constructed/translations.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "model/cgpage.h"
#include "model/vertexarray.h"
#include "support/documentfiles.h"
#include "support/pointdrags.h"
#include "support/recorders.h"
#include "ui/objectlist/viewtree.h"

// Centres, feet, circle points and bisectors.
#include "cells/constructed/bisectors.h"
#include "cells/constructed/circleplane.h"
#include "cells/constructed/circlepoints.h"
#include "cells/constructed/commonperpen.h"
#include "cells/constructed/coordinatespoint.h"
#include "cells/constructed/extendedfeet.h"
#include "cells/constructed/trianglecentres.h"
#include "cells/primitives/cgverfreeincircle.h"

// Points on paths and carriers, numeric intersections.
#include "cells/constructed/numeric/numericintersections.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/constructed/paths/combinedpaths.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/dynamic/paths/curve.h"

namespace KAVREL_FILE_LOCAL {

// Builds cells on the current page as the construction commands do.
class PageBuilder {
 public:
  explicit PageBuilder(CGPage& page) : m_page(page) {}
  WORD Free(float x, float y, float z) { return Point<CGVerFreeXyz>(x, y, z); }
  // A point kind: (id, slot, name, args...).
  template <class T, class... Args>
  WORD Point(Args... args) {
    const QString name = m_page.GetNewName(1);
    return Enter(new T(m_page.m_nNextId, m_page.m_nNextVertex++, name, args...));
  }
  // Any other kind: (id, args...).
  template <class T, class... Args>
  WORD Cell(Args... args) {
    return Enter(new T(m_page.m_nNextId, args...));
  }
  // A cell under the next id (which the constructors above were given).
  WORD Enter(CGCell* cell) {
    cell->m_nId = m_page.m_nNextId++;
    m_page.m_cells.SetAt(cell->m_nId, cell);
    return cell->m_nId;
  }

 private:
  CGPage& m_page;
};

// What a family puts on the page: the descriptions the object list must
// show, the free points to drag (each straight down onto a new x, y), the
// points that must move with them, and the relations that must hold.
struct Family {
  QStringList descriptions;
  std::vector<std::pair<WORD, std::array<double, 2>>> drags;
  std::vector<WORD> moved;
  std::function<void(const CCellMap&)> check = [](const CCellMap&) {};
};

const float* Pos(const CCellMap& cells, WORD id) {
  const CGCell* cell = cells.Lookup(id);
  EXPECT_TRUE(cell && cell->IsKindOf(RUNTIME_CLASS(CGVertex)) && cell->m_bDefined) << id;
  static const float none[3] = {0, 0, 0};
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGVertex)) ? static_cast<const CGVertex*>(cell)->m_vPos : none;
}

// (p - a) . (q - b)
double DotOf(const float* p, const float* a, const float* q, const float* b) {
  double sum = 0;
  for (int i = 0; i < 3; ++i) sum += (p[i] - a[i]) * static_cast<double>(q[i] - b[i]);
  return sum;
}
void ExpectAt(const float* p, double x, double y, double z, const char* what) {
  EXPECT_NEAR(p[0], x, 1e-4) << what;
  EXPECT_NEAR(p[1], y, 1e-4) << what;
  EXPECT_NEAR(p[2], z, 1e-4) << what;
}

Family Intersections(PageBuilder& b) {
  const WORD a = b.Free(0, 0, 0), pb = b.Free(4, 0, 0), c = b.Free(0, 4, 0);
  const WORD d = b.Free(1, 1, 3), e = b.Free(1, 1, -3), f = b.Free(2, -4, 0);
  const WORD ab = b.Cell<CGLine>(a, pb, BYTE{kLineFull}), cf = b.Cell<CGLine>(c, f, BYTE{kLineFull});
  const WORD de = b.Cell<CGLine>(d, e, BYTE{kLineSegment});
  const WORD abc = b.Cell<CGFace>(a, pb, c, COLORREF{0x00336699});
  auto* radius = new CGCell;  // any cell with a value gives the radius
  radius->m_strName = QStringLiteral("t");
  radius->m_fValue = 3;
  const WORD t = b.Enter(radius);
  const WORD c1 = b.Cell<CGArcPoint2>(a, pb, BYTE{kArcCircle});
  const WORD c2 = b.Cell<CGArcCenterR>(pb, t, BYTE{kArcArc});
  const WORD ll = b.Point<CGVerIntersection>(ab, cf);
  const WORD lf = b.Point<CGVerIntersectionLF>(de, abc);
  const WORD ls = b.Point<CGVerIntersectionLS>(BYTE{0}, ab, c1);
  const WORD ss = b.Point<CGVerIntersectionSS>(BYTE{1}, c1, c2);
  const WORD follower = b.Point<CGVerFree2dHenchman>(3.0f, 3.0f, d);
  return {QString::fromUtf8("线AB与线CF的交点,线DE与平面ABC的交点,线AB与圆c1的交点,圆c1与圆c2的交点,"
                           "以点A为圆心，过点B的平置圆,以点B为圆心，t为半径的平置弧,随点D移动且等z值的自由点")
              .split(QLatin1Char(',')),
          {{a, {-1, -1}}, {d, {2, 0}}},
          {ll, lf, ls, ss, follower}};
}

Family Constrained(PageBuilder& b) {
  const WORD a = b.Free(0, 0, 0), pb = b.Free(4, 0, 0), c = b.Free(0, 3, 0), l = b.Free(1, 2, 3);
  const WORD ab = b.Cell<CGLine>(a, pb, BYTE{kLineSegment});
  const WORD upright = b.Point<CGVerFreeUpright>(a, pb), equid = b.Point<CGVerFreeUprightEquid>(a, pb);
  const WORD equilateral = b.Point<CGVerFreeEquilateral>(a, pb);
  const WORD parallel = b.Point<CGVerFreeParVector>(0.0f, 0.0f, 1.0f, a);
  const WORD parallelBC = b.Point<CGVerFreeParVecPP>(a, pb, c), perpen = b.Point<CGVerFreePerpen>(a, pb, c);
  const WORD follower = b.Point<CGVerFreeHenchman>(6.0f, 2.0f, 3.0f, l), mid = b.Point<CGVerMid>(ab);
  const WORD perpenEquid = b.Point<CGVerPerpenEquid>(a, pb, c);
  QStringList texts;
  for (WORD id : {upright, equid, equilateral, parallel, parallelBC, perpen, follower, mid, perpenEquid})
    texts << g_pCurCells->Lookup(id)->GetDescription();
  return {texts,
          {{pb, {3, 2}}, {c, {-1, 4}}, {l, {0, 0}}},
          {upright, equid, equilateral, parallelBC, follower, mid},  // the normals stay vertical
          [=](const CCellMap& cells) {
            const float *A = Pos(cells, a), *B = Pos(cells, pb), *C = Pos(cells, c), *L = Pos(cells, l);
            ExpectAt(B, 3, 2, 0, "B dragged");
            const double ab2 = DotOf(B, A, B, A);
            for (WORD id : {upright, equid, perpen, perpenEquid})
              EXPECT_NEAR(DotOf(Pos(cells, id), A, B, A), 0, 1e-4) << "PA perpendicular to AB, " << id;
            for (WORD id : {perpen, perpenEquid})
              EXPECT_NEAR(DotOf(Pos(cells, id), A, C, A), 0, 1e-4) << "PA perpendicular to AC, " << id;
            for (WORD id : {equid, perpenEquid, equilateral})
              EXPECT_NEAR(DotOf(Pos(cells, id), A, Pos(cells, id), A), ab2, 1e-4) << "|PA| = |AB|, " << id;
            const float *e = Pos(cells, equilateral), *p = Pos(cells, parallelBC);
            EXPECT_NEAR(DotOf(e, B, e, B), ab2, 1e-4) << "|PB| = |AB|";
            ExpectAt(Pos(cells, parallel), A[0], A[1], A[2] + 8, "on the line along z");
            const double along = DotOf(p, A, C, B);  // PA parallel to BC: Cauchy-Schwarz holds with equality
            EXPECT_NEAR(along * along / (DotOf(p, A, p, A) * DotOf(C, B, C, B)), 1, 1e-6) << "PA parallel to BC";
            ExpectAt(Pos(cells, follower), L[0] + 5, L[1], L[2], "the offset");
            ExpectAt(Pos(cells, mid), (A[0] + B[0]) / 2, (A[1] + B[1]) / 2, 0, "midpoint");
          }};
}

// --- Centres, feet, circle points and bisectors -------------------------------

Family CentresAndFeet(PageBuilder& b) {
  const WORD a = b.Free(0, 0, 0), pb = b.Free(4, 0, 0), c = b.Free(0, 3, 0);
  const WORD d = b.Free(1, -1, 3), e = b.Free(1, 1, 3), p = b.Free(2, 0, 0), q = b.Free(1, 1, 2);
  const WORD ab = b.Cell<CGLine>(a, pb, BYTE{kLineSegment}), de = b.Cell<CGLine>(d, e, BYTE{kLineFull});
  auto* value = new CGCell;  // any cell with a value drives the coordinates point
  value->m_strName = QStringLiteral("t");
  value->m_fValue = 1.5f;
  const WORD t = b.Enter(value);
  auto circle = [&b](float r) {  // about the origin, flat
    return b.Cell<CGArc>(0.f, 0.f, 0.f, r, 0.f, 0.f, 0.f, r, 0.f, 0.f, kArcFullTurn, BYTE{kArcCircle});
  };
  const WORD k = circle(2), unit = circle(1), onK = b.Point<CGVerFreeInCircle>(k, 0.0f);
  const WORD turned = b.Point<CGVerInCircleRot>(onK, k, std::numbers::pi_v<float> / 2);
  // Named J, K, L in this order, whatever order a compiler evaluates arguments in.
  const WORD cornerJ = b.Free(1, 0, 1);
  const WORD cornerK = b.Free(1, 1, 0);
  const WORD cornerL = b.Free(1, 0, 0);
  const WORD face = b.Cell<CGFace>(cornerL, cornerK, cornerJ, COLORREF{0x00336699});
  // What each point is when B has moved to (3, 2, 0) and the point on the
  // circle a quarter round.
  const std::vector<std::pair<WORD, std::array<double, 3>>> at = {
      {b.Point<CGVerBarycenter>(a, pb, c), {1, 5.0 / 3, 0}},
      {b.Point<CGVerExcenter>(a, pb, c), {7.0 / 6, 1.5, 0}},
      {b.Point<CGVerIncenter>(a, pb, c), {0.921392, 1.721637, 0}},
      {b.Point<CGVerOrthocenter>(a, pb, c), {2.0 / 3, 2, 0}},
      {b.Point<CGVerEscenter>(a, pb, c), {-2.388643, 1.278363, 0}},
      {b.Point<CGVerBisectorA>(a, pb, c), {0, 1.598246, 0}},
      {b.Point<CGVerBisectorEA>(a, pb, c), {0, 24.40175, 0}},
      {b.Point<CGVerCommonperpen>(ab, de), {1, 2.0 / 3, 0}},
      {b.Point<CGVerFootplEx>(p, a, pb), {18.0 / 13, 12.0 / 13, 0}},
      {turned, {-2, 0, 0}},
      {b.Point<CGVerInCircleFt>(unit, onK), {0, 1, 0}},
      {b.Point<CGVerCoordinates>(std::vector<WORD>{t}, 1, 0, 0, 9.0f, 2.0f, -1.0f), {1.5, 2, -1}},
      {b.Point<CGVerIntersectionCF>(BYTE{1}, k, face), {1, std::sqrt(3.0), 0}},
      {b.Point<CGVerFootpfEx>(q, a, pb, c), {1, 1, 0}},
  };
  const WORD arc = b.Cell<CGArcInCircle>(onK, turned, k);
  const QStringList texts = QString::fromUtf8(
      "圆c1上两点H、I间的弧;△ABC的重心;△ABC的外心;"
      "△ABC的内心;△ABC的垂心;△ABC的旁心;"
      "角ABC的平分线上点;角ABC的外角平分线上点;"
      "直线AB上与直线DE距离最小的点;线FU⊥线AB;"
      "在圆c1上绕圆心按点H的参数再旋转90.0000度的点;圆c2上与H同参数的点;"
      "根据值绘制点（t,2.0000,-1.0000）;圆c1与平面LKJ的交点;线GY⊥面ABC")
                                .split(QLatin1Char(';'));
  std::vector<WORD> moved;
  for (size_t i = 0; i < at.size() - 3; ++i) moved.push_back(at[i].first);  // the last three stay
  return {texts,
          {{pb, {3, 2}}, {onK, {0, 2}}},
          moved,
          [=](const CCellMap& cells) {
            for (const auto& [id, where] : at)
              ExpectAt(Pos(cells, id), where[0], where[1], where[2], std::to_string(id).c_str());
            const auto* between = static_cast<const CGArc*>(cells.Lookup(arc));
            EXPECT_NEAR(between->StartAngle, std::numbers::pi / 2, 1e-5) << "the arc";
            EXPECT_NEAR(between->EndAngle, std::numbers::pi, 1e-5) << "the arc";
          }};
}

class ConstructedPointsAppTest : public ::testing::TestWithParam<Family (*)(PageBuilder&)> {
 protected:
  ConstructedPointsAppTest() {
    RegisterAllClasses();
  }
  QString Path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
  static QByteArray Read(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
  }

  SeamRecorders seams;
  QTemporaryDir folder;
  CAppEnvironment env{TestAppEnvironment(folder)};
};

TEST_P(ConstructedPointsAppTest, OpensListsFollowsDragsAndSavesTheSameBytes) {
  Family family;
  {
    CKavrelDoc doc;
    doc.OnNewDocument();
    ReserveVertexArray(40);
    PageBuilder builder(*doc.m_pages.front());
    family = GetParam()(builder);
    ASSERT_TRUE(doc.OnSaveDocument(Path("built.kv")));
  }
  // Read headless first: a file the window cannot read would stop it at a
  // message box.
  ASSERT_TRUE(CKavrelDoc().OnOpenDocument(Path("built.kv"), true));
  CKavrelApp app(env);
  ASSERT_TRUE(app.InitInstance({QStringLiteral("kavrel"), Path("built.kv")}));
  CMainWindow* window = app.MainWindow();
  ASSERT_NE(window, nullptr);
  QCoreApplication::processEvents();

  QStringList items;
  QTreeWidgetItem* page = window->Tree()->FindCurrentPageItem();
  ASSERT_NE(page, nullptr);
  for (int i = 0; i < page->childCount(); ++i) items << page->child(i)->text(0);
  for (const QString& text : family.descriptions)
    EXPECT_EQ(items.filter(QStringLiteral("----") + text).size(), 1)
        << text.toStdString() << "\n" << items.join(QLatin1Char('\n')).toStdString();

  std::vector<std::array<float, 3>> before;
  for (WORD id : family.moved) before.push_back({Pos(g_pCurPage->m_cells, id)[0], Pos(g_pCurPage->m_cells, id)[1], 0});
  for (const auto& [id, to] : family.drags) ASSERT_TRUE(DragPointStraightDown(id, to[0], to[1])) << id;
  for (size_t i = 0; i < family.moved.size(); ++i) {
    const float* now = Pos(g_pCurPage->m_cells, family.moved[i]);
    EXPECT_GT(std::hypot(now[0] - before[i][0], now[1] - before[i][1]), 0.1) << "not moved: " << family.moved[i];
  }
  family.check(g_pCurPage->m_cells);

  ASSERT_TRUE(app.Document().OnSaveDocument(Path("dragged.kv")));
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(Path("dragged.kv"), true));
  family.check(g_pCurPage->m_cells);
  ASSERT_TRUE(reopened.OnSaveDocument(Path("again.kv")));
  EXPECT_EQ(Read(Path("again.kv")).toHex(), Read(Path("dragged.kv")).toHex());
  const QString listing = KvdumpListing(Path("dragged.kv"));
  EXPECT_FALSE(listing.isEmpty());
  EXPECT_EQ(KvdumpListing(Path("again.kv")), listing);
  window->close();
}

INSTANTIATE_TEST_SUITE_P(Families, ConstructedPointsAppTest, ::testing::Values(&Intersections, &Constrained));
INSTANTIATE_TEST_SUITE_P(CentresAndFeet, ConstructedPointsAppTest, ::testing::Values(&CentresAndFeet));

// --- Translated, rotated, scaled and mirrored points --------------------------

// Every image follows P, dragged from (1, 2, 3) to (-2, 1, 3); the relations
// read the fixed vector, angles, ratios and mirror kind, so they also hold
// only if the saved document kept them.
Family Transformations(PageBuilder& b) {
  const WORD p = b.Free(1, 2, 3), o = b.Free(0, 0, 0), a = b.Free(1, 0, 0), c = b.Free(0, 1, 0);
  const WORD s = b.Free(1, 1, 1), e = b.Free(2, 3, 5), minus = b.Free(-1, 0, 0), two = b.Free(2, 0, 0);
  const WORD top = b.Free(0, 0, 2), far = b.Free(0, 4, 0), side = b.Free(4, 0, 0);
  const WORD three = b.Free(0, 3, 0), six = b.Free(6, 0, 0);
  const WORD zAxis = b.Cell<CGLine>(o, top, BYTE{kLineFull}), yAxis = b.Cell<CGLine>(o, far, BYTE{kLineFull});
  const WORD s1 = b.Cell<CGLine>(o, three, BYTE{kLineSegment}), s2 = b.Cell<CGLine>(o, six, BYTE{kLineSegment});
  const WORD floor = b.Cell<CGFace>(o, side, far, COLORREF{0x00336699});
  auto value = [&b](const char* name, float v) {
    auto* cell = new CGCell;  // any cell with a value stands for a measurement
    cell->m_strName = QString::fromUtf8(name);
    cell->m_fValue = v;
    return b.Enter(cell);
  };
  const WORD halfTurn = value("t", std::numbers::pi_v<float>), k = value("k", 2);
  constexpr float kQuarter = std::numbers::pi_v<float> / 2;
  const std::vector<WORD> images = {
      b.Point<CGVerTranslateStc>(p, 1.0f, -0.5f, 2.0f),
      b.Point<CGVerTranslate>(p, s, e),
      b.Point<CGVerRotate>(p, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, kQuarter),
      b.Point<CGVerRotateXA>(p, o, a, o, c, BYTE{1}),
      b.Point<CGVerRotateXA2>(p, zAxis, halfTurn, BYTE{0}),
      b.Point<CGVerRotateX>(p, zAxis, kQuarter, BYTE{0}),
      b.Point<CGVerRotateA>(p, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f, a, o, c),
      b.Point<CGVerRotateA2>(p, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 0.0f, halfTurn),
      b.Point<CGVerScaleP>(p, o, o, minus, two),
      b.Point<CGVerScaleL>(p, o, s1, s2),
      b.Point<CGVerScaleM>(p, o, k),
      b.Point<CGVerScale>(p, o, 0.5f),
      b.Point<CGVerScaleO>(p, -3.0f),
      b.Point<CGVerSymmetry>(p, BYTE{6}),
      b.Point<CGVerSymmetryP>(p, s),
      b.Point<CGVerSymmetryL>(p, yAxis),
      b.Point<CGVerSymmetryF>(p, floor),
  };
  QStringList texts;
  for (WORD id : images) texts << g_pCurCells->Lookup(id)->GetDescription();
  return {texts, {{p, {-2, 1}}}, images, [=](const CCellMap& cells) {
            const float* P = Pos(cells, p);
            ExpectAt(P, -2, 1, 3, "P dragged");
            const double x = P[0], y = P[1], z = P[2];
            const double want[][3] = {
                {x + 1, y - 0.5, z + 2}, {x + 1, y + 2, z + 4}, {-y, x, z},     {-y, x, z},
                {-x, -y, z},             {-y, x, z},            {x, -z, y},     {2 - x, 2 - y, z},
                {-x / 2, -y / 2, -z / 2}, {x / 2, y / 2, z / 2}, {2 * x, 2 * y, 2 * z}, {x / 2, y / 2, z / 2},
                {-3 * x, -3 * y, -3 * z}, {x, -y, -z},          {2 - x, 2 - y, 2 - z}, {-x, y, -z},
                {x, y, -z},
            };
            for (size_t i = 0; i < images.size(); ++i) {
              const std::string what = cells.Lookup(images[i])->GetRuntimeClass()->m_lpszClassName;
              ExpectAt(Pos(cells, images[i]), want[i][0], want[i][1], want[i][2], what.c_str());
            }
          }};
}

INSTANTIATE_TEST_SUITE_P(Transformed, ConstructedPointsAppTest, ::testing::Values(&Transformations));

// --- Points on paths and carriers ---------------------------------------------

// The point on the triangle's border is dragged from (2, 0) towards (3, 3):
// it lands on the hypotenuse at (2, 2), parameter 1.5, and its twins follow;
// the saved document keeps N and t.
Family PathPoints(PageBuilder& b) {
  const WORD a = b.Free(0, 0, 0), pb = b.Free(4, 0, 0), c = b.Free(0, 4, 0);
  const std::vector<WORD> square = {b.Free(10, 0, 0), b.Free(12, 0, 0), b.Free(12, 2, 0), b.Free(10, 2, 0)};
  const WORD ab = b.Cell<CGLine>(a, pb, BYTE{kLineSegment});
  const WORD k = b.Cell<CGArc>(0.f, 0.f, 0.f, 2.f, 0.f, 0.f, 0.f, 2.f, 0.f, 0.f, kArcFullTurn, BYTE{kArcCircle});
  const WORD curve = b.Cell<CGCurve>(std::vector<WORD>{}, QStringLiteral("t"), QStringLiteral("t*t-1"),
                                     QStringLiteral("0"), QStringLiteral("-3"), QStringLiteral("3"), 0.1f, 0, 0,
                                     QString());
  const WORD flat = b.Cell<CGCurve>(std::vector<WORD>{}, QStringLiteral("t"), QStringLiteral("0.5"),
                                    QStringLiteral("0"), QStringLiteral("-3"), QStringLiteral("3"), 0.1f, 0, 0,
                                    QString());
  const WORD border = b.Point<CGVerFreeInBorder>(std::vector<WORD>{a, pb, c}, 0.5f);
  const WORD onK1 = b.Point<CGVerFreeInCircle>(k, 0.0f), onK2 = b.Point<CGVerFreeInCircle>(k, 1.0f);
  g_pCurPage->SelectCell(ab);
  const WORD onPath = b.Point<CGVerFreeInPaths>();
  g_pCurPage->ClearSelection();
  const std::vector<WORD> points = {
      border,
      b.Point<CGVerInBorderFt>(square, border),
      b.Point<CGVerInLineFt>(ab, border),
      b.Point<CGVerInCurveFt>(curve, border),
      b.Point<CGVerInBorder>(std::vector<WORD>{ab, border}, BYTE{1}, 0.0f),
      b.Point<CGVerInPaths>(std::vector<WORD>{ab, border}, BYTE{1}, 0.0f),
      onPath,
      b.Point<CGVerInBorder>(std::vector<WORD>{k}, BYTE{0}, 0.25f),
      b.Point<CGVerInPaths>(std::vector<WORD>{ab, k}, BYTE{0}, 0.75f),
      b.Point<CGVerInLineFixedf>(ab, 1.5f),
      b.Point<CGVerInCircleFixedf>(k, 3.1415927f),
      b.Point<CGVerInCircleScale>(k, onK1, onK2, 0.25f),
      b.Point<CGVerInCurveFixedf>(curve, 2.0f),
      b.Point<CGVerIntersectionLQ>(BYTE{0}, ab, curve),
      b.Point<CGVerIntersectionCQ>(BYTE{1}, k, curve),
      b.Point<CGVerIntersectionQQ>(BYTE{0}, curve, flat),
  };
  QStringList texts;
  for (WORD id : points) texts << g_pCurCells->Lookup(id)->GetDescription();
  const std::vector<WORD> moved(points.begin(), points.begin() + 4);  // the source and its twins
  return {texts, {{border, {3, 3}}}, moved, [=](const CCellMap& cells) {
            EXPECT_EQ(cells.Lookup(border)->m_fValue, 1.5f) << "t";
            EXPECT_EQ(static_cast<const CGVerFreeInBorder*>(cells.Lookup(border))->Pieces, 3) << "N";
            const double l = 4 + 4 * std::numbers::pi;  // the segment and the circle
            const double at = 0.75 * l - 4;               // along the circle
            const double x2 = 0.5 * (1 + std::sqrt(13.0));  // x^2 + (x^2 - 1)^2 = 4
            const double want[][3] = {
                {2, 2, 0},   {12, 1, 0}, {6, 0, 0},  {1.5, 1.25, 0},
                {2, 0, 0},   {2, 0, 0},  {2.4, 0, 0}, {0, 2, 0},
                {2 * std::cos(at / 2), 2 * std::sin(at / 2), 0},
                {6, 0, 0},   {-2, 0, 0}, {2 * std::cos(0.25), 2 * std::sin(0.25), 0},
                {2, 3, 0},   {1, 0, 0},  {std::sqrt(x2), x2 - 1, 0}, {-1.224, 0.5, 0},  // on the polylines
            };
            for (size_t i = 0; i < points.size(); ++i) {
              const std::string what = cells.Lookup(points[i])->GetRuntimeClass()->m_lpszClassName;
              ExpectAt(Pos(cells, points[i]), want[i][0], want[i][1], want[i][2], what.c_str());
            }
          }};
}

INSTANTIATE_TEST_SUITE_P(OnPaths, ConstructedPointsAppTest, ::testing::Values(&PathPoints));

}  // namespace
