// The widgets of the caption's label dialog (what each choice lets edit, the
// formula dialog on white in mode 2 and a non-empty formula taken), the
// document options (pages in order, author read-only, the text's lines) and
// the table size (1 to 20, refused otherwise with the one message).
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "editing/dialogs/document/documentdialogs.h"
#include "editing/dialogs/labels/labeldialogs.h"
#include "formula/control/formuladialogs.h"
#include "support/modaldialogs.h"
#include "support/recorders.h"
#include "ui/dialogs/dialogwidgets.h"

namespace KAVREL_FILE_LOCAL {
void Ok(QDialog& dialog) { dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); }

// The widgets for every dialog but the formula dialog, which answers as
// scripted and keeps what it was opened with.
class FormulaScript : public IDialogProvider {
 public:
  explicit FormulaScript(QWidget* owner) : m_widgets(MakeWidgetDialogProvider(owner)) {}
  int DoModal(CDialogData& data) override {
    auto* vod = dynamic_cast<CVodDlg*>(&data);
    if (!vod) return m_widgets->DoModal(data);
    offered.push_back(*vod);
    vod->m_strVod = answer;
    vod->m_bEmpty = answer.isEmpty() ? 1 : 0;
    return IDOK;
  }
  QString answer;
  std::vector<CVodDlg> offered;

 private:
  std::unique_ptr<IDialogProvider> m_widgets;
};

TEST(LabelDocumentDialogs, EachLabelChoiceShowsWhatItEdits) {
  const struct Row {
    int format, kind;
    bool edit, formula;
  } rows[] = {
      {CDlgLabelVod::TEXT, CDlgLabelVod::AUTOMATIC, false, false},
      {CDlgLabelVod::FORMULA, CDlgLabelVod::AUTOMATIC, false, false},
      {CDlgLabelVod::TEXT, CDlgLabelVod::CUSTOM, true, false},
      {CDlgLabelVod::FORMULA, CDlgLabelVod::CUSTOM, false, true},
  };
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgLabelVod data;
  data.m_strLabel = QStringLiteral("|AB|");
  std::vector<std::string> opened, clicked;  // "edit/button" visibility, as opened and after clicks
  WhenShown([&](QDialog& dialog) {
    const auto seen = [&dialog] {
      const auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("label"));
      const QPushButton* button = ByText<QPushButton>(dialog, "编辑");
      return std::to_string(edit->isVisibleTo(&dialog)) + "/" + std::to_string(button->isVisibleTo(&dialog));
    };
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("标签属性"));
    opened.push_back(seen());
    for (const Row& r : rows) {
      ByText<QRadioButton>(dialog, r.format ? "数学格式" : "文本格式")->click();
      ByText<QRadioButton>(dialog, r.kind ? "自定义标签" : "自动标签")->click();
      clicked.push_back(seen());
    }
    dialog.findChild<QLineEdit*>(QStringLiteral("label"))->setText(QStringLiteral("L"));
    ByText<QRadioButton>(dialog, "文本格式")->click();
    Ok(dialog);
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(opened, std::vector<std::string>{"0/0"});
  std::vector<std::string> expected;
  for (const Row& r : rows) expected.push_back(std::to_string(r.edit) + "/" + std::to_string(r.formula));
  EXPECT_EQ(clicked, expected);
  EXPECT_EQ(std::make_tuple(data.m_nFormat, data.m_nKind, data.m_strLabel),
            std::make_tuple(0, 1, QStringLiteral("L")));
}

