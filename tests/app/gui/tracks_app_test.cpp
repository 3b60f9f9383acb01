// Tracks and loci in the running program (xvfb), as a new user builds them:
// a circle, P on it, a free point A and the segment AP drawn with the mouse
// tools; P selected and "形迹" from the ribbon draws the fan of AP's 120
// positions, which follows A when it is dragged while P stays put; saved,
// undone, opened again and saved again to the same bytes.  P and the
// midpoint of AP give "轨迹" a circle-shaped locus.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QListWidget>
#include <QRadioButton>
#include <cmath>

#include "cells/dynamic/paths/locus.h"
#include "cells/dynamic/tracks/track.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "cells/primitives/cgverfreeincircle.h"
#include "editing/dialogs/tracks/trackdialogtexts.h"
#include "math/mathglobals.h"
#include "model/document/kavreldoc.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "programwindow.h"
#include "support/modaldialogs.h"
#include "keptpictures.h"
#include "userchoices.h"

namespace KAVREL_FILE_LOCAL {

constexpr float kRadius = 5;
constexpr float kCircleStep = 0.05235988f;  // the track's default step for a circle point

struct Spot {
  float x, y;
};

class TracksApp : public ProgramWindow {
 protected:
  WORD Newest() { return static_cast<WORD>(Page().m_nNextId - 1); }
  template <class T>
  T* Cell(WORD id) {
    return dynamic_cast<T*>(Page().m_cells.Lookup(id));
  }
  // The pixel over (x, y, 0) in the top view, as At but between grid points.
  QPoint Over(Spot s) const {
    return {static_cast<int>(std::lround(view->width() / 2.0 + 20 * s.x)),
            static_cast<int>(std::lround(view->height() / 2.0 - 20 * s.y))};
  }
  // Whether a pixel of the 3 x 3 square around the spot is one `wanted`.
  template <class Wanted>
  bool Any(const QImage& picture, Spot s, Wanted wanted) const {
    const double ratio = view->devicePixelRatioF();
    const QPoint at = Over(s);
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx)
        if (wanted(picture.pixel(static_cast<int>((at.x() + dx) * ratio), static_cast<int>((at.y() + dy) * ratio)) &
                   0xFFFFFF))
          return true;
    return false;
  }
  bool Drawn(const QImage& picture, Spot s, QRgb colour) const {
    return Any(picture, s, [colour](QRgb pixel) { return pixel == (colour & 0xFFFFFF); });
  }
  // Drawn in anything but the background of the view's corner.
  bool Inked(const QImage& picture, Spot s) const {
    const QRgb background = picture.pixel(2, 2) & 0xFFFFFF;
    return Any(picture, s, [background](QRgb pixel) { return pixel != background; });
  }
  // The picture with nothing selected, so the track shows its own colour.
  QImage Unselected(const char* name) {
    Click(At(-14, -10));
    return pictures.Keep(name, view->grabFramebuffer());
  }
  // On segment from `a` to the circle point at parameter v, the fraction f
  // of the way.
  static Spot OnCopy(Spot a, float v, float f) {
    const Spot q{kRadius * std::cos(v), kRadius * std::sin(v)};
    return {a.x + f * (q.x - a.x), a.y + f * (q.y - a.y)};
  }

  KeptPictures pictures;
};

