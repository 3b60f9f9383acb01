// The locus command: which of two selected cells drives, the default range,
// and an update rule that leaves the marks alone.
#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/paths/locus.h"
#include "cells/primitives/arcsbypoints.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "commands/tracks/driverranges.h"
#include "commands/tracks/locuscommand.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/commandpage.h"

namespace KAVREL_FILE_LOCAL {

// A circle, P on it, a fixed point A, segment AP and its midpoint M, and a
// point F unrelated to P.
struct CircleFigure {
  explicit CircleFigure(CommandPage& p) {
    const WORD o = p.Point(0, 0, 0), x = p.Point(2, 0, 0), y = p.Point(0, 2, 0);
    circle = p.Enter(new CGArcCenterP(p.Page().m_nNextId++, o, x, y));
    P = p.Enter(new CGVerFreeInCircle(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "P", circle, 0.5f));
    A = p.Point(4, 0, 0);
    AP = p.Line(A, P);
    M = p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "M", AP));
    F = p.Point(1, 1, 1);
  }
  WORD circle, P, A, AP, M, F;
};

bool Enabled() { return CommandRegistry().Query(ID_CREATE_LOCUS).m_bEnabled; }

TEST(LocusCommand, DriverAndTracedPointInEitherOrder) {
  const struct Row { bool pathPointFirst; } rows[] = {{true}, {false}};
  for (const Row& row : rows) {
    CommandPage p;
    const CircleFigure f(p);
    p.Select(row.pathPointFirst ? std::vector<WORD>{f.P, f.M} : std::vector<WORD>{f.M, f.P});
    EXPECT_TRUE(Enabled());
    const auto made = p.ExpectConstruction(ID_CREATE_LOCUS, 1, QString::fromUtf8("添加轨迹"));
    const auto* locus = p.As<CGLocus>(made[0]);
    ASSERT_NE(locus, nullptr);
    EXPECT_EQ(locus->m_parents.front(), f.P);
    EXPECT_EQ(locus->m_parents.back(), f.M);
    EXPECT_EQ(locus->ParamStart, 0);
    EXPECT_EQ(locus->ParamEnd, 6.2831f);
    EXPECT_TRUE(locus->m_bDefined);
  }
}

TEST(LocusCommand, SelectionsThatMakeNothing) {
  const struct Row { const char* what; int first, second; } rows[] = {
      {"two unrelated points", 'P', 'F'},
      {"a fixed point and its dependant", 'A', 'M'},
      {"a point and the path point it does not depend on", 'F', 'P'},
      {"one point", 'P', 0},
  };
  for (const Row& row : rows) {
    CommandPage p;
    const CircleFigure f(p);
    const auto id = [&f](int name) -> WORD {
      return name == 'P' ? f.P : name == 'F' ? f.F : name == 'A' ? f.A : name == 'M' ? f.M : 0;
    };
    std::vector<WORD> selected{id(row.first)};
    if (row.second) selected.push_back(id(row.second));
    p.Select(selected);
    EXPECT_FALSE(Enabled()) << row.what;
    p.ExpectNothingMade([&p] { OnCreateLocus(p.doc); });
  }
}

TEST(LocusCommand, AParameterRunsOverItsOwnRangeAndATrackOverZeroToOne) {
  CommandPage p;
  auto* parameter = new CGTmVarParameter(p.Page().m_nNextId++, QStringLiteral("t"), 1);
  parameter->SetRange(-10, 10);
  const WORD t = p.Enter(parameter);
  const WORD a = p.Point(0, 0, 0);
  const WORD b = p.Point(1, 0, 0);
  const WORD ab = p.Line(a, b);
  auto* moved = new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, "M", ab);
  moved->m_parents.push_back(t);  // depends on the parameter as well
  p.Find(t)->m_children.push_back(moved->m_nId);
  const WORD m = p.Enter(moved);
  p.Select({t, m});
  const auto made = p.ExpectConstruction(ID_CREATE_LOCUS, 1, QString::fromUtf8("添加轨迹"));
  const auto* locus = p.As<CGLocus>(made[0]);
  ASSERT_NE(locus, nullptr);
  EXPECT_EQ(locus->ParamStart, -10);
  EXPECT_EQ(locus->ParamEnd, 10);
  const CDriverRange track = TrackRange(*parameter);
  EXPECT_EQ(track.start, 0);
  EXPECT_EQ(track.end, 1.0f);
  EXPECT_EQ(track.step, 0.02f);
}

TEST(LocusCommand, TheUpdateRuleLeavesEveryMarkAsItWas) {
  CommandPage p;
  const CircleFigure f(p);
  p.Find(f.A)->m_bMarked = true;
  p.Find(f.M)->m_bMarked = true;
  p.Select({f.P, f.M});
  EXPECT_TRUE(Enabled());
  for (WORD id : {f.circle, f.P, f.A, f.AP, f.M, f.F})
    EXPECT_EQ(static_cast<bool>(p.Find(id)->m_bMarked), id == f.A || id == f.M) << id;
}

}  // namespace
