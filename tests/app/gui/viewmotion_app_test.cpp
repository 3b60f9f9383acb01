// The view's motion in the running program (xvfb): a student zooms with the
// wheel and Alt+Up, puts the view back with Home, lets it spin with Space
// and stops it, looks at the three views with F3, picks the central
// projection and pans with Shift+Right; the saved document reopens with the
// view as it was shown.
#include <gtest/gtest.h>

#include <QWheelEvent>

#include "math/mathglobals.h"
#include "math/viewrotation.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "ui/commandactions.h"
#include "ui/kavrelstatusbar.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

class ViewMotionApp : public ProgramWindow {
 protected:
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    // Other tests' windows share the display and may take its focus.
    ActivateWindow(window, view);
    QTest::keyClick(view, key, modifiers);
    QApplication::processEvents();
  }
  void Wheel(int delta) {
    const QPointF at(view->width() / 2.0, view->height() / 2.0);
    QWheelEvent wheel(at, view->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &wheel);
  }
  // Magenta caption pixels in the upper-left quadrant of a frame.
  bool CaptionShown() {
    const QImage frame = view->grabFramebuffer();
    const RGBA& c = g_prefs.rgbaSelection;
    for (int y = 0; y < frame.height() / 2; ++y)
      for (int x = 0; x < frame.width() / 2; ++x)
        if (frame.pixel(x, y) == qRgb(c.r, c.g, c.b)) return true;
    return false;
  }
};

TEST_F(ViewMotionApp, WheelKeysSpinThreeViewsSaveAndReopen) {
  ASSERT_TRUE(view->isValid());
  EXPECT_EQ(window->StatusBarEx()->ElementText(2), QString::fromUtf8("当前页：第一页"));
  EXPECT_EQ(window->StatusBarEx()->ElementText(0), QString::fromUtf8("文档作者："));
  EXPECT_EQ(Page().m_nTimerJob, 5);
  // A click gives the view the keys: asked again while another program
  // takes the activation away between the click and the check.
  EXPECT_TRUE(SettleUntil([this] {
    ActivateWindow(window, window->Tree());
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(5, 5));
    return view->hasFocus();
  })) << "a click gives the view the keys";

  Wheel(120);
  EXPECT_FLOAT_EQ(g_fViewScale, 1.05f);
  Key(Qt::Key_Up, Qt::AltModifier);
  EXPECT_FLOAT_EQ(g_fViewScale, 1.25f);
  Key(Qt::Key_Home);
  EXPECT_EQ(g_fViewScale, 1.0f);
  const Quaternion reset = ViewQuaternion;
  SetViewRotation(-75, -15);
  EXPECT_EQ(reset, ViewQuaternion);

  Key(Qt::Key_Space);
  EXPECT_TRUE(view->Timer1().IsActive());
  EXPECT_EQ(view->Timer1().Interval(), 40);
  EXPECT_EQ(Page().m_nTimerJob, 1);
  EXPECT_TRUE(SettleUntil([&reset] { return ViewQuaternion != reset; })) << "the ticks turn the view";
  Key(Qt::Key_Space);
  EXPECT_FALSE(view->Timer1().IsActive());
  const Quaternion stopped = ViewQuaternion;
  Settle();  // with the timer stopped no tick is left to come
  EXPECT_EQ(ViewQuaternion, stopped);

  Key(Qt::Key_F3);
  EXPECT_TRUE(Page().m_bThreeView);
  EXPECT_TRUE(CaptionShown()) << "the quadrants carry their captions";
  Key(Qt::Key_F3);
  EXPECT_FALSE(Page().m_bThreeView);
  EXPECT_FALSE(CaptionShown());

  window->Actions().Action(ID_VIEW_PROJ_PERSPEC)->trigger();
  Key(Qt::Key_Up, Qt::AltModifier);
  Key(Qt::Key_Right, Qt::ShiftModifier);
  Key(Qt::Key_Left);  // turns the view a degree
  const Quaternion shown = ViewQuaternion;
  EXPECT_FLOAT_EQ(g_fViewTranslate[0], 1.0f);

  const QString path = folder.filePath(QStringLiteral("turned.kv"));
  static_cast<ScriptedFileChooser&>(FileChooser()).answers = {path};
  window->Actions().Action(ID_FILE_SAVE_AS)->trigger();
  ASSERT_TRUE(app.OpenDocumentFile(path));
  EXPECT_EQ(g_nProjection, 0);
  EXPECT_FLOAT_EQ(g_fViewScale, 1.2f);
  EXPECT_EQ(g_fViewTranslate[0], 1.0f);
  EXPECT_EQ(g_fViewTranslate[2], -50.0f);
  for (auto [got, expected] : {std::pair(ViewQuaternion.w, shown.w), std::pair(ViewQuaternion.x, shown.x),
                               std::pair(ViewQuaternion.y, shown.y), std::pair(ViewQuaternion.z, shown.z)})
    EXPECT_EQ(got, static_cast<double>(static_cast<float>(expected))) << "kept as floats";
}

}  // namespace
