#include "view/media/qtmediaplayer.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaPlayer>
#include <QPainter>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>
#include <QVideoWidget>
#include <algorithm>
#include <climits>

#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
constexpr int kVolumeSteps = 100;
}  // namespace

// A still picture on black, as large as the area allows, keeping its
// proportions unless stretched.
class CMediaPicture final : public QWidget {
 public:
  explicit CMediaPicture(QWidget* parent) : QWidget(parent) {}
  void SetPicture(QImage picture) {
    m_picture = std::move(picture);
    update();
  }
  void SetStretched(bool stretched) {
    m_bStretched = stretched;
    update();
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_picture.isNull()) return;
    QRect target(QPoint(), m_picture.size().scaled(size(), m_bStretched ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio));
    target.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_picture);
  }

 private:
  QImage m_picture;
  bool m_bStretched = false;
};

CQtMediaPlayer::CQtMediaPlayer(QWidget* view)
    : QWidget(view),
      m_pPlayer(new QMediaPlayer(this)),
      m_pAudio(new QAudioOutput(this)),
      m_pVideo(new QVideoWidget(this)),
      m_pPicture(new CMediaPicture(this)) {
  setContextMenuPolicy(Qt::NoContextMenu);
  setFocusPolicy(Qt::StrongFocus);
  m_pPlayer->setAudioOutput(m_pAudio);
  m_pPlayer->setVideoOutput(m_pVideo);
  // Until the file shows a picture the drawing stays visible: sounds have none.
  m_pVideo->hide();
  m_pPicture->hide();
  auto* rows = new QVBoxLayout(this);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(0);
  rows->addWidget(m_pVideo, 1);
  rows->addWidget(m_pPicture, 1);
  rows->addStretch();
  rows->addWidget(CreateControlBar());
  m_pBar->hide();

  connect(m_pPlayer, &QMediaPlayer::hasVideoChanged, m_pVideo, &QWidget::setVisible);
  connect(m_pPlayer, &QMediaPlayer::mediaStatusChanged, this, &CQtMediaPlayer::OnMediaStatus);
  connect(m_pPlayer, &QMediaPlayer::errorOccurred, this, &CQtMediaPlayer::OnError);
  connect(m_pPlayer, &QMediaPlayer::playbackStateChanged, this, &CQtMediaPlayer::ShowPlayPause);
}

CQtMediaPlayer::~CQtMediaPlayer() { m_pPlayer->stop(); }

bool CQtMediaPlayer::IsAvailable() const { return m_pPlayer->isAvailable(); }

QWidget* CQtMediaPlayer::CreateControlBar() {
  m_pBar = new QWidget(this);
  m_pBar->setAutoFillBackground(true);
  auto* row = new QHBoxLayout(m_pBar);
  row->setContentsMargins(4, 2, 4, 2);
  m_pPlayPause = new QToolButton(m_pBar);
  m_pPlayPause->setAutoRaise(true);
  connect(m_pPlayPause, &QToolButton::clicked, this, [this] {
    if (m_pPlayer->playbackState() == QMediaPlayer::PlayingState)
      m_pPlayer->pause();
    else
      m_pPlayer->play();
  });
  m_pPosition = new QSlider(Qt::Horizontal, m_pBar);
  connect(m_pPlayer, &QMediaPlayer::durationChanged, m_pPosition,
          [this](qint64 ms) { m_pPosition->setRange(0, static_cast<int>(std::min<qint64>(ms, INT_MAX))); });
  connect(m_pPlayer, &QMediaPlayer::positionChanged, m_pPosition, [this](qint64 ms) {
    if (!m_pPosition->isSliderDown()) m_pPosition->setValue(static_cast<int>(std::min<qint64>(ms, INT_MAX)));
  });
  connect(m_pPosition, &QSlider::sliderMoved, m_pPlayer, [this](int ms) { m_pPlayer->setPosition(ms); });
  auto* volumeIcon = new QLabel(m_pBar);
  volumeIcon->setPixmap(style()->standardIcon(QStyle::SP_MediaVolume).pixmap(16, 16));
  m_pVolume = new QSlider(Qt::Horizontal, m_pBar);
  m_pVolume->setRange(0, kVolumeSteps);
  m_pVolume->setValue(static_cast<int>(m_pAudio->volume() * kVolumeSteps));
  m_pVolume->setFixedWidth(80);
  connect(m_pVolume, &QSlider::valueChanged, m_pAudio,
          [this](int step) { m_pAudio->setVolume(static_cast<float>(step) / kVolumeSteps); });
  row->addWidget(m_pPlayPause);
  row->addWidget(m_pPosition, 1);
  row->addWidget(volumeIcon);
  row->addWidget(m_pVolume);
  ShowPlayPause();
  return m_pBar;
}

