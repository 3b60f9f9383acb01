#include "fuzzsupport.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

#include "app/classregistration.h"
#include "model/globals.h"
#include "render/fontsubstitutions.h"
#include "support/headless_gl.h"
#include "view/viewrenderer.h"

void FuzzSetUpOnce() {
  static const bool ready = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char name[] = "kavrel-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    InstallFontSubstitutions();
    RegisterAllClasses();
    static QTemporaryDir programFolder;
    g_strProgramFolder = programFolder.path();
    return true;
  }();
  (void)ready;
}

QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size) {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

namespace {
bool g_loaded = false;
}  // namespace

void FuzzNoteLoaded() { g_loaded = true; }

bool FuzzTakeLoaded() { return std::exchange(g_loaded, false); }

void FuzzFinding(const char* what) {
  std::fprintf(stderr, "finding: %s\n", what);
  std::abort();
}

void FuzzRenderCurrentPage() {
  static HeadlessGl gl;
  static CViewRenderer* renderer = [] () -> CViewRenderer* {
    if (gl.Create(96, 96) != HeadlessGl::Status::Ready) return nullptr;
    auto* made = new CViewRenderer;  // lives as long as the context
    made->InitOpenGL();
    made->OnSize(96, 96);
    return made;
  }();
  if (!renderer || !gl.MakeCurrent()) return;
  renderer->RenderScene();
}
