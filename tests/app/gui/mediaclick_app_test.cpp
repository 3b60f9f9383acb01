// The media click in the running program (xvfb): while a player is open in
// video mode a left click in the view plays a paused file, pauses a playing
// one or asks to wait while it opens, and does nothing else; in music mode
// the same click selects as usual.
#include <gtest/gtest.h>

#include <QFile>
#include <QPointer>
#include <functional>

#include "app/kavrelapp.h"
#include "cells/primitives/cgverfree.h"
#include "math/mathglobals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "programwindow.h"
#include "support/fakemediaplayer.h"
#include "ui/kavrelstatusbar.h"
#include "view/media/mediacontroller.h"

namespace KAVREL_FILE_LOCAL {

class MediaClickApp : public ProgramWindow {
 protected:
  MediaClickApp() {
    ViewQuaternion = kQuatIdentity;
    CGPage& page = Page();
    point = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), 0, 0, 0);
    page.m_cells.SetAt(point->m_nId, point);
    Render();
  }
  CFakeMediaPlayer* Open(const char* name) {
    const QString file = folder.filePath(QString::fromUtf8(name));
    QFile(file).open(QIODevice::WriteOnly);
    Page().m_strMedia = file;
    CommandRegistry().Run(ID_VIEW_MEDIA);
    return players.Last();
  }
  RecordingNotifier& Boxes() { return static_cast<RecordingNotifier&>(Notifier()); }
  void ClickThePoint() { Click(At(0, 0)); }

  FakeMediaPlayers players;
  CGVerFreeXyz* point = nullptr;
};

TEST_F(MediaClickApp, VideoModeClicksPlayPauseOrAskToWaitAndSelectNothing) {
  CFakeMediaPlayer* player = Open("clip.avi");
  ASSERT_TRUE(player);
  ASSERT_TRUE(view->Media().TakesClicks());
  const struct Row {
    int state;
    std::vector<int> requests;
    const char* status;  // element 0 after the click; null: as it was
    const char* box;
  } rows[] = {
      {kMediaPaused, {kMediaPlaying}, "正在播放影音，单击暂停，“ESC”键关闭", nullptr},
      {kMediaPlaying, {kMediaPaused}, "暂停播放，单击继续，“ESC”键关闭", nullptr},
      {kMediaReady, {}, nullptr, "请稍等…，如不能播放，请按“影音播放”按钮打开另一文件！"},
      {kMediaStopped, {}, nullptr, nullptr},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.state);
    player->state = row.state;
    player->requests.clear();
    Boxes().shown.clear();
    const QString statusBefore = window->StatusBarEx()->ElementText(0);
    const int steps = Page().m_undo.GetCount();
    ClickThePoint();
    EXPECT_EQ(player->requests, row.requests);
    EXPECT_EQ(window->StatusBarEx()->ElementText(0), row.status ? QString::fromUtf8(row.status) : statusBefore);
    EXPECT_EQ(Boxes().Texts(), row.box ? std::vector<QString>{QString::fromUtf8(row.box)} : std::vector<QString>{});
    EXPECT_FALSE(point->m_bSelected) << "no selection";
    EXPECT_TRUE(Page().m_selAll.empty());
    EXPECT_EQ(Page().m_undo.GetCount(), steps);
  }
  // A click on the player's picture is the same click.
  player->state = kMediaPlaying;
  player->requests.clear();
  QTest::mouseClick(player, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(player->requests, std::vector<int>{kMediaPaused});

  // Music mode: the mouse is the drawing's again.
  CommandRegistry().Run(ID_VIEW_MEDIA_CTRL);
  ASSERT_FALSE(view->Media().TakesClicks());
  EXPECT_TRUE(player->testAttribute(Qt::WA_TransparentForMouseEvents)) << "clicks pass through the player";
  player->requests.clear();
  ClickThePoint();
  EXPECT_TRUE(player->requests.empty());
  EXPECT_TRUE(point->m_bSelected) << "the click selects the point under it";
}

// The player played a file of the document that goes: a new or opened
// document closes it, and the first click selects again.
TEST_F(MediaClickApp, ANewOrOpenedDocumentClosesThePlayer) {
  const QString saved = folder.filePath(QStringLiteral("other.kv"));
  ASSERT_TRUE(app.Document().OnSaveDocument(saved));
  const std::pair<const char*, std::function<void()>> rows[] = {
      {"文件→新建", [] { CommandRegistry().Run(ID_FILE_NEW); }},
      {"open", [this, saved] { ASSERT_NE(app.OpenDocumentFile(saved), nullptr); }},
  };
  for (const auto& [name, replace] : rows) {
    SCOPED_TRACE(name);
    app.Document().SetModifiedFlag(false);
    QPointer<CFakeMediaPlayer> player = Open("clip.avi");
    ASSERT_TRUE(player && view->Media().TakesClicks());
    replace();
    QApplication::processEvents();
    EXPECT_TRUE(player.isNull());
    EXPECT_FALSE(view->Media().TakesClicks());
    CGPage& page = Page();
    auto* next = new CGVerFreeXyz(page.m_nNextId++, page.m_nNextVertex++, page.GetNewName(1), 0, 0, 0);
    page.m_cells.SetAt(next->m_nId, next);
    Render();
    ClickThePoint();
    EXPECT_FALSE(Page().m_selAll.empty()) << "the click selects a point under it";
  }
}

}  // namespace
