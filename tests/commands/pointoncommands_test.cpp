// A random free point on the first fitting selected object, selected alone
// afterwards, and the fully free point at the origin.
#include <functional>

#include "cells/primitives/cgverfreeinface.h"
#include "commands/pointoncommands.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/crtrandom.h"
#include "platform/uibridge.h"
#include "support/pathfigures.h"

namespace KAVREL_FILE_LOCAL {
// The two numbers the command draws after KvSrand(seed).
struct Draw {
  float t, s;
};
Draw DrawAfter(unsigned seed) {
  KvSrand(seed);
  const float t = static_cast<float>(KvRand()) / KV_RAND_MAX;
  const float s = (1.0f - t) * static_cast<float>(KvRand()) / KV_RAND_MAX;
  return {t, s};
}
// The first seed whose first draw fits.
unsigned SeedWhere(const std::function<bool(float t)>& fits) {
  unsigned seed = 1;
  while (!fits(DrawAfter(seed).t)) ++seed;
  return seed;
}

// Runs the command, which must make exactly one cell; its id (0: none).
WORD Made(PathCommandPage& p) {
  const WORD next = p.Page().m_nNextId;
  if (!p.Run(ID_CREATE_POINT_ONOBJECT) || p.Page().m_nNextId != next + 1 || !p.Find(next)) return 0;
  return next;
}

TEST(PointOnObject, TheFirstFittingObjectTakesTheRandomPoint) {
  const unsigned nearEnd = SeedWhere([](float t) { return t > 0.95f; });
  const unsigned nearStart = SeedWhere([](float t) { return t < 0.05f; });
  const unsigned middle = SeedWhere([](float t) { return t > 0.3f && t < 0.7f; });
  using P = PathCommandPage;
  struct Row {
    const char* name;
    std::function<std::vector<WORD>(P&)> select;
    unsigned seed;
    const char* cls;  // on the last selected object
    const char* label;
    std::function<float(Draw)> value;  // the point's parameter; null: not checked
  } const rows[] = {
      {"a segment: t near an end becomes 0.5",
       [](P& p) { return std::vector<WORD>{p.Line(p.Point(0, 0, 0), p.Point(4, 0, 0))}; }, nearEnd,
       "CGVerFreeInLine", "添加线上的点", [](Draw) { return 0.5f; }},
      {"a segment: t near its start becomes 0.5",
       [](P& p) { return std::vector<WORD>{p.Line(p.Point(0, 0, 0), p.Point(4, 0, 0))}; }, nearStart,
       "CGVerFreeInLine", "添加线上的点", [](Draw) { return 0.5f; }},
      {"a segment", [](P& p) { return std::vector<WORD>{p.Line(p.Point(0, 0, 0), p.Point(4, 0, 0))}; }, middle,
       "CGVerFreeInLine", "添加线上的点", [](Draw d) { return d.t; }},
      {"a circle, then a line: the line",
       [](P& p) {
         const WORD line = p.Line(p.Point(0, 0, 0), p.Point(4, 0, 0));
         return std::vector<WORD>{p.Circle(), line};
       },
       middle, "CGVerFreeInLine", "添加线上的点", [](Draw d) { return d.t; }},
      {"a circle", [](P& p) { return std::vector<WORD>{p.Circle()}; }, middle, "CGVerFreeInCircle",
       "添加圆上的点", [](Draw d) { return 6.283f * d.t; }},
      {"a locus", [](P& p) { return std::vector<WORD>{p.Locus()}; }, middle, "CGVerFreeInLocus",
       "添加轨迹上的点", nullptr},
      {"a face, then a curve: the curve", [](P& p) { return std::vector<WORD>{p.Face(p.Points(3)), p.Curve()}; }, middle,
       "CGVerFreeInCurve", "添加曲线上的点", [](Draw d) { return d.t; }},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    PathCommandPage p;
    const std::vector<WORD> selected = row.select(p);
    p.Select(selected);
    const Draw draw = DrawAfter(row.seed);
    KvSrand(row.seed);
    const WORD made = Made(p);
    ASSERT_NE(made, 0);
    EXPECT_STREQ(p.Find(made)->GetRuntimeClass()->m_lpszClassName, row.cls);
    EXPECT_EQ(p.Find(made)->m_parents, (std::vector<WORD>{selected.back()}));
    EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8(row.label));
    if (row.value) {
      EXPECT_EQ(p.Find(made)->m_fValue, row.value(draw));
    }
  }
}

