// The widgets of the point, line, face, circle and solid property dialogs:
// which controls each mode enables, and the numbers their edits refuse
// (with the one message, the dialog staying open) or take.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

#include "editing/dialogs/properties/primitivedialogs.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {
void Click(QDialog& dialog, const char* text) { ByText<QAbstractButton>(dialog, text)->click(); }

struct PrimitivePropertyDialogWidgets : ::testing::Test {
  PrimitivePropertyDialogWidgets() { SetDialogProvider(MakeWidgetDialogProvider(&owner)); }
  SeamRecorders seams;
  QWidget owner;
};

TEST_F(PrimitivePropertyDialogWidgets, EachModeEnablesItsControls) {
  QStringList seen;
  const auto note = [&seen](const char* what, bool on) { seen << QString("%1 %2").arg(what, on ? "on" : "off"); };

  CDlgPropertyPoint point;
  point.m_nCoordMode = 2;
  WhenShown([&](QDialog& d) {
    note("caption", d.windowTitle() == QString::fromUtf8("点的属性"));
    note("value1", Child(d, "value1")->isEnabled());
    note("value2", !Child(d, "value2")->isHidden());
    note("value3", !Child(d, "value3")->isHidden());
    note("x", !Child(d, "x")->isReadOnly());
    note("z", !Child(d, "z")->isReadOnly());
    Press(d, QDialogButtonBox::Cancel);
  });
  DialogProvider().DoModal(point);
  point.m_nValueMode = 1;
  WhenShown([&](QDialog& d) {
    note("value1", Child(d, "value1")->isEnabled() && !Child(d, "value1")->isReadOnly());
    note("value2", !Child(d, "value2")->isHidden());
    Press(d, QDialogButtonBox::Cancel);
  });
  DialogProvider().DoModal(point);

  CDlgPropertyLine line;
  line.m_nDashPattern = 2;
  WhenShown([&](QDialog& d) {
    auto* dashes = Child<QComboBox>(d, "dashes");
    note("dashes", dashes->isEnabled());
    Click(d, "全虚线");
    note("dashes", dashes->isEnabled());
    Click(d, "仅实线");
    note("dashes", dashes->isEnabled());
    note("index kept", dashes->currentIndex() == 2);
    Press(d, QDialogButtonBox::Cancel);
  });
  DialogProvider().DoModal(line);

  CDlgPropertyFace face;
  face.m_nDisplayMode = 2;
  WhenShown([&](QDialog& d) {
    note("patterns", Child<QComboBox>(d, "patterns")->isEnabled());
    note("textures", Child<QComboBox>(d, "textures")->isEnabled());
    note("16 textures", Child<QComboBox>(d, "textures")->count() == 16);
    Click(d, "半透明材质");
    note("textures", Child<QComboBox>(d, "textures")->isEnabled());
    Press(d, QDialogButtonBox::Cancel);
  });
  DialogProvider().DoModal(face);

  CDlgPropertyCircle circle;
  circle.m_nDisplayMode = 1;
  WhenShown([&](QDialog& d) {
    auto* textures = Child<QComboBox>(d, "textures");
    note("textures", textures->isEnabled());
    Click(d, "圆面");
    note("textures", textures->isEnabled());
    note("start", Child(d, "start")->isEnabled());
    Click(d, "自定义:");
    note("start", Child(d, "start")->isEnabled());
    Press(d, QDialogButtonBox::Cancel);
  });
  DialogProvider().DoModal(circle);

  CDlgPropertySolid solid;
  WhenShown([&](QDialog& d) {
    note("textures", Child<QComboBox>(d, "textures")->isEnabled());
    Click(d, "光照处理");
    note("textures", Child<QComboBox>(d, "textures")->isEnabled());
    Press(d, QDialogButtonBox::Cancel);
  });
  DialogProvider().DoModal(solid);

  EXPECT_EQ(seen.join(", "),
            "caption on, value1 off, value2 off, value3 off, x on, z off, value1 on, value2 off, "
            "dashes off, dashes on, dashes off, index kept on, "
            "patterns on, textures off, 16 textures on, textures on, "
            "textures off, textures on, start off, start on, "
            "textures off, textures on");
}

