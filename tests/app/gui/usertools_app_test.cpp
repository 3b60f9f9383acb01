// Using a user tool in the running program (xvfb), as a teacher would: the
// segment and its midpoint recorded as tool T from the object list and the
// ribbon, T chosen from the custom-tool menu and fed by two clicks on empty
// space, the instance undone and redone in one step, T applied to four
// selected points from the ribbon, renamed in the tool properties, and the
// document saved, closed and reopened with its cells and its tool; and a
// tool chosen from the menu copied twice in the tool properties; and tools
// fed by clicks on existing points, a segment, a circle and a caption.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <set>

#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "math/mathglobals.h"
#include "model/globals.h"
#include "model/document/usertool.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "programwindow.h"
#include "support/documentfiles.h"
#include "support/modaldialogs.h"
#include "ui/kavrelstatusbar.h"
#include "ui/objectlist/viewtree.h"

namespace KAVREL_FILE_LOCAL {

class UserToolsApp : public ProgramWindow {
 protected:
  // Acts on the next modal dialog once it is up; gives up after a while so
  // that a dialog that never comes fails the test instead of lingering.
  static void WhenDialog(std::function<void(QDialog&)> act, bool* shown) {
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [act, shown, clock, poll] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        *shown = true;
        act(*dialog);
        *poll = nullptr;  // the poll lets go of itself
      } else if (clock->elapsed() < 20000) {
        QTimer::singleShot(10, *poll);
      } else {
        *poll = nullptr;
      }
    };
    QTimer::singleShot(10, *poll);
  }
  RecordingNotifier& Boxes() { return static_cast<RecordingNotifier&>(Notifier()); }
  // A click on the page's own item: nothing is selected any more.
  void Untick() { window->Tree()->ClickLabel(window->Tree()->FindCurrentPageItem()); }
  void Tick(WORD id) {
    QTreeWidgetItem* item = CViewTree::FindChildItem(window->Tree()->FindCurrentPageItem(), id);
    ASSERT_NE(item, nullptr) << id;
    window->Tree()->ClickCheckBox(item);
  }
  void Move(QPoint to) {
    QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view, &move);
    QApplication::processEvents();
  }
  // The ticked structure recorded as a tool of that name, the question of
  // the changed structure answered OK; whether the name was asked.
  bool RecordTool(const QString& name) {
    Boxes().answers = {IDOK};
    bool named = false;
    WhenDialog([name](QDialog& dialog) {
      Child(dialog, "toolName")->setText(name);
      Press(dialog, QDialogButtonBox::Ok);
    }, &named);
    Ribbon(ID_TOOL_CREATE);
    return named;
  }
  QString Status() const { return window->StatusBarEx()->ElementText(0); }
  QStringList DocumentToolItems() const {
    QStringList texts;
    QMenu* menu = window->CustomToolButton()->menu();
    for (QAction* action : menu ? menu->actions() : QList<QAction*>()) texts << action->text();
    return texts.mid(std::max<qsizetype>(0, texts.indexOf(QStringLiteral("当前文档工具")) + 1));
  }
  QAction* DocumentToolItem(const QString& name) const {
    QMenu* menu = window->CustomToolButton()->menu();
    for (QAction* action : menu ? menu->actions() : QList<QAction*>())
      if (action->text() == name) return action;
    return nullptr;
  }
  int Count(const char* className) {
    int n = 0;
    for (auto [id, cell] : Page().m_cells) n += QString::fromLatin1(cell->GetRuntimeClass()->m_lpszClassName) == QLatin1String(className);
    return n;
  }
};

