#include "headless_gl.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstring>

namespace {

// Framebuffer objects are not part of OpenGL 1.1, so their entry points come
// from the driver at run time.
struct FramebufferCalls {
  PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
  PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
  PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
  PFNGLGENRENDERBUFFERSPROC genRenderbuffers = nullptr;
  PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers = nullptr;
  PFNGLBINDRENDERBUFFERPROC bindRenderbuffer = nullptr;
  PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage = nullptr;
  PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer = nullptr;
  PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;

  bool Load() {
    return Get(genFramebuffers, "glGenFramebuffers") &&
           Get(deleteFramebuffers, "glDeleteFramebuffers") &&
           Get(bindFramebuffer, "glBindFramebuffer") &&
           Get(genRenderbuffers, "glGenRenderbuffers") &&
           Get(deleteRenderbuffers, "glDeleteRenderbuffers") &&
           Get(bindRenderbuffer, "glBindRenderbuffer") &&
           Get(renderbufferStorage, "glRenderbufferStorage") &&
           Get(framebufferRenderbuffer, "glFramebufferRenderbuffer") &&
           Get(checkFramebufferStatus, "glCheckFramebufferStatus");
  }

 private:
  template <class Fn>
  static bool Get(Fn& fn, const char* name) {
    fn = reinterpret_cast<Fn>(eglGetProcAddress(name));
    return fn != nullptr;
  }
};

FramebufferCalls& Fbo() {
  static FramebufferCalls calls;
  return calls;
}

bool HasExtension(const char* list, const char* name) {
  if (!list) return false;
  const std::size_t length = std::strlen(name);
  for (const char* p = list; (p = std::strstr(p, name)) != nullptr; p += length) {
    const bool startsWord = p == list || p[-1] == ' ';
    const bool endsWord = p[length] == ' ' || p[length] == '\0';
    if (startsWord && endsWord) return true;
  }
  return false;
}

QString EglError(const char* call) {
  return QStringLiteral("%1 failed (EGL error 0x%2)")
      .arg(QLatin1String(call))
      .arg(eglGetError(), 4, 16, QLatin1Char('0'));
}

}  // namespace

HeadlessGl::~HeadlessGl() { Destroy(); }

HeadlessGl::Status HeadlessGl::Fail(Status status, const QString& why) {
  Destroy();
  m_error = why;
  return status;
}

HeadlessGl::Status HeadlessGl::Create(int width, int height) {
  Destroy();
  m_error.clear();
  if (width <= 0 || height <= 0)
    return Fail(Status::Failed, QStringLiteral("framebuffer size %1 x %2 is empty").arg(width).arg(height));

  const char* clientExtensions = eglQueryString(EGL_NO_DISPLAY, EGL_EXTENSIONS);
  if (!HasExtension(clientExtensions, "EGL_MESA_platform_surfaceless"))
    return Fail(Status::NoDriver, QStringLiteral("EGL has no surfaceless platform (EGL_MESA_platform_surfaceless)"));
  auto getPlatformDisplay = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(
      eglGetProcAddress("eglGetPlatformDisplayEXT"));
  if (!getPlatformDisplay)
    return Fail(Status::NoDriver, QStringLiteral("eglGetPlatformDisplayEXT is missing"));

  EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
  if (display == EGL_NO_DISPLAY) return Fail(Status::NoDriver, EglError("eglGetPlatformDisplayEXT"));
  // Initialising an initialised display does nothing; the display is never
  // terminated because that would end the contexts of every other instance.
  if (!eglInitialize(display, nullptr, nullptr)) return Fail(Status::NoDriver, EglError("eglInitialize"));
  m_display = display;
  if (!HasExtension(eglQueryString(display, EGL_EXTENSIONS), "EGL_KHR_surfaceless_context"))
    return Fail(Status::NoDriver, QStringLiteral("EGL cannot make a context current without a surface"));

  const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT,
                                     EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
  EGLConfig config = nullptr;
  EGLint configCount = 0;
  if (!eglChooseConfig(display, configAttributes, &config, 1, &configCount) || configCount < 1)
    return Fail(Status::NoDriver, QStringLiteral("no EGL config renders desktop OpenGL"));
  if (!eglBindAPI(EGL_OPENGL_API)) return Fail(Status::NoDriver, EglError("eglBindAPI(EGL_OPENGL_API)"));

  // A 2.x request gets a compatibility context, so the fixed-function
  // pipeline and GL_SELECT are there.
  const EGLint contextAttributes[] = {EGL_CONTEXT_MAJOR_VERSION, 2, EGL_CONTEXT_MINOR_VERSION, 1, EGL_NONE};
  m_context = eglCreateContext(display, config, EGL_NO_CONTEXT, contextAttributes);
  if (m_context == EGL_NO_CONTEXT) {
    m_context = nullptr;
    return Fail(Status::NoDriver, EglError("eglCreateContext (OpenGL 2.1)"));
  }
  if (!eglMakeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_context))
    return Fail(Status::NoDriver, EglError("eglMakeCurrent"));

  FramebufferCalls& fbo = Fbo();
  if (!fbo.Load()) return Fail(Status::Failed, QStringLiteral("the driver offers no framebuffer objects"));
  GLint maxSize = 0;
  glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize);
  if (width > maxSize || height > maxSize)
    return Fail(Status::Failed, QStringLiteral("framebuffer size %1 x %2 exceeds the limit %3")
                                    .arg(width).arg(height).arg(maxSize));

  fbo.genFramebuffers(1, &m_fbo);
  fbo.bindFramebuffer(GL_FRAMEBUFFER, m_fbo);
  fbo.genRenderbuffers(1, &m_colour);
  fbo.bindRenderbuffer(GL_RENDERBUFFER, m_colour);
  fbo.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
  fbo.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, m_colour);
  fbo.genRenderbuffers(1, &m_depthStencil);
  fbo.bindRenderbuffer(GL_RENDERBUFFER, m_depthStencil);
  fbo.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
  fbo.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, m_depthStencil);
  fbo.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_STENCIL_ATTACHMENT, GL_RENDERBUFFER, m_depthStencil);
  const GLenum status = fbo.checkFramebufferStatus(GL_FRAMEBUFFER);
  if (status != GL_FRAMEBUFFER_COMPLETE)
    return Fail(Status::Failed, QStringLiteral("framebuffer incomplete (status 0x%1)").arg(status, 4, 16, QLatin1Char('0')));

  m_width = width;
  m_height = height;
  glViewport(0, 0, width, height);
  return Status::Ready;
}

