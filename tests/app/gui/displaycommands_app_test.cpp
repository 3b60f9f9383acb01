// The display commands in the running program (xvfb), as a teacher makes a
// figure readable: a triangle drawn with the polygon tool turned translucent
// from its face's shortcut menu, its three points ticked in the object list
// and made larger through the weight dialog, renamed P, Q, R in a row and
// coloured red from the ribbon's swatches; closing asks to save, and the
// saved document keeps all of it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QImage>
#include <QLineEdit>

#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/primitives/cgverfree.h"
#include "editing/dialogs/display/displaydialogtexts.h"
#include "math/mathglobals.h"
#include "model/document/kavreldoc.h"
#include "platform/commandids.h"
#include "platform/notifier.h"
#include "programwindow.h"
#include "support/modaldialogs.h"
#include "keptpictures.h"
#include "userchoices.h"

namespace KAVREL_FILE_LOCAL {

class DisplayCommandsApp : public ProgramWindow {
 protected:
  QRgb PixelAt(const QImage& picture, QPoint at) const {
    const double ratio = view->devicePixelRatioF();
    return picture.pixel(static_cast<int>(at.x() * ratio), static_cast<int>(at.y() * ratio));
  }
  // How many pixels of the square of half side `half` around `at` are red.
  int RedAround(const QImage& picture, QPoint at, int half) const {
    int red = 0;
    for (int dy = -half; dy <= half; ++dy)
      for (int dx = -half; dx <= half; ++dx) {
        const QColor c(PixelAt(picture, at + QPoint(dx, dy)));
        red += c.red() > 200 && c.green() < 60 && c.blue() < 60 ? 1 : 0;
      }
    return red;
  }
  // The picture with nothing selected, so every cell shows its own look.
  QImage Unselected(const char* name) {
    Click(At(-12, -8));
    return pictures.Keep(name, view->grabFramebuffer());
  }

