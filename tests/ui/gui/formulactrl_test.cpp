// The formula editing control on a real display: events typed and clicked
// into a host dialog, its context menu and its dialogs' widgets.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "formula/bintree.h"
#include "formula/containernode.h"
#include "formula/control/formulacommands.h"
#include "formula/control/formuladialogs.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "support/settle.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/formula/formulactrl.h"
#include "ui/formula/formulatexts.h"

namespace KAVREL_FILE_LOCAL {

// A dialog hosting the control as the formula dialog does.
struct Host {
  explicit Host(const QString& vod) {
    auto* layout = new QVBoxLayout(&dialog);
    ctrl = new CFormulaCtrl(&dialog);
    layout->addWidget(ctrl);
    QObject::connect(ctrl, &CFormulaCtrl::closeRequested, &dialog, &QDialog::reject);
    QObject::connect(ctrl, &CFormulaCtrl::okRequested, &dialog, &QDialog::accept);
    QObject::connect(ctrl, &CFormulaCtrl::formulaSized, [this](int w, int h) { sized = {w, h}; });
    ctrl->SetTree(&tree);
    tree.SetVod(vod);
    ctrl->SaveUndoState();
    dialog.resize(420, 200);
    dialog.show();
    ctrl->setFocus();
    Settle();
  }
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(ctrl, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(ctrl, &release);
    Settle();
  }
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, ctrl->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(ctrl, &event);
  }
  int Records() { return ctrl->Editor().m_undo.Count(); }

  SeamRecorders seams;
  CBinTree tree;
  QDialog dialog;
  CFormulaCtrl* ctrl;
  std::pair<int, int> sized;
};

