#include "view/kavrelview.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QOpenGLContext>
#include <QScreen>
#include <cmath>

#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "render/glfontlists.h"
#include "render/viewlight.h"
#include "view/clickpick.h"
#include "view/media/mediacontroller.h"
#include "view/pointerplacement.h"
#include "view/printing/printedpage.h"
#include "view/toolcursor.h"
#include "view/motion/motioncommands.h"
#include "view/tools/viewcommands.h"
#include "view/viewformat.h"
#include "view/viewtexts.h"

CKavrelView* g_pKavrelView = nullptr;

namespace {
QSize DevicePixels(const QScreen& screen, const QSize& size) {
  const double ratio = screen.devicePixelRatio();
  return {static_cast<int>(std::lround(size.width() * ratio)), static_cast<int>(std::lround(size.height() * ratio))};
}

ToolInput InputOf(const QMouseEvent& event) {
  ToolInput in;
  const QPoint at = event.position().toPoint();
  in.x = at.x();
  in.y = at.y();
  in.left = event.buttons().testFlag(Qt::LeftButton);
  in.middle = event.buttons().testFlag(Qt::MiddleButton);
  in.right = event.buttons().testFlag(Qt::RightButton);
  in.ctrl = event.modifiers().testFlag(Qt::ControlModifier);
  return in;
}
}  // namespace

CKavrelView::CKavrelView(QWidget* parent)
    : QOpenGLWidget(parent),
      m_toolSurface(CGlSurfaceHooks{[this] { makeCurrent(); }, [this] { doneCurrent(); },
                                    [this] { return grabFramebuffer(); }, [this] { RenderScene(); },
                                    [this] { CaptureBackground(); }, [this] { return devicePixelRatioF(); },
                                    [this] { m_motion.StopTimer(); },
                                    [this](bool fontsChanged) { ApplyDisplayPrefs(fontsChanged); }}) {
  setFormat(ViewSurfaceFormat());
  setMouseTracking(true);  // the construction tools follow the pointer
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    const QSize size = DevicePixels(*screen, screen->size());
    m_nScreenWidth = size.width();
    m_nScreenHeight = size.height();
    connect(screen, &QScreen::geometryChanged, this, [this, screen](const QRect& geometry) {
      const QSize changed = DevicePixels(*screen, geometry.size());
      OnDisplayChange(changed.width(), changed.height());
    });
  }
  if (!m_renderer.Background().AllocateForScreen(m_nScreenWidth, m_nScreenHeight))
    KvMessageBox(QString::fromUtf8(kTextBackgroundNoMemory));
  m_pMedia = std::make_unique<CMediaController>(this);
  m_motion.mediaKey = [this](UINT key) { return m_pMedia && m_pMedia->OnArrowKey(key); };
  g_pKavrelView = this;
  // A click gives the view the keyboard: its keys are shortcuts of the view.
  setFocusPolicy(Qt::ClickFocus);
  RegisterViewCommands(m_tools, this);
  RegisterMotionCommands(m_motion, this);
}

CKavrelView::~CKavrelView() {
  CommandRegistry().Withdraw(this);
  m_pMedia.reset();  // the player and timer 2 go with the window
  ReleaseGl();
  // The base class ends the context after this object is gone.
  if (context()) disconnect(context(), nullptr, this, nullptr);
  if (g_pKavrelView == this) g_pKavrelView = nullptr;
}

void CKavrelView::initializeGL() {
  connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &CKavrelView::ReleaseGl,
          Qt::UniqueConnection);
  SetWindowTextFont(font());
  if (!m_renderer.InitOpenGL())
    qWarning("Kavrel: some texture pictures are missing from %s/Images",
             qPrintable(g_strProgramFolder));
}

void CKavrelView::resizeGL(int width, int height) {
  m_renderer.OnSize(width, height, devicePixelRatioF());
}

void CKavrelView::paintGL() { m_renderer.RenderScene(); }

