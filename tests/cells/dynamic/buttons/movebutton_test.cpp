// The move button: each mode tick by tick as the page runs it (the step,
// then the mover placed), the moves that end at once, and the record.
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "cells/constrained/follower.h"
#include "cells/constructed/follower2d.h"
#include "cells/constructed/paths/compoundpaths.h"
#include "cells/dynamic/buttons/movebutton.h"
#include "cells/dynamic/buttons/movegoals.h"
#include "model/buttonrecord.h"
#include "../pathtestsupport.h"

namespace KAVREL_FILE_LOCAL {

using Pos = std::array<float, 3>;
using Ids = std::array<WORD, 2>;  // mover, target

class MoveButtonTest : public PathTest {
 protected:
  CGButnMove* Move(Ids ids, float speed, BYTE mode) {
    auto* b = new CGButnMove(page->m_nNextId, QStringLiteral("m"), ids[0], ids[1], speed, mode);
    Put(b);
    return b;
  }
  template <class T, class... A>
  WORD Free(A... args) {
    return Put(new T(page->m_nNextId, page->m_nNextVertex++, page->GetNewName(1), args...));
  }
  WORD Xyz(float x, float y, float z) { return Free<CGVerFreeXyz>(x, y, z); }
  WORD InSquare() { return Free<CGVerFreeInFace>(F({{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}}), 0.5f, 0.5f); }
  WORD OnLine(float t) { return PointOf<CGVerFreeInLine>(L(P(0, 0, 0), P(10, 0, 0)), t); }
  WORD OnCurve(float t) { return PointOf<CGVerFreeInCurve>(Curve({}, "t", "0", "0", "0", "2")->m_nId, t); }
  WORD Undefined(WORD id) { return Cell(id)->m_bDefined = false, id; }
};

TEST_F(MoveButtonTest, EachModeStepsTickByTickAndEndsOnItsGoal) {
  struct Row {
    const char* name;
    std::function<Ids()> make;
    BYTE mode;
    float speed;
    std::vector<Pos> ticks;  // the mover after each tick; the last one ends
    float tolerance;
    bool ends = true;
  };
  const float c = 2 * std::cos(1.3f), s = 2 * std::sin(1.3f);
  const Row rows[] = {
      {"straight", [&] { return Ids{Xyz(0, 0, 0), P(0, 0, 2)}; }, 0, 0.125f,
       {{0, 0, 0.625f}, {0, 0, 1.25f}, {0, 0, 1.875f}, {0, 0, 2}}, 0},
      {"straight, exactly a step away", [&] { return Ids{Xyz(0, 0, 0), P(0, 0, .625f)}; }, 0, .125f,
       {{0, 0, .625f}, {0, 0, .625f}}, 0},
      {"straight, within a step", [&] { return Ids{Xyz(0, 0, 0), P(.3f, .4f, .1f)}; }, 0, .2f, {{.3f, .4f, .1f}}, 0},
      {"follower", [&] { return Ids{Free<CGVerFreeHenchman>(2.f, 1.f, 1.f, P(1, 1, 1)), P(2, 1, 9)}; }, 0, .1f,
       {{2, 1, 1.5f}}, 1e-6f, false},
      {"flat keeps z", [&] { return Ids{Free<CGVerFree2dHenchman>(0.f, 0.f, P(0, 0, 3)), P(6, 8, -7)}; }, 8, .2f,
       {{.6f, .8f, 3}}, 1e-6f, false},
      // The wrong way first, then the exact foot 0.213.
      {"line", [&] { return Ids{OnLine(0.5f), P(2.13f, 1, 0)}; }, 1, .1f,
       {{4.5f, 0, 0}, {4, 0, 0}, {3.5f, 0, 0}, {3, 0, 0}, {2.5f, 0, 0}, {2.13f, 0, 0}}, 1e-5f},
      {"line of no length", [&] { return Ids{PointOf<CGVerFreeInLine>(L(P(1, 0, 0), P(1, 0, 0)), .5f), P(3, 1, 0)}; }, 1,
       .1f, {{1, 0, 0}}, 0},
      {"circle", [&] { return Ids{PointOf<CGVerFreeInCircle>(Arc(2, kArcCircle), 1.2f), P(0, 5, 3)}; }, 2, .2f,
       {{c, s, 0}, {2 * std::cos(1.4f), 2 * std::sin(1.4f), 0}, {2 * std::cos(1.5f), 2 * std::sin(1.5f), 0}, {0, 2, 0}},
       1e-5f},
      {"circle, target over the centre", [&] { return Ids{PointOf<CGVerFreeInCircle>(Arc(2, kArcCircle), 0.f),
                                                          P(0, 0, 5)}; }, 2, .2f, {{2, 0, 0}}, 1e-6f},
      // Samples every 0.1 of t: a speed a tick, then the search near 1.2.
      {"curve", [&] { return Ids{OnCurve(0.2f), P(1.234f, 1, 0)}; }, 3, .3f,
       {{.5f, 0, 0}, {.8f, 0, 0}, {1.1f, 0, 0}, {1.234f, 0, 0}}, 3e-4f},
      {"curve, the search capped", [&] { return Ids{OnCurve(1.2f), P(1.234f, 1, 0)}; }, 3, 1e-6f, {{1.234f, 0, 0}}, 2e-5f},
      {"face, target outside", [&] { return Ids{InSquare(), P(10, 2, 5)}; }, 5, 1,
       {{2.70711f, .70711f, 0}, {3.41421f, 1.41421f, 0}, {4, 2, 0}}, 1e-5f},
      {"face, second triangle", [&] { return Ids{InSquare(), P(1, 3, 7)}; }, 5, 5, {{1, 3, 0}}, 1e-5f},
      {"plane", [&] { return Ids{Free<CGVerFreeInPlane>(P(0, 0, 0), P(4, 0, 0), P(0, 4, 0), 0.f, .5f), P(2, 5, 9)}; }, 6,
       1, {{2, 3, 0}, {2, 4, 0}, {2, 5, 0}, {2, 5, 0}}, 1e-6f},
      // Corners (0,0), (4,0), (4,4), (0,4): from 3.5 forward through 0 to 0.25;
      // from 1.5 back to 0.25 without wrapping.
      {"border", [&] { return Ids{Free<CGVerFreeInBorder>(std::vector<WORD>{P(0, 0, 0), P(4, 0, 0), P(4, 4, 0),
                                                                           P(0, 4, 0)}, 3.5f), P(1, -1, 0)}; },
       7, .5f, {{0, 0, 0}, {1, 0, 0}}, 1e-6f},
      {"border, ahead", [&] { return Ids{Free<CGVerFreeInBorder>(std::vector<WORD>{P(0, 0, 0), P(4, 0, 0), P(4, 4, 0)},
                                                                 .5f), P(3.6f, -1, 0)}; }, 7, .25f, {{3, 0, 0}, {3.6f, 0, 0}}, 1e-5f},
      {"border, backward", [&] { return Ids{Free<CGVerFreeInBorder>(std::vector<WORD>{P(0, 0, 0), P(4, 0, 0), P(4, 4, 0),
                                                                    P(0, 4, 0)}, 1.5f), P(1, -1, 0)}; },
       7, .5f, {{4, 0, 0}, {2, 0, 0}, {1, 0, 0}}, 1e-6f},
      // No ticks: a move that cannot run ends at once without moving.
      {"speed 0", [&] { return Ids{OnCurve(1.2f), P(2, 1, 0)}; }, 3, 0, {}, 0},
      {"negative speed", [&] { return Ids{OnLine(.5f), P(2, 1, 0)}; }, 1, -1, {}, 0},
      {"speed NaN", [&] { return Ids{OnLine(.5f), P(2, 1, 0)}; }, 3, NAN, {}, 0},
      {"infinite speed", [&] { return Ids{Xyz(5, 0, 0), P(2, 1, 0)}; }, 0, INFINITY, {}, 0},
      {"mode 9", [&] { return Ids{OnLine(.5f), P(2, 1, 0)}; }, 9, .1f, {}, 0},
      {"a free point in line mode", [&] { return Ids{Xyz(5, 0, 0), P(2, 1, 0)}; }, 1, .1f, {}, 0},
      {"no border", [&] { return Ids{OnLine(.5f), P(2, 1, 0)}; }, 7, .1f, {}, 0},
      {"a border whose second piece is a line", [&] { return Ids{Free<CGVerFreeInBorder>(std::vector<WORD>{
           Xyz(5, 0, 0), L(P(0, 0, 0), P(1, 0, 0)), P(0, 4, 0)}, .5f), P(2, 1, 0)}; }, 7, .1f, {}, 0},
      {"undefined target", [&] { return Ids{Xyz(5, 0, 0), Undefined(P(2, 1, 0))}; }, 0, .1f, {}, 0},
  };
  for (const Row& row : rows) {
    const Ids ids = row.make();
    auto* mover = Cell<CGVertex>(ids[0]);
    const std::pair<float, float> before(mover->m_fValue, mover->m_vPos[0]);
    CGButnMove* button = Move(ids, row.speed, row.mode);
    if (row.ticks.empty()) {
      EXPECT_TRUE(button->Step()) << row.name;
      EXPECT_EQ(std::make_pair(mover->m_fValue, mover->m_vPos[0]), before) << row.name;
    }
    for (size_t i = 0; i < row.ticks.size(); ++i) {
      const bool done = button->Step();
      mover->ApplyParameter();
      EXPECT_EQ(done, row.ends && i + 1 == row.ticks.size()) << row.name << ", tick " << i + 1;
      for (int k = 0; k < 3; ++k) EXPECT_NEAR(mover->m_vPos[k], row.ticks[i][k], row.tolerance) << row.name << i << k;
    }
  }
  // The goal (1, 3) lies in the square's second triangle, not the first.
  auto* inFace = Cell<CGVerFreeInFace>(InSquare());
  Move({inFace->m_nId, P(1, 3, 7)}, 5, 5)->Step();
  EXPECT_EQ(inFace->Corner, 2);
  // Corners in a line: the foot on their line.
  Pos goal;
  const Pos k[] = {{0, 0, 0}, {4, 0, 0}, {8, 0, 0}, {2, 5, 0}};
  PlaneGoal(k[0].data(), k[1].data(), k[2].data(), k[3].data(), goal.data());
  EXPECT_EQ(goal, (Pos{2, 0, 0}));
}

TEST_F(MoveButtonTest, ALocusSearchPutsTheDriverBack) {
  const Midpoints f = MidpointFigure(0.7f);
  const float qx = Cell<CGVertex>(f.q)->m_vPos[0];
  // On the locus (2 + cos t, sin t): the target's nearest place is t = 2.
  const WORD mover = PointOf<CGVerFreeInLocus>(Locus(f.p, f.q, 0, 6.2831f)->m_nId, 0.5f);
  CGButnMove* button = Move({mover, P(2 + 3 * std::cos(2.f), 3 * std::sin(2.f), 0)}, 0.4f, 4);
  std::vector<float> seen;
  for (bool done = false; !done && seen.size() < 10; Cell(mover)->ApplyParameter())
    done = button->Step(), seen.push_back(Cell(mover)->m_fValue);
  ASSERT_EQ(seen.size(), 4u);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(seen[i], 0.9f + 0.4f * i, 1e-6) << i;
  EXPECT_NEAR(seen[3], 2.0f, 1e-3);
  EXPECT_EQ(std::make_pair(Cell(f.p)->m_fValue, Cell<CGVertex>(f.q)->m_vPos[0]), std::make_pair(0.7f, qx));
}

TEST_F(MoveButtonTest, CaptionDescriptionAndRecord) {
  const WORD a = Xyz(0, 0, 0), b = P(1, 1, 1);
  CGButnMove* button = Move({a, b}, 0.25f, 8);
  button->UpdateLabel();
  const QString arrow = QString::fromUtf8("A→B");
  EXPECT_EQ(button->m_strName, arrow);
  EXPECT_EQ(button->GetDescription(), QString::fromUtf8("点A向点B移动的动画按钮"));
  button->m_nClimb = -1;
  const QByteArray bytes = ButtonRecord({button->m_nId, arrow, 0, 8, 0, {a, b}, 0.25f}).get();
  EXPECT_EQ(StoreCell(*button), bytes);
  CGButnMove loaded;
  CArchive in(bytes);
  loaded.Serialize(in);
  EXPECT_EQ(std::make_pair(int(loaded.m_nSubKind), loaded.m_nClimb), std::make_pair(8, 1));
  for (const QByteArray& bad : {ButtonRecord({3, "x", 0, 0, 0, {a, b}, NAN}).get(),
                                ButtonRecord({3, "x", 0, 0, 0, {a}, 0.1f}).get()}) {
    CGButnMove damaged;
    EXPECT_EQ(ArchiveCause([&] { CArchive ar(bad); damaged.Serialize(ar); }), ArchiveError::BadData);
  }
  loaded.m_bNameFixed = true, loaded.m_strName = "x";
  loaded.UpdateLabel();
  EXPECT_EQ(loaded.m_strName, "x") << "a name the user gave stays";
}

}  // namespace
