// The colour gallery and the display commands on the selection: exact
// colours, styles and sizes, which selections enable them, the modified
// flag, and that none of them adds an undo step.
#include <QTemporaryDir>
#include <cmath>
#include <map>

#include "cells/dynamic/graphing/colormodifier.h"
#include "cells/dynamic/measures/pointreadings.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/surfaces/surface.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "cells/revolution/roundsolids.h"
#include "cells/dynamic/buttons/showhidebutton.h"
#include "cells/solids/faceoverlap.h"
#include "editing/dialogs/display/displaydialogs.h"
#include "editing/graphing/parametriccolor.h"
#include "model/autocolor.h"
#include "model/runningbuttons.h"
#include "platform/editscope.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/crtrandom.h"
#include "platform/uibridge.h"
#include "render/viewglobals.h"
#include "support/commandpage.h"
#include "support/documentfiles.h"

namespace KAVREL_FILE_LOCAL {

// A triangle A B C with its face F and the segment AB.
struct DisplayScene : CommandPage {
  DisplayScene() {
    pts = Points(3);
    face = Face(pts);
    segment = Line(pts[0], pts[1]);
    doc.SetModifiedFlag(false);
  }
  RGBA Color(WORD id) const { return Find(id)->m_rgbaColor; }
  const CCmd* Step() { return Page().m_undo.CurrentCommand(); }
  std::vector<WORD> pts;
  WORD face, segment;
};

bool Enabled(unsigned id) { return CommandRegistry().Query(id).m_bEnabled; }

TEST(ColorCommands, APaletteColourWithNothingSelectedSetsTheInk) {
  DisplayScene p;
  g_rgbaInk = RGBA{1, 2, 3, 255};
  const RGBA before = p.Color(p.face);
  ASSERT_TRUE(p.Run(2000));
  EXPECT_EQ(g_rgbaInk, (RGBA{255, 0, 0, 255}));
  EXPECT_EQ(p.Color(p.face), before);
  EXPECT_FALSE(p.doc.IsModified());
}

TEST(ColorCommands, APaletteColourColoursTheSelectionWithoutAnUndoStep) {
  DisplayScene p;
  const CCmd* step = p.Step();
  p.Select({p.face, p.segment});
  ASSERT_TRUE(p.Run(2009));
  for (WORD id : {p.face, p.segment}) {
    EXPECT_EQ(p.Color(id).r, 0);
    EXPECT_EQ(p.Color(id).g, 128);
    EXPECT_EQ(p.Color(id).b, 128);
  }
  EXPECT_TRUE(p.Page().m_selAll.empty());
  EXPECT_TRUE(p.doc.IsModified());
  EXPECT_EQ(p.Step(), step);
}

TEST(ColorCommands, EachNamedColourAndTheIdsWithoutColour) {
  const BYTE named[16][3] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},     {0, 255, 255},
                             {255, 0, 255}, {255, 255, 0}, {128, 0, 0},     {0, 128, 0},
                             {0, 0, 128},   {0, 128, 128}, {128, 0, 128},   {128, 128, 0},
                             {0, 0, 0},     {128, 128, 128}, {192, 192, 192}, {255, 255, 255}};
  for (unsigned id = 2000; id <= 2025; ++id) {
    SCOPED_TRACE(id);
    DisplayScene p;
    p.Find(p.face)->m_rgbaColor = RGBA{1, 2, 3, 255};
    p.Select({p.face});
    ASSERT_TRUE(p.Run(id));
    const RGBA c = p.Color(p.face);
    if (id < 2016) {
      EXPECT_EQ(c, (RGBA{named[id - 2000][0], named[id - 2000][1], named[id - 2000][2], 255}));
    } else {
      EXPECT_EQ(c, (RGBA{1, 2, 3, 255}));
      EXPECT_FALSE(p.doc.IsModified());
    }
  }
}