TEST(FormulaCtrl, TypingStructuresUndoAndFormattingThroughRealEvents) {
  Host host(kEmptyVod);
  host.ctrl->StartCaretTimer();
  const QString fraction = QStringLiteral("<f><#><l>%1</l></#><#><l>%2</l></#></f>");
  const QString one = QStringLiteral("<e>1</e>"), two = QStringLiteral("<e>2</e>");
  struct Step {
    const char* name;
    std::function<void()> act;
    QString vod;
    int records;
  } steps[] = {
      {"type a", [&] { host.Press(Qt::Key_A, Qt::NoModifier, QStringLiteral("a")); }, QStringLiteral("<e>a</e>"), 2},
      {"fraction", [&] { host.ctrl->CommandAction(ID_FORMULA_FRACTION)->trigger(); },
       QStringLiteral("<e>a</e>") + fraction.arg(QString(), QString()), 3},
      {"type 1", [&] { host.Press(Qt::Key_1, Qt::NoModifier, QStringLiteral("1")); },
       QStringLiteral("<e>a</e>") + fraction.arg(one, QString()), 4},
      {"Down", [&] { host.Press(Qt::Key_Down); }, QStringLiteral("<e>a</e>") + fraction.arg(one, QString()), 4},
      {"type 2", [&] { host.Press(Qt::Key_2, Qt::NoModifier, QStringLiteral("2")); },
       QStringLiteral("<e>a</e>") + fraction.arg(one, two), 5},
      {"Ctrl+Z", [&] { host.Press(Qt::Key_Z, Qt::ControlModifier, QStringLiteral("\x1a")); },
       QStringLiteral("<e>a</e>") + fraction.arg(one, QString()), 5},
      {"Ctrl+R", [&] { host.Press(Qt::Key_R, Qt::ControlModifier, QStringLiteral("\x12")); },
       QStringLiteral("<e>a</e>") + fraction.arg(one, two), 5},
      {"Delete types nothing", [&] { host.Press(Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f")); },
       QStringLiteral("<e>a</e>") + fraction.arg(one, two), 5},
  };
  for (const Step& step : steps) {
    step.act();
    EXPECT_EQ(host.tree.GetText(0), QStringLiteral("<#><l>") + step.vod + QStringLiteral("</l></#>")) << step.name;
    EXPECT_EQ(host.Records(), step.records) << step.name;
  }
  // Painted once the dialog is on the screen, which may take a while.
  EXPECT_TRUE(SettleUntil([&host] { return host.sized.first > 0; })) << "the paint reported the formula's size";

  // A drag over "a", then the format bar's Bold: only that run changes.
  const auto* line = static_cast<CContainerNode*>(static_cast<CContainerNode*>(host.tree.m_pRoot)->ChildAt(0));
  const RECT run = line->ChildAt(0)->m_rcPlaced;
  const int y = (run.top + run.bottom) / 2;
  host.Mouse(QEvent::MouseButtonPress, {run.left, y}, Qt::LeftButton);
  host.Mouse(QEvent::MouseMove, {run.right, y}, Qt::LeftButton);
  host.Mouse(QEvent::MouseButtonRelease, {run.right, y}, Qt::NoButton);
  host.ctrl->RunCommand(ID_FORMULA_BOLD);
  EXPECT_EQ(host.tree.GetText(0),
            QStringLiteral("<#><l><e:b=0>a</e>") + fraction.arg(one, two) + QStringLiteral("</l></#>"));
  EXPECT_EQ(host.Records(), 6);

  host.Press(Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
  EXPECT_FALSE(host.dialog.isVisible());
  EXPECT_EQ(host.dialog.result(), QDialog::Rejected);
}

// Notes where the popup menu came up, then closes it.
void WhenPopup(QPoint* shownAt) {
  QTimer::singleShot(10, [shownAt] {
    auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!popup) return WhenPopup(shownAt);
    *shownAt = popup->pos();
    popup->close();
  });
}

TEST(FormulaCtrl, ContextMenuShowsTheCommandsAsTheirRulesSay) {
  Host host(QStringLiteral("<#><l><e>ab</e></l></#>"));
  QMenu* menu = host.ctrl->ContextMenu();
  host.ctrl->UpdateActions();
  const QList<QAction*> items = menu->actions();
  ASSERT_EQ(items.size(), qsizetype(std::size(kFormulaMenuTexts)));
  for (qsizetype i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i]->isSeparator(), kFormulaMenuCommands[i] == 0) << i;
    if (!items[i]->isSeparator()) { EXPECT_EQ(items[i]->text(), QString::fromUtf16(kFormulaMenuTexts[i])) << i; }
  }
  auto enabled = [&](unsigned id) { return host.ctrl->CommandAction(id)->isEnabled(); };
  EXPECT_FALSE(enabled(ID_EDIT_UNDO));
  EXPECT_FALSE(enabled(ID_EDIT_COPY));
  EXPECT_TRUE(enabled(ID_EDIT_SELECT_ALL));
  host.ctrl->CommandAction(ID_EDIT_SELECT_ALL)->trigger();
  host.ctrl->UpdateActions();
  EXPECT_TRUE(enabled(ID_EDIT_COPY));
  EXPECT_TRUE(enabled(ID_FORMULA_CLEAR));

  // From the keyboard the menu opens 5 pixels into the control; from the
  // mouse, where the mouse is.
  const struct {
    QContextMenuEvent::Reason reason;
    QPoint expected;
  } openings[] = {{QContextMenuEvent::Keyboard, host.ctrl->mapToGlobal(QPoint(5, 5))},
                  {QContextMenuEvent::Mouse, host.ctrl->mapToGlobal(QPoint(60, 40))}};
  for (const auto& opening : openings) {
    QPoint shownAt;
    WhenPopup(&shownAt);
    QContextMenuEvent event(opening.reason, QPoint(60, 40), host.ctrl->mapToGlobal(QPoint(60, 40)));
    QApplication::sendEvent(host.ctrl, &event);
    EXPECT_EQ(shownAt, opening.expected) << opening.reason;
  }
  host.ctrl->CommandAction(ID_FORMULA_OK)->trigger();
  Settle();
  EXPECT_EQ(host.dialog.result(), QDialog::Accepted);
}

