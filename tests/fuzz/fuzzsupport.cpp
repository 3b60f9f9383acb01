#include "fuzzsupport.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>

#include "app/classregistration.h"
#include "editing/tools/toolreplay.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/usertool.h"
#include "model/globals.h"
#include "model/kindtests.h"
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

namespace {
// Bounds the work of one input: a tool file may hold many tools, each
// applied for as many rounds as the selection allows.
constexpr size_t kToolsApplied = 8;
constexpr size_t kRounds = 3;

void SelectForRounds(CGPage& page, const std::vector<WORD>& ids, const CRecord& tool) {
  size_t points = 0, values = 0;
  for (const auto& input : tool.m_conditions) ++(input->m_bIsPoint ? points : values);
  points *= kRounds;
  values *= kRounds;
  page.ClearSelection();
  for (WORD id : ids) {
    const CGCell* cell = page.m_cells.Lookup(id);
    if (points > 0 && cell->IsKindOf(RUNTIME_CLASS(CGVertex))) {
      points -= page.SelectCell(id);
    } else if (values > 0 && IsKindOfClassName(cell, "CGTmVariable")) {
      values -= page.SelectCell(id);
    }
  }
}
}  // namespace

void FuzzApplyToolsToSelection(CGPage& page, const std::vector<CRecord*>& tools) {
  std::vector<WORD> ids;
  for (auto [id, cell] : page.m_cells) ids.push_back(id);
  std::sort(ids.begin(), ids.end());
  CGPage* const current = g_pCurPage;
  CRecord* const tool = g_pCurrentTool;
  SetCurrentPage(&page);
  for (size_t k = 0; k < std::min(tools.size(), kToolsApplied); ++k) {
    SelectForRounds(page, ids, *tools[k]);
    g_pCurrentTool = tools[k];
    ApplyToolToSelection();
  }
  page.ClearSelection();
  g_pCurrentTool = tool;
  SetCurrentPage(current);
}
