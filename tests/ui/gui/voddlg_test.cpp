// The formula dialog on a real display: its bars, the font it reads the
// formula in, what the bars show of the caret's format, what OK, Cancel
// and Esc hand back, the symbol grid, the colour menu and the built-in
// formulas reaching the control, and how long opening takes.
#include <gtest/gtest.h>

#include <ctime>

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QToolBar>

#include "formula/control/formulacommands.h"
#include "formula/control/formulaformat.h"
#include "formula/control/formulatables.h"
#include "support/recorders.h"
#include "support/settle.h"
#include "ui/colors/colormenu.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/formula/fontcombobox.h"
#include "ui/formula/formatbar.h"
#include "ui/formula/formulactrl.h"
#include "ui/formula/formulatexts.h"
#include "ui/formula/sizecombobox.h"
#include "ui/formula/symbolgrid.h"
#include "ui/formula/vodfmlcombobox.h"
#include "ui/formula/voddlg.h"

namespace KAVREL_FILE_LOCAL {

CVodDlg Data(const QString& vod, int fontMode = 0) {
  CVodDlg data;
  data.m_strVod = vod;
  data.m_nFontMode = fontMode;
  data.m_crBack = 0xFFFFFF;
  data.m_crText = 0x000080;
  return data;
}

struct Shown {
  explicit Shown(const CVodDlg& data) : dialog(data) {
    dialog.show();
    Settle();
  }
  void Press(int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(dialog.Control(), &press);
    Settle();
  }
  QString Vod() { return dialog.Tree().GetText(0); }
  SeamRecorders seams;
  CVodDlgWindow dialog;
};

TEST(VodDlg, BarsTitlesButtonsAndTips) {
  Shown shown(Data(kEmptyVod));
  CVodDlgWindow& d = shown.dialog;
  EXPECT_EQ(d.windowTitle(), QString::fromUtf8("VOD彩色数学格式文本编辑"));
  EXPECT_EQ(d.FormatBar()->windowTitle(), QString::fromUtf8("格式工具栏"));
  EXPECT_EQ(d.StructureBar()->windowTitle(), QString::fromUtf8("模板工具栏"));
  // Seven groups of structure commands; 33540 has no button.
  QStringList groups;
  QString group;
  const QStringList tips = {"分式", "平方根", "方根", "上标", "下标", "上下标", "向量", "直线", "圆弧", "求和",
                            "求积", "积分", "小括号", "中括号", "大括号", "绝对值", "左大括号", "右大括号", "矩阵"};
  int k = 0;
  for (QAction* action : d.StructureBar()->actions()) {
    if (action->isSeparator()) {
      groups << group;
      group.clear();
      continue;
    }
    const unsigned id = action->data().toUInt();
    group += QString::number(id - 33540) + u' ';
    ASSERT_LT(k, tips.size());
    EXPECT_EQ(action->toolTip(), tips[k++]) << id;
    EXPECT_FALSE(action->icon().isNull()) << id;
  }
  groups << group;
  EXPECT_EQ(groups.join(u'|'), QStringLiteral("1 2 3 |4 5 6 |7 8 9 |10 11 12 |13 14 15 16 |17 18 |19 "));
  EXPECT_EQ(k, 19);
  EXPECT_EQ(d.ColourAction()->toolTip(), QString::fromUtf8("颜色"));
  EXPECT_EQ(d.SymbolAction()->toolTip(), QString::fromUtf8("插入符号"));
  // The boxes sit on the format bar.
  EXPECT_TRUE(d.FormatBar()->FaceBox() && d.FormatBar()->SizeBox() && d.FormatBar()->FormulaBox());
  EXPECT_EQ(d.FormatBar()->FaceBox()->parentWidget(), d.FormatBar());
  EXPECT_EQ(d.focusWidget(), d.Control());
}

TEST(VodDlg, FontModeSetsOrKeepsTheTreeFont) {
  const CBinTree plain;
  const struct Row {
    int mode;
    QString face;
    int charSet, height;
  } rows[] = {
      {0, QString::fromUtf8("宋体"), 134, 35},
      {1, QString::fromUtf8("宋体"), 134, 35},
      {2, plain.m_lfDefault.lfFaceName, plain.m_lfDefault.lfCharSet, plain.m_lfDefault.lfHeight},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.mode);
    CVodDlgWindow dialog(Data(kEmptyVod, row.mode));
    const LOGFONT& lf = dialog.Tree().m_lfDefault;
    EXPECT_EQ(lf.lfFaceName, row.face);
    EXPECT_EQ(lf.lfCharSet, row.charSet);
    EXPECT_EQ(lf.lfHeight, row.height);
    EXPECT_EQ(dialog.Tree().m_crDefault, COLORREF(0x000080));
    EXPECT_EQ(dialog.Tree().m_crBackground, COLORREF(0xFFFFFF));
  }
}

