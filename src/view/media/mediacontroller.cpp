#include "view/media/mediacontroller.h"

#include <QEvent>
#include <QFileInfo>
#include <QMouseEvent>
#include <QWidget>

#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/filechooser.h"
#include "platform/notifier.h"
#include "platform/storedpath.h"
#include "render/viewglobals.h"
#include "view/media/mediatexts.h"

namespace {
constexpr int kPollMilliseconds = 1000;

// The sound types of the media filter: they open with the mouse on the drawing.
bool IsAudioFile(const QString& file) {
  static const char* const kAudio[] = {"mp3", "wav", "au", "mid", "midi", "wma", "tta", "m3u"};
  const QString suffix = QFileInfo(file).suffix();
  for (const char* audio : kAudio)
    if (suffix.compare(QLatin1String(audio), Qt::CaseInsensitive) == 0) return true;
  return false;
}
}  // namespace

CMediaController::CMediaController(QWidget* view) : m_pView(view) {
  m_timer2.setInterval(kPollMilliseconds);
  connect(&m_timer2, &QTimer::timeout, this, &CMediaController::OnTimer2);
  m_pView->installEventFilter(this);
  CCommandRegistry& registry = CommandRegistry();
  const auto whilePlaying = [this](CCmdUI& ui) {
    ui.Enable(m_pPlayer != nullptr);
    ui.SetCheck(m_bVideoMode ? 1 : 0);
  };
  registry.Register(ID_VIEW_MEDIA, [this](unsigned) { OnViewMedia(); }, {}, this);
  registry.Register(kCmdMediaSettings, [this](unsigned) { OnMediaSettings(); }, {}, this);
  registry.Register(ID_VIEW_MEDIA_CTRL, [this](unsigned) { OnViewMediaCtrl(); }, whilePlaying, this);
  registry.Register(ID_VIEW_MEDIA_CLOSE, [this](unsigned) { OnViewMediaClose(); }, whilePlaying, this);
}

CMediaController::~CMediaController() {
  CommandRegistry().Withdraw(this);
  OnViewMediaClose();
}

bool CMediaController::OnArrowKey(unsigned key) {
  if (!m_pPlayer) return false;
  if (key == kCmdVideoStretch || key == kCmdVideoRestore) m_pPlayer->StretchVideo(key == kCmdVideoStretch);
  return true;
}

void CMediaController::OnViewMedia() {
  CGPage* page = g_pCurPage;
  if (!page) return;
  QString path = page->m_strMedia;
  QString file;
  // The file already playing, or no file yet: the user picks one.
  if (!(m_pPlayer && path == m_strPlaying) && path.size() >= 4) file = LocateMediaFile(path);
  if (file.isEmpty()) {
    file = ChooseMediaFile();
    if (file.isEmpty()) return;
    path = file;
  }
  Play(path, file);
}

QString CMediaController::LocateMediaFile(const QString& path) const {
  const QString local = LocalStoredPath(path, g_strProgramFolder);
  if (QFileInfo(local).isFile()) return local;
  // A moved lesson: the file lies beside the document; the page keeps its path.
  const QString found = FindFileInFolder(GetDocumentFolder(), StoredFileName(path));
  if (!found.isEmpty()) return found;
  KvMessageBox(QString::fromUtf8(kTextMediaNotFound).replace(QLatin1String("%s"), path));
  return QString();
}

QString CMediaController::ChooseMediaFile() {
  const QString file = FileChooser().ChooseOpen(QString(), QtFileFilter(kFilterMedia), GetDocumentFolder());
  if (file.isEmpty()) return QString();
  g_pCurPage->m_strMedia = file;
  if (m_pDoc) m_pDoc->SetModifiedFlag(true);
  return file;
}