TEST(ColorCommands, RandomColoursSpreadTheHuesEvenly) {
  DisplayScene p;
  const WORD f2 = p.Face({p.pts[0], p.pts[1]});
  const WORD f3 = p.Face({p.pts[1], p.pts[2]});
  p.Select({p.face, f2, f3});
  KvSrand(7);
  ASSERT_TRUE(p.Run(ID_COLOR26));
  // The same draws again: s, l and the hue offset, then one per cell.
  KvSrand(7);
  const double s = 0.5 + 0.5 * KvRand() / 32767.0, l = 0.25 + 0.5 * KvRand() / 32767.0, h0 = KvRand() / 32767.0;
  std::vector<bool> hit(3, false);
  for (WORD id : {p.face, f2, f3}) {
    const RGBA c = p.Color(id);
    int found = -1;
    for (int k = 0; k < 3; ++k) {
      double hue = k / 3.0 + h0;
      if (hue > 1) hue -= 1;
      double rgb[3];
      HslToRgb(rgb, hue, s, l);
      if (c.r == std::lround(rgb[0] * 255) && c.g == std::lround(rgb[1] * 255) && c.b == std::lround(rgb[2] * 255))
        found = k;
    }
    ASSERT_GE(found, 0) << id;
    EXPECT_FALSE(hit[static_cast<size_t>(found)]) << "each hue once";
    hit[static_cast<size_t>(found)] = true;
  }
  EXPECT_TRUE(p.Page().m_selAll.empty());
}

TEST(ColorCommands, OpacityFromAndIntoTheDialog) {
  DisplayScene p;
  const WORD f2 = p.Face({p.pts[0], p.pts[1]});
  p.Find(p.face)->m_rgbaColor.a = 90;
  p.Select({p.face, f2});
  CDlgAlpha answer;
  answer.m_nOpacity = 50;
  p.dialogs->Ok(answer);
  ASSERT_TRUE(p.Run(ID_COLOR28));
  const auto offered = p.dialogs->Offered<CDlgAlpha>();
  ASSERT_EQ(offered.size(), 1u);
  EXPECT_EQ(offered[0].m_nOpacity, 35);  // (90 * 100 + 127) / 255
  EXPECT_EQ(offered[0].m_strText, QString::fromUtf8("不透明度：35%"));
  EXPECT_EQ(p.Color(p.face).a, 127);
  EXPECT_EQ(p.Color(f2).a, 127);
  EXPECT_TRUE(p.Page().m_selAll.empty());
  p.Run(ID_COLOR28);  // cancelled: nothing selected keeps the last opacity
  EXPECT_EQ(p.dialogs->Offered<CDlgAlpha>().back().m_strText, QString::fromUtf8("不透明度：50%"));
  EXPECT_EQ(ColorCommandState().opacity, 50);
}

TEST(ColorCommands, CustomColourStartsFromTheFirstSelectedAndCancelKeepsAll) {
  DisplayScene p;
  p.Find(p.face)->m_rgbaColor = RGBA{10, 20, 30, 255};
  p.Select({p.face});
  p.Run(kCmdCustomColor);  // cancelled
  ASSERT_EQ(p.dialogs->Offered<CDlgCustomColor>().size(), 1u);
  EXPECT_EQ(p.dialogs->Offered<CDlgCustomColor>()[0].m_crColor, 0x1E140Au);
  EXPECT_FALSE(p.doc.IsModified());
  EXPECT_EQ(p.Page().m_selAll.size(), 1u);
  CDlgCustomColor answer;
  answer.m_crColor = 0x00FF8040;
  p.dialogs->Ok(answer);
  p.Run(kCmdCustomColor);
  EXPECT_EQ(p.Color(p.face), (RGBA{0x40, 0x80, 0xFF, 255}));
  EXPECT_TRUE(p.doc.IsModified());
}

