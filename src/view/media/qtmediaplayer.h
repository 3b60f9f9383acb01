// The program's media player: Qt Multimedia (GStreamer on Debian) in a
// widget over the view.  Loading and decoding run in the backend, so the
// window stays live while a file opens; what the backend cannot play is
// reported once through the error handler.  A picture file is shown by the
// player itself: the backend plays it as a one-frame video that ends at once,
// which leaves a black area and then closes the player.
#pragma once
#include <QWidget>

#include "view/media/mediaplayer.h"

class CMediaPicture;
class QAudioOutput;
class QMediaPlayer;
class QSlider;
class QToolButton;
class QVideoWidget;

class CQtMediaPlayer final : public QWidget, public IMediaPlayer {
  Q_OBJECT

 public:
  explicit CQtMediaPlayer(QWidget* view);
  ~CQtMediaPlayer() override;

  // False when this machine has no media backend at all.
  bool IsAvailable() const;

  QWidget* Widget() override { return this; }
  void SetUrl(const QString& path) override;
  int PlayState() const override;
  void Play() override;
  void Pause() override;
  QString UiMode() const override { return m_strUiMode; }
  void SetUiMode(const QString& mode) override;
  bool FullScreen() const override { return m_bFullScreen; }
  void SetFullScreen(bool on) override;
  void Close() override;
  void StretchVideo(bool stretch) override;

 protected:
  // In full screen the player is a window of its own, out of reach of the
  // main window's keys: Esc and F4 are passed on as the commands they are.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* CreateControlBar();
  void OnMediaStatus();
  void OnError();
  void ShowPlayPause();
  // Shows `path` when it is a picture the program reads; false otherwise.
  bool ShowPicture(const QString& path);

  QMediaPlayer* m_pPlayer;
  QAudioOutput* m_pAudio;
  QVideoWidget* m_pVideo;
  CMediaPicture* m_pPicture;
  int m_nPictureState = 0;  // playing or paused while a picture shows, else 0
  QWidget* m_pBar = nullptr;
  QToolButton* m_pPlayPause = nullptr;
  QSlider* m_pPosition = nullptr;
  QSlider* m_pVolume = nullptr;
  QString m_strUiMode = QStringLiteral("None");
  bool m_bFullScreen = false;
  bool m_bBegun = false;  // playback has really started (not only asked for)
  bool m_bFailed = false;
};