TEST_F(UserToolsApp, RecordChooseClickApplyRenameSaveAndReopen) {
  ViewQuaternion = kQuatIdentity;  // the top view, where At() holds
  g_bSnapToGrid = 1;
  Render();
  // A, B, segment AB, then its midpoint M.
  Ribbon(ID_CREATE_LINE);
  Click(At(-8, 4));
  Click(At(-4, 4));
  ASSERT_EQ(Page().m_cells.size(), 3u);
  const WORD a = 1, b = 2, ab = 3;
  Untick();
  Tick(ab);
  Ribbon(ID_CREATE_POINT_MIDDLE);
  ASSERT_EQ(Page().m_cells.size(), 4u);
  const WORD m = 4;
  ASSERT_NE(dynamic_cast<CGVerMid*>(Page().m_cells.Lookup(m)), nullptr);

  // Recorded: the segment and the midpoint ticked, the question answered
  // OK, the tool named T.
  Ribbon(ID_EDIT_SELECT);
  Untick();
  Tick(ab);
  Tick(m);
  ASSERT_TRUE(RecordTool(QStringLiteral("T")));
  ASSERT_EQ(app.Document().m_tools.size(), 1u);
  EXPECT_EQ(Boxes().shown.at(0).caption, QStringLiteral("继续创建工具？"));
  EXPECT_EQ(DocumentToolItems(), QStringList{QStringLiteral("T")});
  window->Actions().Refresh();
  EXPECT_TRUE(window->Actions().Action(ID_TOOL_OPTION)->isEnabled()) << "a tool is current";

  // T from the menu, then two clicks on empty space.
  QAction* item = DocumentToolItem(QStringLiteral("T"));
  ASSERT_NE(item, nullptr);
  item->trigger();
  EXPECT_EQ(g_nToolMode, 6);
  window->Actions().Refresh();
  EXPECT_TRUE(item->isChecked());
  EXPECT_FALSE(window->Actions().Action(ID_TOOL_OPTION)->isEnabled()) << "only in the select tool";
  Ribbon(ID_TOOL_SCRIPT);
  QWidget* script = window->findChild<QWidget*>(QStringLiteral("toolScriptView"));
  ASSERT_NE(script, nullptr);
  EXPECT_EQ(script->windowTitle(), QStringLiteral("T脚本"));
  EXPECT_TRUE(script->isVisible());
  const int steps = Page().m_undo.GetCount();
  QStringList prompts;
  Move(At(2, -4));
  prompts << Status();
  Click(At(2, -4));
  prompts << Status();
  Move(At(6, -4));
  Click(At(6, -4));
  prompts << Status();
  EXPECT_EQ(prompts, (QStringList{QStringLiteral("点A"), QStringLiteral("点B"), QStringLiteral("要结束请右击鼠标！")}));
  ASSERT_EQ(Page().m_undo.GetCount(), steps + 1) << "one step";
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QStringLiteral("使用工具：T"));
  EXPECT_EQ(Count("CGLine"), 2);
  EXPECT_EQ(Count("CGVerMid"), 2);
  const auto* made = dynamic_cast<CGVerMid*>(Page().m_cells.Lookup(8));
  ASSERT_NE(made, nullptr) << "the midpoint under the fourth new id";
  EXPECT_NEAR(made->m_vPos[0], 4.0f, 1e-4);
  EXPECT_NEAR(made->m_vPos[1], -4.0f, 1e-4);
  Click(At(9, 6), Qt::RightButton);
  EXPECT_EQ(g_nToolMode, 1) << "the right button ends the tool";
  EXPECT_EQ(Page().m_cells.size(), 8u) << "a started instance leaves nothing";
  EXPECT_EQ(Page().m_undo.GetCount(), steps + 1);

  // The instance goes and comes back as one step.
  ASSERT_TRUE(ActivateWindow(window));
  QTest::keyClick(window, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Page().m_cells.size(), 4u);
  EXPECT_EQ(Page().m_nNextId, 5);
  ASSERT_TRUE(ActivateWindow(window));
  QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
  ASSERT_EQ(Page().m_cells.size(), 8u);

  // Four points ticked: T applied twice, as one step named T.
  Ribbon(ID_EDIT_SELECT);
  Untick();
  ASSERT_TRUE(Page().m_selAll.empty());
  for (WORD point : {a, b, WORD(5), WORD(6)}) Tick(point);
  ASSERT_EQ(Page().m_selPoints.size(), 4u);
  Ribbon(ID_TOOL_AUTODO);
  EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName(), QStringLiteral("T"));
  EXPECT_EQ(Page().m_cells.size(), 12u);
  EXPECT_EQ(Count("CGLine"), 4);
  EXPECT_EQ(Count("CGVerMid"), 4);

  // Renamed in the tool properties: the menu follows.
  bool edited = false;
  WhenDialog([this](QDialog& dialog) {
    auto* name = Child(dialog, "toolName");
    EXPECT_EQ(name->text(), QStringLiteral("T"));
    if (ActivateWindow(&dialog, name)) {
      name->selectAll();
      QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("中点段"));  // as an input method gives it
      QApplication::sendEvent(name, &typed);
      ActivateWindow(&dialog, Child<QListWidget>(dialog, "tools"));
    }
    EXPECT_EQ(DocumentToolItems(), QStringList{QStringLiteral("中点段")}) << "at once";
    Press(dialog, QDialogButtonBox::Ok);
  }, &edited);
  Ribbon(ID_TOOL_OPTION);
  ASSERT_TRUE(edited);
  EXPECT_EQ(app.Document().m_tools[0]->m_strName, QStringLiteral("中点段"));
  EXPECT_TRUE(app.Document().IsModified());

  // Saved, closed and reopened: the same document, its tool in the menu.
  const QString path = folder.filePath(QStringLiteral("tools.kv"));
  static_cast<ScriptedFileChooser&>(FileChooser()).answers = {path};
  window->Actions().Action(ID_FILE_SAVE_AS)->trigger();
  ASSERT_FALSE(app.Document().IsModified());
  const QByteArray saved = DocumentBytes(app.Document());
  app.OnFileNew();
  EXPECT_TRUE(DocumentToolItems().isEmpty());
  EXPECT_FALSE(script->isVisible()) << "its tool went with the document";
  ASSERT_NE(app.OpenDocumentFile(path), nullptr);
  EXPECT_EQ(Page().m_cells.size(), 12u);
  ASSERT_EQ(app.Document().m_tools.size(), 1u);
  EXPECT_EQ(app.Document().m_tools[0]->m_nCellCount, 4);
  EXPECT_EQ(DocumentToolItems(), QStringList{QStringLiteral("中点段")});
  EXPECT_EQ(DocumentBytes(app.Document()).toHex(), saved.toHex());
}