// A colour given by hand to a face that a colour modifier colours gives way
// to the modifier's at once, as it would on reopening; the segment beside it
// keeps the new colour.
TEST(ColorCommands, AColourModifierKeepsColouringItsTarget) {
  for (unsigned command : {2009u, unsigned(ID_COLOR26), unsigned(kCmdCustomColor)}) {
    SCOPED_TRACE(command);
    DisplayScene p;
    const WORD x = p.Enter(new CGTmVarCoordX(p.Page().m_nNextId++, p.pts[1]));
    p.Select({x, p.face});
    p.Enter(new CGMdfColor(p.Page().m_nNextId++, kModifierHue, 0, 10, 0));
    const RGBA modified = p.Color(p.face);
    p.Find(p.segment)->m_rgbaColor = modified;
    CDlgCustomColor answer;
    answer.m_crColor = 0x00FF8040;
    p.dialogs->Ok(answer);
    p.Select({p.face, p.segment});
    ASSERT_TRUE(p.Run(command));
    EXPECT_EQ(p.Color(p.face), modified);
    EXPECT_NE(p.Color(p.segment), modified);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("modified.kv"));
    ASSERT_TRUE(p.doc.OnSaveDocument(path));
    CKavrelDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path, false));
    EXPECT_EQ(DocumentBytes(reopened), DocumentBytes(p.doc));
  }
}

TEST(DisplayToggles, LabelsAndTracesTakeTheOppositeOfTheFirst) {
  DisplayScene p;
  p.Find(p.pts[0])->m_bLabelHidden = 0;
  p.Find(p.pts[1])->m_bLabelHidden = 1;
  p.Select({p.pts[0], p.pts[1]});
  EXPECT_EQ(CommandRegistry().Query(ID_VIEW_SHOWHIDE_LABEL).m_strText, QString::fromUtf8("隐藏标签"));
  ASSERT_TRUE(p.Run(ID_VIEW_SHOWHIDE_LABEL));
  EXPECT_EQ(p.Find(p.pts[0])->m_bLabelHidden, 1);
  EXPECT_EQ(p.Find(p.pts[1])->m_bLabelHidden, 1);
  EXPECT_EQ(CommandRegistry().Query(ID_VIEW_SHOWHIDE_LABEL).m_strText, QString::fromUtf8("显示标签"));
  ASSERT_TRUE(p.Run(ID_VIEW_SHOWHIDE_LABEL));
  EXPECT_EQ(p.Find(p.pts[0])->m_bLabelHidden, 0);
  EXPECT_EQ(p.Find(p.pts[1])->m_bLabelHidden, 0);

  p.Find(p.pts[1])->m_bTraced = true;
  EXPECT_EQ(CommandRegistry().Query(ID_VIEW_TRACE).m_strText, QString::fromUtf8("追踪对象"));
  p.doc.SetModifiedFlag(false);
  ASSERT_TRUE(p.Run(ID_VIEW_TRACE));
  EXPECT_TRUE(p.Find(p.pts[0])->m_bTraced);
  EXPECT_TRUE(p.Find(p.pts[1])->m_bTraced);
  EXPECT_TRUE(p.doc.IsModified()) << "the traced byte is stored";
  EXPECT_EQ(CommandRegistry().Query(ID_VIEW_TRACE).m_strText, QString::fromUtf8("取消追踪"));
}