TEST(VodDlg, IdleUpdateShowsTheFormatAtTheCaret) {
  Shown shown(Data(kEmptyVod));
  CVodDlgWindow& d = shown.dialog;
  LOGFONT& current = d.Control()->Editor().m_lfCurrent;
  const int dpi = d.Control()->logicalDpiY();
  current.lfFaceName = QStringLiteral("Arial");
  current.lfHeight = -MulDiv(13, dpi, 72);  // 13 points, as a character height
  d.IdleUpdate();
  EXPECT_EQ(d.FormatBar()->FaceBox()->currentText(), QStringLiteral("Arial"));
  const int twips = std::abs(MulDiv(current.lfHeight, 1440, dpi));
  EXPECT_EQ(d.FormatBar()->SizeBox()->currentText(), QString::number((twips + 10) / 20));
  EXPECT_EQ(d.FormatBar()->SizeBox()->currentIndex(), -1) << "13 is not in the list";
  current.lfFaceName = QStringLiteral("NoSuchFace");
  current.lfHeight = -MulDiv(26, dpi, 72);
  d.IdleUpdate();
  EXPECT_EQ(d.FormatBar()->FaceBox()->currentIndex(), -1);
  EXPECT_EQ(d.FormatBar()->FaceBox()->currentText(), QString());
  EXPECT_EQ(d.FormatBar()->SizeBox()->currentText(), QStringLiteral("26"));
}