// Segment AB recorded as tool T and chosen from the menu; back in the
// select tool, the tool properties copy it and copy it again: three tools
// in the document and the menu, and T still the current tool, checked.
TEST_F(UserToolsApp, ToolChosenFromTheMenuIsCopiedTwice) {
  ViewQuaternion = kQuatIdentity;
  Render();
  Ribbon(ID_CREATE_LINE);
  Click(At(-8, 4));
  Click(At(-4, 4));
  ASSERT_EQ(Page().m_cells.size(), 3u);
  Ribbon(ID_EDIT_SELECT);
  Untick();
  Tick(3);
  ASSERT_TRUE(RecordTool(QStringLiteral("T")));
  QAction* item = DocumentToolItem(QStringLiteral("T"));
  ASSERT_NE(item, nullptr);
  item->trigger();
  ASSERT_EQ(g_nToolMode, 6);
  CRecord* chosen = app.Document().m_tools.at(0).get();
  ASSERT_EQ(g_pCurrentTool, chosen);
  Ribbon(ID_EDIT_SELECT);
  ASSERT_EQ(g_nToolMode, 1);

  Boxes().shown.clear();
  bool copied = false;
  QStringList captions, rows;
  WhenDialog([&](QDialog& dialog) {
    auto* copy = Child<QPushButton>(dialog, "copyTool");
    captions << copy->text();
    copy->click();
    captions << copy->text();
    copy->click();
    auto* tools = Child<QListWidget>(dialog, "tools");
    for (int i = 0; i < tools->count(); ++i) rows << tools->item(i)->text();
    Press(dialog, QDialogButtonBox::Ok);
  }, &copied);
  Ribbon(ID_TOOL_OPTION);
  ASSERT_TRUE(copied);
  EXPECT_EQ(captions, (QStringList{QStringLiteral("复制工具"), QStringLiteral("再次复制")}));
  EXPECT_TRUE(Boxes().shown.empty()) << "copied again without choosing the tool again";
  const QStringList three{QStringLiteral("T"), QStringLiteral("T"), QStringLiteral("T")};
  EXPECT_EQ(rows, three);
  EXPECT_EQ(app.Document().m_tools.size(), 3u);
  EXPECT_EQ(DocumentToolItems(), three);
  EXPECT_EQ(g_pCurrentTool, chosen) << "the chosen tool stays current";
  window->Actions().Refresh();
  QAction* first = nullptr;
  for (QAction* action : window->CustomToolButton()->menu()->actions())
    if (action->text() == QStringLiteral("T") && !first) first = action;
  ASSERT_NE(first, nullptr);
  EXPECT_TRUE(first->isChecked()) << "its menu item stays checked";
}