TEST(DisplayToggles, LitAndTranslucentStyleSteps) {
  struct Row {
    const char* kind;
    BYTE style, alpha;
    unsigned command;
    BYTE styleAfter, alphaAfter;
  } const rows[] = {
      {"point", 2, 255, ID_VIEW_RENDERSOLID, 4, 255}, {"point", 4, 255, ID_VIEW_RENDERSOLID, 0, 255},
      {"point", 3, 255, ID_VIEW_RENDERSOLID, 5, 255}, {"point", 5, 255, ID_VIEW_RENDERSOLID, 1, 255},
      {"line", 4, 255, ID_VIEW_RENDERSOLID, 0, 255},  {"line", 1, 255, ID_VIEW_RENDERSOLID, 4, 255},
      {"face", 4, 90, ID_VIEW_RENDERSOLID, 3, 255},   {"face", 3, 255, ID_VIEW_RENDERSOLID, 0, 255},
      {"face", 4, 90, ID_VIEW_TRANSLUCENT, 3, 255},   {"face", 1, 255, ID_VIEW_TRANSLUCENT, 4, 90},
      {"arc", 2, 90, ID_VIEW_RENDERSOLID, 1, 255},    {"arc", 0, 255, ID_VIEW_TRANSLUCENT, 2, 90},
      {"sphere", 3, 90, ID_VIEW_RENDERSOLID, 2, 255}, {"sphere", 2, 255, ID_VIEW_TRANSLUCENT, 3, 90},
      {"sphere", 3, 90, ID_VIEW_TRANSLUCENT, 2, 255},
      {"surface", 0, 255, ID_VIEW_RENDERSOLID, 2, 255}, {"surface", 1, 90, ID_VIEW_RENDERSOLID, 0, 255},
      {"surface", 2, 255, ID_VIEW_RENDERSOLID, 0, 255}, {"surface", 1, 90, ID_VIEW_TRANSLUCENT, 0, 255},
      {"surface", 0, 255, ID_VIEW_TRANSLUCENT, 1, 90},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.kind) + " " + std::to_string(row.style) + " " + std::to_string(row.command));
    DisplayScene p;
    const std::string kind = row.kind;
    WORD id = kind == "point" ? p.pts[0] : kind == "line" ? p.segment : kind == "face" ? p.face : 0;
    if (kind == "arc")
      id = p.Enter(new CGArc(p.Page().m_nNextId++, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, kArcFullTurn, kArcCircle));
    if (kind == "sphere") id = p.Enter(new CGSphere(p.Page().m_nNextId++, 0, 0, 0, 3, 0, 0, 3));
    if (kind == "surface")
      id = p.Enter(new CGSurface(p.Page().m_nNextId++, {}, "u", "v", "0", "0", "1", "0", "1", row.style, 0, 0, 0, 0,
                                 0.25, 0.25, 1, 0, 0, 0, 1, 0));
    p.Find(id)->m_nStyle = row.style;
    p.Find(id)->m_rgbaColor.a = row.alpha;
    p.Select({id});
    ASSERT_TRUE(p.Run(row.command));
    EXPECT_EQ(p.Find(id)->m_nStyle, row.styleAfter);
    EXPECT_EQ(p.Find(id)->m_rgbaColor.a, row.alphaAfter);
    EXPECT_TRUE(p.Page().m_selAll.empty());
    EXPECT_TRUE(p.doc.IsModified());
  }
}

TEST(DisplayToggles, ASurfaceWhoseValueIsUndefinedStaysUndefined) {
  // A surface over sqrt(t): defined while t is 4, then t turns to -1.  The
  // toggles tessellate it again from the value it read last (2), but only
  // its recalculation may call it defined.
  struct Row {
    unsigned command;
    BYTE styleAfter;
  } const rows[] = {{ID_VIEW_RENDERSOLID, kSurfaceWire}, {ID_VIEW_TRANSLUCENT, kSurfaceTranslucent}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.command);
    DisplayScene p;
    const WORD t = p.Enter(new CGTmVarParameter(p.Page().m_nNextId++, QStringLiteral("t"), 4));
    const WORD root = p.Enter(new CGTmVarCalculator(p.Page().m_nNextId++, {t}, QStringLiteral("sqrt(No1)"), QString()));
    p.Page().RecalculateCells({root});
    auto* surface = p.As<CGSurface>(p.Enter(new CGSurface(p.Page().m_nNextId++, {root}, "u", "v", "No1", "0", "No1",
                                                          "0", "1", kSurfaceLit, 0, 0, 0, 0, 0.5, 0.5, 1, 0, 0, 0,
                                                          1, 0)));
    ASSERT_TRUE(surface->m_bDefined);
    p.Find(t)->m_fValue = -1;
    p.Page().RecalculateCells({root, surface->m_nId});
    ASSERT_FALSE(p.Find(root)->m_bDefined);
    ASSERT_FALSE(surface->m_bDefined);
    ASSERT_TRUE(p.Run(ID_EDIT_SELECT_ALL));
    ASSERT_TRUE(surface->m_bSelected);
    ASSERT_TRUE(p.Run(row.command));
    EXPECT_EQ(surface->m_nStyle, row.styleAfter) << "the toggle reached the surface";
    EXPECT_FALSE(surface->m_bDefined);
    EXPECT_FALSE(surface->IsShown()) << "nothing to draw";
  }
}

