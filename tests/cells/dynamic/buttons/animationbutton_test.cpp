// The animation button: stepping runs tick by tick (an integer parameter's
// slider position with them), the random walks in a plane and in a face,
// and the record with its damaged forms.
#include <bit>
#include <cmath>
#include <limits>
#include <vector>

#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgverfreeinface.h"
#include "model/buttonrecord.h"
#include "../measuretestsupport.h"
#include "platform/crtrandom.h"

namespace KAVREL_FILE_LOCAL {

class AnimationButtonTest : public MeasureTest {
 protected:
  CGButnAnimation* Button(WORD driven, float start, float end, int direction, BOOL repeat, float speed,
                          float pause = 0) {
    auto* button = new CGButnAnimation(page->m_nNextId, QStringLiteral("b"), driven, start, end, direction, repeat,
                                       speed, pause);
    page->m_cells.SetAt(page->m_nNextId++, button);
    return button;
  }
};

TEST_F(AnimationButtonTest, SteppingRunsTickByTick) {
  struct Row {
    const char* name;
    float start, end;
    int direction;
    BOOL repeat;
    float speed, pause, from;
    std::vector<float> values;  // tick by tick; the last finishes (unless `loops`)
    bool loops;
    int phase;                  // after the last tick
    float nextRun;              // the first value of the next run
  } rows[] = {
      {"forward once", 0, 1, 0, 0, 0.3f, 0, 0, {0.3f, 0.6f, 0.9f, 1}, false, 2, 0},
      {"landing on the end", 0, 1, 0, 0, 0.25f, 0, 0, {0.25f, 0.5f, 0.75f, 1, 1}, false, 2, 0},
      {"forward, repeat", 0, 1, 0, 1, 0.3f, 0, 0, {0.3f, 0.6f, 0.9f, 1, 1, 0, 0.3f}, true, 0, 0.6f},
      {"a pause of 0.1 s", 0, 1, 0, 1, 0.5f, 0.1f, 0, {0.5f, 1, 1, 1, 1, 1, 0}, true, 0, 0.5f},
      {"both ways", 0, 1, 2, 0, 0.3f, 0, 0.5f, {0.8f, 1, 1, 0.7f, 0.4f, 0.1f, 0}, false, 2, 0},
      {"both ways, repeat", 0, 1, 2, 1, 0.6f, 0, 0, {0.6f, 1, 1, 0.4f, 0, 0, 0.6f}, true, 0, 1},
      {"backward once", 0, 1, 1, 0, 0.3f, 0, 1, {0.7f, 0.4f, 0.1f, 0}, false, 2, 1},
      {"backward, repeat", 0, 1, 1, 1, 0.6f, 0, 1, {0.4f, 0, 0, 1, 0.4f}, true, 1, 0},
      {"start is end", 0.5f, 0.5f, 0, 0, 0.3f, 0, 0.5f, {0.5f}, false, 0, 0.5f},
      {"start is end, backward", 0.5f, 0.5f, 1, 0, 0.3f, 0, 0.5f, {0.5f}, false, 1, 0.5f},
      {"below the start", 0.5f, 1, 0, 0, 0.1f, 0, 0, {0.5f, 0.6f}, true, 0, 0.7f},
  };
  for (const Row& r : rows) {
    CGCell* driven = Add<CGCell>();
    driven->m_fValue = r.from;
    CGButnAnimation* b = Button(driven->m_nId, r.start, r.end, r.direction, r.repeat, r.speed, r.pause);
    for (size_t i = 0; i < r.values.size(); ++i) {
      const bool finished = b->Step();
      EXPECT_NEAR(driven->m_fValue, r.values[i], 1e-6) << r.name << ", tick " << i + 1;
      EXPECT_EQ(finished, !r.loops && i + 1 == r.values.size()) << r.name << ", tick " << i + 1;
    }
    EXPECT_EQ(b->m_nPhase, r.phase) << r.name;
    b->Step();
    EXPECT_NEAR(driven->m_fValue, r.nextRun, 1e-6) << r.name << ", next run";
  }
  // An integer parameter's slider position follows its value every tick.
  for (std::int32_t kind : {0, 1}) {
    auto* n = new CGTmVarParameter(page->m_nNextId, QStringLiteral("n"), 0);
    page->m_cells.SetAt(page->m_nNextId++, n);
    n->m_nParamA = kind;
    n->SetAccumulator(-7);
    CGButnAnimation* b = Button(n->m_nId, 0, 1, 2, 1, 0.3f);
    EXPECT_EQ(b->GetDescription(), QString::fromUtf8("参数n的动画按钮"));
    for (int tick = 0; tick < 12; ++tick) {
      b->Step();
      EXPECT_EQ(n->Accumulator(), kind == 1 ? n->m_fValue : -7) << kind << ", tick " << tick;
    }
  }
}

TEST_F(AnimationButtonTest, WalksStayInsideAndNeverTurnStraightBack) {
  const WORD a = P(0, 0, 0), b = P(4, 0, 0), c = P(0, 4, 0);
  auto* inPlane = new CGVerFreeInPlane(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("Q"), a, b, c, 0, 0);
  page->m_cells.SetAt(page->m_nNextId++, inPlane);
  // A convex pentagon: three fan triangles.
  const WORD face = F({{0, 0, 0}, {4, 0, 0}, {5, 3, 0}, {2, 5, 0}, {-1, 3, 0}});
  auto* inFace = new CGVerFreeInFace(page->m_nNextId, page->m_nNextVertex++, QStringLiteral("R"), face, 0.2f, 0.3f);
  page->m_cells.SetAt(page->m_nNextId++, inFace);
  KvSrand(1);
  for (CGVerFree* point : std::initializer_list<CGVerFree*>{inPlane, inFace}) {
    const bool plane = point == inPlane;
    CGButnAnimation* walk = Button(point->m_nId, 0, 20000, 0, 0, plane ? 0.1f : 0.05f);
    walk->m_nSubKind = plane ? CGButnAnimation::kWalkInPlane : CGButnAnimation::kWalkInFace;
    EXPECT_EQ(walk->GetDescription(), QString::fromUtf8(plane ? "点Q的动画按钮" : "点R的动画按钮"));
    int blocked = 0, triangles = 0;
    for (int tick = 0; tick < 10000; ++tick) {
      const int before = walk->m_nPhase;
      const float u = plane ? inPlane->WeightA : inFace->WeightK, v = plane ? inPlane->WeightB : inFace->Weight0;
      const int corner = inFace->Corner;
      ASSERT_FALSE(walk->Step());
      point->ApplyParameter();
      const int after = walk->m_nPhase;
      const float u2 = plane ? inPlane->WeightA : inFace->WeightK, v2 = plane ? inPlane->WeightB : inFace->Weight0;
      // A step taken back may leave a rounding trace, no more.
      const bool moved = std::fabs(u2 - u) > 1e-6f || std::fabs(v2 - v) > 1e-6f || inFace->Corner != corner;
      triangles |= 1 << inFace->Corner;
      if (moved) {
        EXPECT_NE(before + after, 3) << "tick " << tick << " went straight back";
      }
      blocked += !moved;
      if (plane) {
        ASSERT_TRUE(std::fabs(u2) <= 3 && std::fabs(v2) <= 3) << tick;
        // 0 u down, 1 v down, 2 v up, 3 u up, or nothing at the border.
        const float du = u2 - u, dv = v2 - v;
        const bool expected = (after == 0 && du < 0 && dv == 0) || (after == 1 && dv < 0 && du == 0) ||
                              (after == 2 && dv > 0 && du == 0) || (after == 3 && du > 0 && dv == 0);
        EXPECT_TRUE(expected || !moved) << tick;
      } else {
        // Within its fan triangle, so within the convex face.
        ASSERT_TRUE(u2 >= -1e-4f && v2 >= -1e-4f && 1 - u2 - v2 >= -1e-4f) << tick;
        if (!moved) {
          EXPECT_TRUE(after == 0 || after == 1) << "a bounce turns the walk back, tick " << tick;
        }
      }
    }
    EXPECT_GT(blocked, 0) << "the walk reached the border";
    if (!plane) {
      EXPECT_EQ(triangles, 0b1110) << "every fan triangle was visited";
    }
    EXPECT_EQ(walk->m_fStart, 10000);
  }

  // A run of end = 0 steps moves once and ends on the next tick, ready for
  // a fresh run; a mode the point cannot walk, or no mode at all, ends at once.
  CGButnAnimation* once = Button(inPlane->m_nId, 0, 0, 0, 0, 0.1f);
  once->m_nSubKind = CGButnAnimation::kWalkInPlane;
  inPlane->WeightA = inPlane->WeightB = 0;
  EXPECT_FALSE(once->Step());
  EXPECT_NE(std::fabs(inPlane->WeightA) + std::fabs(inPlane->WeightB), 0);
  EXPECT_TRUE(once->Step());
  EXPECT_EQ(once->m_fStart, 0);
  for (BYTE mode : {BYTE(1), BYTE(3), BYTE(255)}) {
    once->m_nSubKind = mode;
    EXPECT_TRUE(once->Step()) << int(mode);
  }
  // A point in a triangle its face lacks cannot walk.
  for (auto [corner, ends] : {std::pair{3, false}, {4, true}, {0, true}}) {
    inFace->Corner = corner;
    once->m_parents[0] = inFace->m_nId;
    once->m_nSubKind = CGButnAnimation::kWalkInFace;
    once->m_fStart = 0;
    EXPECT_EQ(once->Step(), ends) << "triangle " << corner;
  }
  once->m_nSubKind = 0;
  once->m_bDefined = false;
  EXPECT_TRUE(once->Step()) << "undefined";
}

// Written from the record tables: the button record (the pause in the third
// option word), then start, end, direction, repeat and phase.
TEST_F(AnimationButtonTest, RecordBytesAndDamagedRecords) {
  const WORD a = P(0, 0, 0);
  CGButnAnimation* b = Button(a, 0.5f, 2, 1, 0, 0.25f, 1.5f);
  b->m_nPauseCount = 3;
  RecordBytes bytes = ButtonRecord({b->m_nId, "b", 0, 0, std::bit_cast<std::int32_t>(1.5f), {a}, 0.25f});
  bytes.f32(0.5f).f32(2).i32(1).u8(0).i32(1);
  EXPECT_EQ(StoreCell(*b).toHex(), bytes.get().toHex());
  CGButnAnimation loaded;
  CArchive in(bytes.get());
  loaded.Serialize(in);
  EXPECT_EQ(StoreCell(loaded), bytes.get());
  EXPECT_EQ(loaded.m_nPauseCount, 0);
  EXPECT_EQ(loaded.PauseSeconds(), 1.5f);

  constexpr float kNan = std::numeric_limits<float>::quiet_NaN();
  constexpr float kInf = std::numeric_limits<float>::infinity();
  const std::vector<std::pair<const char*, void (*)(CGButnAnimation&)>> spoilt = {
      {"start", [](CGButnAnimation& x) { x.m_fStart = kNan; }},
      {"end", [](CGButnAnimation& x) { x.m_fEnd = -kInf; }},
      {"speed", [](CGButnAnimation& x) { x.m_fSpeed = kInf; }},
      {"two parents", [](CGButnAnimation& x) { x.m_parents.push_back(1); }},
  };
  for (const auto& [name, spoil] : spoilt) {
    CGButnAnimation* bad = Button(a, 0, 1, 0, 0, 0.1f);
    spoil(*bad);
    const QByteArray record = StoreCell(*bad);
    CGButnAnimation fresh;
    EXPECT_EQ(ArchiveCause([&] { CArchive ar(record); fresh.Serialize(ar); }), ArchiveError::BadData) << name;
  }
}

}  // namespace
