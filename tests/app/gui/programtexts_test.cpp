// One program, one name, one language: Qt's own texts in Chinese (the file
// dialog's details too), and message boxes captioned with the program's
// name unless they have their own.
#include <gtest/gtest.h>

#include <QAbstractProxyModel>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include "app/guiseams.h"
#include "app/localfiledetails.h"
#include "app/qttranslations.h"
#include "support/settle.h"

namespace KAVREL_FILE_LOCAL {

TEST(ProgramTexts, QtSpeaksChineseAndBoxesSayTheProgramsName) {
  ASSERT_TRUE(InstallQtTranslations(*QCoreApplication::instance())) << "qt6-translations-l10n is missing";
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
  EXPECT_EQ(QCoreApplication::translate("QFileDialog", "Look in:"), QStringLiteral("查找范围："));
  // The file dialog's details read Chinese whatever the system's locale.
  QTemporaryDir folder;
  ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("课件")));
  QFile file(folder.filePath(QStringLiteral("a.kv")));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(QByteArray(3660, 'x')) == 3660);
  file.close();
  QFileDialog dialog(nullptr, QString(), folder.path());
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  ShowLocalFileDetails(dialog);
  auto* files = dialog.findChild<QFileSystemModel*>();
  ASSERT_TRUE(files && dialog.proxyModel());
  const auto detail = [&](const char* name, int column) {
    const QModelIndex at = files->index(folder.filePath(QString::fromUtf8(name)));
    return dialog.proxyModel()->mapFromSource(at.siblingAtColumn(column)).data().toString();
  };
  ASSERT_TRUE(SettleUntil([&] { return !detail("a.kv", 3).isEmpty(); }));
  EXPECT_EQ(detail("课件", 2), QStringLiteral("文件夹"));
  EXPECT_EQ(detail("a.kv", 1), QLocale(QLocale::Chinese, QLocale::China).formattedDataSize(3660));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}/\\d{1,2}/\\d{1,2} \\d{2}:\\d{2}$")).match(detail("a.kv", 3)).hasMatch())
      << detail("a.kv", 3).toStdString();
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