void CKavrelView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    // While the mouse operates the media player a click plays or pauses it.
    if (!m_pMedia->OnMediaClick()) m_tools.OnLButtonDown(InputOf(*event));
  } else if (event->button() == Qt::RightButton) {
    // While the mouse operates the media player, the view keeps out.
    if (!m_pMedia->TakesClicks()) m_tools.OnRButtonDown(InputOf(*event));
  } else
    m_tools.OnOtherButtonDown(InputOf(*event));
  QOpenGLWidget::mousePressEvent(event);
}

void CKavrelView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_tools.OnLButtonDblClk(InputOf(*event));
  QOpenGLWidget::mouseDoubleClickEvent(event);
}

void CKavrelView::mouseMoveEvent(QMouseEvent* event) {
  if (const std::optional<QCursor> cursor = ToolCursor(g_nToolMode))
    setCursor(*cursor);
  else
    unsetCursor();
  if (!m_pMedia->TakesClicks()) m_tools.OnMouseMove(InputOf(*event));
  QOpenGLWidget::mouseMoveEvent(event);
}

void CKavrelView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) m_tools.OnLButtonUp(InputOf(*event));
  QOpenGLWidget::mouseReleaseEvent(event);
}

void CKavrelView::wheelEvent(QWheelEvent* event) {
  m_motion.OnMouseWheel(event->angleDelta().y());
  event->accept();
}

void CKavrelView::OnInitialUpdate() {
  m_motion.OnInitialUpdate();
  if (!m_tools.Document() || !context() || !m_renderer.IsInitialised()) return;
  makeCurrent();
  BuildFontLists();
  BuildTextFontLists();
  doneCurrent();
}

void CKavrelView::ReleaseGl() {
  if (!context()) return;
  makeCurrent();
  m_renderer.Release();
  doneCurrent();
}

void CKavrelView::RenderScene() { update(); }

void CKavrelView::OnDisplayChange(int width, int height) {
  m_nScreenWidth = width;
  m_nScreenHeight = height;
  if (!m_renderer.Background().AllocateForDisplay(width, height))
    KvMessageBox(QString::fromUtf8(kTextBackgroundNoMemory));
}

void CKavrelView::ApplyLight() {
  // Before the first frame there is nothing to set: it starts from the
  // preferences anyway.
  if (context() && m_renderer.IsInitialised()) {
    makeCurrent();
    ApplyLight0(g_prefs);
    doneCurrent();
  }
  update();
}

void CKavrelView::ApplyDisplayPrefs(bool fontsChanged) {
  if (context() && m_renderer.IsInitialised()) {
    makeCurrent();
    ApplyDrawingDefaults(g_prefs, g_pCurPage ? g_pCurPage->m_rgbaBackground : g_prefs.background.data());
    if (fontsChanged) {
      BuildFontLists();
      BuildTextFontLists();
    }
    doneCurrent();
  }
  update();
}

QImage CKavrelView::PageImage(CGPage& page) {
  QImage image;
  {
    const CPrintedPageScope printed(page);
    image = grabFramebuffer();
  }
  // The grab drew the printed page into the view's own framebuffer, which
  // the window shows until the next frame: without one, the last page
  // printed (all white when empty) would stand in for the current page.
  update();
  return image;
}

void CKavrelView::CaptureBackground() {
  makeCurrent();
  m_renderer.CaptureBackground();
  doneCurrent();
}

bool CKavrelView::PickObjects(int x, int y, int* kind, WORD* id, bool labelsOnly) {
  makeCurrent();
  const bool hit = ::PickObjects(x, y, kind, id, labelsOnly);
  doneCurrent();
  return hit;
}

void CKavrelView::SnapToGrid(int x, int y, bool vertical, double* px, double* py, double* pz) {
  ::SnapToGrid(x, y, vertical, px, py, pz);
}

bool CKavrelView::ScreenToWorld(int x, int y, double* px, double* py, double* pz, float* s, float* t) {
  return ::ScreenToWorld(x, y, px, py, pz, s, t);
}
