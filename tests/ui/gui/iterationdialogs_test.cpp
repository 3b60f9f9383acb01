// The widgets of the iteration dialogs: the map dialog's OK follows the
// rules as images are chosen, and the property dialog's boxes write into
// the cell at once, its exclusive boxes unticking each other.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>

#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/iterations/iteration.h"
#include "editing/dialogs/iterations/iteratedialog.h"
#include "editing/dialogs/iterations/iteratepropertydialog.h"
#include "support/commandpage.h"
#include "support/modaldialogs.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {
QPushButton* Ok(QDialog& dialog) { return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok); }

struct Halving {
  explicit Halving(CommandPage& p) {
    a = p.Point();
    b = p.Point(16, 8, 0);
    const WORD ab = p.Line(a, b);
    m = p.Enter(new CGVerMid(p.Page().m_nNextId++, p.Page().m_nNextVertex++, QStringLiteral("M"), ab));
    p.Line(a, m);
  }
  WORD a, b, m;
};

TEST(IterationDialogWidgets, OkFollowsTheCurrentMap) {
  CommandPage p;
  Halving f(p);
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  p.Select({f.a, f.b});
  CDlgIterate data;
  data.Initialise();
  std::vector<bool> okStates;
  QStringList rules;
  WhenShown([&](QDialog& dialog) {
    auto* images = dialog.findChild<QComboBox*>(QStringLiteral("images"));
    okStates.push_back(Ok(dialog)->isEnabled());
    const auto choose = [&](const char* name) {
      emit images->activated(images->findText(QString::fromUtf8(name)));
      okStates.push_back(Ok(dialog)->isEnabled());
    };
    choose("A");
    choose("M");
    dialog.findChild<QLineEdit*>(QStringLiteral("depth"))->setText(QStringLiteral("5"));
    dialog.findChild<QToolButton*>(QStringLiteral("depthUp"))->click();
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("rules"));
    for (int i = 0; i < list->count(); ++i) rules << list->item(i)->text();
    Ok(dialog)->click();
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(okStates, (std::vector<bool>{false, false, true}));
  EXPECT_EQ(rules, (QStringList{QStringLiteral("A=>A"), QStringLiteral("B=>M")}));
  EXPECT_EQ(data.m_nDepth, 6) << "5 typed, one step up";
  EXPECT_EQ(data.m_maps, (std::vector<std::vector<WORD>>{{f.a, f.b}, {f.a, f.m}}));
}

TEST(IterationDialogWidgets, PropertyBoxesWriteIntoTheCellAtOnce) {
  CommandPage p;
  Halving f(p);
  std::vector<std::vector<WORD>> arrays{{f.a, f.b}, {f.a, f.m}};
  auto* iterate = new CGIterate(p.Page().m_nNextId++, 2, 2, 4, arrays);
  p.Enter(iterate);
  iterate->m_bTableShown = 1;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgPropertyIterate data;
  data.m_nIterate = iterate->m_nId;
  data.Initialise();
  bool tableTicked = true;
  WhenShown([&](QDialog& dialog) {
    dialog.findChild<QCheckBox*>(QStringLiteral("solidLinesOnly"))->click();
    tableTicked = dialog.findChild<QCheckBox*>(QStringLiteral("tableShown"))->isChecked();
    auto* depth = dialog.findChild<QLineEdit*>(QStringLiteral("depth"));
    depth->setText(QStringLiteral("6"));
    emit depth->editingFinished();
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
  });
  EXPECT_EQ(DialogProvider().DoModal(data), IDCANCEL);
  EXPECT_FALSE(tableTicked);
  EXPECT_EQ(iterate->m_bSolidLinesOnly, 1) << "kept after Cancel";
  EXPECT_EQ(iterate->m_bTableShown, 0);
  EXPECT_EQ(iterate->m_nDepth, 6);
}
}  // namespace
