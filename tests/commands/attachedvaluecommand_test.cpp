// The command that attaches the selected value to the selected point.
#include "cells/dynamic/vectors/attachedvalue.h"
#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "commands/attachedvaluecommand.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

TEST(AttachedValueCommand, OnePointAndOneValueAndNothingElse) {
  // Selections of A(0, 0, 0), B(3, 4, 0), |AB|, the vector AB, the line AB
  // (by index); the value attached, or none.
  const struct Row { std::vector<int> selected; const char* text; } rows[] = {
      {{0, 2}, "5"}, {{3, 0}, "(3, 4, 0)"}, {{0}, nullptr}, {{2}, nullptr},
      {{0, 1, 2}, nullptr}, {{0, 2, 3}, nullptr}, {{0, 2, 4}, nullptr}};
  for (const Row& r : rows) {
    CommandPage p;
    const WORD a = p.Point(0, 0, 0), b = p.Point(3, 4, 0);
    const WORD ids[] = {a, b, p.Enter(new CGTmVarDistancePP(p.Page().m_nNextId++, a, b)),
                        p.Enter(new CGTmVectorPP(p.Page().m_nNextId++, a, b)), p.Line(a, b)};
    std::vector<WORD> selected;
    for (int i : r.selected) selected.push_back(ids[i]);
    p.Select(selected);
    EXPECT_EQ(CommandRegistry().Query(ID_ID_CREATE_VARAP).m_bEnabled, r.text != nullptr) << r.selected.size();
    if (!r.text) {
      p.ExpectNothingMade([&p] { OnCreateVarAp(p.doc); });  // past the update rule
      continue;
    }
    const auto* made = p.As<CGTmVarAfterP>(p.ExpectConstruction(ID_ID_CREATE_VARAP, 1, QString::fromUtf8("添加附点的值"))[0]);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->m_parents, (std::vector<WORD>{ids[r.selected[0] == 0 ? r.selected[1] : r.selected[0]], a}));
    EXPECT_EQ(made->m_strValueText, QString::fromUtf8(r.text));
  }
}

}  // namespace
