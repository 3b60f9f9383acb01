// Frame time of the render passes for pages of 1,000 and 10,000 plain points
// (style 0, labels hidden) with the space axes, drawn headless into an
// 800 x 600 framebuffer; each frame ends with glFinish so the GPU work is
// timed too.  The per-point time shows whether the frame scales linearly.
//
// The benchmarks link no EGL library, so the context is set up through
// libEGL loaded at run time (Mesa's surfaceless platform).
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>
#include <memory>

#include "math/mathglobals.h"
#include "math/quaternion.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/glresources.h"
#include "model/globals.h"
#include "model/vertexarray.h"
#include "platform/processstate.h"
#include "view/viewrenderer.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

struct HeadlessContext {
  bool ok = false;

  HeadlessContext() {
    void* egl = dlopen("libEGL.so.1", RTLD_NOW | RTLD_GLOBAL);
    if (!egl) return;
    auto getProc = reinterpret_cast<PFNEGLGETPROCADDRESSPROC>(dlsym(egl, "eglGetProcAddress"));
    auto initialize = reinterpret_cast<PFNEGLINITIALIZEPROC>(dlsym(egl, "eglInitialize"));
    auto choose = reinterpret_cast<PFNEGLCHOOSECONFIGPROC>(dlsym(egl, "eglChooseConfig"));
    auto bindApi = reinterpret_cast<PFNEGLBINDAPIPROC>(dlsym(egl, "eglBindAPI"));
    auto create = reinterpret_cast<PFNEGLCREATECONTEXTPROC>(dlsym(egl, "eglCreateContext"));
    auto makeCurrent = reinterpret_cast<PFNEGLMAKECURRENTPROC>(dlsym(egl, "eglMakeCurrent"));
    if (!getProc || !initialize || !choose || !bindApi || !create || !makeCurrent) return;
    auto platformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(getProc("eglGetPlatformDisplayEXT"));
    if (!platformDisplay) return;
    EGLDisplay display = platformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    if (display == EGL_NO_DISPLAY || !initialize(display, nullptr, nullptr)) return;
    const EGLint configAttributes[] = {EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT,
                                       EGL_NONE};
    EGLConfig config = nullptr;
    EGLint count = 0;
    if (!choose(display, configAttributes, &config, 1, &count) || count < 1 || !bindApi(EGL_OPENGL_API)) return;
    const EGLint contextAttributes[] = {EGL_CONTEXT_MAJOR_VERSION, 2, EGL_CONTEXT_MINOR_VERSION, 1, EGL_NONE};
    EGLContext context = create(display, config, EGL_NO_CONTEXT, contextAttributes);
    if (context == EGL_NO_CONTEXT || !makeCurrent(display, EGL_NO_SURFACE, EGL_NO_SURFACE, context)) return;

    auto genFramebuffers = reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(getProc("glGenFramebuffers"));
    auto bindFramebuffer = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(getProc("glBindFramebuffer"));
    auto genRenderbuffers = reinterpret_cast<PFNGLGENRENDERBUFFERSPROC>(getProc("glGenRenderbuffers"));
    auto bindRenderbuffer = reinterpret_cast<PFNGLBINDRENDERBUFFERPROC>(getProc("glBindRenderbuffer"));
    auto storage = reinterpret_cast<PFNGLRENDERBUFFERSTORAGEPROC>(getProc("glRenderbufferStorage"));
    auto attach = reinterpret_cast<PFNGLFRAMEBUFFERRENDERBUFFERPROC>(getProc("glFramebufferRenderbuffer"));
    if (!genFramebuffers || !bindFramebuffer || !genRenderbuffers || !bindRenderbuffer || !storage || !attach)
      return;
    GLuint fbo = 0, buffers[2] = {};
    genFramebuffers(1, &fbo);
    bindFramebuffer(GL_FRAMEBUFFER, fbo);
    genRenderbuffers(2, buffers);
    bindRenderbuffer(GL_RENDERBUFFER, buffers[0]);
    storage(GL_RENDERBUFFER, GL_RGBA8, kWidth, kHeight);
    attach(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, buffers[0]);
    bindRenderbuffer(GL_RENDERBUFFER, buffers[1]);
    storage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, kWidth, kHeight);
    attach(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, buffers[1]);
    ok = true;
  }
};

HeadlessContext& Context() {
  static HeadlessContext context;
  return context;
}

// A page of n points on a square grid filling the view, in four colours.
struct PointPage {
  std::unique_ptr<CGPage> page = std::make_unique<CGPage>();

  explicit PointPage(int n) {
    SetCurrentPage(page.get());
    ReserveVertexArray(n);
    int side = 1;
    while (side * side < n) ++side;
    const RGBA colours[4] = {{255, 0, 0, 255}, {0, 0, 255, 255}, {0, 128, 0, 255}, {128, 0, 0, 255}};
    for (int i = 0; i < n; ++i) {
      const float x = -18 + 36.0f * (i % side) / side, y = -13 + 26.0f * (i / side) / side;
      auto* p = new CGVertex(page->m_nNextId++, page->m_nNextVertex++, QString(), x, y, 0);
      p->m_bLabelHidden = 1;
      p->m_rgbaColor = colours[i % 4];
      page->m_cells.SetAt(p->m_nId, p);
    }
  }
  ~PointPage() { SetCurrentPage(nullptr); }
};

void BM_FrameOfPoints(benchmark::State& state) {
  if (!Context().ok) {
    state.SkipWithError("no headless OpenGL (Mesa EGL surfaceless platform)");
    return;
  }
  ResetProcessState();
  g_nAxesMode = 1;
  ViewQuaternion = kQuatIdentity;
  QuatMultiply(QuatRotationX(-20), QuatRotationZ(-10), ViewQuaternion);
  const int n = static_cast<int>(state.range(0));
  PointPage scene(n);
  CViewRenderer renderer;
  // The pictures copied beside the executables by the build.
  g_strProgramFolder = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
  renderer.InitOpenGL();
  renderer.OnSize(kWidth, kHeight);
  renderer.RenderScene();
  glFinish();
  for (auto _ : state) {
    renderer.RenderScene();
    glFinish();
  }
  state.SetComplexityN(n);
  state.counters["time_per_point"] = benchmark::Counter(
      static_cast<double>(n), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
  renderer.Release();
}

BENCHMARK(BM_FrameOfPoints)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity(benchmark::oN);

}  // namespace

int main(int argc, char** argv) {
  // Picture loading reads files through Qt's image readers.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
