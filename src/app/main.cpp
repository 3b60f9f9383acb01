#include <QApplication>
#include <QMainWindow>
#include <QOpenGLWidget>
#include <QSurfaceFormat>

int main(int argc, char** argv) {
  QSurfaceFormat format;
  format.setVersion(2, 1);
  format.setProfile(QSurfaceFormat::CompatibilityProfile);
  format.setDepthBufferSize(24);
  format.setStencilBufferSize(8);
  QSurfaceFormat::setDefaultFormat(format);

  QApplication app(argc, argv);
  QMainWindow window;
  window.setCentralWidget(new QOpenGLWidget);
  window.resize(1024, 768);
  window.show();
  return app.exec();
}
