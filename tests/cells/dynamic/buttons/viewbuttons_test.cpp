// The view buttons: the run out, the pause, the way back and the repeat,
// with the view's values set exactly at the ends; the rotation form; the
// records and their checks.
#include <bit>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "cells/dynamic/buttons/viewbuttons.h"
#include "math/mathglobals.h"
#include "../measuretestsupport.h"
#include "model/buttonrecord.h"
#include "render/viewglobals.h"

namespace KAVREL_FILE_LOCAL {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();

class ViewButtonTest : public MeasureTest {
 protected:
  void SetUp() override {
    MeasureTest::SetUp();
    g_prefs.nFramesPerSecond = 25;
  }
  void TearDown() override {
    g_prefs = savedPrefs;
    ViewQuaternion = savedQuat;
    g_fViewScale = savedScale;
    for (int i = 0; i < 3; ++i) g_fViewTranslate[i] = savedTranslate[i];
    MeasureTest::TearDown();
  }
  // Ticks until the button finishes (at most `limit`), and what the view
  // showed after each.
  template <class Button, class Read>
  int Run(Button& button, int limit, Read read, std::vector<decltype(read())>& shown) {
    for (int tick = 1; tick <= limit; ++tick) {
      const bool done = button.Step();
      shown.push_back(read());
      if (done) return tick;
    }
    return 0;
  }

