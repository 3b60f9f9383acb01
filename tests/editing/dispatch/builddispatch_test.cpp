// The merged tools: which command each runs for a selection (stand-ins
// record it, with the selection they found) and what it returns.
#include "editing/dispatch/builddispatch.h"

#include "commands/commandglobals.h"
#include "dispatchtestsupport.h"
#include "editing/dialogs/inputdialogs.h"
#include "formula/control/formuladialogs.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace dispatchtest {
namespace KAVREL_FILE_LOCAL {

struct CallRow {
  int kind;
  std::vector<Cell> selected;
  std::vector<unsigned> calls;  // in order; none: nothing runs
  int result;
  std::vector<unsigned> inert = {};  // stand-ins that make nothing
};

void ExpectCalls(const CallRow& row, int lineType = 0) {
  CommandPage p;
  g_nLineType = lineType;
  const Cells c = Scene(p);
  p.Select(Ids(c, row.selected));
  const std::vector<WORD> atEntry = p.Page().m_selAll;
  StandIns standIns(row.inert);
  EXPECT_EQ(BuildFromSelection(p.doc, row.kind), row.result);
  EXPECT_EQ(standIns.Ids(), row.calls);
  for (const Call& call : standIns.Calls()) EXPECT_EQ(call.selection, atEntry) << call.id;
  EXPECT_TRUE(p.dialogs->Offered<CDlgNumber>().empty()) << "the overlap face's count asked";
}

TEST(MergedTools, EachSelectionRunsTheCommandItAsksFor) {
  const CallRow rows[] = {
      // Points: midpoints of one or more lines but two, their intersection.
      {kToolPoint, {AB}, {ID_CREATE_POINT_MIDDLE}, 1},
      {kToolPoint, {AB, CD, EF}, {ID_CREATE_POINT_MIDDLE}, 1},
      {kToolPoint, {AB, CD}, {ID_CREATE_POINT_INTER}, 1},
      {kToolPoint, {AB}, {ID_CREATE_POINT_MIDDLE}, 0, {ID_CREATE_POINT_MIDDLE}},  // no point made
      {kToolPoint, {ABC}, {ID_CREATE_POINT_ONOBJECT}, 1},
      {kToolPoint, {Circle}, {ID_CREATE_POINT_ONOBJECT}, 1},
      {kToolPoint, {Button1}, {}, 0},
      {kToolPoint, {}, {}, 0},
      {kToolPoint, {AB, ABC}, {ID_CREATE_POINT_INTER}, 1},
      {kToolPoint, {Circle, ABC}, {ID_CREATE_POINT_INTER}, 1},
      {kToolPoint, {Circle, Circle2}, {ID_CREATE_POINT_INTER}, 1},
      {kToolPoint, {OnCircle, Circle2}, {ID_CREATE_POINT_INOBJ_FT}, 1},
      {kToolPoint, {A, Circle}, {}, 0},
      {kToolPoint, {A, B, C}, {ID_CREATE_POINT_PER_EQ}, 1},
      {kToolPoint, {K1, AB}, {ID_CREATE_POINT_INOBJ_FT}, 1},
      {kToolPoint, {K1, A, B}, {ID_CREATE_POINT_INOBJ_FT}, 1},
      {kToolPoint, {K1, K2, A, B}, {}, 0},
      {kToolPoint, {K1, K2, AB}, {}, 0},
      {kToolPoint, {A, B, C, D}, {ID_CREATE_POINT_INOBJ_FT}, 1},
      {kToolPoint, {K1, K2, K3, K4}, {}, 0},
      // Lines.
      {kToolLine, {ABC}, {}, 0},
      {kToolLine, {}, {}, 0},
      {kToolLine, {AB, CD}, {ID_CREATE_LINE_SEGMENT}, 1},
      {kToolLine, {A, AB, CD}, {ID_CREATE_LINE_PERPENDICULAR}, 1},
      {kToolLine, {A, ABC}, {ID_CREATE_LINE_PERPENDICULAR}, 1},
      {kToolLine, {AB, A, B}, {ID_CREATE_LINE_PARALLEL}, 1},
      {kToolLine, {A, ABC, AB}, {}, 0},
      // Polygons.
      {kToolPolygon, {A, B, C}, {ID_CREATE_FACE}, 1},
      {kToolPolygon, {A, B}, {}, 0},
      {kToolPolygon, {ABC, ABD}, {ID_VIEW_FILL}, 1},
      {kToolPolygon, {ABD, EFC}, {ID_VIEW_FILL}, 1},
      {kToolPolygon, {ABC}, {ID_VIEW_FILL}, 1},
      {kToolPolygon, {A, ABC}, {ID_CREATE_FACE_PARFACE}, 1},
      {kToolPolygon, {AB}, {ID_CREATE_FACE_PERLINE}, 1},
      {kToolPolygon, {A, AB}, {ID_CREATE_FACE_PERLINE}, 1},
      {kToolPolygon, {A, B, AB}, {}, 0},
      // Circles.
      {kToolCircle, {A, K1}, {kCmdCreateCircleCR}, 1},
      {kToolCircle, {A, B, C}, {ID_CREATE_CIRCLE_3P}, 1},
      {kToolCircle, {Circle}, {ID_VIEW_FILL}, 1},
      {kToolCircle, {Circle, A}, {}, 0},
      {kToolCircle, {OnCircle, Circle}, {}, 0},
      // Solids.
      {kToolPrism, {A, ABC}, {ID_CREATE_SOLID_PRISM}, 0},
      {kToolPrism, {A, B}, {ID_CREATE_CYLINDER}, 0},
      {kToolPrism, {A, B, C}, {ID_CREATE_CYLINDER}, 0},
      {kToolPrism, {A, B, C, D}, {ID_CREATE_BOX}, 0},
      {kToolPrism, {}, {ID_CREATE_BOX}, 0},
      {kToolPyramid, {A, ABC}, {ID_CREATE_SOLID_PYRAMID}, 0},
      {kToolPyramid, {A, B}, {ID_CREATE_CONE}, 0},
      {kToolFrustum, {A, ABC}, {ID_CREATE_SOLID_TRUN}, 0},
      {kToolFrustum, {A, B, C, D}, {ID_CREATE_PLATFORM}, 0},
      {kToolFrustum, {A, B}, {ID_CREATE_PLATFORM}, 0},
      {kToolSphere, {A, B}, {ID_CREATE_GEO}, 0},
      {kToolSphere, {A}, {kCmdCreateSphere}, 0},
      {kToolSphere, {}, {kCmdCreateSphere}, 0},
      // Measuring.
      {kToolMeasure, {}, {ID_MEASURE_FUN}, 0},
      {kToolMeasure, {K1, K2}, {ID_MEASURE_FUN}, 0},
      {kToolMeasure, {OnLine}, {ID_MEASURE_PT}, 0},
      {kToolMeasure, {A}, {ID_MEASURE_PXYZ}, 0},
      {kToolMeasure, {AB}, {ID_MEASURE_D_PP}, 0},
      {kToolMeasure, {ABC}, {ID_MEASURE_AREA}, 0},
      {kToolMeasure, {Circle}, {ID_MEASURE_LEN_C}, 0},
      {kToolMeasure, {Button1}, {ID_MEASURE_FUN}, 0},
      {kToolMeasure, {A, B}, {ID_MEASURE_D_PP}, 0},
      {kToolMeasure, {AB, CD}, {ID_MEASURE_D_PP}, 0},
      {kToolMeasure, {OnLine, AB}, {ID_MEASURE_PT}, 0},
      {kToolMeasure, {A, Circle}, {ID_MEASURE_PT}, 0},
      {kToolMeasure, {A, ABC}, {ID_MEASURE_FUN}, 0},
      // Texts.
      {kToolText, {A}, {ID_EDIT_LABELMOD}, 0},
      {kToolText, {A, B, C}, {ID_EDIT_LABEL}, 0},
      {kToolText, {Text1, Text2}, {ID_EDIT_LABELMOD}, 0},
      // Loci and curves.
      {kToolCurve, {A, B}, {ID_CREATE_LOCUS, ID_CREATE_CURVE}, 0, {ID_CREATE_LOCUS}},
      {kToolCurve, {A, B}, {ID_CREATE_LOCUS}, 0},
      {kToolCurve, {A, K1}, {ID_CREATE_LOCUS}, 0},
      {kToolCurve, {OnLine}, {ID_CREATE_TRACK}, 0},
      {kToolCurve, {OnLine, K1, K2}, {ID_CREATE_TRACK}, 0},
      {kToolCurve, {OnLine, AB}, {ID_CREATE_CURVE}, 0},
      {kToolCurve, {OnLine}, {ID_CREATE_TRACK, ID_CREATE_CURVE}, 0, {ID_CREATE_TRACK}},
      {kToolCurve, {ABC}, {ID_CREATE_CURVE}, 0},
      // Buttons.
      {kToolButton, {OnLine}, {ID_EDIT_BTN_ANIMATION}, 1},
      {kToolButton, {A}, {ID_EDIT_BTN_HIDESHOW}, 1},
      {kToolButton, {Param}, {ID_EDIT_BTN_ANIMATION}, 1},
      {kToolButton, {K1}, {ID_EDIT_BTN_HIDESHOW}, 1},
      {kToolButton, {OnLine, A}, {ID_EDIT_BTN_MOVE}, 1},
      {kToolButton, {A, B}, {ID_EDIT_BTN_MOVE}, 1},
      {kToolButton, {Perpen, A}, {ID_EDIT_BTN_HIDESHOW}, 1},
      {kToolButton, {Button1, Button2, Button3}, {ID_EDIT_BTN_PRESENTAT}, 1},
      {kToolButton, {Button1}, {ID_EDIT_BTN_HIDESHOW}, 1},
      {kToolButton, {}, {}, 0},
  };
  for (const CallRow& row : rows) {
    SCOPED_TRACE(testing::Message() << "tool " << row.kind << ", " << row.selected.size() << " selected, first "
                                    << (row.selected.empty() ? -1 : row.selected[0]));
    ExpectCalls(row);
  }
}

TEST(MergedTools, TheLineToolDrawsTheLastLineType) {
  const unsigned types[] = {ID_CREATE_LINE_SEGMENT, ID_CREATE_LINE_HALF, ID_CREATE_LINE_STRAIGHT,
                            ID_CREATE_LINE_VECTOR};
  for (int type = 0; type < 4; ++type) ExpectCalls({kToolLine, {A, B}, {types[type]}, 1}, type);
  // No such type: nothing runs, the tool still counts as having acted.
  ExpectCalls({kToolLine, {A, B}, {}, 1}, 7);
}

TEST(MergedTools, NothingSelectedTheTextToolAsksForAFormula) {
  CommandPage p;
  const Cells c = Scene(p);
  p.Select({});
  StandIns standIns;
  p.dialogs->Cancel<CVodDlg>();
  p.ExpectNothingMade([&] { EXPECT_EQ(BuildFromSelection(p.doc, kToolText), 0); });
  EXPECT_EQ(p.dialogs->Offered<CVodDlg>().size(), 1u);
  EXPECT_TRUE(standIns.Calls().empty());
  // More than one cell of mixed kinds: the formula as well.
  p.Select({c[A], c[AB]});
  p.dialogs->Cancel<CVodDlg>();
  EXPECT_EQ(BuildFromSelection(p.doc, kToolText), 0);
  EXPECT_EQ(p.dialogs->Offered<CVodDlg>().size(), 2u);
  EXPECT_TRUE(standIns.Calls().empty());
}

TEST(MergedTools, TheDocumentsToolCommandsAreAlwaysEnabledAndBuild) {
  CommandPage p;
  const Cells c = Scene(p);
  StandIns standIns;
  const struct {
    unsigned command;
    unsigned calls;
  } rows[] = {
      {ID_CREATE_PRISM, ID_CREATE_CYLINDER}, {ID_CREATE_PYRAMID, ID_CREATE_CONE},
      {ID_CREATE_FRUSTUM, ID_CREATE_PLATFORM}, {ID_CREATE_SPHERE, ID_CREATE_GEO},
      {ID_CREATE_MEASCALC, ID_MEASURE_D_PP}, {ID_CREATE_TEXTLABEL, ID_EDIT_LABEL},
      {ID_CREATE_CURVE_LOCUS, ID_CREATE_LOCUS},
  };
  for (const auto& row : rows) {
    p.Select({c[A], c[B]});
    EXPECT_TRUE(CommandRegistry().Query(row.command).m_bEnabled) << row.command;
    ASSERT_TRUE(p.Run(row.command)) << row.command;
    EXPECT_EQ(standIns.Ids().back(), row.calls) << row.command;
  }
  EXPECT_EQ(standIns.Calls().size(), std::size(rows));
  p.Select({});
  EXPECT_TRUE(CommandRegistry().Query(ID_CREATE_TEXTLABEL).m_bEnabled);
}

}  // namespace
}  // namespace dispatchtest
