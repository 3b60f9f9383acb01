// Media players that play nothing, for every test but the one of the real
// backend: tests set the play state, make a player fail, and read what the
// program asked of it.  Construct after SeamRecorders (which resets the
// process state, the player factory with it).
#pragma once
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

#include "view/media/mediaplayer.h"

class CFakeMediaPlayer final : public QWidget, public IMediaPlayer {
 public:
  explicit CFakeMediaPlayer(QWidget* view) : QWidget(view) {}

  QWidget* Widget() override { return this; }
  void SetUrl(const QString& path) override { urls.push_back(path); }
  int PlayState() const override { return state; }
  void Play() override { requests.push_back(kMediaPlaying); }
  void Pause() override { requests.push_back(kMediaPaused); }
  QString UiMode() const override { return uiMode; }
  void SetUiMode(const QString& mode) override { uiMode = mode; }
  bool FullScreen() const override { return fullScreen; }
  void SetFullScreen(bool on) override { fullScreen = on; }
  void Close() override {}
  void StretchVideo(bool stretch) override { stretches.push_back(stretch); }
  // The backend reports that it cannot play the file.
  void Fail() { m_onError(); }

  std::vector<QString> urls;
  int state = kMediaReady;
  QString uiMode;
  bool fullScreen = false;
  std::vector<bool> stretches;
  std::vector<int> requests;  // play (kMediaPlaying) and pause (kMediaPaused), in order
};

class FakeMediaPlayers {
 public:
  FakeMediaPlayers() {
    SetMediaPlayerFactory([this](QWidget* view) -> std::unique_ptr<IMediaPlayer> {
      if (refuse) return nullptr;
      made.emplace_back(new CFakeMediaPlayer(view));
      return std::unique_ptr<IMediaPlayer>(made.back().data());
    });
  }
  ~FakeMediaPlayers() { SetMediaPlayerFactory(nullptr); }

  // The newest player while it exists.
  CFakeMediaPlayer* Last() const { return made.empty() ? nullptr : made.back().data(); }

  std::vector<QPointer<CFakeMediaPlayer>> made;
  bool refuse = false;  // no player can be had
};
