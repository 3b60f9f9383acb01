// The widgets of the curve and surface dialogs: the steps they refuse (the
// range message, the dialog staying open), the texture controls a display
// disables, and an example rewriting the expressions, steps and captions.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "editing/dialogs/parametric/parametricdialogs.h"
#include "formula/calculator/calculatordata.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {

struct ParametricDialogWidgets : ::testing::Test {
  ParametricDialogWidgets() { SetDialogProvider(MakeWidgetDialogProvider(&owner)); }
  SeamRecorders seams;
  QWidget owner;
};

TEST_F(ParametricDialogWidgets, StepsOutsideTheirRangesAreRefused) {
  struct Row {
    CDialogData* data;
    const char* field;
    const char* text;
    const char* message;
  };
  CDlgCurve curve;
  CDlgSurface surface;
  const Row rows[] = {
      {&curve, "step", "2", "请输入一个介于 0.0001 和 1 之间的数。"},
      {&surface, "uStep", "0.0005", "请输入一个介于 0.001 和 10 之间的数。"},
      {&surface, "vStep", "abc", "请输入一个介于 0.001 和 10 之间的数。"},
  };
  for (const Row& r : rows) {
    bool open = false;
    WhenShown([&](QDialog& d) {
      Child(d, r.field)->setText(QString::fromUtf8(r.text));
      Press(d, QDialogButtonBox::Ok);
      open = d.isVisible();
      Press(d, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(DialogProvider().DoModal(*r.data), IDCANCEL);
    EXPECT_TRUE(open) << r.text;
    ASSERT_FALSE(seams.notifier->Texts().empty());
    EXPECT_EQ(seams.notifier->Texts().back(), QString::fromUtf8(r.message)) << r.text;
  }
}

TEST_F(ParametricDialogWidgets, WireDisplayDisablesEveryTextureControl) {
  CDlgSurface surface;
  surface.m_nDisplay = 2;
  surface.m_nMapping = 1;
  QStringList seen;
  WhenShown([&](QDialog& d) {
    const auto state = [&] {
      QString s;
      s += Child<QComboBox>(d, "textures")->isEnabled() ? "T" : "t";
      s += Child<QCheckBox>(d, "twoSided")->isEnabled() ? "S" : "s";
      s += Child(d, "mapA")->isEnabled() ? "E" : "e";
      s += ByText<QAbstractButton>(d, "定义变换：")->isEnabled() ? "M" : "m";
      seen << s;
    };
    state();
    ByText<QAbstractButton>(d, "光照模式")->click();
    state();
    Child<QComboBox>(d, "textures")->setCurrentIndex(0);
    state();
    ByText<QAbstractButton>(d, "半透明材质")->click();
    Child<QComboBox>(d, "textures")->setCurrentIndex(3);
    state();
    Press(d, QDialogButtonBox::Cancel);
  });
  DialogProvider().DoModal(surface);
  EXPECT_EQ(seen, (QStringList{"tsem", "TSEM", "TSem", "TsEM"}));
}

TEST_F(ParametricDialogWidgets, TheMappingEditsShowTheirNumbersShort) {
  // The automatic mapping of u from 0 to 2*pi and of v from -8 to 8.
  const struct Row {
    const char* field;
    double value;
    const char* shown;
  } rows[] = {{"mapA", 1 / (2 * 3.14159265358979323846), "0.159154943091895"},
              {"mapB", -0.0, "0"},
              {"mapC", 0.0625, "0.0625"},
              {"mapD", 0.5, "0.5"}};
  CDlgSurface surface;
  surface.m_dMapA = rows[0].value, surface.m_dMapB = rows[1].value;
  surface.m_dMapC = rows[2].value, surface.m_dMapD = rows[3].value;
  QStringList shown;
  WhenShown([&](QDialog& d) {
    for (const Row& r : rows) shown << Child(d, r.field)->text();
    Press(d, QDialogButtonBox::Cancel);
  });
  DialogProvider().DoModal(surface);
  ASSERT_EQ(shown.size(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(shown[i].toStdString(), rows[i].shown) << rows[i].field;
}

TEST_F(ParametricDialogWidgets, AnExampleRewritesTheControlsAndOkReturnsThem) {
  CDlgCurve curve;
  curve.m_nSystem = 1;
  QString caption;
  WhenShown([&](QDialog& d) {
    caption = Child<QPushButton>(d, "xButton")->text();
    auto* list = Child<QListWidget>(d, "examples");
    list->setCurrentRow(9);  // the ellipse
    caption += "|" + Child<QPushButton>(d, "xButton")->text() + "|" + Child(d, "x")->text();
    Press(d, QDialogButtonBox::Ok);
  });
  ASSERT_EQ(DialogProvider().DoModal(curve), IDOK);
  EXPECT_EQ(caption, QStringLiteral(" r(t)=|x(t)=|5*cos(t)"));
  EXPECT_TRUE(curve.m_nSystem == 0 && curve.m_strY == "4*sin(t)" && curve.m_fStep == 0.05f);

  CDlgSurface surface;
  WhenShown([&](QDialog& d) {
    Child<QListWidget>(d, "examples")->setCurrentRow(3);  // the ellipsoid
    Press(d, QDialogButtonBox::Ok);
  });
  ASSERT_EQ(DialogProvider().DoModal(surface), IDOK);
  EXPECT_EQ(surface.m_dUStep, 3.14159265358979323846 / 12) << "shown and read back exactly";
  EXPECT_TRUE(surface.m_nTexture == 0 && surface.m_bTwoSided == 0 && surface.m_strVTo == "pi/2");
}

}  // namespace
