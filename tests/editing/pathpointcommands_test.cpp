// Points on paths by parameter (following a value or path point, or at a
// typed parameter) and draggable points on borders and composite paths:
// the cell and parents each selection gives, the dialogs and their presets,
// the messages, the selection left as it was, and when each is offered.
#include <functional>
#include <string>

#include "cells/primitives/cgverfreeinline.h"
#include "editing/dialogs/inputdialogs.h"
#include "editing/pathpointcommands.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/crtrandom.h"
#include "support/pathfigures.h"

namespace KAVREL_FILE_LOCAL {
using P = PathCommandPage;

// What a row selects and the parents the new cell must have, in order.
struct Figure {
  std::vector<WORD> selected;
  std::vector<WORD> parents;
};

WORD Segment(P& p, float y = 0) { return p.Line(p.Point(0, y, 0), p.Point(4, y, 0)); }
std::vector<WORD> Segments(P& p, int n) {
  std::vector<WORD> lines;
  for (int i = 0; i < n; ++i) lines.push_back(Segment(p, static_cast<float>(i)));
  return lines;
}
void AnswerValue(P& p, float value) {
  CDlgValue answer;
  answer.m_fValue = value;
  p.dialogs->Ok(answer);
}
void AnswerAngle(P& p, float angle, int unit) {
  CDlgAngle answer;
  answer.m_fAngle = angle;
  answer.m_nUnit = unit;
  p.dialogs->Ok(answer);
}

// Runs `command`, which must make one cell of `cls` on `parents`
// (ExpectConstruction's checks); the cell.
CGCell* ExpectCell(P& p, unsigned command, const Figure& f, const char* cls, const char* label) {
  const std::vector<WORD> made = p.ExpectConstruction(command, 1, QString::fromUtf8(label));
  if (made.size() != 1 || !p.Find(made[0])) return nullptr;
  CGCell* cell = p.Find(made[0]);
  EXPECT_STREQ(cell->GetRuntimeClass()->m_lpszClassName, cls);
  EXPECT_EQ(cell->m_parents, f.parents);
  return cell;
}

TEST(PointOnPathByParameter, EachSelectionGivesItsCell) {
  const struct {
    const char* name;
    std::function<Figure(P&)> figure;  // scripts the dialogs too
    const char* cls;
    const char* label;
    float value;  // the cell's parameter after building
    int mode;     // the sub-kind byte
  } rows[] = {
      {"circle and value",
       [](P& p) {
         const WORD c = p.Circle(), v = p.Value(0.25f);
         return Figure{{v, c}, {c, v}};
       },
       "CGVerInCircleFt", "添加圆上同参点", 0.25f, 0},
      {"circle alone, 90 degrees",
       [](P& p) {
         const WORD c = p.Circle();
         AnswerAngle(p, 90, 0);
         return Figure{{c}, {c}};
       },
       "CGVerInCircleFixedf", "添加圆上定参点", 90 * 0.017453292f, 0},
      {"circle alone, radians kept",
       [](P& p) {
         const WORD c = p.Circle();
         AnswerAngle(p, 1.5f, 1);
         return Figure{{c}, {c}};
       },
       "CGVerInCircleFixedf", "添加圆上定参点", 1.5f, 0},
      {"one line, beyond its end as typed",
       [](P& p) {
         const WORD l = Segment(p);
         AnswerValue(p, 1.5f);
         return Figure{{l}, {l}};
       },
       "CGVerInLineFixedf", "添加线上定参点", 1.5f, 0},
      {"one curve",
       [](P& p) {
         const WORD q = p.Curve();
         AnswerValue(p, 0.5f);
         return Figure{{q}, {q}};
       },
       "CGVerInCurveFixedf", "添加曲线上定参点", 0.5f, 0},
      {"one locus",
       [](P& p) {
         const WORD g = p.Locus();
         AnswerValue(p, 0.5f);
         return Figure{{g}, {g}};
       },
       "CGVerInLocusFixedf", "添加轨迹线上定参点", 0.5f, 0},
      {"a line and a point on another",
       [](P& p) {
         const WORD l = Segment(p), other = Segment(p, 5);
         const WORD q = p.Enter(new CGVerFreeInLine(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "Q", other, 0.75f));
         return Figure{{l, q}, {l, q}};
       },
       "CGVerInLineFt", "添加线上同参点", 0.75f, 0},
      {"a curve and a value",
       [](P& p) {
         const WORD q = p.Curve(), v = p.Value(2);
         return Figure{{q, v}, {q, v}};
       },
       "CGVerInCurveFt", "添加曲线上同参点", 2, 0},
      {"a locus and a value",
       [](P& p) {
         const WORD g = p.Locus(), v = p.Value(2);
         return Figure{{g, v}, {g, v}};
       },
       "CGVerInLocusFt", "添加轨迹上同参点", 2, 0},
      {"three segments and a curve",
       [](P& p) {
         std::vector<WORD> pieces = Segments(p, 3);
         pieces.insert(pieces.begin() + 1, p.Curve());
         AnswerValue(p, 2.5f);
         return Figure{pieces, pieces};
       },
       "CGVerInBorder", "添加复合路径上定参点", 2.5f, 0},
      {"three segments and an arc",
       [](P& p) {
         std::vector<WORD> pieces = Segments(p, 3);
         pieces.push_back(p.Circle());
         AnswerValue(p, 0.5f);
         return Figure{pieces, pieces};
       },
       "CGVerInPaths", "添加复合路径上定参点", 0.5f, 0},
      {"two segments and a value",
       [](P& p) {
         const std::vector<WORD> pieces = Segments(p, 2);
         const WORD v = p.Value(0.25f);
         return Figure{{pieces[0], v, pieces[1]}, {pieces[0], pieces[1], v}};
       },
       "CGVerInPaths", "添加复合路径上同参点", 0.25f, 1},
      {"five points: the last one is the source",
       [](P& p) {
         const std::vector<WORD> points = p.Points(5);
         return Figure{points, points};
       },
       "CGVerInBorderFt", "添加折线上同参点", 0, 0},
      {"four points: a triangle following the fourth",
       [](P& p) {
         const std::vector<WORD> points = p.Points(4);
         return Figure{points, points};
       },
       "CGVerInBorderFt", "添加折线上同参点", 0, 0},
      {"three points and a value",
       [](P& p) {
         std::vector<WORD> points = p.Points(3);
         const WORD v = p.Value(1.5f);
         std::vector<WORD> selected = points;
         selected.insert(selected.begin(), v);
         points.push_back(v);
         return Figure{selected, points};
       },
       "CGVerInBorderFt", "添加折线上同参点", 1.5f, 0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    P p;
    const Figure f = row.figure(p);
    p.Select(f.selected);
    const CGCell* cell = ExpectCell(p, ID_CREATE_POINT_INOBJ_FT, f, row.cls, row.label);
    ASSERT_NE(cell, nullptr);
    EXPECT_FLOAT_EQ(cell->m_fValue, row.value);
    EXPECT_EQ(cell->m_nSubKind, row.mode);
  }
}

TEST(PointOnPathByParameter, TheDialogsOpenAtARightAngleAndAtAHalf) {
  P p;
  p.Select({p.Circle()});
  p.ExpectNothingMade([&p] { EXPECT_TRUE(p.Run(ID_CREATE_POINT_INOBJ_FT)); });  // cancelled
  const auto angles = p.dialogs->Offered<CDlgAngle>();
  ASSERT_EQ(angles.size(), 1u);
  EXPECT_EQ(angles[0].m_fAngle, 90.0f);
  EXPECT_EQ(angles[0].m_nUnit, 0);
  p.Select(Segments(p, 2));
  p.ExpectNothingMade([&p] { EXPECT_TRUE(p.Run(ID_CREATE_POINT_INOBJ_FT)); });
  const auto values = p.dialogs->Offered<CDlgValue>();
  ASSERT_EQ(values.size(), 1u);
  EXPECT_EQ(values[0].m_fValue, 0.5f);
}

// Refusals told by the handler, run directly whatever the rule says; the
// selection is exactly as it was afterwards.
TEST(PointOnPathByParameter, RefusedSelectionsAreToldAndLeaveTheSelection) {
  const char* kOneSource = "数值或路径上点只要选择一个！";
  const char* kPieces = "请选择线段、圆弧、曲线或轨迹对象至少两个,至多32个！";
  const struct {
    const char* name;
    std::function<std::vector<WORD>(P&)> select;
    const char* message;  // null: silent
  } rows[] = {
      {"two values and a line", [](P& p) { return std::vector<WORD>{p.Value(1), p.Value(2), Segment(p)}; },
       kOneSource},
      {"two points", [](P& p) { return p.Points(2); }, kOneSource},
      {"33 segments", [](P& p) { return Segments(p, 33); }, kPieces},
      {"four points and two values",
       [](P& p) {
         std::vector<WORD> selected = p.Points(4);
         selected.push_back(p.Value(1));
         selected.push_back(p.Value(2));
         return selected;
       },
       kPieces},
      {"ink alone", [](P& p) { return std::vector<WORD>{p.Ink()}; }, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    P p;
    p.Select(row.select(p));
    const std::vector<WORD> points = p.Page().m_selPoints, all = p.Page().m_selAll;
    p.ExpectNothingMade([&p] { OnCreatePointInobjFt(p.doc); });
    const std::vector<QString> shown = p.seams.notifier->Texts();
    EXPECT_EQ(shown, row.message ? std::vector<QString>{QString::fromUtf8(row.message)} : std::vector<QString>{});
    EXPECT_EQ(p.Page().m_selPoints, points);
    EXPECT_EQ(p.Page().m_selAll, all);
  }
}

TEST(PointOnPathByParameter, TheSourcePointStaysSelected) {
  P p;
  const std::vector<WORD> points = p.Points(5);
  p.Select(points);
  ASSERT_TRUE(p.Run(ID_CREATE_POINT_INOBJ_FT));
  EXPECT_EQ(p.Page().m_selPoints, points);
}

TEST(PointOnPath, EachSelectionGivesItsDraggablePoint) {
  const struct {
    const char* name;
    std::function<Figure(P&)> figure;
    const char* cls;
  } rows[] = {
      {"a quadrilateral face",
       [](P& p) {
         const std::vector<WORD> corners = {p.Point(0, 0, 0), p.Point(4, 0, 0), p.Point(4, 4, 0), p.Point(0, 4, 0)};
         return Figure{{p.Face(corners)}, corners};
       },
       "CGVerFreeInBorder"},
      {"two segments and an arc",
       [](P& p) {
         std::vector<WORD> pieces = Segments(p, 2);
         pieces.push_back(p.Circle());
         return Figure{pieces, pieces};
       },
       "CGVerFreeInPaths"},
      {"a segment and a curve",
       [](P& p) {
         const WORD q = p.Curve(), s = Segment(p);
         return Figure{{q, s}, {q, s}};
       },
       "CGVerFreeInBorder"},
      {"three points in selection order",
       [](P& p) {
         std::vector<WORD> points = p.Points(3);
         std::swap(points[0], points[2]);
         return Figure{points, points};
       },
       "CGVerFreeInBorder"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    P p;
    const Figure f = row.figure(p);
    p.Select(f.selected);
    KvSrand(11);
    const float r = static_cast<float>(KvRand()) / KV_RAND_MAX;
    KvSrand(11);
    const CGCell* cell = ExpectCell(p, ID_CREATE_POINT_PATH, f, row.cls, "添加复合路径上的点");
    ASSERT_NE(cell, nullptr);
    if (std::string(row.cls) == "CGVerFreeInBorder") {
      EXPECT_EQ(cell->m_fValue, 0.2f + 0.6f * r);
    }
  }
}

TEST(PointOnPath, AFacePointStartsOnTheFirstEdge) {
  for (unsigned seed : {1u, 2u, 3u}) {
    P p;
    p.Select({p.Face({p.Point(0, 0, 0), p.Point(10, 0, 0), p.Point(10, 10, 0), p.Point(0, 10, 0)})});
    KvSrand(seed);
    ASSERT_TRUE(p.Run(ID_CREATE_POINT_PATH));
    const auto* point = p.As<CGVertex>(p.Page().m_nNextId - 1);
    ASSERT_NE(point, nullptr);
    EXPECT_GE(point->m_vPos[0], 2 - 1e-4);
    EXPECT_LE(point->m_vPos[0], 8 + 1e-4);
    EXPECT_EQ(point->m_vPos[1], 0);
  }
}

TEST(PointOnPath, RefusedSelectionsAreToldOrEndSilently) {
  const char* kOnly = "请只选择线段、圆弧、曲线或轨迹对象至少两个,至多32个！";
  const struct {
    const char* name;
    std::function<std::vector<WORD>(P&)> select;
    const char* message;
  } rows[] = {
      {"two segments and a point",
       [](P& p) {
         std::vector<WORD> selected = Segments(p, 2);
         selected.push_back(p.Point(9, 9, 9));
         return selected;
       },
       kOnly},
      {"33 segments", [](P& p) { return Segments(p, 33); }, kOnly},
      {"a segment and a value", [](P& p) { return std::vector<WORD>{Segment(p), p.Value(1)}; }, kOnly},
      {"one curve", [](P& p) { return std::vector<WORD>{p.Curve()}; }, nullptr},
      {"nothing", [](P&) { return std::vector<WORD>{}; }, nullptr},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    P p;
    p.Select(row.select(p));
    p.ExpectNothingMade([&p] { OnCreatePointPath(p.doc); });
    EXPECT_EQ(p.seams.notifier->Texts(),
              row.message ? std::vector<QString>{QString::fromUtf8(row.message)} : std::vector<QString>{});
  }
}

TEST(PathPointCommands, OfferedOnePerBranchOfTheirRules) {
  const struct {
    const char* name;
    std::function<std::vector<WORD>(P&)> select;
    bool byParameter, onPath;
  } rows[] = {
      {"nothing", [](P&) { return std::vector<WORD>{}; }, false, false},
      {"one line", [](P& p) { return std::vector<WORD>{Segment(p)}; }, true, false},
      {"a point and a circle", [](P& p) { return std::vector<WORD>{p.Point(), p.Circle()}; }, true, false},
      {"one point", [](P& p) { return p.Points(1); }, false, false},
      {"three points", [](P& p) { return p.Points(3); }, false, true},
      {"four points", [](P& p) { return p.Points(4); }, true, true},
      {"four points and a line",
       [](P& p) { return std::vector<WORD>{p.Point(), p.Point(1), p.Point(2), p.Point(3), Segment(p)}; }, false, true},
      {"three points and a value", [](P& p) { return std::vector<WORD>{p.Point(), p.Point(1), p.Point(2), p.Value(1)}; },
       true, true},
      {"a value and a curve", [](P& p) { return std::vector<WORD>{p.Value(1), p.Curve()}; }, true, false},
      {"a value alone", [](P& p) { return std::vector<WORD>{p.Value(1)}; }, false, false},
      {"a point, a value and a line", [](P& p) { return std::vector<WORD>{p.Point(), p.Value(1), Segment(p)}; }, false,
       false},
      {"two values and a line", [](P& p) { return std::vector<WORD>{p.Value(1), p.Value(2), Segment(p)}; }, false,
       false},
      {"a circle and ink", [](P& p) { return std::vector<WORD>{p.Circle(), p.Ink()}; }, false, true},
      {"a line and a face", [](P& p) { return std::vector<WORD>{Segment(p), p.Face(p.Points(3))}; }, false, true},
      {"two faces", [](P& p) { return std::vector<WORD>{p.Face(p.Points(3)), p.Face(p.Points(3))}; }, false, false},
      {"two segments", [](P& p) { return Segments(p, 2); }, true, true},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    P p;
    p.Select(row.select(p));
    EXPECT_EQ(CommandRegistry().Query(ID_CREATE_POINT_INOBJ_FT).m_bEnabled, row.byParameter);
    EXPECT_EQ(CommandRegistry().Query(ID_CREATE_POINT_PATH).m_bEnabled, row.onPath);
  }
}
}  // namespace
