// Iterations in the running program (xvfb), made as a new user makes them:
// points clicked in the top view, midpoints and segments from the ribbon,
// the pre-images selected with the mouse and "迭代图" answered image by
// image.  The copies are checked on the screen against the frame with the
// iteration hidden; a failing check keeps both frames as pictures.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <vector>

#include "cells/dynamic/iterations/iteration.h"
#include "cells/primitives/cgline.h"
#include "keptpictures.h"
#include "math/mathglobals.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "programwindow.h"
#include "support/modaldialogs.h"
#include "support/runningapp.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

// A point of the plane z = 0 in the top view (20 pixels a unit).
struct Spot {
  float x, y;
};

class IterationsApp : public ProgramWindow {
 protected:
  void TopView() {
    ViewQuaternion = kQuatIdentity;
    g_bSnapToGrid = 1;
    SetDialogProvider(MakeWidgetDialogProvider(window));
    Render();
  }
  QPoint Pixel(Spot s) const {
    return {view->width() / 2 + qRound(20 * s.x), view->height() / 2 - qRound(20 * s.y)};
  }
  WORD PointAt(int k, int m) {
    Ribbon(ID_CREATE_POINT);
    Click(At(k, m));
    return NewestId();
  }
  WORD NewestId() { return static_cast<WORD>(Page().m_nNextId - 1); }
  // The points under the pixels, in order, with the select tool.
  void SelectAt(std::initializer_list<QPoint> at) {
    Ribbon(ID_EDIT_SELECT);
    Click(At(-19, 13));  // empty space
    for (QPoint p : at) Click(p);
  }
  // "迭代图" on the selection, each pre-image given its image by id; OK.
  void Iterate(const std::vector<WORD>& images) {
    WhenShown([images](QDialog& d) {
      auto* list = Child<QComboBox>(d, "images");
      for (WORD id : images) emit list->activated(list->findData(id));
      Press(d, QDialogButtonBox::Ok);
    });
    Ribbon(ID_TRANS_ITERATE);
  }
  CGIterate* Iteration() {
    const std::vector<CGIterate*> found = PageCellsOf<CGIterate>();
    return found.size() == 1 ? found[0] : nullptr;
  }
  // The frame with nothing selected, and the same with the iteration hidden.
  void Frames(QImage& shown, QImage& hidden) {
    Click(At(-19, 13));
    CGIterate* iteration = Iteration();
    shown = view->grabFramebuffer();
    if (iteration) iteration->m_bHidden = 1;
    hidden = view->grabFramebuffer();
    if (iteration) iteration->m_bHidden = 0;
  }
  // Whether the frames differ within 3 pixels of `at`; if not as expected,
  // both frames are kept as pictures named after the test and `what`
  // (saved when the test fails).
  ::testing::AssertionResult Differ(const QImage& one, const QImage& other, Spot at, const char* what,
                                    bool expected = true) {
    const QPoint p = Pixel(at);
    bool differ = false;
    for (int y = p.y() - 3; y <= p.y() + 3; ++y)
      for (int x = p.x() - 3; x <= p.x() + 3; ++x) differ = differ || one.pixel(x, y) != other.pixel(x, y);
    if (differ == expected) return ::testing::AssertionSuccess();
    pictures.Keep((std::string(what) + "-a").c_str(), one);
    pictures.Keep((std::string(what) + "-b").c_str(), other);
    return ::testing::AssertionFailure() << what << " at (" << at.x << ", " << at.y << ") pixel (" << p.x() << ", "
                                         << p.y() << "): the frames " << (expected ? "agree" : "differ")
                                         << "; both kept as pictures";
  }
  KeptPictures pictures;
  QByteArray Saved(const QString& path) {
    QFile file(path);
    return app.Document().OnSaveDocument(path) && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
};

// A(-8, 0), B(8, 0), M the ribbon's midpoint of A and B (a scaled point),
// segment AM; A -> A, B -> M.  The copies of AM lie on AM itself, so the
// copies of M, drawn as points at -4, -6, -7 …, show the levels.
TEST_F(IterationsApp, HalvingSegmentsFollowTheLivePropertyDialog) {
  ASSERT_TRUE(view->isValid());
  TopView();
  const WORD a = PointAt(-8, 0), b = PointAt(8, 0);
  SelectAt({At(-8, 0), At(8, 0)});
  Ribbon(ID_CREATE_POINT_MIDDLE);
  const WORD m = NewestId();
  SelectAt({At(-8, 0), At(0, 0)});
  Ribbon(ID_CREATE_LINE_SEGMENT);
  ASSERT_EQ(PageCellsOf<CGLine>().size(), 1u);

  SelectAt({At(-8, 0), At(8, 0)});
  ASSERT_EQ(Page().m_selPoints, (std::vector<WORD>{a, b}));
  Iterate({a, m});
  CGIterate* iterate = Iteration();
  ASSERT_TRUE(iterate);
  EXPECT_EQ(iterate->m_idArrays, (std::vector<std::vector<WORD>>{{a, b}, {a, m}}));
  EXPECT_EQ(iterate->m_nDepth, 3);
  QImage shown, hidden;
  Frames(shown, hidden);
  EXPECT_TRUE(iterate->m_bDefined);
  for (float x : {-4.0f, -6.0f, -7.0f}) EXPECT_TRUE(Differ(shown, hidden, {x, 0}, "level"));
  EXPECT_TRUE(Differ(shown, hidden, {-7.5f, 0}, "beyond-depth", false));

  // In the object list, then 属性: the depth raised, then solid lines only,
  // which leaves out the points; the view follows while the dialog is open.
  Page().ClearSelection();
  window->Tree()->ClickCheckBox(CViewTree::FindChildItem(window->Tree()->FindCurrentPageItem(), iterate->m_nId));
  ASSERT_EQ(Page().m_selAll, std::vector<WORD>{iterate->m_nId});
  const QImage selected = view->grabFramebuffer();
  QImage deeper, solid;
  WhenShown([&](QDialog& d) {
    auto* depth = Child(d, "depth");
    depth->setText(QStringLiteral("6"));
    emit depth->editingFinished();
    deeper = view->grabFramebuffer();
    Child<QCheckBox>(d, "solidLinesOnly")->click();
    solid = view->grabFramebuffer();
    Press(d, QDialogButtonBox::Ok);
  });
  Ribbon(ID_EDIT_PROPERTY);
  EXPECT_EQ(iterate->m_nDepth, 6);
  EXPECT_EQ(iterate->m_bSolidLinesOnly, 1);
  EXPECT_TRUE(Differ(deeper, selected, {-7.5f, 0}, "level-4"));
  EXPECT_TRUE(Differ(solid, deeper, {-4, 0}, "solid-lines"));
  Frames(shown, hidden);
  EXPECT_TRUE(Differ(shown, hidden, {-4, 0}, "solid-lines-kept", false));

  const QString path = folder.filePath(QStringLiteral("halving.kv"));
  UndoRedoSaveAndReopen<CGIterate>(app, "添加迭代图", path);
  const QByteArray first = Saved(path);
  EXPECT_FALSE(first.isEmpty());
  EXPECT_EQ(Saved(folder.filePath(QStringLiteral("again.kv"))), first) << "save, open, save: identical";
  ASSERT_TRUE(Iteration());
  EXPECT_EQ(Iteration()->m_nDepth, 6);
}

// The triangle A(-10, -6), B(10, -6), C(0, 10) with its sides, the sides'
// midpoints D, E, F from the ribbon; A -> D, B -> E, C -> F at depth 3 draws
// three nested triangles of midpoints.  Undo, redo and a reopened file show
// the same.
TEST_F(IterationsApp, NestedTrianglesOfRibbonMidpoints) {
  ASSERT_TRUE(view->isValid());
  TopView();
  const WORD a = PointAt(-10, -6), b = PointAt(10, -6), c = PointAt(0, 10);
  const QPoint corners[] = {At(-10, -6), At(10, -6), At(0, 10)};
  std::vector<WORD> midpoints;
  for (int i = 0; i < 3; ++i) {
    SelectAt({corners[i], corners[(i + 1) % 3]});
    Ribbon(ID_CREATE_LINE_SEGMENT);
    SelectAt({corners[i], corners[(i + 1) % 3]});
    Ribbon(ID_CREATE_POINT_MIDDLE);
    midpoints.push_back(NewestId());
  }
  SelectAt({corners[0], corners[1], corners[2]});
  ASSERT_EQ(Page().m_selPoints, (std::vector<WORD>{a, b, c}));
  Iterate(midpoints);
  ASSERT_TRUE(Iteration());
  EXPECT_EQ(Iteration()->m_nDepth, 3);

  // One spot on a side of each level's triangle, away from the others.
  const Spot levels[] = {{3, 2}, {1.5f, -2}, {0.5f, 0}};
  const char* names[] = {"level-1", "level-2", "level-3"};
  const auto expectCopies = [&](const char* when) {
    QImage shown, hidden;
    Frames(shown, hidden);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(Differ(shown, hidden, levels[i], names[i])) << when;
  };
  expectCopies("built");
  // The frame without any iteration, to compare with once it is undone.
  QImage before, unused;
  Frames(unused, before);

  ASSERT_TRUE(Page().m_undo.Undo());
  EXPECT_FALSE(Iteration());
  const QImage undone = view->grabFramebuffer();
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(Differ(undone, before, levels[i], names[i], false)) << "undone";
  ASSERT_TRUE(Page().m_undo.Redo());
  expectCopies("redone");

  const QString path = folder.filePath(QStringLiteral("triangles.kv"));
  const QByteArray first = Saved(path);
  ASSERT_TRUE(app.Document().OnOpenDocument(path, false));
  ViewQuaternion = kQuatIdentity;
  expectCopies("reopened");
  EXPECT_EQ(Saved(folder.filePath(QStringLiteral("again.kv"))), first) << "save, open, save: identical";
}

}  // namespace
