// The construction commands that ask for numbers: what each dialog is
// offered, what an answer builds, what is remembered for the next use, and
// the answers refused.
#include <cmath>

#include "cells/constructed/circlepoints.h"
#include "cells/constructed/coordinatespoint.h"
#include "cells/constructed/paths/carriers.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "editing/dialogs/coordinatesdialog.h"
#include "editing/dialogs/inputdialogs.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(InputCommands, APointAlongATypedDirection) {
  const std::vector<std::vector<float>> rows{{0, 0, 2, 1, 2, 11}, {0, 0, 0, 1, 2, 3}, {}};  // direction, place
  for (const std::vector<float>& row : rows) {
    SCOPED_TRACE(row.size());
    CommandPage p;
    p.Select({p.Point(1, 2, 3)});
    CDlgVector answer;
    if (row.empty()) {
      p.ExpectNothingMade([&p] { EXPECT_TRUE(p.Run(ID_CREATE_POINT_PAR_V)); });  // unscripted: cancelled
    } else {
      answer.m_x = row[0], answer.m_y = row[1], answer.m_z = row[2];
      p.dialogs->Ok(answer);
      const WORD id = p.ExpectMade(ID_CREATE_POINT_PAR_V, "CGVerFreeParVector(A)", "添加定向直线上的点")[0];
      EXPECT_EQ(p.At(id), std::vector<float>(row.begin() + 3, row.end()));
    }
    const CDlgVector offered = p.dialogs->Offered<CDlgVector>().at(0);
    EXPECT_TRUE(offered.m_x == 1 && offered.m_y == 1 && offered.m_z == 1);
  }
}

TEST(InputCommands, CoordinatePointsOneOrManyAndTheirRefusals) {
  struct Row {
    int mode;
    const char* text;  // the points, or x|y|z typed
    int boundX;        // 0: typed, k: the k-th selected value
    const char* made;  // empty: nothing made
    const char* label;  // or the message shown
    std::vector<float> at;  // of the last point
  } const rows[] = {
      {1, "1,2,3\r\n4;5;6\t7", 0, "CGVertex() CGVertex()", "添加2个坐标点", {4, 5, 6}},
      {1, "1,2", 0, "", "", {}},
      {1, "1 2 3 4 5 6", -1, "", "本页对象数已达上限，不能再添加新对象！", {}},  // -1: one id left
      {0, " 1.5e1|-2abc|xyz", 0, "CGVertex()", "添加坐标点", {15, -2, 0}},
      {0, "1|1e39|0", 0, "", "请输入一个数字。", {}},
      {0, "0|0|5", 2, "CGVerCoordinates(v,w)", "添加由度量值绘制的点", {7, 0, 5}},
      {0, "0|0|5", 3, "CGVertex()", "添加坐标点", {0, 0, 5}},  // a list entry beyond the values: typed
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    CommandPage p;
    const WORD a = p.Point();
    const WORD v = p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, QStringLiteral("v"), 3));
    const WORD w = p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, QStringLiteral("w"), 7));
    p.Select({a, v, w});
    if (row.boundX < 0) p.Page().m_nNextId = CGPage::kMaxCellId;
    CDlgCoordinates answer;
    answer.m_nMode = row.mode;
    const QStringList typed = QString::fromUtf8(row.text).split('|');
    answer.m_strPoints = typed[0];
    for (int k = 0; k < typed.size(); ++k) answer.m_strAxis[k] = typed[k];
    answer.m_bFromList[0] = row.boundX > 0, answer.m_nListIndex[0] = row.boundX - 1;
    p.dialogs->Ok(answer);
    const WORD first = p.Page().m_nNextId;
    if (!*row.made) {
      p.ExpectNothingMade([&p] { p.Run(ID_CREATE_POINT_COORDINATES); });
      EXPECT_EQ(p.seams.notifier->Texts(),
                *row.label ? std::vector<QString>{QString::fromUtf8(row.label)} : std::vector<QString>{});
      continue;
    }
    if (row.mode == CDlgCoordinates::kSinglePoint) {
      p.ExpectMade(ID_CREATE_POINT_COORDINATES, row.made, row.label);
    } else {  // the new points join the selection, which the frame's checker forbids
      ASSERT_TRUE(p.Run(ID_CREATE_POINT_COORDINATES));
      EXPECT_EQ(p.Summary({first, WORD(first + 1)}), row.made);
      EXPECT_EQ(p.Page().m_selAll, (std::vector<WORD>{a, v, w, first, WORD(first + 1)}));
      EXPECT_EQ(p.Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8(row.label));
      p.Run(ID_CREATE_POINT_COORDINATES);  // unscripted: cancelled
      EXPECT_EQ(p.dialogs->Offered<CDlgCoordinates>().at(1).m_strPoints, typed[0]) << "remembered";
    }
    EXPECT_EQ(p.At(WORD(p.Page().m_nNextId - 1)), row.at);
    EXPECT_EQ(p.dialogs->Offered<CDlgCoordinates>().at(0).m_names, QStringList({"v", "w"}));
    if (row.boundX != 2) continue;
    p.Find(w)->m_fValue = -4;
    p.Find(first)->Recalculate();
    EXPECT_EQ(p.At(first), (std::vector<float>{-4, 0, 5})) << "x follows the value";
  }
}