void CQtMediaPlayer::ShowPlayPause() {
  const bool playing = m_pPlayer->playbackState() == QMediaPlayer::PlayingState;
  m_pPlayPause->setIcon(style()->standardIcon(playing ? QStyle::SP_MediaPause : QStyle::SP_MediaPlay));
}

void CQtMediaPlayer::SetUrl(const QString& path) {
  m_bBegun = false;
  if (ShowPicture(path)) {
    m_pPlayer->stop();  // what played before
    m_pPlayer->setSource(QUrl());
    return;
  }
  m_pPlayer->setSource(QUrl::fromLocalFile(path));
  m_pPlayer->play();
}

bool CQtMediaPlayer::ShowPicture(const QString& path) {
  // Only a picture type by name: the readers would guess at a sound's bytes.
  const QByteArray suffix = QFileInfo(path).suffix().toLower().toLatin1();
  QImage picture;
  if (QImageReader::supportedImageFormats().contains(suffix)) {
    QImageReader reader(path);
    reader.setAutoTransform(true);  // a photo's own orientation
    picture = reader.read();
  }
  m_nPictureState = picture.isNull() ? 0 : kMediaPlaying;
  m_pPicture->SetPicture(std::move(picture));
  m_pPicture->setVisible(m_nPictureState != 0);
  return m_nPictureState != 0;
}

void CQtMediaPlayer::Play() {
  if (m_nPictureState)
    m_nPictureState = kMediaPlaying;
  else
    m_pPlayer->play();
}

void CQtMediaPlayer::Pause() {
  if (m_nPictureState)
    m_nPictureState = kMediaPaused;
  else
    m_pPlayer->pause();
}

void CQtMediaPlayer::OnMediaStatus() {
  switch (m_pPlayer->mediaStatus()) {
    case QMediaPlayer::BufferingMedia:
    case QMediaPlayer::BufferedMedia:
    case QMediaPlayer::EndOfMedia:
      m_bBegun = true;
      break;
    case QMediaPlayer::InvalidMedia:
      OnError();
      break;
    default:
      break;
  }
}

void CQtMediaPlayer::OnError() {
  // The backend reports one failure several times over.
  if (m_bFailed) return;
  m_bFailed = true;
  if (m_onError) m_onError();
}

int CQtMediaPlayer::PlayState() const {
  if (m_nPictureState) return m_nPictureState;  // a picture shows until closed
  if (!m_bBegun) return kMediaReady;
  if (m_pPlayer->mediaStatus() == QMediaPlayer::EndOfMedia) return kMediaEnded;
  switch (m_pPlayer->playbackState()) {
    case QMediaPlayer::PlayingState:
      return kMediaPlaying;
    case QMediaPlayer::PausedState:
      return kMediaPaused;
    default:
      return kMediaStopped;
  }
}

void CQtMediaPlayer::SetUiMode(const QString& mode) {
  m_strUiMode = mode;
  m_pBar->setVisible(mode.compare(QLatin1String("Full"), Qt::CaseInsensitive) == 0);
}

void CQtMediaPlayer::SetFullScreen(bool on) {
  if (on == m_bFullScreen) return;
  m_bFullScreen = on;
  if (on) {
    setWindowFlag(Qt::Window, true);
    setAutoFillBackground(true);  // a window of its own has no drawing under it
    showFullScreen();
    activateWindow();
    setFocus();
    return;
  }
  setWindowFlag(Qt::Window, false);
  setAutoFillBackground(false);
  if (parentWidget()) setGeometry(parentWidget()->rect());
  show();
}

void CQtMediaPlayer::Close() {
  m_pPlayer->stop();
  m_pPlayer->setSource(QUrl());
  m_nPictureState = 0;
  m_pPicture->SetPicture(QImage());
}

void CQtMediaPlayer::StretchVideo(bool stretch) {
  m_pVideo->setAspectRatioMode(stretch ? Qt::IgnoreAspectRatio : Qt::KeepAspectRatio);
  m_pPicture->SetStretched(stretch);
}

void CQtMediaPlayer::keyPressEvent(QKeyEvent* event) {
  if (m_bFullScreen && event->key() == Qt::Key_Escape) {
    CommandRegistry().Run(kCmdEscape);
    return;
  }
  if (m_bFullScreen && event->key() == Qt::Key_F4) {
    CommandRegistry().Run(ID_VIEW_FULLSCREEN);
    return;
  }
  QWidget::keyPressEvent(event);
}
