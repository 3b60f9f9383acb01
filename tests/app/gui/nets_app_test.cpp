// Nets and cuts in the running program (xvfb), used as a new user would:
// the cube hull from its dialog, its net folded and unfolded by the "折展"
// button in a series of pictures, and a cut of the cube run to its end by
// the "切割" button; quitting while a net too deep for the renderer folds.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <cmath>

#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/convexhull.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/editscope.h"
#include "programwindow.h"
#include "support/modaldialogs.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

class NetsApp : public ProgramWindow {
 protected:
  // The cube hull through the dialog, chosen as set "正六面体".
  WORD CubeHull() {
    WhenShown([](QDialog& dialog) {
      dialog.findChild<QComboBox*>(QStringLiteral("vertexSet"))->setCurrentIndex(6);
      dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    Ribbon(ID_POLYHEDRON);
    const WORD hull = WORD(Page().m_nNextId - 1);
    EXPECT_NE(dynamic_cast<CGPolyhedron*>(Page().m_cells.Lookup(hull)), nullptr);
    return hull;
  }
  void SelectInTree(WORD id) {
    Page().ClearSelection();
    window->DocumentShown();
    window->Tree()->ClickCheckBox(CViewTree::FindChildItem(window->Tree()->FindCurrentPageItem(), id));
  }
  // Makes the command's cell and button through its dialog (OK as offered).
  std::pair<WORD, WORD> MadeWithButton(unsigned command) {
    WhenShown([](QDialog& dialog) { dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); });
    Ribbon(command);
    return {WORD(Page().m_nNextId - 2), WORD(Page().m_nNextId - 1)};
  }
  void Press(WORD button) { ASSERT_TRUE(CommandRegistry().Run(ID_CELL_COMMAND_BASE + button)); }
  bool Running(WORD button) { return static_cast<CGButton*>(Page().m_cells.Lookup(button))->m_bRunning; }
};

TEST_F(NetsApp, TheNetFoldsAndUnfoldsAndTheCutEndsInEightPieces) {
  ASSERT_TRUE(view->isValid());
  const WORD hull = CubeHull();
  SelectInTree(hull);
  ASSERT_EQ(Page().m_selOthers, std::vector<WORD>{hull});
  const auto [net, foldButton] = MadeWithButton(ID_FOLD);
  auto* fold = dynamic_cast<CGFold*>(Page().m_cells.Lookup(net));
  ASSERT_TRUE(fold);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QString::fromUtf8("添加展开图"));
  Page().ClearSelection();
  Page().m_cells.Lookup(hull)->m_bHidden = 1;
  Render();
  const QImage spread = view->grabFramebuffer();
  Press(foldButton);
  std::vector<float> seen;
  std::vector<QImage> frames;
  for (int i = 0; i < 200 && seen.size() < 6; ++i) {
    QTest::qWait(20);
    if (seen.empty() || fold->m_fValue != seen.back()) {
      seen.push_back(fold->m_fValue);
      frames.push_back(view->grabFramebuffer());
    }
  }
  Press(foldButton);
  ASSERT_GE(seen.size(), 3u) << "the button moves the net";
  EXPECT_GT(seen.back(), 1.0f);
  int changed = 0;
  for (const QImage& frame : frames) changed += frame != spread;
  EXPECT_GE(changed, 2) << "the folding faces move in the pictures";

  SelectInTree(hull);
  const auto [cut, cutButton] = MadeWithButton(ID_TI_SPLIT);
  auto* split = dynamic_cast<CGSplit*>(Page().m_cells.Lookup(cut));
  ASSERT_TRUE(split);
  Page().ClearSelection();
  Press(cutButton);
  QTRY_VERIFY_WITH_TIMEOUT(!Running(cutButton), 20000);
  EXPECT_EQ(split->m_nCutsDone, 3);
  EXPECT_EQ(split->m_pieces.size(), 8u);
  EXPECT_EQ(split->OverlayText(), QStringLiteral("planes:  3      parts :  8"));
}

// Quitting while the net of a hull of 480 points on a sphere folds (its
// tree of faces deeper than the renderer's matrix stack) shows no message
// and ends the program.  The click that chooses 退出程序 in the application
// menu spans the menu's own event loop, so the ticks meanwhile belong to its
// edit, which settles after the window has closed: the net is computed
// again, with the last frame's context still current.
TEST_F(NetsApp, QuittingWhileADeepNetFoldsShowsNoMessageAndEndsTheProgram) {
  constexpr int kPoints = 480;
  std::vector<double> sphere;
  for (int i = 0; i < kPoints; ++i) {
    const double z = 1 - (2 * i + 1.0) / kPoints, r = std::sqrt(1 - z * z), turn = 2.399963229728653 * i;
    sphere.insert(sphere.end(), {4 * r * std::cos(turn), 4 * r * std::sin(turn), 4 * z});
  }
  CGPage& page = Page();
  auto* hull = new CGPolyhedron;
  ASSERT_TRUE(BuildConvexHull(sphere.data(), kPoints, *hull));
  hull->m_nId = page.m_nNextId++;
  page.m_cells.SetAt(hull->m_nId, hull);
  auto* fold = new CGFold(page.m_nNextId++, hull->m_nId, QStringLiteral("展开图"), 2, 1);
  page.m_cells.SetAt(fold->m_nId, fold);
  const WORD button = page.m_nNextId++;
  page.m_cells.SetAt(button, new CGButnAnimation(button, QStringLiteral("折展"), fold->m_nId, 1, float(fold->DeepestLevel + 1),
                                                 CGButnAnimation::kBothWays, 1, 0.03f, 1));
  window->DocumentShown();
  ASSERT_GE(fold->DeepestLevel, 30) << "deeper than the 32 matrices of the renderer's stack";
  Render();
  // The window's own message boxes: one would hold up the quit.
  std::unique_ptr<INotifier> recorder = SetNotifier(std::move(boxes));
  Press(button);
  QStringList shown;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&shown] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      shown << box->text();
      box->reject();
    }
  });
  watch.start(10);
  QTimer::singleShot(0, window, [this, fold] {
    const CEditScope menuClick;
    const float start = fold->m_fValue;
    ASSERT_TRUE(SettleUntil([&] { return fold->m_fValue > start; })) << "the net folds while the menu is open";
    CommandRegistry().Run(ID_APP_EXIT);
    view->makeCurrent();
  });
  QTimer::singleShot(30000, [] { QCoreApplication::exit(1); });  // the program would not end
  EXPECT_EQ(QApplication::exec(), 0);
  EXPECT_TRUE(shown.isEmpty()) << shown.join(QLatin1Char('\n')).toStdString();
  boxes = SetNotifier(std::move(recorder));
}

}  // namespace