TEST(DisplayToggles, FillTogglesFacesAndArcs) {
  DisplayScene p;
  p.Find(p.face)->m_nStyle = 4;
  p.Find(p.face)->m_rgbaColor.a = 90;
  const WORD circle =
      p.Enter(new CGArc(p.Page().m_nNextId++, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, kArcFullTurn, kArcCircle));
  CGCell& arc = *p.Find(circle);
  arc.m_nSubKind = 0;
  arc.m_rgbaColor = RGBA{0, 128, 0, 255};
  arc.m_rgbaLabel = g_prefs.rgbaLabel;
  p.Select({p.face, circle});
  EXPECT_TRUE(Enabled(ID_VIEW_FILL));
  ASSERT_TRUE(p.Run(ID_VIEW_FILL));
  EXPECT_EQ(p.Find(p.face)->m_nStyle, 1);
  EXPECT_EQ(p.Find(p.face)->m_rgbaColor.a, 255);
  EXPECT_EQ(arc.m_nSubKind, 2);
  EXPECT_EQ(arc.m_rgbaLabel, (RGBA{0, 128, 0, g_prefs.rgbaLabel.a})) << "the old colour outlines";
  EXPECT_NE(arc.m_rgbaColor, (RGBA{0, 128, 0, 255})) << "the fill is the next automatic colour";
  EXPECT_TRUE(p.doc.IsModified()) << "style and sub-kind are stored";
  p.Select({circle});
  const RGBA fill = arc.m_rgbaColor, outline = arc.m_rgbaLabel;
  ASSERT_TRUE(p.Run(ID_VIEW_FILL));
  EXPECT_EQ(arc.m_nSubKind, 0);
  EXPECT_EQ(arc.m_rgbaColor.g, outline.g);
  EXPECT_EQ(arc.m_rgbaLabel.r, fill.r);
  EXPECT_EQ(arc.m_rgbaLabel.g, fill.g);
  EXPECT_EQ(arc.m_rgbaLabel.b, fill.b);
}

TEST(DisplayToggles, HideAndShowAllHidden) {
  DisplayScene p;
  EXPECT_FALSE(Enabled(ID_EDIT_SHOWOBJECT));
  p.Select({p.face, p.segment});
  ASSERT_TRUE(p.Run(ID_VIEW_HIDEOBJECTS));
  EXPECT_EQ(p.Find(p.face)->m_bHidden, 1);
  EXPECT_EQ(p.Find(p.segment)->m_bHidden, 1);
  EXPECT_TRUE(p.Page().m_selAll.empty());
  p.Select({p.face});
  EXPECT_FALSE(Enabled(ID_VIEW_HIDEOBJECTS)) << "only hidden cells selected";
  p.Select({});
  p.doc.SetModifiedFlag(false);
  ASSERT_TRUE(p.Run(ID_EDIT_SHOWOBJECT));
  EXPECT_EQ(p.Find(p.face)->m_bHidden, 0);
  EXPECT_EQ(p.Find(p.segment)->m_bHidden, 0);
  EXPECT_EQ(p.Page().m_selAll.size(), 2u);
  EXPECT_TRUE(p.doc.IsModified());
  const auto sent = p.Messages(WM_SELECTION_CHANGED);
  ASSERT_FALSE(sent.empty());
  EXPECT_EQ(sent.back().wParam, 11u);
  EXPECT_EQ(sent.back().lParam, 40000 + p.Page().m_nId);
  EXPECT_FALSE(Enabled(ID_EDIT_SHOWOBJECT));
}