TEST(LabelDocumentDialogs, TheFormulaButtonTakesANonEmptyFormula) {
  SeamRecorders seams;
  QWidget owner;
  auto script = std::make_unique<FormulaScript>(&owner);
  FormulaScript* formulas = script.get();
  SetDialogProvider(std::move(script));
  const QString before = QStringLiteral("<#><l><e>d</e></l></#>");
  const QString written = QStringLiteral("<#><l><e>h</e><_><#><l><e>1</e></l></#></_></l></#>");
  for (const bool ok : {true, false}) {
    SCOPED_TRACE(ok);
    CDlgLabelVod data;
    data.m_nFormat = CDlgLabelVod::FORMULA;
    data.m_nKind = CDlgLabelVod::CUSTOM;
    data.m_strVod = before;
    WhenShown([&](QDialog& dialog) {
      formulas->answer = QString();  // an empty formula changes nothing
      ByText<QPushButton>(dialog, "编辑")->click();
      formulas->answer = written;
      ByText<QPushButton>(dialog, "编辑")->click();
      if (ok)
        Ok(dialog);
      else
        dialog.reject();
    });
    EXPECT_EQ(DialogProvider().DoModal(data), ok ? IDOK : IDCANCEL);
    EXPECT_EQ(data.m_strVod, ok ? written : before);
  }
  ASSERT_EQ(formulas->offered.size(), 4u);
  const CVodDlg& first = formulas->offered[0];
  EXPECT_EQ(std::make_tuple(first.m_strVod, first.m_crBack, first.m_nFontMode), std::make_tuple(before, COLORREF(0xFFFFFF), 2));
  EXPECT_EQ(formulas->offered[1].m_strVod, before) << "the empty answer was not taken";
}

TEST(LabelDocumentDialogs, TheDocumentOptionsShowThePagesAndTakeTheText) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  for (const bool typed : {false, true}) {
    SCOPED_TRACE(typed);
    CDlgPage data;
    data.m_pageNames = QStringList({"第一页", "封面", "第三页"});
    data.m_strAuthor = QStringLiteral("作者甲");
    data.m_strText = QStringLiteral("a\r\nb");
    QStringList seen;
    WhenShown([&](QDialog& dialog) {
      auto* list = dialog.findChild<QListWidget*>(QStringLiteral("pageNames"));
      for (int i = 0; i < list->count(); ++i) seen << list->item(i)->text();
      seen << QString::number(list->currentRow());
      auto* author = dialog.findChild<QLineEdit*>(QStringLiteral("author"));
      seen << author->text() << QString::number(author->isReadOnly());
      auto* text = dialog.findChild<QPlainTextEdit*>(QStringLiteral("text"));
      seen << text->toPlainText();
      if (typed) text->setPlainText(QStringLiteral("讲义\n第二行"));
      ByText<QCheckBox>(dialog, "将VOD文本加存图形数据")->setChecked(true);
      ByText<QCheckBox>(dialog, "页名称按序自动重命名")->setChecked(true);
      EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("文档选项"));
      Ok(dialog);
    });
    ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
    EXPECT_EQ(seen, QStringList({"第一页", "封面", "第三页", "0", "作者甲", "1", "a\nb"}));
    EXPECT_EQ(data.m_strText, typed ? QStringLiteral("讲义\r\n第二行") : QStringLiteral("a\r\nb"));
    EXPECT_EQ(std::make_tuple(data.m_bSaveVodPictures, data.m_bRenamePages), std::make_tuple(1, 1));
  }
}

TEST(LabelDocumentDialogs, TheTableTakesOneToTwentyRowsAndColumns) {
  SeamRecorders seams;
  QWidget owner;
  SetDialogProvider(MakeWidgetDialogProvider(&owner));
  CDlgTable data;
  int refusals = 0;
  WhenShown([&](QDialog& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QString::fromUtf8("添加表格"));
    ByText<QLabel>(dialog, "请在二维图模式下使用");
    auto* rows = dialog.findChild<QLineEdit*>(QStringLiteral("field0"));
    auto* cols = dialog.findChild<QLineEdit*>(QStringLiteral("field1"));
    for (QLineEdit* field : {rows, cols}) {
      for (const char* text : {"0", "21", "x", "", "2.5"}) {
        field->setText(QString::fromUtf8(text));
        Ok(dialog);
        EXPECT_TRUE(dialog.isVisible()) << text;
        ++refusals;
      }
      field->setText(QStringLiteral("20"));
    }
    rows->setText(QStringLiteral("1"));
    Ok(dialog);
  });
  ASSERT_EQ(DialogProvider().DoModal(data), IDOK);
  EXPECT_EQ(std::make_tuple(data.m_nRows, data.m_nCols), std::make_tuple(1, 20));
  EXPECT_EQ(seams.notifier->Texts(), std::vector<QString>(static_cast<size_t>(refusals), RangeMessage(1, 20, true)));
}
}  // namespace
