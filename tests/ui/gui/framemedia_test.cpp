// The main window's Esc and full screen with a media player open (players
// that play nothing), and the one quick-help dialog it keeps.
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QTabWidget>

#include "frametestsupport.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/fakemediaplayer.h"
#include "ui/help/fasthelp.h"
#include "view/kavrelview.h"
#include "view/media/mediacontroller.h"

namespace KAVREL_FILE_LOCAL {

class FrameMediaTest : public FrameTest {
 protected:
  FakeMediaPlayers players;
};

TEST_F(FrameMediaTest, EscapeAndFullScreenWithAPlayer) {
  struct Case {
    const char* name;
    bool frameFullScreen;  // entered before the player opens
    bool mediaFullScreen;  // F4 once the player is open
    bool closes;           // Esc closes the player
  };
  const Case cases[] = {
      {"frame full screen: Esc closes the media, the frame stays", true, false, true},
      {"player full screen: Esc leaves it", false, true, false},
      {"no full screen: Esc closes the media", false, false, true},
  };
  frame->show();
  ProcessEvents();
  const QString video = QDir(dir.path()).filePath(QStringLiteral("lesson.avi"));
  QFile(video).open(QIODevice::WriteOnly);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.frameFullScreen) CommandRegistry().Run(ID_VIEW_FULLSCREEN);
    Page()->m_strMedia = video;
    CommandRegistry().Run(ID_VIEW_MEDIA);
    QPointer<CFakeMediaPlayer> player = players.Last();
    ASSERT_TRUE(player);
    EXPECT_EQ(player->parentWidget(), frame->View());
    if (c.mediaFullScreen) {
      CommandRegistry().Run(ID_VIEW_FULLSCREEN);
      EXPECT_TRUE(player->fullScreen);
      EXPECT_FALSE(frame->IsFullScreen()) << "only the player fills the screen";
      EXPECT_EQ(CommandRegistry().Query(ID_VIEW_FULLSCREEN).m_nCheck, 1);
    }
    CommandRegistry().Run(kCmdEscape);
    ProcessEvents();
    EXPECT_EQ(player == nullptr, c.closes);
    EXPECT_FALSE(frame->View()->Media().IsMediaFullScreen());
    EXPECT_FALSE(player && player->fullScreen);
    EXPECT_EQ(frame->IsFullScreen(), c.frameFullScreen);
    EXPECT_TRUE(seams.notifier->shown.empty());
    if (frame->IsFullScreen()) CommandRegistry().Run(ID_VIEW_FULLSCREEN);
    CommandRegistry().Run(ID_VIEW_MEDIA_CLOSE);
  }
  EXPECT_FALSE(doc.IsModified()) << "the page kept its path";
  Page()->m_strMedia.clear();
  seams.fileChooser->answers.push_back(video);
  CommandRegistry().Run(ID_VIEW_MEDIA);
  EXPECT_TRUE(doc.IsModified()) << "a chosen file is stored in the document";
}

TEST_F(FrameMediaTest, QuickHelpOpensOnceAndIsForgottenWhenClosed) {
  frame->show();
  ProcessEvents();
  ASSERT_TRUE(CommandRegistry().Run(kCmdQuickHelp));
  QPointer<CDlgFastHelp> help = frame->FastHelp();
  ASSERT_TRUE(help && help->isVisible());
  help->Tabs()->setCurrentIndex(5);
  CommandRegistry().Run(kCmdQuickHelp);
  EXPECT_EQ(frame->FastHelp(), help) << "a second command only activates it";

  for (const Qt::Key key : {Qt::Key_Escape, Qt::Key_Return}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(help, &press);
    EXPECT_EQ(frame->FastHelp(), help.data()) << "the frame hears of it when the event loop runs";
    ProcessEvents();
    EXPECT_FALSE(frame->FastHelp()) << key;
    EXPECT_FALSE(help) << "the frame let it go";
    CommandRegistry().Run(kCmdQuickHelp);
    help = frame->FastHelp();
    ASSERT_TRUE(help);
    EXPECT_EQ(help->Tabs()->currentIndex(), 0) << "a new dialog shows tab 0";
  }
}

}  // namespace
