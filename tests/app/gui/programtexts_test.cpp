// One program, one name, one language: Qt's own texts in Chinese, and
// message boxes captioned with the program's name unless they have their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include "app/guiseams.h"
#include "app/qttranslations.h"

namespace KAVREL_FILE_LOCAL {

TEST(ProgramTexts, QtSpeaksChineseAndBoxesSayTheProgramsName) {
  ASSERT_TRUE(InstallQtTranslations(*QCoreApplication::instance())) << "qt6-translations-l10n is missing";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("查找范围："));
  for (const auto& [caption, shown] : {std::pair{QString(), QStringLiteral("Kavrel")},
                                       {QStringLiteral("链接无效！"), QStringLiteral("链接无效！")}}) {
    QString seen;
    QTimer::singleShot(0, [&seen] {
      seen = QApplication::activeModalWidget()->windowTitle();
      QApplication::activeModalWidget()->close();
    });
    MakeMessageBoxNotifier(nullptr)->Show(QStringLiteral("正文"), caption, MB_OK);
    EXPECT_EQ(seen, shown);
  }
}

}  // namespace