// What a dialog shows: its caption, its check boxes, the texts of its radio
// buttons group by group, and each list's first and last item and count.
QString Shown(QDialog& d) {
  QStringList parts{d.windowTitle()};
  for (QCheckBox* check : d.findChildren<QCheckBox*>()) parts << check->text();
  for (QButtonGroup* group : d.findChildren<QButtonGroup*>()) {
    QStringList radios;
    for (QAbstractButton* radio : group->buttons()) radios << radio->text();
    parts << radios.join('/');
  }
  for (QComboBox* list : d.findChildren<QComboBox*>())
    parts << QString("%1..%2 (%3) at %4").arg(list->itemText(0), list->itemText(list->count() - 1)).arg(list->count()).arg(list->currentIndex());
  return parts.join(", ");
}

TEST_F(PrimitivePropertyDialogWidgets, EachShowsItsCaptionChecksChoicesAndLists) {
  CDlgPropertyPoint point;
  CDlgPropertyLine line;
  CDlgPropertyFace face;
  CDlgPropertyCircle circle;
  CDlgPropertySolid solid;
  struct Row {
    CDialogData* data;
    const char* shown;
  } const rows[] = {
      {&point, "点的属性, 隐藏标签, 隐藏对象, 将点的大小与显示方式用于本页已有点, 圆形/隐形/球形（光照处理）, 总可见/被遮住时不可见（点或标签）"},
      {&line, "线属性, 隐藏标签, 隐藏对象, 将线宽与显示方式用于本页已有线, 自动虚实/仅实线/全实线/全虚线/光照处理, 线段/射线/直线/向量, "
              "默认虚线..多点划线 (6) at 0"},
      {&face, "面属性, 隐藏标签, 隐藏对象, 将显示方式用于本页已有面, 参与消隐/填充颜色/填充图案:/光照处理/半透明材质, "
              "不使用..图15 (16) at 0, 左斜线..徽标 (16) at 0"},
      {&circle, "圆（弧）属性, 隐藏标签, 隐藏对象, 圆/弧/圆面/扇形面/弓形面, 自动/自定义:, "
                "自动虚实/光照处理/半透明材质/全实线/全虚线/仅实线, 不使用..图15 (16) at 0"},
      {&solid, "旋转体属性, 隐藏对象, 立几模式/实线网格/光照处理/半透明材质, 不使用..图15 (16) at 0"},
  };
  for (const Row& row : rows) {
    QString shown;
    WhenShown([&shown](QDialog& d) {
      shown = Shown(d);
      Press(d, QDialogButtonBox::Cancel);
    });
    DialogProvider().DoModal(*row.data);
    EXPECT_EQ(shown, QString::fromUtf8(row.shown));
  }
}

// One numeric edit: the texts it refuses, and those it takes with the value.
struct NumberField {
  const char* name;
  QString message;
  QStringList refused;
  std::vector<std::pair<QString, float>> taken;
};

// Each refused text keeps the dialog open with the field's message, and the
// whole dialog is then cancelled; each taken text is confirmed on its own.
template <class Dialog>
void CheckNumbers(Dialog& data, const std::vector<NumberField>& fields, const std::function<float(const Dialog&)>& read,
                  const char* takenField, RecordingNotifier& notifier) {
  for (const NumberField& field : fields) {
    WhenShown([&](QDialog& d) {
      QLineEdit* edit = Child(d, field.name);
      for (const QString& text : field.refused) {
        const size_t before = notifier.Texts().size();
        edit->setText(text);
        Press(d, QDialogButtonBox::Ok);
        EXPECT_TRUE(d.isVisible()) << field.name << " " << text.toStdString();
        EXPECT_EQ(notifier.Texts().size(), before + 1) << field.name << " " << text.toStdString();
        EXPECT_EQ(notifier.Texts().empty() ? QString() : notifier.Texts().back(), field.message)
            << field.name << " " << text.toStdString();
      }
      Press(d, QDialogButtonBox::Cancel);
    });
    EXPECT_EQ(DialogProvider().DoModal(data), IDCANCEL) << field.name;
    if (field.name != std::string(takenField)) continue;
    for (const auto& [text, value] : field.taken) {
      Dialog copy = data;
      WhenShown([&, text = text](QDialog& d) {
        Child(d, field.name)->setText(text);
        Press(d, QDialogButtonBox::Ok);
      });
      EXPECT_EQ(DialogProvider().DoModal(copy), IDOK) << text.toStdString();
      EXPECT_EQ(read(copy), value) << text.toStdString();
    }
  }
}