TEST(InputCommands, PointsOnASelectedCircle) {
  CommandPage p;
  const WORD a = p.Point(0, 0, 0), b = p.Point(4, 0, 0), c = p.Point(0, 4, 0);
  const WORD circle = p.Enter(new CGArcCenterP(p.Page().m_nNextId++, a, b, c));
  const WORD q = p.Enter(new CGVerFreeInCircle(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "Q", circle, 0.5f));
  const WORD r = p.Enter(new CGVerFreeInCircle(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "R", circle, 2.0f));
  const WORD v = p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, QStringLiteral("v"), 0.25f));
  auto* vector = new CGTmVector();
  vector->m_nId = p.Page().m_nNextId++;
  const WORD u = p.Enter(vector);
  const auto enabled = [](unsigned id) { return CommandRegistry().Query(id).m_bEnabled; };
  for (const auto& [selection, rotation, division] :
       std::vector<std::tuple<std::vector<WORD>, bool, bool>>{{{circle, q}, true, false},
                                                              {{circle, v}, true, false},
                                                              {{circle, u}, false, false},
                                                              {{circle, q, v}, false, false},
                                                              {{q, v}, false, false},
                                                              {{circle, q, r}, false, true}}) {
    p.Select(selection);
    EXPECT_EQ(enabled(ID_CREATE_POINT_COORDINATES), selection.back() != u) << "only scalar values";
    EXPECT_EQ(enabled(ID_CREATE_POINT_ROT_INCIRCLE), rotation) << selection.size() << selection.back();
    EXPECT_EQ(enabled(ID_CREATE_POINT_SCALE_INCIRCLE), division) << selection.size() << selection.back();
  }

  struct Turn {
    WORD start;
    const char* made;
    float angle;
    int unit;
    float turned;  // radians
  } const turns[] = {{q, "CGVerInCircleRot(Q,c1)", 30, 0, 30 * 0.017453292f},
                     {v, "CGVerInCircleRot(v,c1)", 1.5f, 1, 1.5f}};
  for (const Turn& turn : turns) {
    p.Select({circle, turn.start});
    CDlgAngle answer;
    answer.m_fAngle = turn.angle, answer.m_nUnit = turn.unit;
    p.dialogs->Ok(answer);
    const auto* point = p.As<CGVerInCircleRot>(p.ExpectMade(ID_CREATE_POINT_ROT_INCIRCLE, turn.made, "添加圆上旋转点")[0]);
    EXPECT_FLOAT_EQ(point->Angle, turn.turned);
    EXPECT_FLOAT_EQ(point->m_fValue, p.Find(turn.start)->m_fValue + turn.turned);
  }
  const std::vector<CDlgAngle> offered = p.dialogs->Offered<CDlgAngle>();
  EXPECT_TRUE(offered[0].m_fAngle == 90 && offered[1].m_fAngle == 30 && !offered[0].m_nUnit && !offered[1].m_nUnit)
      << "then the last answer";

  p.Select({r, circle, q});
  CDlgValue ratio;
  ratio.m_fValue = 0.25f;
  p.dialogs->Ok(ratio);
  const WORD id = p.ExpectMade(ID_CREATE_POINT_SCALE_INCIRCLE, "CGVerInCircleScale(c1,R,Q)", "添加圆上两点的分点")[0];
  // Found again from the place it took, as a reopen finds it.
  EXPECT_FLOAT_EQ(p.As<CGVerInCircleScale>(id)->Ratio, 0.25f);
  EXPECT_EQ(p.dialogs->Offered<CDlgValue>().at(0).m_fValue, 0.5f);
  p.ExpectNothingMade([&p] { p.Run(ID_CREATE_POINT_SCALE_INCIRCLE); });  // unscripted: cancelled
}

}  // namespace
