// The rich-text editor as a window: its size around the text area, what OK
// gives back for stored and edited texts, formulas inserted and edited by a
// double click, symbols, a notice for a damaged text, and the height that
// follows the text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QScreen>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextList>
#include <memory>

#include "formula/control/formuladialogs.h"
#include "richtext/paraformat.h"
#include "richtext/rtfstring.h"
#include "support/recorders.h"
#include "support/settle.h"
#include "support/scripteddialogs.h"
#include "ui/richtext/paradialog.h"
#include "ui/richtext/rteditdialog.h"

namespace KAVREL_FILE_LOCAL {

const QString kStored = PackRtfString("{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs40 abc\\par}");

CDlgRtEdit Input(const QString& text) {
  CDlgRtEdit data;
  data.m_strText = text;
  return data;
}

TEST(RtEditDialog, OkGivesTheStoredStringUnlessEdited) {
  SeamRecorders seams;
  const struct {
    const char* name;
    QString text;
    const char* typed;
    bool readWhole;
    bool sameString;
  } rows[] = {
      {"stored, unedited", kStored, "", true, true},
      {"stored, edited", kStored, "x", true, false},
      {"damaged, unedited", PackRtfString("{\\rtf1 abc"), "", false, true},
  };
  {
    CDlgRtEditWindow empty(Input({}));
    empty.accept();
    CDlgRtEdit out;
    EXPECT_FALSE(empty.StoreOutputs(out)) << "an empty text is not confirmed";
    EXPECT_EQ(seams.notifier->Texts(), std::vector<QString>{QString::fromUtf8("还未输入文本，请按关闭按钮！")});
  }
  for (const auto& row : rows) {
    CDlgRtEditWindow dialog(Input(row.text));
    EXPECT_EQ(dialog.ReadWhole(), row.readWhole) << row.name;
    dialog.Editor()->insertPlainText(QString::fromUtf8(row.typed));
    dialog.accept();
    CDlgRtEdit out;
    ASSERT_TRUE(dialog.StoreOutputs(out)) << row.name;
    EXPECT_EQ(out.m_strText == row.text, row.sameString) << row.name;
    EXPECT_FALSE(out.m_mask.empty()) << row.name;
  }
}

TEST(RtEditDialog, SizedAroundTheTextAreaAndFollowsTheText) {
  SeamRecorders seams;
  CDlgRtEditWindow dialog(Input({}));
  EXPECT_EQ(dialog.height(), CDlgRtEdit::kDefaultContentHeight + 10 + dialog.Extra().height());
  dialog.show();
  QApplication::processEvents();
  EXPECT_EQ(dialog.Editor()->viewport()->width(), CDlgRtEdit::kDefaultContentWidth);
  EXPECT_EQ(dialog.height(), 200) << "an empty text asks for the least height";
  for (int i = 0; i < 30; ++i) dialog.Editor()->insertPlainText(QStringLiteral("line\n"));
  QApplication::processEvents();
  EXPECT_EQ(dialog.height(), 700) << "grown to the greatest height";
  dialog.Editor()->clear();
  QApplication::processEvents();
  EXPECT_EQ(dialog.height(), 700) << "no longer following";

  // Grown low on the screen, it moves up to stay within the free area.
  const QRect area = dialog.screen()->availableGeometry();
  CDlgRtEditWindow low(Input({}));
  low.show();
  low.move(area.left(), area.bottom() - 300);
  EXPECT_TRUE(SettleUntil([&] { return low.frameGeometry().top() == area.bottom() - 300; }));
  for (int i = 0; i < 30; ++i) low.Editor()->insertPlainText(QStringLiteral("line\n"));
  EXPECT_TRUE(SettleUntil([&] { return low.height() == 700 && area.contains(low.frameGeometry()); }))
      << low.height() << " " << low.frameGeometry().top();
}

TEST(RtEditDialog, FormulasAndSymbols) {
  SeamRecorders seams;
  ScriptedDialogs* dialogs = InstallScriptedDialogs();
  CDlgRtEditWindow dialog(Input({}));
  CVodDlg formula;
  formula.m_strVod = QStringLiteral("<#><l><e>x+1</e></l></#>");
  formula.m_bEmpty = 0;
  dialogs->Ok(formula);
  dialog.Action(CDlgRtEditWindow::kFormula)->trigger();
  QTextDocument* doc = dialog.Editor()->document();
  EXPECT_EQ(doc->toPlainText(), QString(2, QChar::ObjectReplacementCharacter)) << "mark-up and picture";
  ASSERT_EQ(dialogs->Offered<CVodDlg>().size(), 1u);
  EXPECT_EQ(dialogs->Offered<CVodDlg>()[0].m_strVod, QStringLiteral("<#><l></l></#>"));

  formula.m_strVod = QStringLiteral("<#><l><e>y</e></l></#>");
  dialogs->Ok(formula);
  EXPECT_FALSE(dialog.EditFormulaAt(0)) << "the mark-up group is not the picture";
  EXPECT_TRUE(dialog.EditFormulaAt(1));
  ASSERT_EQ(dialogs->Offered<CVodDlg>().size(), 3u - 1u);
  EXPECT_EQ(dialogs->Offered<CVodDlg>()[1].m_strVod, QStringLiteral("<#><l><e>x+1</e></l></#>"));
  EXPECT_EQ(doc->characterCount(), 3) << "replaced, not added";

  dialog.Editor()->selectAll();
  dialog.OnSymbolPicked(0);
  dialog.Editor()->selectAll();
  dialog.OnSymbolPicked(128);  // past the last symbol: the selection stays
  EXPECT_EQ(doc->toPlainText(), QString::fromUtf8("α"));
  doc->undo();
  EXPECT_EQ(doc->characterCount(), 3) << "one undoable edit";
}

// The bar's pictures show whole: "OK" is not cut at its sides, and copy
// has a picture of its own where the desktop has no icon theme.
TEST(RtEditDialog, TheBarsPicturesShowWhole) {
  SeamRecorders seams;
  CDlgRtEditWindow dialog(Input({}));
  const auto inked = [](const QImage& picture, int column) {
    for (int y = 0; y < picture.height(); ++y)
      if (qAlpha(picture.pixel(column, y)) > 0) return true;
    return false;
  };
  for (const unsigned id : {CDlgRtEditWindow::kOk, CDlgRtEditWindow::kCopy}) {
    const QImage picture = dialog.Action(id)->icon().pixmap(QSize(20, 20)).toImage();
    ASSERT_EQ(picture.size(), QSize(20, 20)) << id;
    int columns = 0;
    for (int x = 0; x < picture.width(); ++x) columns += inked(picture, x) ? 1 : 0;
    EXPECT_GT(columns, 8) << id << " draws something";
    if (QIcon::themeName().isEmpty()) {
      EXPECT_FALSE(inked(picture, 0) || inked(picture, 19)) << id << " is not cut";
    }
  }
}

TEST(RtEditDialog, ContextMenuAndParagraphDialog) {
  SeamRecorders seams;
  ScriptedDialogs* dialogs = InstallScriptedDialogs();
  CDlgRtEditWindow dialog(Input({}));
  dialog.Editor()->insertPlainText(QStringLiteral("ab"));
  const std::unique_ptr<QMenu> menu(dialog.ContextMenu());
  const struct {
    const char* text;
    bool enabled;
  } expected[] = {{"剪切(&T)", false}, {"复制(&C)", false}, {"粘贴(&P)", true},     {"删除(&D)", false},
                  {"全选(&L)", true},  {"字体(&F)...", true}, {"段落(&A)...", true}, {"插入对象(&I)...", true}};
  std::vector<QAction*> items;
  for (QAction* action : menu->actions())
    if (!action->isSeparator()) items.push_back(action);
  ASSERT_EQ(items.size(), std::size(expected));
  for (std::size_t i = 0; i < items.size(); ++i) {
    EXPECT_EQ(items[i]->text(), QString::fromUtf8(expected[i].text));
    if (i != 2) { EXPECT_EQ(items[i]->isEnabled(), expected[i].enabled) << expected[i].text; }  // paste: the clipboard's
  }
  CFormatParaDlg paragraph;
  paragraph.m_pf.alignment = 3;
  paragraph.m_pf.numbering = 2;
  dialogs->Ok(paragraph);
  items[6]->trigger();
  ASSERT_EQ(dialogs->Offered<CFormatParaDlg>().size(), 1u);
  EXPECT_EQ(dialogs->Offered<CFormatParaDlg>()[0].m_pf.alignment, 1) << "opened on the paragraph's format";
  const QTextBlock block = dialog.Editor()->document()->begin();
  EXPECT_EQ(block.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  ASSERT_TRUE(block.textList());
  EXPECT_EQ(block.textList()->format().style(), QTextListFormat::ListDecimal);

  // A picture file in place of the selection; what is no picture is refused.
  QTemporaryDir folder;
  const QString picture = folder.filePath(QStringLiteral("p.bmp")), other = folder.filePath(QStringLiteral("x.txt"));
  QImage image(6, 4, QImage::Format_RGB32);
  image.fill(Qt::black);
  ASSERT_TRUE(image.save(picture));
  QFile text(other);
  ASSERT_TRUE(text.open(QIODevice::WriteOnly) && text.write("not a picture") > 0);
  text.close();
  seams.fileChooser->answers = {picture, other, QString()};
  dialog.Editor()->selectAll();
  for (int i = 0; i < 3; ++i) items.back()->trigger();
  EXPECT_EQ(dialog.Editor()->document()->toPlainText(), QString(QChar::ObjectReplacementCharacter));
  EXPECT_EQ(seams.notifier->Texts().size(), 1u) << "the text file";
  EXPECT_EQ(seams.fileChooser->titles.at(0), QString::fromUtf8("插入对象"));
}

TEST(RtEditDialog, ParagraphFieldsFollowTheChoices) {
  ParaFormat pf;
  pf.before = 250;
  CFormatParaDlgWindow dialog(pf);
  auto* spacing = dialog.findChild<QComboBox*>(QStringLiteral("lineSpacing"));
  auto* numbering = dialog.findChild<QComboBox*>(QStringLiteral("numbering"));
  auto* value = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("spacingValue"));
  const auto enabled = [&dialog](const char* name) { return dialog.findChild<QWidget*>(QLatin1String(name))->isEnabled(); };
  EXPECT_EQ(dialog.findChild<QDoubleSpinBox*>(QStringLiteral("spaceBefore"))->text(), QStringLiteral("13 pt"));
  EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("alignment"))->currentText(), QString::fromUtf8("左对齐"));
  const struct {
    int spacing, numbering;
    bool valueOn;
    double proposed;
    bool startOn, styleOn, tabOn;
  } rows[] = {{0, 0, false, 0, false, false, false}, {3, 1, true, 12, false, false, true},
              {5, 2, true, 3, true, true, true},     {4, 7, true, 12, false, false, false}};
  for (const auto& row : rows) {
    numbering->setCurrentIndex(row.numbering);  // first: the spacing's choice alone must enable its value
    spacing->setCurrentIndex(row.spacing);
    emit spacing->activated(row.spacing);
    EXPECT_EQ(std::make_tuple(value->isEnabled(), enabled("numberingStart"), enabled("numberingStyle"),
                              enabled("numberingTab")),
              std::make_tuple(row.valueOn, row.startOn, row.styleOn, row.tabOn))
        << row.spacing << " " << row.numbering;
    if (row.valueOn) { EXPECT_EQ(value->value(), row.proposed) << row.spacing; }
  }
  numbering->setCurrentIndex(2);
  const ParaFormat result = dialog.Result();
  EXPECT_EQ(std::make_tuple(result.rule, result.spacing, result.before, result.offset), std::make_tuple(4, 240, 260, 850))
      << "numbered without an offset";
}

}  // namespace
