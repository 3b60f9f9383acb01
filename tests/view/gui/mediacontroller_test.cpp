// The media commands with players that play nothing: which file a page's
// stored path plays, music and video mode, the bar and full screen,
// closing, failures, and timer 2.
#include "view/media/mediacontroller.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "render/viewglobals.h"
#include "support/fakemediaplayer.h"
#include "support/recorders.h"

namespace KAVREL_FILE_LOCAL {

// A page over a shown host widget, with a folder for the document and its media.
struct MediaScene {
  MediaScene() {
    g_pCurPage = &page;
    host.resize(320, 240);
    host.show();
    media = std::make_unique<CMediaController>(&host);
    media->SetDocument(&doc);
  }
  ~MediaScene() { media.reset(); }

  QString File(const QString& name) const {
    const QString path = QDir(dir.path()).filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    QFile(path).open(QIODevice::WriteOnly);
    return path;
  }
  // Makes `name` the page's media and plays it; the newest player.
  CFakeMediaPlayer* Open(const char* name) {
    page.m_strMedia = File(QString::fromUtf8(name));
    CommandRegistry().Run(ID_VIEW_MEDIA);
    return players.Last();
  }

  SeamRecorders seams;
  FakeMediaPlayers players;
  QTemporaryDir dir;
  CKavrelDoc doc;
  CGPage page;
  QWidget host;
  std::unique_ptr<CMediaController> media;
};

TEST(MediaCommand, StoredPathPlaysWhereItIsBesideTheDocumentOrAsksForAFile) {
  struct Case {
    const char* name;
    const char* stored;    // "@x": x in the folder
    const char* existing;  // a file made in the folder
    bool documentHasPath;
    const char* chosen;  // the chooser's answer ("" cancel; null: not asked)
    const char* played;  // in the folder ("" nothing)
    bool message;
  };
  const Case cases[] = {
      {"no path yet", "", "", true, "a.wav", "a.wav", false},
      {"under four characters, cancelled", "a.b", "", true, "", "", false},
      {"where it is stored", "@sub/x.mp3", "sub/x.mp3", true, nullptr, "sub/x.mp3", false},
      {"relative: from the program folder", "sub\\x.mp3", "sub/x.mp3", true, nullptr, "sub/x.mp3", false},
      {"moved beside the document, other case", "C:\\m\\a.MP3", "a.mp3", true, nullptr, "a.mp3", false},
      {"missing, another chosen", "C:\\m\\gone.mp3", "", true, "b.avi", "b.avi", true},
      {"beside an unsaved document", "C:\\m\\a.MP3", "a.mp3", false, "", "", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MediaScene scene;
    g_strProgramFolder = scene.dir.path();
    if (c.documentHasPath) g_strDocumentPath = scene.File(QStringLiteral("lesson.kv"));
    if (*c.existing) scene.File(QString::fromUtf8(c.existing));
    const QString stored = *c.stored == '@' ? QDir(scene.dir.path()).filePath(QString::fromUtf8(c.stored + 1))
                                            : QString::fromUtf8(c.stored);
    scene.page.m_strMedia = stored;
    const QString chosen = c.chosen && *c.chosen ? scene.File(QString::fromUtf8(c.chosen)) : QString();
    if (c.chosen) scene.seams.fileChooser->answers.push_back(chosen);

    CommandRegistry().Run(ID_VIEW_MEDIA);

    const std::vector<QString> filters = c.chosen ? std::vector<QString>{QStringLiteral(
        "媒体文件 (*.mp3 *.rmvb *.rm *.jpg *.mpeg *.mpg *.avi *.wma *.wmv *.wav *au *.mid *.midi *.asf *.wm "
        "*.tta *.dvr-ms *.asx *wax *.m3u *.wpl *.swf);;所有文件 (*.*)")} : std::vector<QString>{};
    EXPECT_EQ(scene.seams.fileChooser->filters, filters);
    EXPECT_EQ(scene.seams.notifier->Texts(),
              c.message ? std::vector<QString>{QStringLiteral("原来设定的影音文件:\n“ %1 ”未找到，请重新选择！").arg(stored)}
                        : std::vector<QString>{});
    const CFakeMediaPlayer* player = scene.players.Last();
    EXPECT_EQ(player ? player->urls : std::vector<QString>{},
              *c.played ? std::vector<QString>{QDir(scene.dir.path()).filePath(QString::fromUtf8(c.played))}
                        : std::vector<QString>{});
    EXPECT_EQ(scene.page.m_strMedia, chosen.isEmpty() ? stored : chosen) << "only a chosen file is stored";
    EXPECT_EQ(scene.doc.IsModified(), !chosen.isEmpty());
  }
}

TEST(MediaCommand, OpensOverTheViewInTheModeOfItsTypeAndAsksAgainForTheSameFile) {
  for (const auto& [file, video] : {std::pair("a.mp3", 0), {"A.MP3", 0}, {"c.midi", 0}, {"a.avi", 1}}) {
    MediaScene scene;
    CFakeMediaPlayer* player = scene.Open(file);
    ASSERT_TRUE(player) << file;
    EXPECT_EQ(scene.media->VideoMode(), video) << file;
    EXPECT_EQ(player->testAttribute(Qt::WA_TransparentForMouseEvents), !video) << file;
    EXPECT_EQ(CommandRegistry().Query(ID_VIEW_MEDIA_CTRL).m_nCheck, video) << file;
  }

  MediaScene scene;
  EXPECT_FALSE(CommandRegistry().Query(ID_VIEW_MEDIA_CLOSE).m_bEnabled);
  CFakeMediaPlayer* player = scene.Open("a.mp3");
  EXPECT_EQ(scene.seams.bridge->statusTexts,
            (std::vector<std::pair<int, QString>>{{0, QStringLiteral("正在打开，请稍候！")},
                                                  {0, QStringLiteral("ESC：退出全屏或关闭影音;上下方向键：视频伸展;")}}));
  EXPECT_EQ(player->uiMode, QStringLiteral("None"));
  EXPECT_TRUE(player->isVisible() && scene.media->IsPolling() && CommandRegistry().Query(ID_VIEW_MEDIA_CLOSE).m_bEnabled);
  scene.host.resize(500, 410);
  EXPECT_EQ(player->geometry(), QRect(0, 0, 500, 410)) << "the player covers the view";

  CommandRegistry().Run(ID_VIEW_MEDIA_CTRL);
  EXPECT_EQ(scene.media->VideoMode(), 1);
  CommandRegistry().Run(ID_VIEW_MEDIA_CTRL);
  EXPECT_EQ(scene.seams.notifier->Texts(),
            (std::vector<QString>{QStringLiteral("现在鼠标用以操作播放器（视频模式），按ESC键关闭播放器！"),
                                  QStringLiteral("现在鼠标用以操作图形（音乐模式），按ESC键关闭播放器！")}));

  const QString other = scene.File(QStringLiteral("b.avi"));
  scene.seams.fileChooser->answers.push_back(other);
  CommandRegistry().Run(ID_VIEW_MEDIA);  // the same file again: another is asked for
  EXPECT_EQ(scene.players.made.size(), 1u) << "the open player takes the new file";
  EXPECT_EQ(player->urls.back(), other);
  EXPECT_EQ(scene.media->PlayingPath(), other);
}

TEST(MediaCommand, TimerTwoCloseAndFailures) {
  for (const auto& [state, closes] : {std::pair(kMediaReady, false), {kMediaPlaying, false}, {kMediaPaused, false},
                                      {kMediaStopped, true}, {kMediaEnded, true}}) {
    MediaScene scene;
    scene.Open("a.avi")->state = state;
    EXPECT_EQ(scene.media->GetMediaPlayState(), state);
    scene.media->OnTimer2();
    EXPECT_EQ(scene.players.Last() == nullptr, closes) << state;
    EXPECT_EQ(scene.media->IsPolling(), !closes) << state;
    EXPECT_EQ(g_bMediaOpen, !closes) << state << ": the flag command buttons wait on";
  }

  MediaScene scene;
  QPointer<CFakeMediaPlayer> player = scene.Open("a.avi");
  CommandRegistry().Run(kCmdMediaSettings);
  EXPECT_TRUE(CommandRegistry().Run(ID_VIEW_MEDIA_CLOSE));
  EXPECT_FALSE(player || scene.media->IsPolling() || scene.media->IsMediaFullScreen() || g_bMediaOpen);
  EXPECT_FALSE(CommandRegistry().Run(ID_VIEW_MEDIA_CLOSE)) << "nothing left to close";

  player = scene.Open("a.rmvb");
  player->Fail();
  EXPECT_TRUE(player) << "never destroyed inside the backend's own report";
  QApplication::processEvents();
  EXPECT_FALSE(player);
  EXPECT_FALSE(scene.media->IsPolling() || g_bMediaOpen);
  scene.players.refuse = true;
  scene.Open("b.mp3");
  EXPECT_FALSE(scene.media->Player() || g_bMediaOpen) << "no player made: nothing to wait on";
  EXPECT_EQ(scene.seams.notifier->Texts(), std::vector<QString>(2, QStringLiteral("不能播放此媒体！")));
}

TEST(MediaCommand, ArrowsStretchAndRestoreTheVideoWhileAPlayerIsOpen) {
  MediaScene scene;
  EXPECT_FALSE(scene.media->OnArrowKey(kCmdKeyUp)) << "no player: the key is the view's";
  CFakeMediaPlayer* player = scene.Open("a.avi");
  for (UINT key : {kCmdKeyUp, kCmdKeyLeft, kCmdKeyDown, kCmdKeyRight}) EXPECT_TRUE(scene.media->OnArrowKey(key)) << key;
  EXPECT_EQ(player->stretches, (std::vector<bool>{true, false}));
}

TEST(MediaCommand, SettingsShowTheBarInFullScreenAndHideItAgain) {
  MediaScene scene;
  CFakeMediaPlayer* player = scene.Open("a.avi");
  CommandRegistry().Run(kCmdMediaSettings);
  CommandRegistry().Run(kCmdMediaSettings);  // in full screen: nothing
  EXPECT_EQ(scene.media->GetMediaStringProperty(), QStringLiteral("Full"));
  EXPECT_TRUE(player->fullScreen && scene.media->IsMediaFullScreen());
  scene.media->LeaveMediaFullScreen();
  EXPECT_FALSE(player->fullScreen);
  player->uiMode = QStringLiteral("full");  // a player may answer in a case of its own
  CommandRegistry().Run(kCmdMediaSettings);
  EXPECT_EQ(player->uiMode, QStringLiteral("None"));
  EXPECT_FALSE(scene.media->IsMediaFullScreen());
}

}  // namespace
