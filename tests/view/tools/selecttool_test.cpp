// The select tool: what a click selects and says, by pick kind and class;
// drags of points, pictures and buttons, held within the view; turning and
// panning the view.
#include "cells/constrained/dependentpoints.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/vectors/attachedvalue.h"
#include "cells/primitives/cgarc.h"
#include "cells/revolution/roundsolids.h"
#include "cells/solids/bodies/cgsubassembly.h"
#include "cells/texts/cgtextbit.h"
#include "cells/texts/inkmarks.h"
#include "cells/texts/cgtextmap.h"
#include "math/mathglobals.h"
#include "math/viewrotation.h"
#include "model/cgbutton.h"
#include "toolfixture.h"

namespace KAVREL_FILE_LOCAL {

TEST(SelectTool, AClickSelectsByKindAndSaysWhat) {
  struct Row {
    const char* name;
    std::function<WORD(ToolPage&)> make;
    int kind;
    bool selects;
    const char* status;
    bool named;  // the cell's name follows
    int dragKind;
  };
  const auto point = [](ToolPage& t) { return t.Point(); };
  const auto named = [](ToolPage& t, CGCell* cell) {
    cell->m_nId = t.Page().m_nNextId++;
    cell->m_strName = "d";
    return t.Enter(cell);
  };
  const Row rows[] = {
      {"free point", point, kPickPoint, true, "选择自由点", true, 1},
      {"plain point",
       [](ToolPage& t) { return t.Enter(new CGVertex(t.Page().m_nNextId++, t.Page().m_nNextVertex++, "A", 0, 0, 0)); },
       kPickPoint, true, "选择点", true, 0},
      {"line", [](ToolPage& t) { return t.Line(t.Point(), t.Point(1)); }, kPickLine, true, "选择线", true, 0},
      {"face", [](ToolPage& t) { return t.Face(t.Points(3)); }, kPickFace, true, "选择面", true, 0},
      {"arc",
       [](ToolPage& t) { return t.Enter(new CGArc(t.Page().m_nNextId++, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 1, kArcArc)); },
       kPickPath, true, "选择", true, 0},
      {"measured value", [&](ToolPage& t) { return named(t, new CGTmVariable); }, kPickValue, true, "选择度量值变量",
       true, 6},
      // A caption of no listed class keeps the status text.
      {"other caption", [&](ToolPage& t) { return named(t, new CGTextmap); }, kPickValue, true, nullptr, false, 6},
      {"subassembly", [&](ToolPage& t) { return named(t, new CGSubassembly); }, kPickOther, true, "选择组件：", true, 2},
      {"round solid", [](ToolPage& t) { return t.Enter(new CGSphere(t.Page().m_nNextId++, 0, 0, 0, 1, 1, 0, 0)); },
       kPickSolid, true, "选择旋转体", true, 0},
      {"action button", [&](ToolPage& t) { return named(t, new CGButton); }, kPickButton, true, "选择操作按钮", true,
       5},
      {"label (Ctrl)", point, kPickLabel, false, "拖动标签", true, 3},
      {"picture corner",
       [](ToolPage& t) { return t.Enter(new CGTbImage(t.Page().m_nNextId++, 4, 2, std::vector<BYTE>(24, 0))); },
       kPickImageCorner, false, "拖动控制点可以缩放图片", false, 12},
      {"deselected by the pick", point, 0, false, "取消选择", true, 0},
  };
  for (const Row& row : rows) {
    ToolPage t;
    const WORD id = row.make(t);
    t.seams.bridge->messages.clear();
    t.Over(id, row.kind);
    t.Down(0, 0, row.kind == kPickLabel);
    EXPECT_EQ(t.surface.lastLabelsOnly, row.kind == kPickLabel) << row.name;
    EXPECT_EQ(t.Page().m_selAll, row.selects ? std::vector<WORD>{id} : std::vector<WORD>{}) << row.name;
    EXPECT_EQ(t.Find(id)->m_bSelected, row.selects) << row.name;
    const std::vector<BridgeMessage> posted = t.Messages(WM_SELECTION_CHANGED);
    ASSERT_EQ(posted.size(), row.selects ? 1u : 0u) << row.name;
    if (row.selects) {
      EXPECT_EQ(std::make_pair(posted[0].wParam, posted[0].lParam), std::make_pair(WPARAM(1), LPARAM(id)));
    }
    if (row.status) {
      const QString text = Utf8(row.status) + (row.named ? t.Find(id)->m_strName : QString());
      EXPECT_EQ(t.seams.bridge->statusTexts.back(), std::make_pair(0, text)) << row.name;
    } else {
      EXPECT_TRUE(t.seams.bridge->statusTexts.empty()) << row.name;
    }
    EXPECT_EQ(g_viewTool.dragKind, row.dragKind) << row.name;
    EXPECT_EQ(g_nDragId, row.dragKind ? id : 0) << row.name;
    t.Up();
    EXPECT_EQ(g_nDragId, 0) << row.name << ": the release ends the drag";
  }
}

TEST(SelectTool, EmptySpaceClearsMissingIdsKeepAndHandlesStartButtons) {
  ToolPage t;
  const WORD a = t.Point();
  t.Select({a});
  t.ClickCell(900);
  EXPECT_TRUE(t.Find(a)->m_bSelected);
  t.ClickEmpty({});
  EXPECT_TRUE(t.Page().m_selAll.empty());
  EXPECT_EQ(t.seams.bridge->statusTexts.back().second, Utf8("就绪"));
  t.ClickCell(a, kPickButtonHandle);
  const BridgeMessage& sent = t.seams.bridge->messages.back();
  EXPECT_EQ(std::make_tuple(sent.target, sent.message, sent.wParam, sent.lParam),
            std::make_tuple(UiTarget::View, UINT(WM_CELL_COMMAND), WPARAM(a), LPARAM(0)));
}

TEST(SelectTool, DragsMoveWhatWasGrabbedWithoutAnUndoStep) {
  for (bool locked : {false, true}) {
    ToolPage t;
    const WORD a = t.Point(), line = t.Line(a, t.Point(4));
    auto* mid = new CGVerMid(t.Page().m_nNextId++, t.Page().m_nNextVertex++, "M", line);
    t.Enter(mid);
    auto* image = new CGTbImage(t.Page().m_nNextId++, 40, 20, std::vector<BYTE>(2400, 0));
    t.Enter(image);
    g_bLockDrag = locked;
    t.Over(a, kPickPoint), t.Down(100, 100);
    t.surface.aim = {-2, 6};
    t.Move(110, 90, true), t.Up();
    EXPECT_EQ(Near(mid->m_vPos, {1, 3, 0}), !locked) << "the dependants follow, unless locked";
    EXPECT_EQ(t.doc.IsModified(), !locked);
    EXPECT_EQ(t.Steps(), 0);
    t.Over(image->m_nId, kPickImageCorner), t.Down(100, 100);
    t.Move(120, 90, true);
    EXPECT_FLOAT_EQ(image->ZoomX(), locked ? 1.0f : 1.5f);  // (40 + 20) / 40
    EXPECT_FLOAT_EQ(image->ZoomY(), locked ? 1.0f : 1.5f);  // (20 + 10) / 20
    t.Up();
    // A zoom typed near the largest float stays one as the corner grows it.
    image->SetZoom(3e38f, -3e38f);
    t.Over(image->m_nId, kPickImageCorner), t.Down(100, 100);
    t.Move(120, 110, true), t.Up();
    EXPECT_EQ(std::make_pair(image->ZoomX(), image->ZoomY()), std::make_pair(3e38f, -3e38f));
    // A slider's 100 pixels span its range: 10 pixels are one unit here.
    auto* parameter = new CGTmVarParameter(t.Page().m_nNextId++, "t", 2);
    parameter->SetRange(0, 10);
    parameter->m_nSubKind = 1;
    t.Enter(parameter);
    auto* square = new CGTmVarCalculator(t.Page().m_nNextId++, {parameter->m_nId}, "No1*No1", QString());
    t.Enter(square);
    t.Over(parameter->m_nId, kPickSlider), t.Down(100, 100);
    t.Move(110, 120, true), t.Move(115, 90, true);
    EXPECT_EQ(g_viewTool.pointDragged, !locked);
    t.Up();
    EXPECT_FLOAT_EQ(square->m_fValue, locked ? 4.0f : 12.25f) << "the dependants follow every move";
    auto* ink = new CGInkmarks(t.Page().m_nNextId++, nullptr);
    t.Enter(ink);
    g_fUnitsPerPixel = 0.05f;
    t.Over(ink->m_nId, kPickPath), t.Down(100, 100);
    t.Move(120, 90, true), t.Up();
    EXPECT_EQ(std::make_pair(ink->m_vLabelAnchor[0], ink->m_vLabelAnchor[1]),
              locked ? std::make_pair(0.0f, 0.0f) : std::make_pair(1.0f, 0.5f));
    // Buttons follow the pointer in screen units, y upwards.
    auto* button = new CGButton;
    button->m_nId = t.Page().m_nNextId++;
    t.Enter(button);
    t.Over(button->m_nId, kPickButton), t.Down(100, 100);
    t.Move(120, 130, true), t.Up();
    EXPECT_EQ(std::make_pair(button->m_vLabelAnchor[0], button->m_vLabelAnchor[1]),
              locked ? std::make_pair(0.0f, 0.0f) : std::make_pair(1.0f, -1.5f));
    // A value beside a point: the moves carry its place and offset along and
    // compute nothing; the release computes it from the point and the
    // offset, as a reopen places it (which a pixel's move added to the
    // place would miss by a rounding here).
    g_nViewWidth = 800, g_nViewHeight = 600;
    const WORD at = t.Point(7.7f, 0, 0);
    auto* beside = new CGTmVarAfterP(t.Page().m_nNextId++, parameter->m_nId, at);
    t.Enter(beside);
    t.Over(beside->m_nId, kPickValue), t.Down(100, 100);
    t.Move(101, 100, true), t.Up(101, 100);
    EXPECT_EQ(beside->m_vOffset[0], locked ? -1.2f : -1.2f + 0.05f);
    EXPECT_EQ(beside->m_vLabelAnchor[0], t.As<CGVertex>(at)->m_vPos[0] + beside->m_vOffset[0]);
    EXPECT_EQ(t.Steps(), 0);
  }
}

// The pointer may leave the view while the button is held: what lies in
// the screen layer stops at the view's edge and follows again from there.
// A caption or a picture keeps its anchor, where its drawing starts, 8
// pixels inside the view, or it would be drawn nowhere.
TEST(SelectTool, ScreenLayerDragsStayOverTheView) {
  using Pixel = std::pair<int, int>;  // in the 800 x 600 view, y down
  struct Row {
    const char* name;
    float pan;  // the view's x translation
    std::vector<Pixel> moves;  // grabbed 2 pixels right of and above the anchor
    Pixel kept, followed;      // the anchor's pixel: captions and pictures; buttons and ink
  } rows[] = {
      {"inside", 0, {{440, 270}}, {438, 272}, {438, 272}},
      {"out at the lower left", 0, {{-500, 900}}, {8, 592}, {-2, 601}},
      {"out at the upper right", 0, {{2000, -300}}, {792, 8}, {797, 2}},
      {"out and back in", 0, {{-500, 900}, {50, 50}}, {58, 43}, {48, 52}},
      {"the anchor past the left edge", 0, {{5, 298}}, {8, 300}, {3, 300}},
      {"panned, past the left edge", 5, {{5, 298}}, {8, 300}, {3, 300}},
      {"the anchor past the top", 0, {{402, 4}}, {400, 8}, {400, 6}},
  };
  const struct Kind {
    int pick;
    bool kept;
    CGCell* (*make)(WORD id);
  } kinds[] = {
      {kPickValue, true, [](WORD id) -> CGCell* { return new CGTmVarCalculator(id, {}, "1+1", QString()); }},
      {kPickText, true, [](WORD id) -> CGCell* { return new CGTbImage(id, 40, 20, std::vector<BYTE>(2400, 0)); }},
      {kPickButton, false, [](WORD id) -> CGCell* { auto* b = new CGButton; b->m_nId = id; return b; }},
      {kPickPath, false, [](WORD id) -> CGCell* { return new CGInkmarks(id, nullptr); }},
  };
  for (const Kind& kind : kinds)
    for (const Row& row : rows) {
      ToolPage t;
      g_nViewWidth = 800, g_nViewHeight = 600;
      g_fUnitsPerPixel = 0.05f;
      g_fViewTranslate[0] = row.pan;
      const auto layer = [](Pixel p) { return Pixel(p.first - 400, 300 - p.second); };
      CGCell* cell = kind.make(t.Page().m_nNextId++);
      t.Enter(cell);
      // The anchor at the view's centre, wherever the pan puts the layer.
      cell->m_vLabelAnchor[0] = -row.pan, cell->m_vLabelAnchor[1] = 0;
      t.Over(cell->m_nId, kind.pick), t.Down(402, 298);
      for (auto [x, y] : row.moves) t.Move(x, y, true);
      t.Up(row.moves.back().first, row.moves.back().second);
      const Pixel want = layer(kind.kept ? row.kept : row.followed);
      EXPECT_NEAR(cell->m_vLabelAnchor[0] + row.pan, want.first * 0.05f, 1e-4) << row.name << ", kind " << kind.pick;
      EXPECT_NEAR(cell->m_vLabelAnchor[1], want.second * 0.05f, 1e-4) << row.name << ", kind " << kind.pick;
    }
}

TEST(SelectTool, DraggingEmptySpaceTurnsTheViewAndTheMiddleButtonPans) {
  struct Row {
    const char* name;
    int dx, dy;
    bool ctrl, middle;
    Quaternion turned;
    std::array<float, 3> moved;
  };
  const double c = std::cos(0.3), s = std::sin(0.3);
  const Row rows[] = {
      {"+100 px in x spins about z", 100, 0, false, false, {c, 0, 0, s}, {0, 0, -50}},
      {"+100 px in y tilts about x", 0, 100, false, false, {c, s, 0, 0}, {0, 0, -50}},
      {"Ctrl: about y", 0, 100, true, false, {c, 0, -s, 0}, {0, 0, -50}},
      {"middle button", 20, 10, false, true, kQuatIdentity, {4, -2, -50}},
      {"middle button, Ctrl", 20, 10, true, true, kQuatIdentity, {4, 0, -52}},
  };
  for (const Row& row : rows) {
    ToolPage t;
    ViewQuaternion = kQuatIdentity;
    ToolInput in = ToolPage::At(200 + row.dx, 200 + row.dy, !row.middle, row.ctrl);
    in.middle = row.middle;
    row.middle ? t.tools.OnOtherButtonDown(ToolPage::At(200, 200, false)) : t.Down(200, 200);
    t.tools.OnMouseMove(in);
    const double got[4] = {ViewQuaternion.w, ViewQuaternion.x, ViewQuaternion.y, ViewQuaternion.z};
    const double want[4] = {row.turned.w, row.turned.x, row.turned.y, row.turned.z};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-12) << row.name;
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(g_fViewTranslate[i], row.moved[i]) << row.name;
  }
  // The view lock holds it; the trackball switch turns it by the trackball.
  for (bool trackball : {false, true}) {
    ToolPage t;
    ViewQuaternion = kQuatIdentity;
    g_bLockView = !trackball;
    g_prefs.bScreenRotation = trackball;
    t.Down(200, 200), t.Move(260, 230, true);
    const Quaternion turned = ViewQuaternion;
    ViewQuaternion = kQuatIdentity;
    if (trackball) g_nTrackballLastX = g_nTrackballLastY = 200, TrackballRotate(260, 230);
    EXPECT_EQ(turned, ViewQuaternion) << trackball;
  }
}

}  // namespace
