#include "view/kavrelview.h"

#include <GL/gl.h>

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QScreen>
#include <cmath>

#include "model/glfontlists.h"
#include "model/globals.h"
#include "platform/notifier.h"
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
}

CKavrelView::~CKavrelView() {
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

void CKavrelView::paintGL() {
  if (g_pCurPage) {
    m_renderer.RenderScene();
    return;
  }
  const auto& bg = g_prefs.background;
  glClearColor(bg[0], bg[1], bg[2], 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void CKavrelView::ReleaseGl() {
  if (!context()) return;
  makeCurrent();
  m_renderer.Release();
  doneCurrent();
}
