// The media player laid over the view, as the view sees it: a widget with the
// properties of a player control.  The program's player plays through Qt
// Multimedia (view/media/qtmediaplayer.h); tests install players of their own
// through the factory, so that nothing ever waits for a real backend.
#pragma once
#include <QString>
#include <functional>
#include <memory>

class QWidget;

// The player's play state (its playState property).
enum MediaPlayState : int {
  kMediaStopped = 1,
  kMediaPaused = 2,
  kMediaPlaying = 3,
  kMediaEnded = 8,
  // Opened but not yet playing: a file still loading stays here, so that a
  // poll never takes it for stopped.
  kMediaReady = 10,
};

class IMediaPlayer {
 public:
  virtual ~IMediaPlayer() = default;

  // The widget laid over the view's client area (a child of the view, or a
  // window of its own while in full screen).
  virtual QWidget* Widget() = 0;

  // Putting the URL opens the file and starts playing it.
  virtual void SetUrl(const QString& path) = 0;
  virtual int PlayState() const = 0;
  // Plays on from where it stands; pauses where it is.
  virtual void Play() = 0;
  virtual void Pause() = 0;
  // "None": the picture alone; "Full": with the player's own control bar.
  virtual QString UiMode() const = 0;
  virtual void SetUiMode(const QString& mode) = 0;
  virtual bool FullScreen() const = 0;
  virtual void SetFullScreen(bool on) = 0;
  // The picture fills the player's area (true) or keeps its proportions.
  virtual void StretchVideo(bool /*stretch*/) {}
  // Stops and lets go of the file; the player is destroyed after it.
  virtual void Close() = 0;

  // Called once when the file cannot be played, possibly from inside the
  // backend's own notification: the handler must not destroy the player.
  void SetErrorHandler(std::function<void()> handler) { m_onError = std::move(handler); }

 protected:
  std::function<void()> m_onError;
};

// Makes the player over `view` (its parent); null when no player can be had.
using MediaPlayerFactory = std::function<std::unique_ptr<IMediaPlayer>(QWidget* view)>;
// The factory in force (by default the Qt Multimedia player); returns the
// previous one.  ResetProcessState puts the default back.
MediaPlayerFactory SetMediaPlayerFactory(MediaPlayerFactory factory);
std::unique_ptr<IMediaPlayer> CreateMediaPlayer(QWidget* view);
