// The page passes: the order of the walks, the GL state each one runs in,
// the trace layer and the pick walk, checked with a cell that records every
// call together with the state it found.
#include <GL/gl.h>

#include <string>
#include <vector>

#include "model/cgcell.h"
#include "model/drawing/pagedraw.h"
#include "render/glresources.h"
#include "viewtestsupport.h"

namespace KAVREL_FILE_LOCAL {

struct Call {
  WORD id;
  std::string op;
  GLint depthFunc;
  bool depthTest, stipple, lighting, colourMaterial, polygonOffset;
  GLboolean colourMask[4];
  GLboolean depthWrite;
  GLint shade;
  int arg;  // DrawLitLate's flag, DrawForPick's mode; else -1
};

std::vector<Call>* g_calls = nullptr;

class RecordingCell : public CGCell {
 public:
  explicit RecordingCell(WORD id) { m_nId = id; }
  void DrawFill() override { Record("Fill"); }
  void DrawDepthOnly() override { Record("DepthOnly"); }
  void DrawVisibleEdges() override { Record("VisibleEdges"); }
  void DrawHiddenEdges() override { Record("HiddenEdges"); }
  void Draw() override { Record("Draw"); }
  void DrawLit() override { Record("Lit"); }
  void DrawLitLate(BOOL lit) override { Record("LitLate", lit); }
  void DrawTranslucent() override { Record("Translucent"); }
  void DrawFlat() override { Record("Flat"); }
  void DrawForPick(int mode) override { Record("Pick", mode); }

 private:
  void Record(const char* op, int arg = -1) const {
    Call c{m_nId, op, 0, false, false, false, false, false, {}, 0, 0, arg};
    glGetIntegerv(GL_DEPTH_FUNC, &c.depthFunc);
    c.depthTest = glIsEnabled(GL_DEPTH_TEST);
    c.stipple = glIsEnabled(GL_LINE_STIPPLE);
    c.lighting = glIsEnabled(GL_LIGHTING);
    c.colourMaterial = glIsEnabled(GL_COLOR_MATERIAL);
    c.polygonOffset = glIsEnabled(GL_POLYGON_OFFSET_FILL);
    glGetBooleanv(GL_COLOR_WRITEMASK, c.colourMask);
    glGetBooleanv(GL_DEPTH_WRITEMASK, &c.depthWrite);
    glGetIntegerv(GL_SHADE_MODEL, &c.shade);
    g_calls->push_back(c);
  }
};

class PagePasses : public PageGlTest {
 protected:
  void SetUp() override {
    PageGlTest::SetUp();
    if (IsSkipped() || HasFatalFailure()) return;
    g_calls = &calls;
    g_nAxesMode = 0;
    glEnable(GL_DEPTH_TEST);
  }
  void TearDown() override { g_calls = nullptr; }

  void AddCells(std::initializer_list<WORD> ids) {
    for (WORD id : ids) page->m_cells.SetAt(id, new RecordingCell(id));
  }
  // The ops of one cell's calls, in order.
  std::vector<std::string> Ops(WORD id) const {
    std::vector<std::string> ops;
    for (const Call& c : calls)
      if (c.id == id) ops.push_back(c.op + (c.arg >= 0 ? "(" + std::to_string(c.arg) + ")" : ""));
    return ops;
  }

  std::vector<Call> calls;
};

bool AllColourOff(const Call& c) { return !c.colourMask[0] && !c.colourMask[1] && !c.colourMask[2] && !c.colourMask[3]; }
bool AllColourOn(const Call& c) { return c.colourMask[0] && c.colourMask[1] && c.colourMask[2] && c.colourMask[3]; }

TEST_F(PagePasses, LitHidesDashedMakesTenWalksInOrderWithTheirState) {
  page->m_bLitHidesDashed = 1;
  AddCells({1});
  DrawPageCells();
  EXPECT_EQ(Ops(1), (std::vector<std::string>{"Fill", "Lit", "Translucent", "DepthOnly", "HiddenEdges",
                                               "VisibleEdges", "LitLate(0)", "Translucent", "Translucent",
                                               "Draw"}));
  ASSERT_EQ(calls.size(), 10u);
  struct Expect {
    GLint depthFunc;  // 0: not checked
    bool stipple, lighting, polygonOffset, colourOn, depthWrite;
    GLint shade;
  };
  const Expect expect[10] = {
      {0, false, false, true, true, true, 0},                   // Fill
      {0, false, true, true, true, true, GL_SMOOTH},            // Lit
      {0, false, false, true, true, false, GL_SMOOTH},          // Translucent without depth writes
      {0, false, false, true, false, true, GL_FLAT},            // DepthOnly
      {GL_GREATER, true, false, false, true, true, GL_FLAT},    // HiddenEdges
      {GL_LEQUAL, false, false, false, true, true, GL_FLAT},    // VisibleEdges
      {GL_LEQUAL, false, true, false, true, true, GL_SMOOTH},   // LitLate
      {0, false, false, false, false, true, GL_FLAT},           // Translucent into depth
      {0, false, true, false, true, true, GL_SMOOTH},           // Translucent lit
      {GL_ALWAYS, false, false, false, true, true, GL_FLAT},    // Draw
  };
  for (int i = 0; i < 10; ++i) {
    const Call& c = calls[i];
    const Expect& e = expect[i];
    SCOPED_TRACE(c.op + " (walk " + std::to_string(i + 1) + ")");
    if (e.depthFunc) {
      EXPECT_EQ(c.depthFunc, e.depthFunc);
    }
    EXPECT_EQ(c.stipple, e.stipple);
    EXPECT_EQ(c.lighting, e.lighting);
    EXPECT_EQ(c.colourMaterial, e.lighting);
    EXPECT_EQ(c.polygonOffset, e.polygonOffset);
    EXPECT_EQ(e.colourOn ? AllColourOn(c) : AllColourOff(c), true);
    EXPECT_EQ(c.depthWrite != 0, e.depthWrite);
    if (e.shade) {
      EXPECT_EQ(c.shade, e.shade);
    }
  }
  GLint depthFunc = 0;
  glGetIntegerv(GL_DEPTH_FUNC, &depthFunc);
  EXPECT_EQ(depthFunc, GL_LEQUAL);
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
  EXPECT_FALSE(glIsEnabled(GL_COLOR_MATERIAL));
  EXPECT_FALSE(glIsEnabled(GL_LINE_STIPPLE));
  EXPECT_FALSE(glIsEnabled(GL_POLYGON_OFFSET_FILL));
  GLboolean depthWrite = 0;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrite);
  EXPECT_TRUE(depthWrite);
}

