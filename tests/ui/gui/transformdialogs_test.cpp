// The widgets of the transformation dialogs: which radios, fields and list
// are enabled on opening and after each radio's click, the reflection
// list's masks, the descriptions shown read-only, and a number field that
// refuses text and keeps the dialog open.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

#include "editing/dialogs/transform/transformdialogs.h"
#include "model/transformmarks.h"
#include "support/commandpage.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"
#include "ui/shortcutmenus.h"

namespace KAVREL_FILE_LOCAL {
// "radios | number fields | list" as 1 enabled, 0 disabled.
std::string Enabled(QDialog& dialog) {
  std::string text;
  for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) text += radio->isEnabled() ? '1' : '0';
  text += " |";
  for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
    if (!edit->isReadOnly()) text += edit->isEnabled() ? '1' : '0';
  if (QComboBox* list = dialog.findChild<QComboBox*>()) text += list->isEnabled() ? " |1" : " |0";
  return text;
}

QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  return dialog.findChild<QDialogButtonBox*>()->button(which);
}

// Opens the dialog; records the opening state, then the state after a
// click of each radio in turn; cancels.
std::vector<std::string> Walk(CDialogData& data) {
  std::vector<std::string> states;
  WhenShown([&states](QDialog& dialog) {
    states.push_back(Enabled(dialog));
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>()) {
      radio->setEnabled(true);  // a click as the rule would answer it
      radio->click();
      states.push_back(Enabled(dialog));
    }
    Button(dialog, QDialogButtonBox::Cancel)->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(data), IDCANCEL);
  return states;
}

TEST(TransformDialogWidgets, EnablingOnOpeningAndOnEachClick) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  const auto rotate = [](int marks, int angle) {
    CDlgTransRotate data;
    data.m_nMarks = marks;
    data.m_nAxisChoice = marks == 0 ? 1 : marks == 2 ? 2 : 0;
    data.m_nAngleChoice = angle;
    return data;
  };
  const auto deflect = [](BYTE point, BYTE axis, BYTE face, int choice) {
    CDlgTransDeflect data;
    data.m_bPoint = point, data.m_bAxis = axis, data.m_bFace = face, data.m_nChoice = choice;
    return data;
  };
  CDlgTransTranslate translateFixed;
  translateFixed.m_nChoice = 1;
  CDlgTransTranslate translateMarked;
  CDlgTransScale scaleMarked, scaleFixed;
  scaleFixed.m_nChoice = 1;
  CDlgTransRotate r0 = rotate(0, 1), r1 = rotate(1, 0), r2 = rotate(2, 1), r3 = rotate(3, 0);
  CDlgTransDeflect d0 = deflect(0, 0, 0, 3), d1 = deflect(1, 0, 0, 0), d2 = deflect(0, 1, 0, 1), d3 = deflect(0, 0, 1, 2);
  struct Row {
    const char* name;
    CDialogData* data;
    std::vector<std::string> states;  // opening, then after each radio's click
  } const rows[] = {
      {"translate, fixed", &translateFixed, {"01 |111", "11 |000", "11 |111"}},
      {"translate, marked", &translateMarked, {"11 |000", "11 |000", "11 |111"}},
      // Axis radios 0-2, angle radios 3-4; axis fields 0-5, the angle field 6.
      {"rotate, no marks, fixed angle", &r0, {"01001 |1111111", "11001 |0000001", "11001 |1111111", "11101 |0000001",
                                             "11111 |0000000", "11111 |0000001"}},
      {"rotate, axis only, marked angle", &r1, {"11011 |0000000", "11011 |0000000", "11011 |1111110",
                                               "11111 |0000000", "11111 |0000000", "11111 |0000001"}},
      {"rotate, centre only, fixed angle", &r2, {"01101 |0000001", "11101 |0000001", "11101 |1111111",
                                                "11101 |0000001", "11111 |0000000", "11111 |0000001"}},
      {"rotate, both, marked angle", &r3, {"11111 |0000000", "11111 |0000000", "11111 |1111110", "11111 |0000000",
                                          "11111 |0000000", "11111 |0000001"}},
      {"scale, marked", &scaleMarked, {"11 |0", "11 |0", "11 |1"}},
      {"scale, fixed", &scaleFixed, {"01 |1", "11 |0", "11 |1"}},
      {"deflect, nothing marked", &d0, {"0001 | |1", "1001 | |0", "1101 | |0", "1111 | |0", "1111 | |1"}},
      {"deflect, a point", &d1, {"1001 | |0", "1001 | |0", "1101 | |0", "1111 | |0", "1111 | |1"}},
      {"deflect, an axis", &d2, {"0101 | |0", "1101 | |0", "1101 | |0", "1111 | |0", "1111 | |1"}},
      {"deflect, a face", &d3, {"0011 | |0", "1011 | |0", "1111 | |0", "1111 | |0", "1111 | |1"}},
  };
  for (const Row& row : rows) EXPECT_EQ(Walk(*row.data), row.states) << row.name;
}

