// The 3D view as it stands before documents and drawing exist: an OpenGL
// widget showing the background colour of the display preferences.
#pragma once
#include <QOpenGLWidget>

class BlankView : public QOpenGLWidget {
 public:
  explicit BlankView(QWidget* parent = nullptr);

 protected:
  void paintGL() override;
};