TEST_F(PrimitivePropertyDialogWidgets, NumbersOutsideTheRangesOrNotNumbersAreRefused) {
  const QString notANumber = QString::fromUtf8("请输入一个数字。");
  const QString sizeRange = QString::fromUtf8("请输入一个介于 0.5 和 20 之间的数。");
  const QString circleRange = QString::fromUtf8("请输入一个介于 1 和 20 之间的数。");
  const QStringList bad{"abc", "", "1e39", "inf", "nan", "-inf"};
  const QStringList badOrOutside = bad + QStringList{"0.49", "20.01"};
  const std::vector<std::pair<QString, float>> bounds{{"0.5", 0.5f}, {" 20 ", 20.0f}};

  CDlgPropertyPoint point;
  point.m_nCoordMode = 1;
  point.m_nValueMode = 3;
  std::vector<NumberField> pointFields{{"size", sizeRange, badOrOutside, bounds}};
  for (const char* name : {"x", "y", "z", "value1", "value2", "value3"}) pointFields.push_back({name, notANumber, bad, {}});
  CheckNumbers<CDlgPropertyPoint>(point, pointFields, [](const CDlgPropertyPoint& d) { return d.m_fSize; }, "size",
                                  *seams.notifier);

  // Angles in degrees kept as float radians: the degree range.
  const QString degreesRange = QString::fromUtf8("请输入一个介于 -1e+38 和 1e+38 之间的数。");
  const QStringList badOrTooManyDegrees = bad + QStringList{"2e38", "-1.01e38"};
  CDlgPropertyPoint turned;
  turned.m_nValueMode = 1;
  turned.m_bValue1Degrees = 1;
  CheckNumbers<CDlgPropertyPoint>(turned, {{"value1", degreesRange, badOrTooManyDegrees, {{"1e38", 1e38f}, {"-90", -90.0f}}}},
                                  [](const CDlgPropertyPoint& d) { return d.m_fValue1; }, "value1", *seams.notifier);

  CDlgPropertyLine line;
  CheckNumbers<CDlgPropertyLine>(line, {{"width", sizeRange, badOrOutside, bounds}},
                                 [](const CDlgPropertyLine& d) { return d.m_fWidth; }, "width", *seams.notifier);

  CDlgPropertyCircle circle;
  circle.m_nRangeMode = 1;
  CheckNumbers<CDlgPropertyCircle>(
      circle,
      {{"width", circleRange, bad + QStringList{"0.99", "20.01"}, {{"1.0", 1.0f}, {"20", 20.0f}}},
       {"start", degreesRange, badOrTooManyDegrees, {}},
       {"end", degreesRange, badOrTooManyDegrees, {}}},
      [](const CDlgPropertyCircle& d) { return d.m_fWidth; }, "width", *seams.notifier);
}

TEST_F(PrimitivePropertyDialogWidgets, UntouchedNumbersComeBackBitForBit) {
  CDlgPropertyPoint point;
  point.m_nCoordMode = 1;
  point.m_x = 1.0f / 3;
  point.m_y = -1e-20f;
  point.m_z = 3.4e38f;
  point.m_strDescription = QStringLiteral("自由点");
  QString description;
  WhenShown([&](QDialog& d) {
    description = Child<QLabel>(d, "description")->text();
    Press(d, QDialogButtonBox::Ok);
  });
  CDlgPropertyPoint answer = point;
  ASSERT_EQ(DialogProvider().DoModal(answer), IDOK);
  EXPECT_EQ(description, point.m_strDescription);
  EXPECT_EQ(answer.m_x, point.m_x);
  EXPECT_EQ(answer.m_y, point.m_y);
  EXPECT_EQ(answer.m_z, point.m_z);
}
}  // namespace