// An overlap's corner point shows as the overlap's first point does, and
// one past the polygon's last corner stays hidden: hiding and showing
// leave them as opening the saved document computes them.
TEST(DisplayToggles, OverlapCornersShowAsTheSavedDocumentReopens) {
  const struct {
    const char* row;
    const char* hidden;  // hidden before: f the first point, c the corner, p the corner past the last
    const char* selected;
    unsigned command;
    bool cornerHidden;
  } rows[] = {
      {"the first point hidden: its corner with it", "", "f", ID_VIEW_HIDEOBJECTS, true},
      {"a corner hidden alone: shown as its first point", "", "c", ID_VIEW_HIDEOBJECTS, false},
      {"all shown: past the last corner stays hidden", "fcp", "", ID_EDIT_SHOWOBJECT, false},
      {"the first point hidden by a show/hide button's step", "", "f", 0, true},
  };
  for (const auto& r : rows) {
    SCOPED_TRACE(r.row);
    DisplayScene p;
    const auto square = [&p](float x, float y) {
      return p.Face({p.Point(x, y), p.Point(x + 2, y), p.Point(x + 2, y + 2), p.Point(x, y + 2)});
    };
    const WORD a = square(0, 0), b = square(1, 1);
    CGPage& page = p.Page();
    page.RebuildVertexArray();
    const WORD first = p.Enter(new CGVerOverlayFaceFirst(page.m_nNextId++, page.m_nNextVertex++, "1", a, b));
    const WORD corner = p.Enter(new CGVerFIF(page.m_nNextId++, page.m_nNextVertex++, "2", first, 1));
    const WORD past = p.Enter(new CGVerFIF(page.m_nNextId++, page.m_nNextVertex++, "3", first, 9));
    page.RebuildVertexArray();
    const std::map<char, WORD> ids{{'f', first}, {'c', corner}, {'p', past}};
    for (const char* c = r.hidden; *c; ++c) p.Find(ids.at(*c))->m_bHidden = 1;
    std::vector<WORD> selected;
    for (const char* c = r.selected; *c; ++c) selected.push_back(ids.at(*c));
    p.Select(selected);
    if (r.command) {
      ASSERT_TRUE(p.Run(r.command));
    } else {
      // A button over the selection, started as a click starts it, steps on
      // the timer.
      const WORD button = p.Enter(new CGButnSHide(page.m_nNextId++));
      {
        const CEditScope click;
        ASSERT_TRUE(page.SetButtonRunning(true, button));
      }
      StepRunningButtons();
    }
    EXPECT_EQ(p.Find(corner)->m_bHidden, r.cornerHidden ? 1 : 0);
    EXPECT_EQ(p.Find(past)->m_bHidden, 1);

    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("overlap.kv"));
    ASSERT_TRUE(p.doc.OnSaveDocument(path));
    CKavrelDoc reopened;
    ASSERT_TRUE(reopened.OnOpenDocument(path, false));
    EXPECT_TRUE(DocumentBytes(reopened) == DocumentBytes(p.doc)) << "reopened, it saves other bytes";
  }
}