TEST_F(PagePasses, WithoutLitHidesDashedTheLatePassDrawsTheSolids) {
  page->m_bLitHidesDashed = 0;
  AddCells({1});
  DrawPageCells();
  EXPECT_EQ(Ops(1), (std::vector<std::string>{"Fill", "Translucent", "DepthOnly", "HiddenEdges", "VisibleEdges",
                                               "LitLate(1)", "Translucent", "Translucent", "Draw"}));
}

TEST_F(PagePasses, EachWalkVisitsEveryCellBeforeTheNextBegins) {
  AddCells({3, 5, 9});
  DrawPageCells();
  ASSERT_EQ(calls.size(), 30u);
  for (size_t walk = 0; walk < 10; ++walk) {
    const std::string op = calls[walk * 3].op;
    for (size_t k = 0; k < 3; ++k) EXPECT_EQ(calls[walk * 3 + k].op, op) << "walk " << walk;
  }
}

TEST_F(PagePasses, TraceLayerDrawsTracedCellsFlatWithoutDepth) {
  AddCells({1, 2, 3});
  page->m_traceList = {3, 1, 77};  // 77 is no cell of the page
  page->m_bFullTrace = 0;
  DrawTraceLayer();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(std::make_pair(calls[0].id, calls[1].id), std::make_pair(WORD(3), WORD(1)));
  for (const Call& c : calls) {
    EXPECT_EQ(c.op, "Flat");
    EXPECT_FALSE(c.depthTest);
  }
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(PagePasses, FullTraceDrawsThePageWithTheTracedEdges) {
  page->m_bLitHidesDashed = 1;
  page->m_bFullTrace = 1;
  AddCells({1, 2});
  page->m_traceList = {2};
  DrawTraceLayer();
  EXPECT_EQ(Ops(2), (std::vector<std::string>{"Fill", "Lit", "Translucent", "Fill", "DepthOnly", "HiddenEdges",
                                               "VisibleEdges", "LitLate(0)", "Translucent", "Translucent",
                                               "Draw"}));
  EXPECT_EQ(Ops(1), (std::vector<std::string>{"Lit", "Translucent", "Fill", "DepthOnly", "LitLate(0)",
                                               "Translucent", "Translucent", "Draw"}));
  // The depth-only walk fills and writes depth for each cell in turn.
  std::vector<std::string> depthWalk;
  for (const Call& c : calls)
    if (AllColourOff(c) && c.polygonOffset) depthWalk.push_back(std::to_string(c.id) + c.op);
  EXPECT_EQ(depthWalk, (std::vector<std::string>{"1Fill", "1DepthOnly", "2Fill", "2DepthOnly"}));
  for (const Call& c : calls)
    if (c.op.ends_with("Edges")) { EXPECT_TRUE(AllColourOn(c)) << "the traced edges show"; }
}

// A point that records its pick calls among the other cells' calls.
class RecordingPoint : public CGVertex {
 public:
  void DrawForPick(int mode) override {
    g_calls->push_back(Call{m_nId, "Pick", 0, false, false, false, false, false, {}, 0, 0, mode});
  }
};

TEST_F(PagePasses, PickWalkLetsPointsPickFirstInModeZero) {
  auto* point = new RecordingPoint;
  point->m_nId = 1;
  page->m_cells.SetAt(1, point);
  AddCells({10});
  auto order = [this] {
    std::vector<std::string> ids;
    for (const Call& c : calls) ids.push_back(std::to_string(c.id) + c.op + "(" + std::to_string(c.arg) + ")");
    calls.clear();
    return ids;
  };
  DrawPageForPick(3);
  EXPECT_EQ(order(), (std::vector<std::string>{"1Pick(3)", "10Pick(3)"}));
  DrawPageForPick(0);
  EXPECT_EQ(order(), (std::vector<std::string>{"1Pick(0)", "1Pick(0)", "10Pick(0)"}));
  DrawVerticesForPick();
  EXPECT_EQ(order(), (std::vector<std::string>{"1Pick(0)"}));
}

}  // namespace