void HeadlessGl::Destroy() {
  if (m_context) {
    if (eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_context)) {
      FramebufferCalls& fbo = Fbo();
      if (m_fbo) {
        fbo.bindFramebuffer(GL_FRAMEBUFFER, 0);
        fbo.deleteFramebuffers(1, &m_fbo);
      }
      if (m_colour) fbo.deleteRenderbuffers(1, &m_colour);
      if (m_depthStencil) fbo.deleteRenderbuffers(1, &m_depthStencil);
    }
    eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(m_display, m_context);
  }
  m_context = nullptr;
  m_display = nullptr;
  m_fbo = m_colour = m_depthStencil = 0;
  m_width = m_height = 0;
}

bool HeadlessGl::MakeCurrent() {
  if (!m_context) return false;
  if (!eglMakeCurrent(m_display, EGL_NO_SURFACE, EGL_NO_SURFACE, m_context)) return false;
  Fbo().bindFramebuffer(GL_FRAMEBUFFER, m_fbo);
  return true;
}

QImage HeadlessGl::ReadPixels() const {
  if (!m_context || eglGetCurrentContext() != m_context) return QImage();
  QImage image(m_width, m_height, QImage::Format_RGBA8888);
  glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
  glPixelStorei(GL_PACK_ALIGNMENT, 4);  // rows of RGBA8 are always 4-byte aligned
  glPixelStorei(GL_PACK_ROW_LENGTH, 0);
  glFinish();
  glReadPixels(0, 0, m_width, m_height, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
  glPopClientAttrib();
  // GL rows run bottom-up.
  return image.mirrored(false, true);
}

void HeadlessGlTest::SetUp() {
  const QSize size = ViewSize();
  switch (gl.Create(size.width(), size.height())) {
    case HeadlessGl::Status::Ready:
      break;
    case HeadlessGl::Status::NoDriver:
      GTEST_SKIP() << "no headless OpenGL here (needs Mesa's EGL with the surfaceless platform, "
                      "packages libegl-mesa0 and libgl1-mesa-dri): "
                   << gl.Error().toStdString();
    case HeadlessGl::Status::Failed:
      FAIL() << "headless OpenGL context without a usable framebuffer: " << gl.Error().toStdString();
  }
}

::testing::AssertionResult PixelNear(const QImage& image, int x, int y, QRgb expected, int tolerance) {
  if (!image.valid(x, y))
    return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is outside the "
                                         << image.width() << " x " << image.height() << " image";
  const QRgb actual = image.pixel(x, y);
  const auto near = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
  if (near(qRed(actual), qRed(expected)) && near(qGreen(actual), qGreen(expected)) &&
      near(qBlue(actual), qBlue(expected)) && near(qAlpha(actual), qAlpha(expected)))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << "pixel (" << x << ", " << y << ") is " << QString::number(actual, 16).toStdString()
         << ", expected " << QString::number(expected, 16).toStdString() << " within " << tolerance;
}
