// The format bar's boxes and the symbol grid on a real display: sizes typed
// and picked, the faces' recently-used section and completion, the
// built-in formula box, and what the grid reports for clicks.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "support/recorders.h"
#include "support/settle.h"
#include "ui/formula/fontcombobox.h"
#include "ui/formula/formatbar.h"
#include "ui/formula/formulaimages.h"
#include "ui/formula/sizecombobox.h"
#include "ui/formula/symbolgrid.h"
#include "ui/formula/vodfmlcombobox.h"

namespace KAVREL_FILE_LOCAL {

// The arguments of every emission of a signal, as variants.
struct Spy {
  template <class Sender, class... Args>
  Spy(Sender* sender, void (Sender::*signal)(Args...)) {
    QObject::connect(sender, signal, [this](Args... args) { calls.push_back({QVariant::fromValue(args)...}); });
  }
  int size() const { return static_cast<int>(calls.size()); }
  const QVariantList& operator[](int i) const { return calls[static_cast<size_t>(i)]; }
  std::vector<QVariantList> calls;
};

// A window with the bar and a second widget the focus can go to.
struct Window {
  Window() {
    auto* layout = new QVBoxLayout(&window);
    bar = new CFormatToolBar(QStringLiteral("bar"), &window);
    bar->Build({CFormatToolBar::kFaceBoxId, CFormatToolBar::kSizeBoxId, CFormatToolBar::kFormulaBoxId}, true, {});
    other = new QLineEdit(&window);
    layout->addWidget(bar);
    layout->addWidget(other);
    window.show();
    // Focus moves only within the active window.
    EXPECT_TRUE(ActivateWindow(&window));
  }
  // Types into the size box, then moves the focus away (or presses Enter).
  void TypeSize(const QString& text) {
    CSizeComboBox* box = bar->SizeBox();
    box->setFocus();
    box->lineEdit()->clear();
    for (const QChar c : text) {
      QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
      QApplication::sendEvent(box->lineEdit(), &key);
    }
    other->setFocus();
    Settle();
  }
  SeamRecorders seams;
  QWidget window;
  CFormatToolBar* bar;
  QLineEdit* other;
};

TEST(FormatBar, TypedSizesAreSentOrRefusedWhenTheBoxLosesFocus) {
  const QString notNumber = QString::fromUtf8("字号必须是数字。");
  const QString outOfRange = QString::fromUtf8("字号必须在 1-1638 之间。");
  const struct Row {
    const char* text;
    int sent;  // twips; 0 nothing
    QString message;
  } rows[] = {
      {"12.5", 250, {}},     {"1638", 32760, {}},      {"0.9", 0, outOfRange}, {"-3", 0, outOfRange},
      {"12pt", 0, notNumber}, {"abc", 0, notNumber},   {"", 0, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    Window w;
    Spy sent(w.bar, &CFormatToolBar::sizeChosen);
    w.TypeSize(QString::fromUtf8(row.text));
    ASSERT_EQ(sent.size(), row.sent ? 1 : 0);
    if (row.sent) {
      EXPECT_EQ(sent[0][0].toInt(), row.sent);
      EXPECT_EQ(w.bar->LastSize(), row.sent);
    } else {
      EXPECT_EQ(w.bar->LastSize(), CFormatToolBar::kStartSize);
    }
    const std::vector<ShownMessage>& shown = w.seams.notifier->shown;
    ASSERT_EQ(shown.size(), row.message.isEmpty() ? 0u : 1u);
    if (!row.message.isEmpty()) {
      EXPECT_EQ(shown[0].text, row.message);
      EXPECT_EQ(shown[0].type & 0xF0u, unsigned(MB_ICONINFORMATION));
      EXPECT_EQ(w.bar->SizeBox()->currentText(), QString::fromUtf8(row.text)) << "the typed text stays";
    }
  }
}

TEST(FormatBar, SizeBoxListEnterAndWhatItShows) {
  Window w;
  CSizeComboBox* box = w.bar->SizeBox();
  EXPECT_EQ(box->count(), 24);
  EXPECT_EQ(box->currentIndex(), 9);
  EXPECT_EQ(box->currentText(), QStringLiteral("26"));
  Spy sent(w.bar, &CFormatToolBar::sizeChosen);
  Spy entered(w.bar, &CFormatToolBar::sizeEntered);
  emit box->activated(3);  // "12"
  ASSERT_EQ(sent.size(), 1);
  EXPECT_EQ(sent[0][0].toInt(), 240);
  box->setFocus();
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(box->lineEdit(), &enter);
  EXPECT_EQ(entered.size(), 1);
  // Shown from the editor: only while the focus is elsewhere.
  box->ShowSize(250);
  EXPECT_EQ(box->currentText(), QStringLiteral("26")) << "ignored with the focus in the box";
  w.other->setFocus();
  Settle();
  box->ShowSize(250);
  EXPECT_EQ(box->currentText(), QStringLiteral("13"));
  EXPECT_EQ(box->currentIndex(), -1);
  box->ShowSize(529);
  EXPECT_EQ(box->currentIndex(), 9) << "(529 + 10) / 20 = 26";
  EXPECT_EQ(sent.size(), 1) << "showing sends nothing";
}

TEST(FormatBar, FaceBoxRecentSectionCharacterSetsAndCompletion) {
  Window w;
  CFontComboBox* box = w.bar->FaceBox();
  const QStringList start = {QString::fromUtf8("宋体"), "Times New Roman", "Symbol", "Arial",
                             QString::fromUtf8("黑体"), QString::fromUtf8("隶书"), QString::fromUtf8("楷体"),
                             QString::fromUtf8("微软雅黑")};
  EXPECT_EQ(box->RecentFaces(), start);
  EXPECT_EQ(box->CharSetOf(QString::fromUtf8("宋体")), 134);
  EXPECT_EQ(box->CharSetOf(QStringLiteral("Symbol")), 2);
  EXPECT_EQ(box->CharSetOf(QStringLiteral("Times New Roman")), 0);
  EXPECT_EQ(box->CharSetOf(QStringLiteral("No Such Face")), 0);
  // Each listed face once below the section.
  EXPECT_EQ(box->count(), static_cast<int>(AvailableFaces().size()) + 8);

  // A face of the section moves up; the section does not grow.
  Spy chosen(w.bar, &CFormatToolBar::faceChosen);
  emit box->activated(box->findText(QStringLiteral("Arial")));
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen[0][0].toString(), QStringLiteral("Arial"));
  EXPECT_EQ(chosen[0][1].toInt(), 0);
  QStringList moved = start;
  moved.move(3, 0);
  EXPECT_EQ(box->RecentFaces(), moved);
  EXPECT_EQ(box->currentIndex(), 0);
  // New faces fill the section to ten; the eleventh pushes out the last.
  const QStringList faces = AvailableFaces();
  QStringList fresh;
  for (const QString& face : faces)
    if (!start.contains(face) && fresh.size() < 3) fresh << face;
  ASSERT_EQ(fresh.size(), 3);
  for (const QString& face : fresh) box->MoveToRecent(face);
  const QStringList recent = box->RecentFaces();
  ASSERT_EQ(recent.size(), 10);
  EXPECT_EQ(recent.mid(0, 3), QStringList({fresh[2], fresh[1], fresh[0]}));
  EXPECT_EQ(recent.last(), start[6]) << "微软雅黑 went with the eleventh";
  box->MoveToRecent(QStringLiteral("No Such Face"));
  EXPECT_EQ(box->RecentFaces(), recent) << "unknown faces stay out";

  // Without 宋体 the section starts with Times New Roman.
  QStringList without = faces;
  without.removeAll(QString::fromUtf8("宋体"));
  box->FillFontList(without);
  EXPECT_EQ(box->RecentFaces().front(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(box->RecentCount(), 7);

  // Typing completes from the list with the rest selected.
  box->setFocus();
  box->lineEdit()->clear();
  for (const QChar c : QStringLiteral("Tim")) {
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box->lineEdit(), &key);
  }
  EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("Times New Roman"));
  EXPECT_EQ(box->lineEdit()->selectedText(), QStringLiteral("es New Roman"));
  QKeyEvent back(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
  QApplication::sendEvent(box->lineEdit(), &back);
  EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("Tim")) << "deleting does not complete";
  // Shown from the editor only while the focus is elsewhere.
  box->ShowFace(QStringLiteral("Arial"));
  EXPECT_EQ(box->lineEdit()->text(), QStringLiteral("Tim"));
  w.other->setFocus();
  Settle();
  box->ShowFace(QStringLiteral("Arial"));
  EXPECT_EQ(box->currentText(), QStringLiteral("Arial"));
}

TEST(FormatBar, BuiltInFormulaBox) {
  Window w;
  CVodFmlComboBox* box = w.bar->FormulaBox();
  ASSERT_EQ(box->count(), 28);
  EXPECT_EQ(box->itemText(0), QString::fromUtf8("公式1"));
  EXPECT_EQ(box->itemText(27), QString::fromUtf8("公式28"));
  EXPECT_EQ(box->currentText(), QString::fromUtf8("内置公式"));
  EXPECT_EQ(box->view()->minimumWidth(), 252);
  Spy chosen(w.bar, &CFormatToolBar::builtInFormulaChosen);
  emit box->activated(4);
  ASSERT_EQ(chosen.size(), 1);
  EXPECT_EQ(chosen[0][0].toInt(), 4);
  // The pictures: one per formula, each drawn.
  const std::vector<QImage>& pictures = BuiltInFormulaPictures();
  ASSERT_EQ(pictures.size(), 28u);
  for (size_t i = 0; i < pictures.size(); ++i) {
    EXPECT_EQ(pictures[i].size(), QSize(240, 64)) << i;
    int ink = 0;
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 240; ++x) ink += pictures[i].pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(ink, 40) << "formula " << i << " drawn";
  }
}

