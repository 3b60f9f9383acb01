#include "view/media/mediaplayer.h"

#include "platform/processstate.h"
#include "view/media/qtmediaplayer.h"

namespace {
std::unique_ptr<IMediaPlayer> MakeQtPlayer(QWidget* view) {
  auto player = std::make_unique<CQtMediaPlayer>(view);
  if (!player->IsAvailable()) return nullptr;
  return player;
}

MediaPlayerFactory& Factory() {
  static MediaPlayerFactory factory = MakeQtPlayer;
  return factory;
}

const ProcessStateReset reset([] { Factory() = MakeQtPlayer; });
}  // namespace

MediaPlayerFactory SetMediaPlayerFactory(MediaPlayerFactory factory) {
  MediaPlayerFactory previous = std::move(Factory());
  Factory() = factory ? std::move(factory) : MediaPlayerFactory(MakeQtPlayer);
  return previous;
}

std::unique_ptr<IMediaPlayer> CreateMediaPlayer(QWidget* view) { return Factory()(view); }