  CDisplayPrefs savedPrefs = g_prefs;
  Quaternion savedQuat = ViewQuaternion;
  float savedScale = g_fViewScale;
  float savedTranslate[3] = {g_fViewTranslate[0], g_fViewTranslate[1], g_fViewTranslate[2]};
};

Quaternion Turned(const Quaternion& q0, double radians, double ax, double ay, double az) {
  Quaternion r, out;
  QuatMultiply(q0, QuatFromAxisAngle(r, radians, ax, ay, az), out);
  return out;
}

TEST_F(ViewButtonTest, ScaleRunsOutPausesReturnsAndRepeats) {
  struct Row {
    const char* name;
    BOOL back;
    BOOL repeat;
    float duration;  // 0.2 s: five steps of 0.2
    float pause;
    int finishTick;  // 0: still running after the values shown
    std::vector<float> shown;
  } rows[] = {
      {"once", 0, 0, 0.2f, 0, 6, {1, 1.2f, 1.4f, 1.6f, 1.8f, 2}},
      {"return", 1, 0, 0.2f, 0, 12, {1, 1.2f, 1.4f, 1.6f, 1.8f, 2, 2, 1.8f, 1.6f, 1.4f, 1.2f, 1}},
      {"return after a longer pause", 1, 0, 0.2f, 0.1f, 0, {1, 1.2f, 1.4f, 1.6f, 1.8f, 2, 2, 2, 2, 1.8f}},
      {"repeat jumps back to the start", 0, 1, 0.2f, 0, 0, {1, 1.2f, 1.4f, 1.6f, 1.8f, 2, 2, 1, 1.2f}},
      {"return and repeat", 1, 1, 0.2f, 0, 0, {1, 1.2f, 1.4f, 1.6f, 1.8f, 2, 2, 1.8f, 1.6f, 1.4f, 1.2f, 1, 1, 1.2f}},
      {"below one frame", 0, 0, 0.01f, 0, 2, {1, 2}},
      {"duration no number", 0, 0, kNaN, 0, 2, {1, 2}},
      {"duration infinite", 1, 0, std::numeric_limits<float>::infinity(), 0, 4, {1, 2, 2, 1}},
  };
  for (const Row& row : rows) {
    g_fViewScale = 7;
    CGButnScale button(1, QStringLiteral("S"), 1, 2, row.back, row.repeat, row.duration, row.pause);
    std::vector<float> shown;
    const int limit = static_cast<int>(row.shown.size());
    EXPECT_EQ(Run(button, limit, [] { return g_fViewScale; }, shown), row.finishTick) << row.name;
    ASSERT_EQ(shown.size(), row.shown.size()) << row.name;
    for (size_t i = 0; i < shown.size(); ++i) {
      const float want = row.shown[i];
      // The ends are set, never reached by adding increments.
      if (want == 1 || want == 2)
        EXPECT_EQ(shown[i], want) << row.name << " tick " << i + 1;
      else
        EXPECT_NEAR(shown[i], want, 1e-6) << row.name << " tick " << i + 1;
    }
    if (row.finishTick) {
      EXPECT_EQ(button.m_nTick, 0) << row.name << ": a finished button starts afresh";
    }
  }
}

TEST_F(ViewButtonTest, TranslateEndsExactlyOnItsTargetAndItsStart) {
  CGButnTranslate button(1, QStringLiteral("T"), 0, 0, -50, 3, -7, -20.3f, 0, 0, 2.0f, 0);
  EXPECT_EQ(button.StepCount(), 50);
  std::vector<std::vector<float>> shown;
  const auto read = [] { return std::vector<float>(g_fViewTranslate, g_fViewTranslate + 3); };
  EXPECT_EQ(Run(button, 60, read, shown), 51);
  EXPECT_EQ(shown.front(), (std::vector<float>{0, 0, -50}));
  EXPECT_NEAR(shown[25][0], 1.5f, 1e-5);
  EXPECT_NEAR(shown[25][2], -35.15f, 1e-4);
  EXPECT_EQ(shown.back(), (std::vector<float>{3, -7, -20.3f}));

  // The way back ends exactly on the start; a run below one frame keeps
  // its increments finite although it never applies them.
  CGButnTranslate back(1, QStringLiteral("T"), 0.1f, -0.3f, -50, 3, -7, -20.3f, 1, 0, 0.28f, 0);
  shown.clear();
  EXPECT_EQ(Run(back, 30, read, shown), 16);
  EXPECT_EQ(shown.back(), (std::vector<float>{0.1f, -0.3f, -50}));
  CGButnTranslate instant(1, QStringLiteral("T"), 0, 0, -50, 3, -7, -20.3f, 0, 0, 0.01f, 0);
  EXPECT_FALSE(instant.Step());
  EXPECT_EQ(std::vector<float>(instant.m_fIncrement, instant.m_fIncrement + 3), (std::vector<float>{0, 0, 0}));
  EXPECT_TRUE(instant.Step());
}

TEST_F(ViewButtonTest, RotateShowsEachStepThenTheExactTurn) {
  const Quaternion tilted = Turned(kQuatIdentity, 0.7, 1, -2, 3);
  struct Row {
    const char* name;
    float w, x, y, z;  // start orientation
    float axis[3];
    float degrees;
    BOOL back;
  } rows[] = {
      {"about z", 1, 0, 0, 0, {0, 0, 2}, 90, 0},
      {"tilted start, slanted axis", float(tilted.w), float(tilted.x), float(tilted.y), float(tilted.z), {1, 1, 0}, -45, 0},
      {"and back", float(tilted.w), float(tilted.x), float(tilted.y), float(tilted.z), {0, 1, 0}, 120, 1},
      {"zero axis", float(tilted.w), float(tilted.x), float(tilted.y), float(tilted.z), {0, 0, 0}, 90, 1},
      {"w clamped", 1.5f, 0, 0, 0, {0, 0, 1}, 30, 0},
  };
  constexpr int kSteps = 5;
  for (const Row& row : rows) {
    ViewQuaternion = {0.5, 0.5, 0.5, 0.5};
    CGButnRotate button(1, QStringLiteral("R"), row.w, row.x, row.y, row.z, row.axis[0], row.axis[1], row.axis[2],
                        row.degrees, row.back, 0, 0.2f, 0);
    const Quaternion q0{row.w, row.x, row.y, row.z};
    const double step = static_cast<double>(row.degrees / kSteps) * 0.017453292519943295;
    const double full = static_cast<double>(row.degrees) * 0.017453292519943295;
    const auto at = [&](double radians) { return Turned(q0, radians, row.axis[0], row.axis[1], row.axis[2]); };
    std::vector<Quaternion> want{q0};
    for (int k = 1; k < kSteps; ++k) want.push_back(at(k * step));
    want.push_back(at(full));
    if (row.back) {
      want.push_back(at(full));
      for (int k = kSteps - 1; k >= 1; --k) want.push_back(at(full - (kSteps - k) * step));
      want.push_back(q0);
    }
    std::vector<Quaternion> shown;
    EXPECT_EQ(Run(button, 40, [] { return ViewQuaternion; }, shown), static_cast<int>(want.size())) << row.name;
    ASSERT_EQ(shown.size(), want.size()) << row.name;
    for (size_t i = 0; i < shown.size(); ++i) {
      for (double Quaternion::*c : {&Quaternion::w, &Quaternion::x, &Quaternion::y, &Quaternion::z})
        EXPECT_NEAR(shown[i].*c, want[i].*c, 1e-12) << row.name << " tick " << i + 1;
      if (i == 0) continue;
      EXPECT_LE(shown[i].w, 1.0) << row.name << " tick " << i + 1;
      const bool noAxis = row.axis[0] == 0 && row.axis[1] == 0 && row.axis[2] == 0;
      EXPECT_TRUE(!noAxis || shown[i] == shown[0]) << row.name << " tick " << i + 1;
    }
    // The ends are exact, not sums of steps.
    EXPECT_EQ(shown[kSteps], at(full)) << row.name;
    EXPECT_EQ(shown.back(), row.back ? q0 : at(full)) << row.name;
  }
}

TEST_F(ViewButtonTest, CaptionsDescriptionsAndRecords) {
  const DWORD pause = std::bit_cast<DWORD>(0.5f);
  // Written from the record tables: the button record (start w and the
  // angle in the second and third value words, the pause in the third
  // option word), the kind's floats, return, repeat as one byte, duration.
  CGButnRotate rotate(1, QStringLiteral("R"), 0.5f, 0.5f, -0.5f, 0.5f, 0, 0, 3, 90, 1, 1, 2, 0.5f);
  CGButnTranslate translate(2, QStringLiteral("T"), 1, 2, -50, -4, 5, -30, 0, 1, 1.5f, 0.5f);
  CGButnScale scale(3, QStringLiteral("S"), 1, 2.5f, 1, 0, 3, 0.5f);
  struct Row {
    const char* name;
    CGViewButton* button;
    CGButton* fresh;
    const char* caption;
    const char* description;
    QByteArray bytes;
    int floats;    // floats from there that may not be NaN
  } rows[] = {
      {"rotate", &rotate, new CGButnRotate, "视转动", "控制视图转动的动作按钮",
       ButtonRecord({1, "R", 0, 0, std::int32_t(pause), {}, 0.01f, std::bit_cast<DWORD>(0.5f), std::bit_cast<DWORD>(90.0f)})
           .f32(0.5f).f32(-0.5f).f32(0.5f).f32(0).f32(0).f32(3).i32(1).u8(1).f32(2)
           .get(),
       6},
      {"translate", &translate, new CGButnTranslate, "视平移", "控制视图平移的动作按钮",
       ButtonRecord({2, "T", 0, 0, std::int32_t(pause)}).f32(1).f32(2).f32(-50).f32(-4).f32(5).f32(-30).i32(0).u8(1).f32(1.5f).get(),
       6},
      {"scale", &scale, new CGButnScale, "视缩放", "控制视图缩放的动作按钮",
       ButtonRecord({3, "S", 0, 0, std::int32_t(pause)}).f32(1).f32(2.5f).i32(1).u8(0).f32(3).get(), 2},
  };
  for (Row& row : rows) {
    std::unique_ptr<CGButton> fresh(row.fresh);
    EXPECT_EQ(fresh->m_strName, QString::fromUtf8(row.caption)) << row.name;
    EXPECT_EQ(row.button->GetDescription(), QString::fromUtf8(row.description)) << row.name;
    row.button->m_vLabelAnchor[0] = -18, row.button->m_vLabelAnchor[1] = 12, row.button->m_vLabelAnchor[2] = 0;
    EXPECT_EQ(StoreCell(*row.button).toHex(), row.bytes.toHex()) << row.name;

    // A button stopped mid-run loads to start afresh, with the same record.
    for (int i = 0; i < 4; ++i) row.button->Step();
    std::unique_ptr<CGViewButton> loaded(static_cast<CGViewButton*>(row.button->GetRuntimeClass()->CreateObject()));
    CArchive in(row.bytes);
    loaded->Serialize(in);
    EXPECT_EQ(in.Remaining(), 0) << row.name;
    EXPECT_TRUE(loaded->m_nTick == 0 && loaded->m_bReturning == 0 && loaded->m_nPauseCount == 0) << row.name;
    EXPECT_EQ(StoreCell(*loaded).toHex(), row.bytes.toHex()) << row.name;

    // Every stored float that is no number fails the load: the kind's own,
    // the duration, and the pause and value words of the common record.
    std::vector<qsizetype> at;
    const qsizetype tail = row.bytes.size() - 9 - 4 * row.floats;
    for (int i = 0; i < row.floats; ++i) at.push_back(tail + 4 * i);
    at.push_back(row.bytes.size() - 4);
    for (qsizetype offset : at) {
      QByteArray spoilt = row.bytes;
      spoilt.replace(offset, 4, QByteArray(reinterpret_cast<const char*>(&kNaN), 4));
      std::unique_ptr<CGViewButton> bad(static_cast<CGViewButton*>(row.button->GetRuntimeClass()->CreateObject()));
      EXPECT_EQ(ArchiveCause([&] { CArchive ar(spoilt); bad->Serialize(ar); }), ArchiveError::BadData)
          << row.name << " float at " << offset;
    }
    // The pause and, for the rotation, the start w and the angle travel in
    // the common record; they are checked too.
    row.button->SetPauseSeconds(kNaN);
    const QByteArray nanPause = StoreCell(*row.button);
    EXPECT_EQ(ArchiveCause([&] { CArchive ar(nanPause); loaded->Serialize(ar); }), ArchiveError::BadData) << row.name;
  }
  for (DWORD* word : {&rotate.m_dwParam1, &rotate.m_dwParam2}) {
    rotate.SetPauseSeconds(0.5f);
    const DWORD kept = *word;
    *word = std::bit_cast<DWORD>(kNaN);
    const QByteArray spoilt = StoreCell(rotate);
    *word = kept;
    CGButnRotate bad;
    EXPECT_EQ(ArchiveCause([&] { CArchive ar(spoilt); bad.Serialize(ar); }), ArchiveError::BadData);
  }
}

}  // namespace