TEST(DisplayToggles, EnablingFollowsTheSelectionCounts) {
  struct Row {
    const char* selection;  // p points, l line, f face, a arc, c x reading
    unsigned command;
    bool enabled;
  } const rows[] = {
      {"", ID_VIEW_FILL, false},        {"f", ID_VIEW_FILL, true},          {"a", ID_VIEW_FILL, true},
      {"p", ID_VIEW_FILL, false},       {"", ID_VIEW_RENDERSOLID, false},  {"p", ID_VIEW_RENDERSOLID, true},
      {"c", ID_VIEW_RENDERSOLID, false}, {"l", ID_VIEW_TRANSLUCENT, false}, {"a", ID_VIEW_TRANSLUCENT, true},
      {"", ID_VIEW_WEIGHT_JIA, false},  {"c", ID_VIEW_WEIGHT_JIA, true},   {"f", ID_VIEW_WEIGHT_SHURU, false},
      {"", ID_VIEW_SHOWHIDE_LABEL, false}, {"f", ID_VIEW_TRACE, true},     {"", ID_EDIT_LABEL, false},
      {"p", ID_EDIT_LABEL, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.selection) + " " + std::to_string(row.command));
    DisplayScene p;
    const WORD arc = p.Enter(new CGArc(p.Page().m_nNextId++, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, kArcFullTurn, kArcCircle));
    const WORD reading = p.Enter(new CGTmVarCoordX(p.Page().m_nNextId++, p.pts[0]));
    const std::string s = row.selection;
    p.Select(s == "p" ? std::vector<WORD>{p.pts[0]} : s == "l" ? std::vector<WORD>{p.segment}
             : s == "f" ? std::vector<WORD>{p.face} : s == "a" ? std::vector<WORD>{arc}
             : s == "c" ? std::vector<WORD>{reading} : std::vector<WORD>{});
    EXPECT_EQ(Enabled(row.command), row.enabled);
  }
}

TEST(WeightCommands, StepsStopAtTheirLimits) {
  struct Row {
    bool text;
    float size;
    unsigned command;
    float after;
  } const rows[] = {
      {false, 19.5f, ID_VIEW_WEIGHT_JIA, 19.5f}, {false, 2.0f, ID_VIEW_WEIGHT_JIA, 2.5f},
      {false, 1.0f, ID_VIEW_WEIGHT_JIAN, 1.0f},  {false, 2.0f, ID_VIEW_WEIGHT_JIAN, 1.5f},
      {true, 0.01f, ID_VIEW_WEIGHT_JIA, 0.001f}, {true, 0.001f, ID_VIEW_WEIGHT_JIAN, 0.01f},
      {true, 0.00001f, ID_VIEW_WEIGHT_JIA, 0.00001f},  // the finest step stays
      {true, 0.1f, ID_VIEW_WEIGHT_JIAN, 1.0f},   {true, 1.0f, ID_VIEW_WEIGHT_JIAN, 1.0f},
      {true, 0.001f, ID_VIEW_WEIGHT_MOREN, 0.01f}, {false, 7.0f, ID_VIEW_WEIGHT_MOREN, 2.0f},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::to_string(row.size) + " " + std::to_string(row.command));
    DisplayScene p;
    const WORD id = row.text ? p.Enter(new CGTmVarCoordX(p.Page().m_nNextId++, p.pts[0])) : p.segment;
    p.Find(id)->m_fSize = row.size;
    p.Select({id});
    ASSERT_TRUE(p.Run(row.command));
    EXPECT_FLOAT_EQ(p.Find(id)->m_fSize, row.after);
  }
}

TEST(WeightCommands, TheDialogStartsFromTheFirstPointAndSetsAll) {
  DisplayScene p;
  p.Find(p.pts[1])->m_fSize = 7.0f;
  p.Select({p.segment, p.pts[1], p.pts[2]});
  CDlgWeight answer;
  answer.m_fWeight = 8.0f;
  p.dialogs->Ok(answer);
  ASSERT_TRUE(p.Run(ID_VIEW_WEIGHT_SHURU));
  ASSERT_EQ(p.dialogs->Offered<CDlgWeight>().size(), 1u);
  EXPECT_EQ(p.dialogs->Offered<CDlgWeight>()[0].m_fWeight, 7.0f);
  for (WORD id : {p.segment, p.pts[1], p.pts[2]}) EXPECT_EQ(p.Find(id)->m_fSize, 8.0f);
  EXPECT_TRUE(p.doc.IsModified());
  p.doc.SetModifiedFlag(false);
  p.Run(ID_VIEW_WEIGHT_SHURU);  // cancelled
  EXPECT_FALSE(p.doc.IsModified());
}