  KeptPictures pictures;
};

TEST_F(DisplayCommandsApp, ATriangleTranslucentLargerRenamedAndRedIsKeptBySavingOnClose) {
  ASSERT_TRUE(view->isValid());
  ViewQuaternion = kQuatIdentity;
  g_bSnapToGrid = 1;
  Render();
  Ribbon(ID_CREATE_POLYGON);
  const QPoint corners[] = {At(0, 0), At(8, 0), At(0, 8)};
  for (QPoint p : corners) Click(p);
  Click(corners[2] - QPoint(20, 0), Qt::RightButton);
  auto* face = dynamic_cast<CGFace*>(Page().m_cells.Lookup(static_cast<WORD>(Page().m_nNextId - 1)));
  ASSERT_NE(face, nullptr);
  ASSERT_EQ(face->m_parents.size(), 3u);
  const std::vector<WORD> points = face->m_parents;
  const int steps = Page().m_undo.GetCount();
  Ribbon(ID_EDIT_SELECT);
  const QPoint inside = At(2, 2);
  const QImage opaque = Unselected("opaque");

  // The face's own menu: translucent, and the picture shows it.
  ChooseFromMenu(view, inside, "透明材质");
  EXPECT_EQ(face->m_nStyle, kFaceTranslucent);
  EXPECT_EQ(face->m_rgbaColor.a, 90);
  const QImage translucent = Unselected("translucent");
  EXPECT_NE(PixelAt(translucent, inside), PixelAt(opaque, inside)) << "the face is drawn see-through";

  // A point's own menu sizes that point alone: the right-click selects it only.
  WhenShown([](QDialog& dialog) {
    Child(dialog, "field0")->setText(QStringLiteral("10"));
    Press(dialog, QDialogButtonBox::Ok);
  });
  ChooseFromMenu(view, corners[1], "点大小...");
  for (size_t i = 0; i < points.size(); ++i)
    EXPECT_EQ(Page().m_cells.Lookup(points[i])->m_fSize == 10.0f, i == 1) << i;

  // The three points ticked in the object list, then a size of 8.
  Tick(points);
  QString weightCaption;
  WhenShown([&weightCaption](QDialog& dialog) {
    weightCaption = dialog.windowTitle();
    Child(dialog, "field0")->setText(QStringLiteral("8"));
    Press(dialog, QDialogButtonBox::Ok);
  });
  Ribbon(ID_VIEW_WEIGHT_SHURU);
  EXPECT_EQ(weightCaption, QString::fromUtf8(kCaptionWeight));
  for (WORD id : points) EXPECT_FLOAT_EQ(Page().m_cells.Lookup(id)->m_fSize, 8.0f) << id;
  ASSERT_EQ(Page().m_selAll, points) << "the weight dialog leaves the selection";

  // Renamed from P on, in the order they were ticked.
  WhenShown([](QDialog& dialog) {
    auto* letter = Child<QComboBox>(dialog, "letter");
    letter->setCurrentIndex(letter->findText(QStringLiteral("P")));
    Press(dialog, QDialogButtonBox::Ok);
  });
  Ribbon(ID_EDIT_LABEL);
  const char* const names[] = {"P", "Q", "R"};
  QTreeWidgetItem* pageItem = window->Tree()->FindCurrentPageItem();
  for (size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(Page().m_cells.Lookup(points[i])->m_strName, QString::fromLatin1(names[i]));
    QTreeWidgetItem* item = CViewTree::FindChildItem(pageItem, points[i]);
    ASSERT_NE(item, nullptr);
    // "2. Q----…": the list takes the new names once the frame has its notice.
    const QString named = QStringLiteral(". %1----").arg(QString::fromLatin1(names[i]));
    EXPECT_TRUE(SettleUntil([item, named] { return item->text(0).contains(named); }, 5000))
        << item->text(0).toStdString();
  }
  EXPECT_EQ(face->m_strName, QStringLiteral("PQR")) << "the cells named after the points follow";

  // The points are red from the start: they show larger.
  const QImage larger = Unselected("larger");
  for (size_t i = 0; i < std::size(corners); ++i)
    EXPECT_GT(RedAround(larger, corners[i], 6), RedAround(translucent, corners[i], 6) * 3 / 2) << "point " << i;

  // The points and the triangle's sides ticked, then the red swatch, the
  // first of the ribbon's sixteen.
  std::vector<WORD> chosen = points;
  for (auto [id, cell] : Page().m_cells)
    if (cell->IsKindOf(RUNTIME_CLASS(CGLine))) chosen.push_back(id);
  ASSERT_EQ(chosen.size(), 6u) << "three sides";
  const QPoint side = At(4, 0);
  EXPECT_EQ(RedAround(larger, side, 1), 0) << "a side in its own colour";
  Tick(chosen);
  auto* palette = window->Ribbon()->findChild<QToolButton*>(QStringLiteral("palette"));
  ASSERT_NE(palette, nullptr);
  ChooseFromButtonMenu(palette, 0);
  for (WORD id : chosen) EXPECT_EQ(Page().m_cells.Lookup(id)->m_rgbaColor, (RGBA{255, 0, 0, 255})) << id;
  EXPECT_TRUE(Page().m_selAll.empty());
  EXPECT_GT(RedAround(Unselected("red"), side, 1), 2) << "the side drawn red";
  EXPECT_EQ(Page().m_undo.GetCount(), steps) << "no display command is an undo step";

  // Closing asks to save; yes, under a new name.
  ASSERT_TRUE(app.Document().IsModified());
  const QString path = folder.filePath(QStringLiteral("readable.kv"));
  auto& asked = static_cast<RecordingNotifier&>(Notifier());
  ASSERT_TRUE(asked.shown.empty()) << asked.shown.front().text.toStdString();
  asked.answers = {IDYES};
  static_cast<ScriptedFileChooser&>(FileChooser()).answers = {path};
  window->close();
  ASSERT_EQ(asked.shown.size(), 1u);
  EXPECT_EQ(asked.shown[0].type, static_cast<unsigned>(MB_YESNOCANCEL | MB_ICONWARNING));
  EXPECT_FALSE(window->isVisible());
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(path, true));
  const CCellMap& kept = reopened.CurrentPage()->m_cells;
  const CGCell* keptFace = kept.Lookup(face->m_nId);
  ASSERT_NE(keptFace, nullptr);
  EXPECT_EQ(keptFace->m_nStyle, kFaceTranslucent);
  EXPECT_EQ(keptFace->m_rgbaColor.a, 90);
  for (size_t i = 0; i < points.size(); ++i) {
    const CGCell* point = kept.Lookup(points[i]);
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->m_strName, QString::fromLatin1(names[i]));
    EXPECT_FLOAT_EQ(point->m_fSize, 8.0f);
  }
  for (WORD id : chosen) {
    ASSERT_NE(kept.Lookup(id), nullptr);
    EXPECT_EQ(kept.Lookup(id)->m_rgbaColor, (RGBA{255, 0, 0, 255})) << id;
  }
}

}  // namespace