TEST(VodDlg, OkHandsBackTheFormulaItsPlaceAndTheEmptyFlag) {
  const struct Row {
    const char* name;
    QString vod;
    QString result;
    BYTE empty;
  } rows[] = {
      {"empty at once", kEmptyVod, kEmptyVod, 1},
      {"a formula", QStringLiteral("<#><l><e>ab</e></l></#>"), QString(), 0},
      {"mark-up that does not read", QStringLiteral("<#><l><e>ab"), kEmptyVod, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    Shown shown(Data(row.vod));
    CVodDlgWindow& d = shown.dialog;
    const QString before = shown.Vod();
    CVodDlg out;
    EXPECT_FALSE(d.StoreOutputs(out)) << "nothing before OK";
    d.Control()->RunCommand(ID_FORMULA_OK);
    Settle();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    ASSERT_TRUE(d.StoreOutputs(out));
    EXPECT_EQ(out.m_strVod, row.result.isEmpty() ? before : row.result);
    EXPECT_EQ(out.m_bEmpty, row.empty);
    const QPoint corner = d.Control()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(QPoint(out.m_nX, out.m_nY), corner);
  }
}

TEST(VodDlg, CancelAndEscLeaveTheCallersDataUntouched) {
  SeamRecorders seams;
  CVodDlg data = Data(QStringLiteral("<#><l><e>ab"));  // not even readable
  data.m_nX = 7;
  data.m_nY = 8;
  data.m_bEmpty = 0;
  const CVodDlg before = data;
  for (const bool esc : {false, true}) {
    SCOPED_TRACE(esc ? "Esc" : "Cancel");
    auto provider = MakeWidgetDialogProvider(nullptr);
    QTimer::singleShot(100, [esc] {
      auto* open = qobject_cast<CVodDlgWindow*>(QApplication::activeModalWidget());
      ASSERT_TRUE(open);
      // Something typed first: the caller must not see it.
      QKeyEvent x(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
      QApplication::sendEvent(open->Control(), &x);
      if (esc) {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(open->Control(), &key);
      } else {
        open->reject();
      }
    });
    EXPECT_EQ(provider->DoModal(data), IDCANCEL);
    EXPECT_EQ(data.m_strVod, before.m_strVod);
    EXPECT_EQ(data.m_nX, 7);
    EXPECT_EQ(data.m_nY, 8);
    EXPECT_EQ(data.m_bEmpty, 0);
  }
}

TEST(VodDlg, SymbolsColoursAndBuiltInFormulasReachTheControl) {
  Shown shown(Data(kEmptyVod));
  CVodDlgWindow& d = shown.dialog;
  // The symbol grid opens below its button; cell 0 types "α".
  d.OpenSymbolGrid();
  Settle();
  CToolBarPopupWnd* grid = d.SymbolGrid();
  ASSERT_TRUE(grid);
  const QWidget* button = d.FormatBar()->widgetForAction(d.SymbolAction());
  EXPECT_EQ(grid->pos(), button->mapToGlobal(QPoint(0, button->height())));
  const QPoint cell0 = grid->GridRect().topLeft() + QPoint(5, 5);
  QMouseEvent release(QEvent::MouseButtonRelease, cell0, grid->mapToGlobal(cell0), Qt::LeftButton, Qt::NoButton,
                      Qt::NoModifier);
  QApplication::sendEvent(grid, &release);
  Settle();
  EXPECT_FALSE(d.SymbolGrid()) << "closed";
  EXPECT_EQ(d.Tree().GetText(2).left(1), QString::fromUtf8("α"));
  EXPECT_TRUE(shown.Vod().contains(QString::fromUtf8(">α<"))) << shown.Vod().toStdString();
  // The colour menu's red on the whole formula.
  d.Control()->RunCommand(ID_EDIT_SELECT_ALL);
  d.OpenColourMenu();
  Settle();
  ASSERT_TRUE(d.ColourMenu() && d.ColourMenu()->isVisible());
  d.ColourMenu()->Swatch(0)->trigger();
  Settle();
  EXPECT_TRUE(shown.Vod().contains(QStringLiteral("color=ff"))) << shown.Vod().toStdString();
  // Built-in formula 5 at the caret, as the control inserts it itself.
  shown.Press(Qt::Key_End);
  CBinTree expected;
  expected.SetVod(shown.Vod());
  emit d.FormatBar()->FormulaBox()->activated(5);
  Settle();
  EXPECT_TRUE(d.Tree().GetText(2).startsWith(QString::fromUtf8("α")));
  CBinTree formula5;
  formula5.SetVod(QStringLiteral("<#>%1</#>").arg(BuiltInFormula(5)));
  EXPECT_TRUE(d.Tree().GetText(2).endsWith(formula5.GetText(2)));
}

TEST(VodDlg, FaceAndSizeFromTheBarGoToTheControl) {
  Shown shown(Data(QStringLiteral("<#><l><e>ab</e></l></#>")));
  CVodDlgWindow& d = shown.dialog;
  d.Control()->RunCommand(ID_EDIT_SELECT_ALL);
  Settle();
  CFontComboBox* faces = d.FormatBar()->FaceBox();
  const int arial = faces->findText(QStringLiteral("Arial"));
  ASSERT_GE(arial, 0);
  emit faces->activated(arial);
  Settle();
  EXPECT_TRUE(shown.Vod().contains(QStringLiteral("name=Arial"))) << shown.Vod().toStdString();
  EXPECT_EQ(d.focusWidget(), d.Control());
  EXPECT_EQ(faces->RecentFaces().front(), QStringLiteral("Arial"));
  CSizeComboBox* sizes = d.FormatBar()->SizeBox();
  emit sizes->activated(0);  // 8 points
  Settle();
  EXPECT_EQ(d.FormatBar()->LastSize(), 160);
  EXPECT_EQ(d.Control()->Editor().m_lfCurrent.lfHeight, FontHeightOfTwips(160, d.Control()->logicalDpiY()));
  // A face name longer than the font takes is cut to 31 characters.
  const QString longFace(40, u'W');
  emit faces->faceChosen(longFace, 0);
  Settle();
  EXPECT_EQ(d.Control()->Editor().m_lfCurrent.lfFaceName, QString(31, u'W'));
}

// Measured in this thread's processor time: other programs sharing the
// machine must not fail the check.
qint64 ThreadMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<qint64>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

TEST(VodDlg, OpensQuicklyOnceItsPicturesExist) {
  SeamRecorders seams;
  qint64 start = ThreadMilliseconds();
  { CVodDlgWindow first(Data(kEmptyVod)); }
  const qint64 firstOpen = ThreadMilliseconds() - start;
  qint64 later = 1 << 30;
  for (int i = 0; i < 3; ++i) {
    start = ThreadMilliseconds();
    CVodDlgWindow again(Data(kEmptyVod));
    later = std::min(later, ThreadMilliseconds() - start);
  }
  RecordProperty("first_open_ms", static_cast<int>(firstOpen));
  RecordProperty("later_open_ms", static_cast<int>(later));
  EXPECT_LE(firstOpen, 500);
  EXPECT_LE(later, 150);
}

}  // namespace