// Tools fed by clicks as the construction tools are: the midpoint tool on
// two existing points is bound to them, on a segment and a circle it makes
// points that stay on them; the value tool takes a clicked caption, also
// one lying over a segment; and
// where only the instance's own cells lie (its placeholder under the
// pointer, the point its first click made) the space is empty.
TEST_F(UserToolsApp, ClicksOnPointsPathsAndCaptionsAnswerTheInputs) {
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  Render();
  const auto newest = [this] { return WORD(Page().m_nNextId - 1); };
  const auto enter = [this](CGCell* cell) {
    Page().m_cells.SetAt(cell->m_nId, cell);
    cell->Recalculate();
    cell->UpdateLabel();
    return cell->m_nId;
  };
  // What the tools are applied to: points E, F, a segment, a circle, s.
  Ribbon(ID_CREATE_POINT);
  Click(At(-8, -2));
  const WORD e = newest();
  Click(At(-4, -2));
  const WORD f = newest();
  Ribbon(ID_CREATE_LINE);
  Click(At(2, 4));
  Click(At(6, 4));
  const WORD segment = newest();
  Ribbon(ID_CREATE_CIRCLE);
  for (QPoint at : {At(4, -4), At(7, -4), At(4, -1)}) Click(at);
  const WORD circle = newest();
  auto* s = new CGTmVarParameter(Page().m_nNextId++, QStringLiteral("s"), 3.0f);
  s->m_vLabelAnchor[0] = s->m_vLabelAnchor[1] = 0;  // its lower left at the view's centre
  enter(s);
  // u's caption lies over the segment: its lower left 6 pixels left of and
  // below the segment's (5, 4).
  auto* u = new CGTmVarParameter(Page().m_nNextId++, QStringLiteral("u"), 5.0f);
  u->m_vLabelAnchor[0] = 4.7f, u->m_vLabelAnchor[1] = 3.7f;
  enter(u);
  // What is recorded: segment AB with its midpoint, and t with t*2.
  Ribbon(ID_CREATE_LINE);
  Click(At(-8, 4));
  Click(At(-4, 4));
  const WORD ab = newest();
  Untick();
  Tick(ab);
  Ribbon(ID_CREATE_POINT_MIDDLE);
  const WORD mid = newest();
  const WORD t = enter(new CGTmVarParameter(Page().m_nNextId++, QStringLiteral("t"), 1.0f));
  const WORD twice = enter(new CGTmVarCalculator(Page().m_nNextId++, {t}, QStringLiteral("No1*2"), QString()));
  window->Tree()->FillObjectList();
  Ribbon(ID_EDIT_SELECT);
  Untick();
  Tick(ab);
  Tick(mid);
  ASSERT_TRUE(RecordTool(QStringLiteral("Mid")));
  Untick();
  Tick(twice);
  ASSERT_TRUE(RecordTool(QStringLiteral("Twice")));

  // An input of the cell that reads them: the cell clicked, else a new
  // point of that class (on that line or circle).
  struct Input { const char* className; WORD clicked; WORD on; };
  const struct Row {
    const char* what;
    const char* tool;
    std::vector<QPoint> clicks;
    int readerBack;  // the reader's id below the next id
    std::vector<Input> inputs;
  } rows[] = {
      {"two points", "Mid", {At(-8, -2), At(-4, -2)}, 2, {{"CGVerFreeXyz", e, 0}, {"CGVerFreeXyz", f, 0}}},
      {"a segment and a circle", "Mid", {At(3, 4), At(1, -4)}, 2,
       {{"CGVerFreeInLine", 0, segment}, {"CGVerFreeInCircle", 0, circle}}},
      {"a caption", "Twice", {At(0, 0) + QPoint(6, -6)}, 1, {{"CGTmVarParameter", s->m_nId, 0}}},
      {"a caption over a segment", "Twice", {At(5, 4)}, 1, {{"CGTmVarParameter", u->m_nId, 0}}},
      {"empty space, twice at one place", "Mid", {At(-6, -6), At(-6, -6)}, 2,
       {{"CGVerFreeXyz", 0, 0}, {"CGVerFreeXyz", 0, 0}}},
  };
  Render();
  WORD boundMidpoint = 0;
  for (const Row& row : rows) {
    QAction* item = DocumentToolItem(QString::fromUtf8(row.tool));
    ASSERT_NE(item, nullptr) << row.what;
    item->trigger();
    const WORD firstNew = Page().m_nNextId;
    for (QPoint at : row.clicks) {
      Move(at);
      Click(at);
    }
    EXPECT_EQ(Page().m_undo.CurrentCommand()->GetName().toStdString(), std::string("使用工具：") + row.tool)
        << row.what;
    const CGCell* reader = Page().m_cells.Lookup(WORD(Page().m_nNextId - row.readerBack));
    ASSERT_NE(reader, nullptr) << row.what;
    ASSERT_EQ(reader->m_parents.size(), row.inputs.size()) << row.what;
    EXPECT_EQ(std::set<WORD>(reader->m_parents.begin(), reader->m_parents.end()).size(), row.inputs.size())
        << row.what << ": one cell for each input";
    for (size_t i = 0; i < row.inputs.size(); ++i) {
      const Input& want = row.inputs[i];
      const CGCell* input = Page().m_cells.Lookup(reader->m_parents[i]);
      ASSERT_NE(input, nullptr) << row.what;
      EXPECT_STREQ(input->GetRuntimeClass()->m_lpszClassName, want.className) << row.what << " " << i;
      EXPECT_TRUE(want.clicked ? input->m_nId == want.clicked : input->m_nId >= firstNew)
          << row.what << " " << i << ": " << input->m_nId;
      EXPECT_EQ(input->m_parents, want.on ? std::vector<WORD>{want.on} : std::vector<WORD>{}) << row.what;
    }
    if (!boundMidpoint) boundMidpoint = newest();
  }

  // Dragging E moves the midpoint bound to it.
  Ribbon(ID_EDIT_SELECT);
  Drag(At(-8, -2), At(-8, -6));
  const auto* point = dynamic_cast<CGVertex*>(Page().m_cells.Lookup(e));
  const auto* midpoint = dynamic_cast<CGVerMid*>(Page().m_cells.Lookup(boundMidpoint));
  ASSERT_TRUE(point && midpoint);
  EXPECT_NEAR(point->m_vPos[1], -6.0f, 1e-4);
  EXPECT_NEAR(midpoint->m_vPos[1], -4.0f, 1e-4);
}

}  // namespace