TEST(FormulaCtrl, TheWindowShowsThePictureFromItsOffsetAndTheCaretOverIt) {
  Host host(QStringLiteral("<#><l><e>ABCDEFGH</e></l></#>"));
  auto shown = [&] { return host.ctrl->grab().toImage().convertToFormat(QImage::Format_RGB32); };
  const QImage plain = shown();
  const QImage picture = host.ctrl->Editor().RenderPicture(plain.size());
  EXPECT_EQ(plain, picture.copy(0, 0, plain.width(), plain.height()));
  host.ctrl->SetPictureOffset({20, 0});
  Settle();
  const int w = plain.width() - 20, h = plain.height();
  EXPECT_EQ(shown().copy(0, 0, w, h), plain.copy(20, 0, w, h));

  // While the button is held the caret shows, inverting the background.
  host.ctrl->SetPictureOffset({0, 0});
  const int y = host.ctrl->Editor().CaretLines().at(0).center().y();
  host.Mouse(QEvent::MouseButtonPress, {plain.width() - 2, y}, Qt::LeftButton);
  Settle();
  const QPoint caret = host.ctrl->Editor().CaretLines().at(0).center();
  EXPECT_EQ(shown().pixel(caret), qRgb(0, 0, 0));
  host.Mouse(QEvent::MouseButtonRelease, {plain.width() - 2, y}, Qt::NoButton);
  Settle();
  EXPECT_EQ(shown().pixel(caret), qRgb(255, 255, 255));
}

TEST(FormulaCtrl, TheDialogsWidgetsCheckAndMapWhatIsTyped) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgMatrix matrix;
  WhenShown([&](QDialog& dialog) {
    auto* rows = dialog.findChild<QLineEdit*>(QStringLiteral("rows"));
    auto* columns = dialog.findChild<QLineEdit*>(QStringLiteral("columns"));
    auto* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    for (const char* refused : {"0", "11"}) {
      rows->setText(QString::fromLatin1(refused));
      ok->click();
      EXPECT_TRUE(dialog.isVisible()) << refused;
    }
    rows->setText(QStringLiteral("3"));
    columns->setText(QStringLiteral("10"));
    ok->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(matrix), IDOK);
  EXPECT_EQ(std::make_pair(matrix.m_nRows, matrix.m_nCols), std::make_pair(3, 10));
  EXPECT_EQ(seams.notifier->shown.size(), 2u);

  CDlgVodNodeType arrows;
  arrows.m_nCount = 14;
  arrows.m_nSel = 13;
  WhenShown([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf16(kTextArrowStyleTitle));
    auto* list = dialog.findChild<QComboBox*>();
    ASSERT_EQ(list->count(), 14);
    for (int i = 0; i < 14; ++i) {
      EXPECT_EQ(list->itemText(i), QString::fromUtf16(kArrowStyleNames[i])) << i;
      EXPECT_FALSE(list->itemIcon(i).isNull()) << i;
    }
    EXPECT_EQ(list->currentIndex(), 13);
    list->setCurrentIndex(4);
    dialog.accept();
  });
  EXPECT_EQ(DialogProvider().DoModal(arrows), IDOK);
  EXPECT_EQ(arrows.m_nSel, 4);

  CDlgVodNodeType sum;
  sum.m_nMode = CDlgVodNodeType::SYMBOL;
  sum.m_strText = QStringLiteral("\uF0E5");
  WhenShown([&](QDialog& dialog) {
    auto* edit = dialog.findChild<QLineEdit*>();
    EXPECT_EQ(edit->text(), QStringLiteral("\u2211")) << "the sum's sign";
    edit->selectAll();
    edit->insert(QStringLiteral("P"));  // as typed: the key shows its sign
    emit edit->textEdited(edit->text());
    EXPECT_EQ(edit->text(), QStringLiteral("\u03A0"));
    dialog.accept();
  });
  EXPECT_EQ(DialogProvider().DoModal(sum), IDOK);
  EXPECT_EQ(sum.m_strText, QStringLiteral("P"));
}

}  // namespace
