// A headless OpenGL 2.1 context for the benchmarks: Mesa's surfaceless EGL
// platform drawing into a framebuffer object of kWidth x kHeight.  The
// benchmarks link no EGL library, so libEGL is loaded at run time.  Also
// the main of a benchmark program that draws.
#pragma once
#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <QGuiApplication>
#include <cstdlib>

namespace bench {

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

// The context of the program, made on first use; ok is false without Mesa.
inline HeadlessContext& Context() {
  static HeadlessContext context;
  return context;
}

// Runs the program's benchmarks with a Qt application on the offscreen
// platform: pictures and glyphs go through Qt's image readers and fonts.
inline int RunBenchmarks(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace bench
