#include "view/kavrelview.h"

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QScreen>
#include <cmath>

#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"
#include "render/glfontlists.h"
#include "view/clickpick.h"
#include "view/pointerplacement.h"
#include "view/viewformat.h"
#include "view/viewtexts.h"

CKavrelView* g_pKavrelView = nullptr;

CKavrelView::CKavrelView(QWidget* parent) : QOpenGLWidget(parent) {
  setFormat(ViewSurfaceFormat());
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    const double ratio = screen->devicePixelRatio();
    m_nScreenWidth = static_cast<int>(std::lround(screen->size().width() * ratio));
    m_nScreenHeight = static_cast<int>(std::lround(screen->size().height() * ratio));
  }
  if (!m_renderer.Background().AllocateForScreen(m_nScreenWidth, m_nScreenHeight))
    KvMessageBox(QString::fromUtf8(kTextBackgroundNoMemory));
  g_pKavrelView = this;
  // Grid snapping is the view's switch; its button shows the state.
  CommandRegistry().Register(
      ID_VIEW_SNAP, [](unsigned) { g_bSnapToGrid = g_bSnapToGrid ? 0 : 1; },
      [](CCmdUI& ui) { ui.SetCheck(g_bSnapToGrid ? 1 : 0); }, this);
}

CKavrelView::~CKavrelView() {
  CommandRegistry().Withdraw(this);
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

void CKavrelView::ReleaseGl() {
  if (!context()) return;
  makeCurrent();
  m_renderer.Release();
  doneCurrent();
}

void CKavrelView::RenderScene() { update(); }

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