TEST(FormatBar, SymbolGridReportsTheImageReleasedOn) {
  const std::vector<QImage> all = SymbolImages();
  ASSERT_EQ(all.size(), 128u);
  const std::vector<QImage> twenty(all.begin(), all.begin() + 20);
  const struct Row {
    const char* name;
    const std::vector<QImage>* images;
    QPoint cell;  // column, row; or a window point when outside
    bool outside;
    int picked;  // -1: nothing
  } rows[] = {
      {"the first of 128", &all, {0, 0}, false, 0},
      {"the last of 128", &all, {7, 15}, false, 127},
      {"row 2 of 20", &twenty, {3, 2}, false, 19},
      {"past the last of 20", &twenty, {4, 2}, false, -1},
      {"outside the grid", &twenty, {-20, 5}, true, -1},
  };
  QWidget owner;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    auto* grid = new CToolBarPopupWnd(&owner, *row.images, QPoint(50, 60));
    Settle();
    EXPECT_EQ(grid->CellSize(), QSize(22, 22));
    EXPECT_EQ(grid->Rows(), row.images->size() == 128 ? 16 : 3);
    EXPECT_EQ(grid->size(), QSize(8 * 22 + 2, grid->Rows() * 22 + 2));
    EXPECT_EQ(grid->pos(), QPoint(50, 60));
    Spy picked(grid, &CToolBarPopupWnd::symbolPicked);
    QPointer<CToolBarPopupWnd> alive(grid);
    const QPoint at = row.outside ? row.cell
                                  : grid->GridRect().topLeft() + QPoint(row.cell.x() * 22 + 11, row.cell.y() * 22 + 11);
    QMouseEvent move(QEvent::MouseMove, at, grid->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(grid, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, at, grid->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(grid, &release);
    ASSERT_EQ(picked.size(), row.picked < 0 ? 0 : 1);
    if (row.picked >= 0) {
      EXPECT_EQ(picked[0][0].toInt(), row.picked);
    }
    Settle();
    EXPECT_FALSE(alive) << "the grid deletes itself";
  }
}

}  // namespace
