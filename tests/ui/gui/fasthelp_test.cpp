// The quick-help dialog on its own: caption, the sixteen tabs and their
// texts, where it opens, and the one message it posts when it closes.
#include "ui/help/fasthelp.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "support/recorders.h"
#include "ui/help/fasthelptexts.h"

namespace KAVREL_FILE_LOCAL {

TEST(FastHelp, TabsTextsAndPlace) {
  SeamRecorders seams;
  CDlgFastHelp help(nullptr);
  EXPECT_EQ(help.windowTitle(), QStringLiteral("Kavrel快捷帮助"));
  // Tab title, then the tool's name as its tab or status-bar button names it.
  const char* const tabs[16][2] = {
      {"箭头工具", "箭头工具"}, {"点", "点工具"},       {"线", "线工具"},         {"面", "面工具"},
      {"圆", "圆工具"},         {"柱", "柱体工具"},     {"锥", "锥体工具"},       {"台", "台体工具"},
      {"球", "球体工具"},       {"定位图", "定位图"},   {"轨迹与曲线", "曲线与轨迹"}, {"度量与计算", "度量与计算"},
      {"文本与标签", "文本与标签"}, {"动画与影音", "动画与影音"}, {"画笔", "画笔"}, {"自定义工具", "自定义工具"}};
  ASSERT_EQ(help.Tabs()->count(), 16);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(help.Tabs()->tabText(i), QString::fromUtf8(tabs[i][0])) << i;
    const QPlainTextEdit* text = static_cast<CDlgHelpPage*>(help.Tabs()->widget(i))->Text();
    EXPECT_TRUE(text->isReadOnly());
    EXPECT_EQ(text->verticalScrollBarPolicy(), i < 2 ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded) << i;
    EXPECT_EQ(text->toPlainText(), HelpPageText(i)) << i;
    // "\t\t" name "\r\n", then "1. selection：what is made" line by line.
    const QString head = QStringLiteral("\t\t") + QString::fromUtf8(tabs[i][1]) + QStringLiteral("\r\n");
    const QString whole = QString::fromUtf8(kFastHelpTexts[i]);
    ASSERT_TRUE(whole.startsWith(head)) << i;
    const QStringList lines = whole.mid(head.size()).split(QStringLiteral("\r\n"));
    for (int n = 0; i < 15 && n < lines.size(); ++n)
      EXPECT_TRUE(lines[n].startsWith(QStringLiteral("%1. ").arg(n + 1)) && lines[n].count(QChar(0xFF1A)) == 1)
          << i << ": " << lines[n].toStdString();
  }
  EXPECT_STREQ(kFastHelpTexts[15], "\t\t自定义工具\r\n创建或使用一个自定义工具");
  EXPECT_EQ(help.Tabs()->currentIndex(), 0);
  help.Tabs()->setCurrentIndex(9);
  EXPECT_EQ(help.ShownPage(), 9);
  EXPECT_EQ(help.findChild<QLabel*>()->text(), QStringLiteral("更多帮助请关闭对话框后按F1键打开帮助文档！"));
  EXPECT_EQ(help.findChild<QPushButton*>()->text(), QStringLiteral("关闭"));

  help.show();
  QApplication::processEvents();
  EXPECT_EQ(help.pos(), help.CreatedAt() + QPoint(100, 100));
}

TEST(FastHelp, ClosingPostsOneMessageToTheFrame) {
  SeamRecorders seams;
  CDlgFastHelp help(nullptr);
  help.show();
  help.reject();
  help.findChild<QPushButton*>()->click();  // a second close tells nobody
  ASSERT_EQ(seams.bridge->messages.size(), 1u);
  const BridgeMessage& m = seams.bridge->messages[0];
  EXPECT_TRUE(m.target == UiTarget::Frame && m.message == 0x80B && m.posted);
  EXPECT_EQ(m.wParam, reinterpret_cast<WPARAM>(&help));
}

}  // namespace
