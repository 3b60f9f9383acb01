// The one 3D view of the program window: an OpenGL widget whose context
// holds every GL object the cells draw with.  All GL work is done by its
// CViewRenderer; the widget only supplies the context, the size and the
// moments to draw.
#pragma once
#include <QOpenGLWidget>

#include "view/viewrenderer.h"

class CKavrelView : public QOpenGLWidget {
  Q_OBJECT

 public:
  explicit CKavrelView(QWidget* parent = nullptr);
  ~CKavrelView() override;

  CViewRenderer& Renderer() { return m_renderer; }
  // Screen size read at construction, in device pixels.
  int ScreenWidth() const { return m_nScreenWidth; }
  int ScreenHeight() const { return m_nScreenHeight; }

 protected:
  void initializeGL() override;
  void resizeGL(int width, int height) override;
  void paintGL() override;

 private:
  // The context is about to go (the widget is destroyed or moved to another
  // window): its objects are deleted while it is still current.
  void ReleaseGl();

  CViewRenderer m_renderer;
  int m_nScreenWidth = 0;
  int m_nScreenHeight = 0;
};

// The view, from its construction to its destruction; null otherwise.
extern CKavrelView* g_pKavrelView;
