// The view's media commands: play the media file of the current page in a
// player laid over the view (ID_VIEW_MEDIA), show the player's own bar and
// full screen (33310), hand the mouse to the player or to the drawing
// (ID_VIEW_MEDIA_CTRL), close it (ID_VIEW_MEDIA_CLOSE), and the view's
// timer 2, which closes the player once the media has stopped or ended.
// The main frame's full screen and Esc use the player and its full-screen
// flag from here.
#pragma once
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "platform/types.h"
#include "view/media/mediaplayer.h"

class CKavrelDoc;
class QWidget;

class CMediaController final : public QObject {
 public:
  // The player lies over `view` and follows its size.  The commands enter
  // the command registry with this object as owner.
  explicit CMediaController(QWidget* view);
  ~CMediaController() override;

  // A chosen file becomes the page's media path: this document is then
  // marked modified.
  void SetDocument(CKavrelDoc* doc) { m_pDoc = doc; }

  // --- The commands ---------------------------------------------------------
  void OnViewMedia();
  void OnMediaSettings();
  void OnViewMediaCtrl();
  void OnViewMediaClose();
  // Timer 2, once a second while a player is open.
  void OnTimer2();
  // An arrow key of the view while a player is open is the player's: Up
  // stretches the video, Down restores it.  False without a player.
  bool OnArrowKey(unsigned key);
  // While a player is open in video mode the mouse is the player's: true
  // then, and the view's tools keep out.
  bool TakesClicks() const;
  // A left click while TakesClicks: plays a paused file, pauses a playing
  // one, or says to wait while it is still opening.  False (nothing done)
  // when the mouse is the drawing's.
  bool OnMediaClick();

  // --- The player -----------------------------------------------------------
  IMediaPlayer* Player() const { return m_pPlayer.get(); }
  // The player's play state (MediaPlayState) and user-interface mode; 0 and
  // "" without a player.
  int GetMediaPlayState() const;
  QString GetMediaStringProperty() const;
  // The stored media path of the page whose file is playing.
  const QString& PlayingPath() const { return m_strPlaying; }
  // 1 while the mouse operates the player, 0 while it operates the drawing.
  BOOL VideoMode() const { return m_bVideoMode; }
  bool IsPolling() const { return m_timer2.isActive(); }

  // The media full screen, which excludes the frame's own: the player alone
  // fills the screen.
  bool IsMediaFullScreen() const { return m_bMediaFullScreen; }
  void EnterMediaFullScreen();
  void LeaveMediaFullScreen();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The file the page's media path names: where it is, or by its name in
  // the document's folder; "" (after saying so) when neither.
  QString LocateMediaFile(const QString& path) const;
  // Asks for a media file; it becomes the page's path.  "" when cancelled.
  QString ChooseMediaFile();
  void Play(const QString& path, const QString& file);
  void ApplyMouseMode();
  void FitToView();

  QWidget* m_pView;
  CKavrelDoc* m_pDoc = nullptr;
  std::unique_ptr<IMediaPlayer> m_pPlayer;
  QString m_strPlaying;
  BOOL m_bVideoMode = 0;
  bool m_bMediaFullScreen = false;
  bool m_bInTick = false;
  QTimer m_timer2;
};