TEST(PointOnObject, AFaceOrThreePointsTakeBothNumbersAsWeights) {
  const Draw draw = DrawAfter(7);
  {
    PathCommandPage p;
    p.Select({p.Face(p.Points(4))});
    KvSrand(7);
    const WORD made = Made(p);
    EXPECT_EQ(p.Summary({made}), "CGVerFreeInFace(ABCD)");
    EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QStringLiteral("添加多边形内的点"));
    const auto* point = p.As<CGVerFreeInFace>(made);
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->Weight0, draw.t);
    EXPECT_EQ(point->WeightK, draw.s);
  }
  PathCommandPage p;
  const std::vector<WORD> abc = p.Points(3);
  p.Select({abc[1], abc[2], abc[0]});
  KvSrand(7);
  const WORD made = Made(p);
  EXPECT_EQ(p.Summary({made}), "CGVerFreeInPlane(B,C,A)");
  EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QStringLiteral("添加三点确定的平面内的点"));
  const auto* point = p.As<CGVerFreeInPlane>(made);
  ASSERT_NE(point, nullptr);
  EXPECT_EQ(point->WeightA, draw.t);
  EXPECT_EQ(point->WeightB, draw.s);
}

TEST(PointOnObject, TheNewPointIsSelectedAloneAndOneUndoTakesIt) {
  PathCommandPage p;
  const WORD line = p.Line(p.Point(0, 0, 0), p.Point(4, 0, 0));
  const WORD circle = p.Circle();
  p.Select({circle, line});
  const WORD next = p.Page().m_nNextId;
  ASSERT_TRUE(p.Run(ID_CREATE_POINT_ONOBJECT));
  EXPECT_EQ(p.Page().m_selAll, std::vector<WORD>{next});
  EXPECT_EQ(p.Page().m_selPoints, std::vector<WORD>{next});
  EXPECT_TRUE(p.Page().m_selLines.empty() && p.Page().m_selPaths.empty());
  EXPECT_TRUE(p.Find(next)->m_bSelected);
  EXPECT_FALSE(p.Find(line)->m_bSelected || p.Find(circle)->m_bSelected);
  const std::vector<BridgeMessage> ticked = p.Messages(WM_SELECTION_CHANGED);
  ASSERT_FALSE(ticked.empty());
  EXPECT_EQ(ticked.back().wParam, 1u);
  EXPECT_EQ(ticked.back().lParam, next);
  EXPECT_TRUE(p.Page().m_undo.Undo());
  EXPECT_EQ(p.Find(next), nullptr);
  EXPECT_EQ(p.Page().m_nNextId, next);
}

TEST(PointOnObject, OfferedForALinePathFaceOrThreePoints) {
  using P = PathCommandPage;
  const struct {
    const char* name;
    std::function<std::vector<WORD>(P&)> select;
    bool enabled;
  } rows[] = {
      {"nothing", [](P&) { return std::vector<WORD>{}; }, false},
      {"ink alone", [](P& p) { return std::vector<WORD>{p.Ink()}; }, true},
      {"four points", [](P& p) { return p.Points(4); }, false},
      {"two points", [](P& p) { return p.Points(2); }, false},
      {"a value", [](P& p) { return std::vector<WORD>{p.Value(1)}; }, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    PathCommandPage p;
    p.Select(row.select(p));
    EXPECT_EQ(CommandRegistry().Query(ID_CREATE_POINT_ONOBJECT).m_bEnabled, row.enabled);
    // Run directly, none of these makes a point.
    p.ExpectNothingMade([&p] { OnCreatePointOnobject(p.doc); });
  }
}

TEST(PointOnObject, TheFullyFreePointStartsAtTheOrigin) {
  PathCommandPage p;
  p.Select({p.Circle()});
  const std::vector<WORD> made = p.ExpectMade(ID_CREATE_FREE3_POINT, "CGVerFreeXyz()", "添加全自由点");
  ASSERT_EQ(made.size(), 1u);
  EXPECT_EQ(p.At(made[0]), (std::vector<float>{0, 0, 0}));
  EXPECT_EQ(p.Find(made[0])->m_strName, QStringLiteral("D"));
}
}  // namespace
