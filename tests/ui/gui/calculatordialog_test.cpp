// The calculator dialog on a real display: its lists and mode keys, keys
// and lists inserting at the caret, the keypad after a click, the preview
// scrolling, pasted control characters, and what it hands back.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <functional>
#include <stdexcept>

#include "math/funnodes.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/formula/calculatordialog.h"
#include "ui/formula/formulactrl.h"

namespace KAVREL_FILE_LOCAL {

CDlgCalculator Values(int count, int mode = 0) {
  CDlgCalculator data;
  data.m_nMode = mode;
  for (int k = 1; k <= count; ++k) data.AddValue(QStringLiteral("v%1").arg(k), "<e>w</e>", k, kFunClassVariable);
  return data;
}

// The dialog shown without its own event loop.
struct Shown {
  explicit Shown(const CDlgCalculator& data) : dialog(data, nullptr) { dialog.show(); }
  QLineEdit* Edit(const char* name = "expression") { return dialog.findChild<QLineEdit*>(name); }
  QComboBox* List(const char* name) { return dialog.findChild<QComboBox*>(name); }
  QPushButton* Key(const char* text) {
    for (QPushButton* b : dialog.findChildren<QPushButton*>())
      if (b->text() == QString::fromUtf8(text)) return b;
    throw std::runtime_error(text);
  }
  void Type(const QString& text, int start, int end) {
    Edit()->setText(text);
    Edit()->setSelection(start, end - start);
  }
  SeamRecorders seams;
  CCalculatorDialog dialog;
};

TEST(CalculatorDialog, OpeningShowsTheListsAndTheKeysOfTheMode) {
  const QStringList functions = QString::fromUtf8(
      "  函  数,sin,cos,tan,cot,sqrt,cbrt,exp,lg,ln,abs,int,round,hv,sgn,rand,accum,get,set1,set2,set3,set4,set5,"
      "set6,arcsin,arccos,arctan,sinh,cosh,tanh,fact,time").split(u',');
  for (int mode : {0, 1, 2}) {
    CDlgCalculator data = Values(2, mode);
    data.m_bShowAsAngle = mode == 0;  // preset by the host
    Shown s(data);
    EXPECT_EQ(s.dialog.findChild<QCheckBox*>()->isChecked(), mode == 0) << mode;
    EXPECT_EQ(s.Edit("message")->text(), QStringLiteral("0=0.0000")) << mode;
    EXPECT_EQ(s.Edit("message")->focusPolicy(), Qt::NoFocus) << "the message is never typed into";
    EXPECT_TRUE(s.Key("确定")->isEnabled()) << mode;
    EXPECT_EQ(s.Key("t")->isVisible(), mode == 1) << mode;
    EXPECT_EQ(s.Key("u")->isVisible() + s.Key("v")->isVisible(), mode == 2 ? 2 : 0) << mode;
    EXPECT_EQ(s.dialog.findChild<QCheckBox*>()->isVisible(), mode == 0) << mode;
    QStringList items;
    for (int i = 0; i < s.List("functions")->count(); ++i) items << s.List("functions")->itemText(i);
    EXPECT_EQ(items, functions) << mode;
    EXPECT_EQ(s.List("values")->itemText(0), QStringLiteral("v1")) << "values from position 0";
  }
}

// A value's long name widens the list's drop-down part only: the dialog
// keeps its size and OK its place.
TEST(CalculatorDialog, ALongValueNameWidensTheDropDownNotTheDialog) {
  const QString longName = QStringLiteral("S(ABCDEFGH)+d(A1, ABCDEFGH)*V(A1B1C1D1EFGH)=1387.37");
  QSize size;
  QPoint ok;
  for (const QString& name : {QStringLiteral("v1"), longName}) {
    CDlgCalculator data = Values(1);
    data.AddValue(name, "<e>w</e>", 2, kFunClassVariable);
    Shown s(data);
    QApplication::processEvents();
    const QPoint at = s.Key("确定")->mapTo(&s.dialog, QPoint(0, 0));
    if (size.isEmpty()) {
      size = s.dialog.size();
      ok = at;
      continue;
    }
    EXPECT_EQ(s.dialog.size(), size);
    EXPECT_EQ(at, ok);
    QAbstractItemView* drop = s.List("values")->view();
    EXPECT_GE(drop->minimumWidth(), drop->fontMetrics().horizontalAdvance(longName)) << "the whole name shows";
  }
}

TEST(CalculatorDialog, KeysAndListsInsertAtTheCaretReplacingTheSelection) {
  const auto key = [](const char* text) { return [text](Shown& s) { s.Key(text)->click(); }; };
  const auto choose = [](const char* list, int i) { return [list, i](Shown& s) { emit s.List(list)->activated(i); }; };
  const struct Row {
    const char* text;
    int start, end;
    std::function<void(Shown&)> act;
    const char* want;
    int caret;
  } rows[] = {
      {"2*", 2, 2, key("π"), "2*Pi", 4},      {"6", 1, 1, key("÷"), "6/", 2},
      {"6", 1, 1, key("×"), "6*", 2},         {"7", 1, 1, key("mod"), "7%", 2},
      {"7", 1, 1, key("┼"), "7+", 2},         {"7", 1, 1, key("─"), "7-", 2},
      {"1+23", 2, 4, key("5"), "1+5", 3},     {"12", 1, 1, key("."), "1.2", 2},
      {"123", 2, 2, key("←"), "13", 1},       {"1234", 1, 3, key("←"), "4", 0},
      {"1234", 0, 2, key("←"), "34", 0},      {"2*", 2, 2, choose("functions", 5), "2*sqrt(", 7},
      {"", 0, 0, choose("values", 0), "No1", 3}, {"No1+", 4, 4, choose("values", 0), "No1+No1", 7},
      {"1+", 2, 2, choose("values", 11), "1+No12", 6},
  };
  for (const Row& row : rows) {
    Shown s(Values(12));
    s.Type(QString::fromUtf8(row.text), row.start, row.end);
    row.act(s);
    const std::string name = std::string(row.text) + " -> " + row.want;
    EXPECT_EQ(s.Edit()->text(), QString::fromUtf8(row.want)) << name;
    EXPECT_EQ(s.Edit()->cursorPosition(), row.caret) << name;
    EXPECT_EQ(s.List("functions")->currentIndex(), 0) << name;
    EXPECT_EQ(s.dialog.State().m_nSelectionEnd, row.caret) << name << ": the handler saw the new text";
  }
}

TEST(CalculatorDialog, AClickMovesTheCaretBeforeTheKeypadFollowsIt) {
  Shown s(Values(0));
  s.Type("(3)+4", 3, 3);
  EXPECT_FALSE(s.Key(")")->isEnabled());
  s.Edit()->setCursorPosition(2);
  EXPECT_TRUE(s.Key(")")->isEnabled()) << "after \"(3\"";
  const QPoint left(2, s.Edit()->height() / 2);
  for (auto [type, held] : {std::pair{QEvent::MouseButtonPress, Qt::LeftButton}, {QEvent::MouseButtonRelease, Qt::NoButton}}) {
    QMouseEvent event(type, left, s.Edit()->mapToGlobal(left), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(s.Edit(), &event);
  }
  ASSERT_EQ(s.Edit()->cursorPosition(), 0);
  EXPECT_FALSE(s.Key("←")->isEnabled());
  EXPECT_FALSE(s.Key("×")->isEnabled());
  EXPECT_TRUE(s.Key("(")->isEnabled() && s.List("functions")->isEnabled());
  s.Type("*", 1, 1);
  EXPECT_FALSE(s.Key("确定")->isEnabled());
  s.Edit()->setText("7");  // new text, the caret where it was
  EXPECT_TRUE(s.Key("确定")->isEnabled());
}

// Pasted line breaks and control characters are dropped.
TEST(CalculatorDialog, PastingFromTheSystemClipboardDropsControlCharacters) {
  Shown s(Values(0));
  s.Edit()->setText("7");
  QGuiApplication::clipboard()->setText(QStringLiteral("1\n+2\t*\r3"));
  s.Edit()->selectAll();
  s.Edit()->paste();
  EXPECT_EQ(s.Edit()->text(), QStringLiteral("1+2*3"));
  EXPECT_EQ(s.Edit("message")->text(), QStringLiteral("1+2*3=7.0000"));
}

TEST(CalculatorDialog, AWideFormulaScrollsToItsRightEnd) {
  Shown s(Values(0));
  s.Edit()->setText(QStringLiteral("1") + QStringLiteral("+123").repeated(60));
  CFormulaCtrl* preview = s.dialog.findChild<CFormulaCtrl*>("preview");
  const int d = preview->PaintFormula().Width() - preview->width();
  ASSERT_GT(d, 60);
  QScrollBar* bar = s.dialog.findChild<QScrollBar*>();
  EXPECT_TRUE(bar->isVisible() && bar->minimum() == 0 && bar->maximum() == d);
  const auto offset = [preview] { return preview->Editor().m_ptOffset.x(); };
  EXPECT_EQ(offset(), d);
  const std::pair<QAbstractSlider::SliderAction, int> steps[] = {{QAbstractSlider::SliderSingleStepSub, d - 10},
                                                                 {QAbstractSlider::SliderPageStepSub, d - 60},
                                                                 {QAbstractSlider::SliderPageStepAdd, d - 10},
                                                                 {QAbstractSlider::SliderSingleStepAdd, d}};
  for (auto [action, want] : steps) {
    bar->triggerAction(action);
    EXPECT_TRUE(bar->value() == want && offset() == want) << action;
  }
  bar->setSliderDown(true);  // dragging moves the picture as it goes
  bar->setSliderPosition(7);
  EXPECT_EQ(offset(), 7);
  bar->setSliderDown(false);
  s.Edit()->setText("1+2");
  EXPECT_FALSE(bar->isVisible());
  EXPECT_EQ(offset(), 0);
  const QImage shown = preview->grab().toImage();
  s.Edit()->setText("5*6");
  EXPECT_NE(preview->grab().toImage(), shown) << "each new formula is drawn";
}

// Once the calculator is up: types `text`, sets the angle box, then
// presses Enter (OK, the default button) or Cancel.
void Answer(const QString& text, bool angle, bool accept) {
  QTimer::singleShot(10, [=] {
    auto* dialog = dynamic_cast<CCalculatorDialog*>(QApplication::activeModalWidget());
    if (!dialog) return Answer(text, angle, accept);
    QLineEdit* edit = dialog->findChild<QLineEdit*>("expression");
    edit->setText(text);
    dialog->findChild<QCheckBox*>()->setChecked(angle);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    accept ? (void)QApplication::sendEvent(edit, &enter) : dialog->reject();
  });
}

TEST(CalculatorDialog, OkHandsBackTheExpressionItsMarkupAndTheAngleCancelNothing) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgCalculator data = Values(12);
  Answer("No10+No1*2", true, true);
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(data.m_strExpression, QStringLiteral("No10+No1*2"));
  EXPECT_EQ(data.m_strResultVod, QString::fromUtf8("<#><l>No10<e>+</e>No1<e>×</e><e>2</e></l></#>"));
  EXPECT_EQ(data.m_bShowAsAngle, 1);
  Answer("2", false, true);
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(data.m_bShowAsAngle, 0);
  CDlgCalculator kept = Values(3);
  Answer("No3", true, false);
  ASSERT_EQ(DialogProvider().DoModal(kept), IDCANCEL);
  EXPECT_TRUE(kept.m_strExpression == "0" && kept.m_strResultVod == kEmptyVod && kept.m_bShowAsAngle == 0);
  // Arrays that differ: refused before any dialog opens.
  kept.m_valueVods.pop_back();
  QTimer guard;
  QObject::connect(&guard, &QTimer::timeout, [] { ADD_FAILURE() << "opened"; QApplication::activeModalWidget()->close(); });
  guard.start(200);
  EXPECT_EQ(DialogProvider().DoModal(kept), IDCANCEL);
}

}  // namespace
