// The real player (Qt Multimedia): a one-second sound written here plays to
// its end, and timer 2 closes the player soon after; a picture shows until
// it is closed.  The wait is bounded,
// so the test never hangs; a machine whose backend cannot play the sound
// skips the test and says why.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <algorithm>

#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "support/recorders.h"
#include "support/settle.h"
#include "view/media/mediacontroller.h"

namespace KAVREL_FILE_LOCAL {

// One second of a square wave, 8 kHz mono 16-bit PCM.
void WriteWav(const QString& path) {
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  QDataStream out(&file);
  out.setByteOrder(QDataStream::LittleEndian);
  file.write("RIFF");
  out << quint32(36 + 16000);
  file.write("WAVEfmt ");
  out << quint32(16) << quint16(1) << quint16(1) << quint32(8000) << quint32(16000) << quint16(2) << quint16(16);
  file.write("data");
  out << quint32(16000);
  for (int i = 0; i < 8000; ++i) out << qint16((i / 9) % 2 ? 3000 : -3000);
}

// The current page's media is a file in a folder of its own; the player
// lies over a shown view.
struct RealMediaPlayer : ::testing::Test {
  RealMediaPlayer() {
    g_pCurPage = &page;
    view.resize(300, 100);
    view.show();
  }
  ~RealMediaPlayer() override { g_pCurPage = nullptr; }
  QString Media(const char* name) { return page.m_strMedia = QDir(dir.path()).filePath(QString::fromUtf8(name)); }

  SeamRecorders seams;
  QTemporaryDir dir;
  CGPage page;
  QWidget view;
};

TEST_F(RealMediaPlayer, AOneSecondSoundPlaysAndTimerTwoClosesIt) {
  WriteWav(Media("tone.wav"));
  CMediaController media(&view);
  const auto cannotPlay = [this] {
    const std::vector<QString> texts = seams.notifier->Texts();
    return std::find(texts.begin(), texts.end(), QStringLiteral("不能播放此媒体！")) != texts.end();
  };

  CommandRegistry().Run(ID_VIEW_MEDIA);
  if (IMediaPlayer* player = media.Player()) {  // its own window while in full screen
    media.EnterMediaFullScreen();
    EXPECT_TRUE(player->Widget()->isWindow());
    media.LeaveMediaFullScreen();
    EXPECT_FALSE(player->Widget()->isWindow());
    EXPECT_EQ(player->Widget()->geometry(), view.rect());
  }
  // Timer 2 closes the player once the file has ended (or failed).
  const bool closed = SettleUntil([&media] { return !media.Player(); });
  if (cannotPlay()) GTEST_SKIP() << "the media backend here cannot play a WAV file (no backend or audio output)";
  EXPECT_TRUE(closed) << "still open";
  EXPECT_FALSE(media.IsPolling());
}

// The backend plays a picture as one frame that ends at once (black, then
// closed by timer 2): the player shows it itself, on black, in proportion.
TEST_F(RealMediaPlayer, APictureShowsUntilClosed) {
  QImage picture(40, 40, QImage::Format_RGB32);
  picture.fill(QColor(200, 60, 40));
  ASSERT_TRUE(picture.save(Media("picture.jpg")));
  CMediaController media(&view);
  CommandRegistry().Run(ID_VIEW_MEDIA);
  IMediaPlayer* player = media.Player();
  if (!player) GTEST_SKIP() << "no media backend here";
  EXPECT_EQ(player->PlayState(), kMediaPlaying) << "a picture does not end";
  const QImage shown = player->Widget()->grab().toImage();
  const QColor middle = shown.pixelColor(150, 50);
  EXPECT_NEAR(middle.red(), 200, 12);
  EXPECT_NEAR(middle.green(), 60, 12);
  EXPECT_NEAR(middle.blue(), 40, 12);
  EXPECT_EQ(shown.pixelColor(10, 50), QColor(Qt::black)) << "beside the picture";
  CommandRegistry().Run(ID_VIEW_MEDIA_CLOSE);
  EXPECT_EQ(media.Player(), nullptr);
}

}  // namespace