TEST(TransformDialogWidgets, TheReflectionListShowsAndStoresItsMasks) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  const BYTE masks[] = {7, 6, 5, 3, 1, 2, 4};
  for (int position = 0; position < 7; ++position) {
    CDlgTransDeflect data;
    data.m_nMask = masks[(position + 1) % 7];
    QStringList items;
    int shown = -1;
    WhenShown([&, position](QDialog& dialog) {
      auto* list = dialog.findChild<QComboBox*>();
      shown = list->currentIndex();
      for (int i = 0; i < list->count(); ++i) items << list->itemText(i);
      list->setCurrentIndex(position);
      emit list->activated(position);
      Button(dialog, QDialogButtonBox::Ok)->click();
    });
    ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
    EXPECT_EQ(shown, (position + 1) % 7);
    EXPECT_EQ(data.m_nMask, masks[position]) << position;
    EXPECT_EQ(items.join(' '), QString::fromUtf8("原点 X轴 Y轴 Z轴 YOZ面 XOZ面 XOY面"));
  }
  for (int outside : {0, 8}) {
    CDlgTransDeflect data;
    data.m_nMask = static_cast<BYTE>(outside);
    int shown = -1;
    WhenShown([&shown](QDialog& dialog) {
      shown = dialog.findChild<QComboBox*>()->currentIndex();
      Button(dialog, QDialogButtonBox::Ok)->click();
    });
    ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
    EXPECT_EQ(shown, 0) << outside;
    EXPECT_EQ(data.m_nMask, outside) << "kept unless an entry is chosen";
  }
}

TEST(TransformDialogWidgets, ANumberFieldRefusesTextAndTheDialogStaysOpen) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgTransScale data;
  data.m_nChoice = 1;
  data.m_strCentre = QStringLiteral("centre text");
  bool stayed = false;
  QString caption, centre;
  WhenShown([&](QDialog& dialog) {
    caption = dialog.windowTitle();
    centre = dialog.findChild<QLineEdit*>("centre")->text();
    QLineEdit* factor = dialog.findChild<QLineEdit*>("field0");
    factor->setText("abc");
    Button(dialog, QDialogButtonBox::Ok)->click();
    stayed = dialog.isVisible();
    factor->setText("-2");
    Button(dialog, QDialogButtonBox::Ok)->click();
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(caption, QString::fromUtf8("缩放"));
  EXPECT_EQ(centre, "centre text");
  EXPECT_EQ(data.m_fFactor, -2);
  EXPECT_EQ(seams.notifier->Texts().size(), 1u);

  // The rotation's angle goes into float radians: beyond 1e38 degrees the
  // field is refused with the range.
  CDlgTransRotate rotate;
  rotate.m_nAngleChoice = CDlgTransRotate::kFixedAngle;
  stayed = false;
  WhenShown([&](QDialog& dialog) {
    QLineEdit* degrees = dialog.findChild<QLineEdit*>("field6");
    degrees->setText("2e38");
    Button(dialog, QDialogButtonBox::Ok)->click();
    stayed = dialog.isVisible();
    degrees->setText("-1e38");
    Button(dialog, QDialogButtonBox::Ok)->click();
  });
  ASSERT_EQ(DialogProvider().DoModal(rotate), IDOK);
  EXPECT_TRUE(stayed);
  EXPECT_EQ(rotate.m_fDegrees, -1e38f);
  EXPECT_EQ(seams.notifier->Texts().back(), QString::fromUtf8("请输入一个介于 -1e+38 和 1e+38 之间的数。"));
}
}  // namespace

namespace KAVREL_FILE_LOCAL {
TEST(TransformMarkItems, TheMenusMarkTheirCellAndAreOffOtherwise) {
  CommandPage p;
  const WORD a = p.Point(0, 0, 0), b = p.Point(1, 0, 0), c = p.Point(0, 1, 0);
  const WORD ab = p.Line(a, b), abc = p.Face({a, b, c});
  struct Row {
    int menu;
    const char* item;
    WORD cell;
    WORD CTransformMarks::*mark;
  } const rows[] = {
      {356, "标志中心", a, &CTransformMarks::MarkCenter},
      {357, "标志轴", ab, &CTransformMarks::MarkAxis},
      {358, "标志镜面", abc, &CTransformMarks::MarkMirror},
  };
  QMenu menu;
  const auto item = [&menu](const Row& row) -> QAction* {
    menu.clear();
    FillShortcutMenu(menu, *FindShortcutMenu(row.menu));
    for (QAction* action : menu.actions())
      if (action->text() == QString::fromUtf8(row.item)) return action;
    return nullptr;
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.item);
    p.Select({});
    ASSERT_TRUE(item(row));
    EXPECT_FALSE(item(row)->isEnabled());
    p.Select({row.cell, c});
    if (row.cell == a) p.Select({row.cell, ab});
    QAction* action = item(row);
    ASSERT_TRUE(action);
    EXPECT_TRUE(action->isEnabled());
    action->trigger();
    EXPECT_EQ(p.Page().m_marks.*row.mark, row.cell);
    EXPECT_FALSE(p.doc.IsModified());
  }
}
}  // namespace
