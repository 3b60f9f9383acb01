// The one 3D view of the program window: an OpenGL widget whose context
// holds every GL object the cells draw with.  All GL work is done by its
// CViewRenderer; the widget only supplies the context, the size and the
// moments to draw.
#pragma once
#include <QOpenGLWidget>
#include <memory>

#include "platform/types.h"
#include "platform/uibridge.h"
#include "view/motion/qtviewtimer.h"
#include "view/motion/viewmotion.h"
#include "view/tools/gltoolsurface.h"
#include "view/tools/mousetools.h"
#include "view/viewrenderer.h"

class CMediaController;
class CKavrelDoc;
class CGPage;
class QMouseEvent;
class QWheelEvent;

class CKavrelView : public QOpenGLWidget {
  Q_OBJECT

 public:
  explicit CKavrelView(QWidget* parent = nullptr);
  ~CKavrelView() override;

  CViewRenderer& Renderer() { return m_renderer; }
  // The mouse tools work on the open document (none: they do nothing).
  CMouseTools& Tools() { return m_tools; }
  // Timer 1, the wheel, the whole-view commands and the view's messages.
  CViewMotion& Motion() { return m_motion; }
  const CQtViewTimer& Timer1() const { return m_timer1; }
  void SetDocument(CKavrelDoc* doc) { m_tools.SetDocument(doc); }

  // A new or opened document is shown (view/motion/viewmotion.h); the
  // fonts it names are compiled into the text lists.
  void OnInitialUpdate();
  // A private message of the view (WM_CELL_COMMAND, WM_GOTO_PAGE,
  // WM_COLOR_CHOSEN); 0 when it is none of them.
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) { return m_motion.OnMessage(message, wParam, lParam); }

  // A new frame of the current page: asks for a repaint, which draws it
  // and presents it.
  void RenderScene();
  // Light 0 takes the light of the display preferences; a repaint follows.
  void ApplyLight();
  // The GL state takes the display preferences (view/tools/toolsurface.h);
  // a repaint follows.
  void ApplyDisplayPrefs(bool fontsChanged);
  // Captures the trace layer over the kept picture (view/viewrenderer.h);
  // a RenderScene follows.
  void CaptureBackground();
  // The page drawn at the view's size for the printer, with nothing of the
  // page shown now changed (view/printing/printedpage.h); a repaint follows,
  // which draws the shown page in the view again.
  QImage PageImage(CGPage& page);

  // Picking and pointer placement at a pointer position in device pixels
  // (client pixels times devicePixelRatioF(), y down): view/clickpick.h
  // and view/pointerplacement.h.
  bool PickObjects(int x, int y, int* kind, WORD* id, bool labelsOnly);
  static void SnapToGrid(int x, int y, bool vertical, double* px, double* py, double* pz);
  bool ScreenToWorld(int x, int y, double* px, double* py, double* pz, float* s, float* t);

  // Screen size read at construction and at every display-mode change, in
  // device pixels.
  int ScreenWidth() const { return m_nScreenWidth; }
  int ScreenHeight() const { return m_nScreenHeight; }
  // The screen now has width x height device pixels: the background buffer
  // is made anew for it, and without memory for it the view says so and
  // draws on without traces.
  void OnDisplayChange(int width, int height);

  // The media player over the view and the media commands.
  CMediaController& Media() { return *m_pMedia; }

 protected:
  void initializeGL() override;
  void resizeGL(int width, int height) override;
  void paintGL() override;
  // The mouse handlers hand the events to the mouse tools.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // The context is about to go (the widget is destroyed or moved to another
  // window): its objects are deleted while it is still current.
  void ReleaseGl();

  CViewRenderer m_renderer;
  std::unique_ptr<CMediaController> m_pMedia;
  CGlToolSurface m_toolSurface;
  CMouseTools m_tools{m_toolSurface};
  CQtViewTimer m_timer1{[this] { m_motion.OnTimer(); }};
  CViewMotion m_motion{m_tools, m_timer1};
  int m_nScreenWidth = 0;
  int m_nScreenHeight = 0;
};

// The view, from its construction to its destruction; null otherwise.
extern CKavrelView* g_pKavrelView;