TEST_F(TracksApp, TheFanOfASegmentFollowsItsEndIsSavedAndUndoneAndAMidpointTracesACircle) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  Render();
  // The circle about O through B, then P on it, A and the segment AP.
  Ribbon(ID_CREATE_CIRCLE);
  for (QPoint p : {At(0, 0), At(5, 0), At(0, 5)}) Click(p);
  ASSERT_NE(Cell<CGCell>(Newest()), nullptr) << "the circle";
  Ribbon(ID_CREATE_POINT);
  Click(At(3, -4));
  const WORD p = Newest();
  auto* onCircle = Cell<CGVerFreeInCircle>(p);
  ASSERT_NE(onCircle, nullptr) << "P on the circle";
  Click(At(9, 0));
  const WORD a = Newest();
  ASSERT_NE(Cell<CGVerFreeXyz>(a), nullptr);
  Ribbon(ID_CREATE_LINE);
  Click(At(9, 0));
  Click(At(3, -4));
  const WORD ap = Newest();
  auto* segment = Cell<CGLine>(ap);
  ASSERT_NE(segment, nullptr);
  ASSERT_EQ(segment->m_parents, (std::vector<WORD>{a, p}));
  const std::array<float, 3> pAt{onCircle->m_vPos[0], onCircle->m_vPos[1], onCircle->m_vPos[2]};
  const float pValue = onCircle->m_fValue;
  Ribbon(ID_EDIT_SELECT);
  const QImage before = Unselected("before");

  // P selected, then "形迹": the new track's list names P once and AP.
  Click(At(3, -4));
  ASSERT_EQ(Page().m_selAll, std::vector<WORD>{p});
  QString caption;
  QStringList listed;
  std::vector<bool> ticked;
  WhenShown([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    auto* cells = Child<QListWidget>(dialog, "cells");
    for (int row = 0; row < cells->count(); ++row) {
      listed << cells->item(row)->text();
      ticked.push_back(cells->item(row)->checkState() == Qt::Checked);
    }
    ByText<QRadioButton>(dialog, kTextTrackColours)->click();
    Press(dialog, QDialogButtonBox::Ok);
  });
  QStringList expected{onCircle->m_strName};
  for (WORD id = 1; id <= ap; ++id)
    if (const CGCell* cell = Page().m_cells.Lookup(id); cell && id != p) expected << cell->m_strName;
  const int steps = Page().m_undo.GetCount();
  Ribbon(ID_CREATE_TRACK);
  EXPECT_EQ(caption, QString::fromUtf8(kCaptionNewTrack));
  // P first and once, then what AP is built on and AP itself: every other
  // cell of the page, in the order they were made.
  EXPECT_EQ(listed, expected) << listed.join(u',').toStdString();
  EXPECT_TRUE(std::all_of(ticked.begin(), ticked.end(), [](bool t) { return t; }));
  auto* track = Cell<CGTrack>(Newest());
  ASSERT_NE(track, nullptr);
  EXPECT_EQ(Page().m_undo.GetCount(), steps + 1);
  EXPECT_EQ(track->CopyCount(), 120);
  EXPECT_FLOAT_EQ(track->TrackStep, kCircleStep);
  EXPECT_EQ(track->m_nStyle, 1) << "drawn in the track's own colour";

  // A copy of AP with P a third of the way round stands in the picture in
  // the track's colour, where nothing stood before; beyond the circle
  // opposite A, nothing.
  const QRgb trackColour = qRgb(track->m_rgbaColor.r, track->m_rgbaColor.g, track->m_rgbaColor.b);
  const Spot a0{9, 0};
  const Spot copy = OnCopy(a0, 40 * kCircleStep, 0.5f);
  const Spot nearA{8, -0.5f}, beyond{-7, 0};
  const QImage fan = Unselected("fan");
  EXPECT_FALSE(Drawn(before, copy, trackColour));
  EXPECT_TRUE(Drawn(fan, copy, trackColour)) << "a copy of AP at " << copy.x << ", " << copy.y;
  EXPECT_TRUE(Drawn(fan, nearA, trackColour)) << "the copies crowd near A";
  EXPECT_FALSE(Drawn(fan, beyond, trackColour));
  EXPECT_EQ(onCircle->m_fValue, pValue) << "drawing puts P back";

  // A dragged up: the fan follows, P stays.
  Drag(At(9, 0), At(9, 6));
  const float* aAt = Cell<CGVertex>(a)->m_vPos;
  ASSERT_NEAR(aAt[1], 6, 1e-4);
  const QImage moved = Unselected("moved");
  EXPECT_TRUE(Drawn(moved, OnCopy({9, 6}, 40 * kCircleStep, 0.5f), trackColour));
  EXPECT_FALSE(Drawn(moved, nearA, trackColour)) << "no copy left by the old A";
  for (int k = 0; k < 3; ++k) EXPECT_EQ(onCircle->m_vPos[k], pAt[k]) << k;
  EXPECT_EQ(onCircle->m_fValue, pValue);

  // Saved; the track undone leaves the picture without the fan.
  const QString saved = folder.filePath(QStringLiteral("fan.kv"));
  static_cast<ScriptedFileChooser&>(FileChooser()).answers = {saved};
  window->Actions().Action(ID_FILE_SAVE_AS)->trigger();
  ASSERT_TRUE(QFile::exists(saved));
  const WORD trackId = track->m_nId;
  ASSERT_TRUE(ActivateWindow(window));
  QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Page().m_cells.Lookup(trackId), nullptr) << "undo removes the track";
  EXPECT_FALSE(Drawn(Unselected("undone"), OnCopy({9, 6}, 40 * kCircleStep, 0.5f), trackColour));

  // P and the midpoint M of AP: "轨迹" traces a circle of half the radius
  // about the middle of A and O.
  Tick({ap});
  Ribbon(ID_CREATE_POINT_MIDDLE);
  const WORD m = Newest();
  ASSERT_NE(Cell<CGVertex>(m), nullptr);
  Tick({p, m});
  Ribbon(ID_CREATE_LOCUS);
  auto* locus = Cell<CGLocus>(Newest());
  ASSERT_NE(locus, nullptr);
  ASSERT_TRUE(locus->m_bDefined);
  ASSERT_GT(locus->SampleCount, 20);
  const Spot middle{aAt[0] / 2, aAt[1] / 2};
  for (int i = 0; i < locus->SampleCount; ++i) {
    const float* s = &locus->Samples[3 * static_cast<size_t>(i)];
    EXPECT_NEAR(std::hypot(s[0] - middle.x, s[1] - middle.y), kRadius / 2, 1e-3) << i;
  }
  const QImage traced = Unselected("locus");
  EXPECT_TRUE(Inked(traced, {middle.x, middle.y + kRadius / 2}));
  EXPECT_TRUE(Inked(traced, {middle.x - kRadius / 2, middle.y}));
  EXPECT_FALSE(Inked(traced, middle));

  // The saved fan opens as the program's document and saves to the same bytes.
  auto& asked = static_cast<RecordingNotifier&>(Notifier());
  EXPECT_TRUE(asked.shown.empty()) << asked.shown.front().text.toStdString();
  asked.answers = {IDNO};  // the locus is not kept
  ASSERT_NE(app.OpenDocumentFile(saved), nullptr);
  auto* reopened = Cell<CGTrack>(trackId);
  ASSERT_NE(reopened, nullptr);
  EXPECT_EQ(reopened->CopyCount(), 120);
  EXPECT_TRUE(Drawn(Unselected("reopened"), OnCopy({9, 6}, 40 * kCircleStep, 0.5f), trackColour));
  const QString again = folder.filePath(QStringLiteral("again.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(again));
  QFile first(saved), second(again);
  ASSERT_TRUE(first.open(QIODevice::ReadOnly) && second.open(QIODevice::ReadOnly));
  EXPECT_EQ(second.readAll().toHex(), first.readAll().toHex());
}

}  // namespace