void CMediaController::Play(const QString& path, const QString& file) {
  SetStatusBarText(QString::fromUtf8(kTextMediaOpening), 0);
  if (!m_pPlayer) {
    m_pView->update();
    m_pPlayer = CreateMediaPlayer(m_pView);
    if (!m_pPlayer) {
      KvMessageBox(QString::fromUtf8(kTextMediaCannotPlay));
      return;
    }
    IMediaPlayer* player = m_pPlayer.get();
    player->SetErrorHandler([this, player] {
      // Closed from the event loop, never inside the backend's notification.
      QMetaObject::invokeMethod(
          this,
          [this, player] {
            if (m_pPlayer.get() != player) return;
            OnViewMediaClose();
            KvMessageBox(QString::fromUtf8(kTextMediaCannotPlay));
          },
          Qt::QueuedConnection);
    });
    FitToView();
    player->Widget()->installEventFilter(this);
    player->Widget()->show();
    player->Widget()->raise();
    player->SetUiMode(QStringLiteral("None"));
    m_timer2.start();
    g_bMediaOpen = true;  // command buttons that wait for the media see it
  }
  m_pPlayer->SetUrl(file);
  SetStatusBarText(QString::fromUtf8(kTextMediaKeys), 0);
  m_strPlaying = path;
  m_bVideoMode = IsAudioFile(file) ? 0 : 1;
  ApplyMouseMode();
}

void CMediaController::OnMediaSettings() {
  if (!m_pPlayer || m_pPlayer->FullScreen()) return;
  if (m_pPlayer->UiMode().compare(QLatin1String("full"), Qt::CaseInsensitive) != 0) {
    m_pPlayer->SetUiMode(QStringLiteral("Full"));
    m_pPlayer->SetFullScreen(true);
    m_bMediaFullScreen = true;
  } else {
    m_pPlayer->SetUiMode(QStringLiteral("None"));
  }
}

bool CMediaController::TakesClicks() const { return m_pPlayer && m_bVideoMode; }

bool CMediaController::OnMediaClick() {
  if (!TakesClicks()) return false;
  switch (m_pPlayer->PlayState()) {
    case kMediaPaused:
      m_pPlayer->Play();
      SetStatusBarText(QString::fromUtf8(kTextMediaPlayingClick), 0);
      break;
    case kMediaPlaying:
      m_pPlayer->Pause();
      SetStatusBarText(QString::fromUtf8(kTextMediaPausedClick), 0);
      break;
    case kMediaReady:
      KvMessageBox(QString::fromUtf8(kTextMediaStillOpening));
      break;
    default:
      break;
  }
  return true;
}

void CMediaController::OnViewMediaCtrl() {
  m_bVideoMode = m_bVideoMode ? 0 : 1;
  ApplyMouseMode();
  KvMessageBox(QString::fromUtf8(m_bVideoMode ? kTextVideoMode : kTextMusicMode));
}

void CMediaController::OnViewMediaClose() {
  if (!m_pPlayer) return;
  m_pPlayer->Close();
  m_pPlayer.reset();
  m_timer2.stop();
  m_bMediaFullScreen = false;
  g_bMediaOpen = false;
}

void CMediaController::OnTimer2() {
  if (m_bInTick) return;
  m_bInTick = true;
  const int state = GetMediaPlayState();
  if (m_pPlayer && (state == kMediaStopped || state == kMediaEnded)) OnViewMediaClose();
  m_pView->update();
  m_bInTick = false;
}

int CMediaController::GetMediaPlayState() const { return m_pPlayer ? m_pPlayer->PlayState() : 0; }

QString CMediaController::GetMediaStringProperty() const { return m_pPlayer ? m_pPlayer->UiMode() : QString(); }

void CMediaController::EnterMediaFullScreen() {
  if (!m_pPlayer) return;
  m_pPlayer->SetFullScreen(true);
  m_bMediaFullScreen = true;
}

void CMediaController::LeaveMediaFullScreen() {
  if (m_pPlayer) m_pPlayer->SetFullScreen(false);
  m_bMediaFullScreen = false;
}

void CMediaController::ApplyMouseMode() {
  // Music mode: clicks pass through the player to the drawing under it.
  if (m_pPlayer) m_pPlayer->Widget()->setAttribute(Qt::WA_TransparentForMouseEvents, !m_bVideoMode);
}

void CMediaController::FitToView() {
  if (m_pPlayer && !m_pPlayer->FullScreen()) m_pPlayer->Widget()->setGeometry(m_pView->rect());
}

bool CMediaController::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_pView && event->type() == QEvent::Resize) FitToView();
  // A click on the player's picture (its own bar keeps its clicks).
  if (m_pPlayer && watched == m_pPlayer->Widget() && event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton && OnMediaClick())
    return true;
  return QObject::eventFilter(watched, event);
}
