// Triangle centres, angle bisectors and the arc between two points of a
// circle: parents in selection order.
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgline.h"
#include "platform/commandids.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(TriangleCommands, CentresBisectorsAndArcsTakeTheSelectionInOrder) {
  struct Row {
    unsigned command;
    bool withCircle;  // the circle through A, B, C joins the selection, with only C and A
    const char* made;  // empty: disabled, nothing made
    const char* label;
  } const rows[] = {
      {ID_CREATE_POINT_TRIANGLE_G, false, "CGVerBarycenter(C,A,B)", "添加三角形重心"},
      {ID_CREATE_POINT_TRIANGLE_O, false, "CGVerExcenter(C,A,B)", "添加三角形外心"},
      {ID_CREATE_POINT_TRIANGLE_I, false, "CGVerIncenter(C,A,B)", "添加三角形内心"},
      {ID_CREATE_POINT_TRIANGLE_H, false, "CGVerOrthocenter(C,A,B)", "添加三角形垂心"},
      {ID_CREATE_POINT_TRIANGLE_E, false, "CGVerEscenter(C,A,B)", "添加三角形旁心"},
      {ID_CREATE_LINE_ANGLE, false, "CGVerBisectorA(C,A,B) CGLine(A,D)", "添加角平分线"},
      {ID_CREATE_LINE_ANGLE_E, false, "CGVerBisectorEA(C,A,B) CGLine(A,D)", "添加外角平分线"},
      {ID_CREATE_CIRCLE_ARC, true, "CGArcInCircle(C,A,c1)", "添加圆上的弧"},
      {ID_CREATE_CIRCLE_ARC, false, "", ""},
      {ID_CREATE_POINT_TRIANGLE_G, true, "", ""},
      {ID_CREATE_LINE_ANGLE, true, "", ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.label) + " " + std::to_string(row.command));
    CommandPage p;
    const WORD a = p.Point(0, 0, 0), b = p.Point(4, 0, 0), c = p.Point(0, 3, 0);
    if (row.withCircle)
      p.Select({c, a, p.Enter(new CGArcCircle3P(p.Page().m_nNextId++, a, b, c, kArcCircle))});
    else
      p.Select({c, a, b});
    const std::vector<WORD> ids = p.ExpectMade(row.command, row.made, row.label);
    if (ids.size() == 2) { EXPECT_EQ(p.Find(ids[1])->m_nSubKind, kLineRay); }
  }
}

}  // namespace
