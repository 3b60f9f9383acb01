// Importing a presentation through the program's real start-up: the ribbon
// command, the file answered, the import dialog answered on screen, three
// pages with their cells and undo steps, and the same after saving and
// reading the document back.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include "cells/texts/cgtextbit.h"
#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "model/undo/cmdprocessor.h"
#include "platform/commandids.h"
#include "startedapp.h"
#include "support/pptxwriter.h"

namespace KAVREL_FILE_LOCAL {

using PresentationImportAppTest = StartedAppTest;

TEST_F(PresentationImportAppTest, ThreeSlidesBecomeThreePagesThatAreSavedAndReadBack) {
  CFixtureSlide text, table, picture;
  text.shapes = SlideTextBox(72, 54, 216, 72, QStringLiteral("勾股定理"), QStringLiteral("FFFFFF"));
  table.shapes = SlideTable(120, 240, 144, 60, {{"a", "<h"}, {"c", "d"}});
  picture.shapes = SlidePicture(100, 100, 60, 30, QStringLiteral("rId4")) + SlideDrawnShape(0, 0, 9, 9);
  picture.media = {{QStringLiteral("rId4"), FixturePng(80, 40)}};
  const QString path = folder.filePath(QStringLiteral("课件.pptx"));
  {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(WritePptx({text, table, picture}));
  }
  // The program installed its own file dialogs and message boxes when it started.
  auto notifier = std::make_unique<RecordingNotifier>();
  RecordingNotifier* boxes = notifier.get();
  auto programNotifier = SetNotifier(std::move(notifier));
  auto chooser = std::make_unique<ScriptedFileChooser>();
  chooser->answers.push_back(path);
  auto programChooser = SetFileChooser(std::move(chooser));
  bool answered = false;
  QTimer::singleShot(10, [&] {
    std::function<void()> wait = [&] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return QTimer::singleShot(10, wait);
      if (modal->windowTitle() != QStringLiteral("从PPT导入文本")) {
        ADD_FAILURE() << "shown " << modal->windowTitle().toStdString();
        modal->close();
        return;
      }
      answered = true;
      EXPECT_EQ(modal->findChild<QLineEdit*>(QStringLiteral("source"))->text(), path);
      EXPECT_EQ(modal->findChild<QSpinBox*>(QStringLiteral("from"))->value(), 1);
      EXPECT_EQ(modal->findChild<QSpinBox*>(QStringLiteral("to"))->value(), 3);
      EXPECT_TRUE(modal->findChild<QCheckBox*>(QStringLiteral("convert"))->isChecked());
      modal->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    };
    wait();
  });
  CGPage* first = Page();
  ViewQuaternion = Quaternion{0.9, 0.1, 0.3, 0.3};  // the view turned in space
  ClickRibbon(ID_CREATE_TEXT3);
  EXPECT_EQ(ViewQuaternion, kQuatIdentity) << "the pages are shown in the 2D view";
  SetFileChooser(std::move(programChooser));
  const std::vector<QString> told = boxes->Texts();
  SetNotifier(std::move(programNotifier));
  ASSERT_TRUE(answered);
  auto& pages = app.Document().m_pages;
  ASSERT_EQ(pages.size(), 4u);
  EXPECT_EQ(pages[0].get(), first);
  EXPECT_EQ(Page(), pages[3].get());
  ASSERT_EQ(told.size(), 1u);
  EXPECT_TRUE(told[0].contains(QStringLiteral(" 1 个图形"))) << "the one skipped shape is told";

  const struct {
    int cells, steps;
    const char* lastStep;
  } expected[] = {{1, 1, "插入文本"}, {5 * 4 + 2 * 4 + 2 + 3, 4, "插入附点文本"}, {1, 1, "粘贴图文"}};
  std::vector<int> counts;
  for (int k = 0; k < 3; ++k) {
    CGPage& page = *pages[k + 1];
    EXPECT_EQ(page.m_cells.GetCount(), expected[k].cells) << "page " << k;
    EXPECT_EQ(page.m_undo.GetCount(), expected[k].steps) << "page " << k;
    ASSERT_NE(page.m_undo.CurrentCommand(), nullptr);
    EXPECT_EQ(page.m_undo.CurrentCommand()->GetName(), QString::fromUtf8(expected[k].lastStep)) << "page " << k;
    counts.push_back(page.m_cells.GetCount());
  }
  EXPECT_NE(dynamic_cast<CGTextbit*>(pages[1]->m_cells.Lookup(1)), nullptr);

  const QString saved = folder.filePath(QStringLiteral("lesson.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(saved));
  ASSERT_NE(app.OpenDocumentFile(saved), nullptr);
  auto& reloaded = app.Document().m_pages;
  ASSERT_EQ(reloaded.size(), 4u);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(reloaded[k + 1]->m_cells.GetCount(), counts[k]) << "page " << k;
}

}  // namespace