TEST(Relabelling, PointsAreNamedInSelectionOrder) {
  DisplayScene p;
  const WORD a = p.pts[0], b = p.pts[1], c = p.pts[2];
  p.Find(a)->m_strName = "A";
  p.Find(b)->m_strName = "B";
  p.Find(c)->m_strName = "C";
  p.Select({c, a, b});
  CDlgLabel answer;
  answer.m_strLetter = "P";
  p.dialogs->Ok(answer);
  const CCmd* step = p.Step();
  ASSERT_TRUE(p.Run(ID_EDIT_LABEL));
  EXPECT_EQ(p.Find(c)->m_strName, "P");
  EXPECT_EQ(p.Find(a)->m_strName, "Q");
  EXPECT_EQ(p.Find(b)->m_strName, "R");
  for (WORD id : {a, b, c}) EXPECT_EQ(p.Find(id)->m_bLabelHidden, 0);
  EXPECT_EQ(p.Find(p.segment)->m_strName, "QR") << "the segment follows its points";
  EXPECT_TRUE(p.doc.IsModified());
  EXPECT_EQ(p.Step(), step);
  EXPECT_FALSE(p.Messages(WM_ITEM_TEXTS).empty());
}

TEST(DisplayCommands, WhatTheyChangeIsSavedAndNoneAddsAnUndoStep) {
  DisplayScene p;
  const CCmd* step = p.Step();
  p.Select({p.pts[0]});
  p.Run(ID_VIEW_HIDEOBJECTS);
  p.Select({p.face});
  p.Run(ID_VIEW_FILL);
  p.Select({p.segment});
  p.Run(ID_VIEW_RENDERSOLID);
  p.Select({p.face});
  p.Run(ID_VIEW_TRANSLUCENT);
  p.Select({p.pts[1]});
  p.Run(ID_VIEW_TRACE);
  p.Run(ID_VIEW_WEIGHT_JIA);
  p.Run(kCmdDashedHiddenLines);
  CDlgLabel answer;
  answer.m_strLetter = "K";
  p.dialogs->Ok(answer);
  p.Select({p.pts[2], p.pts[1]});
  p.Run(ID_EDIT_LABEL);
  EXPECT_EQ(p.Step(), step) << "no undo step";
  EXPECT_TRUE(p.doc.IsModified());

  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("display.kv"));
  ASSERT_TRUE(p.doc.OnSaveDocument(path));
  const QByteArray saved = DocumentBytes(p.doc);
  CKavrelDoc reopened;
  ASSERT_TRUE(reopened.OnOpenDocument(path, false));
  EXPECT_EQ(DocumentBytes(reopened), saved);
  const CGPage& page = *reopened.m_pages.front();
  EXPECT_EQ(page.m_cells.Lookup(p.pts[0])->m_bHidden, 1);
  EXPECT_EQ(page.m_cells.Lookup(p.face)->m_nStyle, 4);
  EXPECT_EQ(page.m_cells.Lookup(p.segment)->m_nStyle, 4);
  EXPECT_TRUE(page.m_cells.Lookup(p.pts[1])->m_bTraced);
  EXPECT_EQ(page.m_cells.Lookup(p.pts[2])->m_strName, "K");
  EXPECT_EQ(page.m_cells.Lookup(p.pts[1])->m_strName, "L");
  EXPECT_EQ(page.m_bLitHidesDashed, 0);
}

}  // namespace
