#include "editing/dispatch/builddispatch.h"

#include <iterator>
#include <span>

#include "cells/dynamic/parameters/userparameter.h"
#include "commands/commandglobals.h"
#include "commands/solids/anchoredsolids.h"
#include "commands/solids/presetsolids.h"
#include "commands/spherecommands.h"
#include "commands/textcommands.h"
#include "editing/buttons/actionbuttoncommands.h"
#include "editing/dispatch/frustumbuilds.h"
#include "editing/dispatch/selectionbuilds.h"
#include "editing/dispatch/selectionshape.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "render/viewglobals.h"

namespace {
using Shape = CSelectionShape;
using Test = bool (*)(const Shape&);
using Build = bool (*)(CKavrelDoc&, const Shape&);

// One link of a tool's chain, the first whose test holds wins: the command
// `id` runs, or `build` makes what it makes; neither: the tool does nothing.
struct CStep {
  Test test;
  unsigned id = 0;
  Build build = nullptr;
};

bool Always(const Shape&) { return true; }

// Runs `id`'s handler, when the command has one.
bool Call(CKavrelDoc& doc, unsigned id) {
  if (const DocCommandHandler handler = FindDocCommand(id)) handler(doc);
  return true;
}

// The command `id`, then the curve command when `id` made no cell.
bool CallOrCurve(CKavrelDoc& doc, unsigned id) {
  const WORD next = g_pCurPage->m_nNextId;
  Call(doc, id);
  if (g_pCurPage && g_pCurPage->m_nNextId == next) Call(doc, ID_CREATE_CURVE);
  return true;
}

WORD FirstPoint() { return g_pCurPage->m_selPoints.front(); }

// The line command of the type drawn last (g_nLineType).
bool LineOfType(CKavrelDoc& doc, const Shape&) {
  constexpr unsigned kLineCommands[] = {ID_CREATE_LINE_SEGMENT, ID_CREATE_LINE_HALF, ID_CREATE_LINE_STRAIGHT,
                                        ID_CREATE_LINE_VECTOR};
  if (g_nLineType >= 0 && g_nLineType < static_cast<int>(std::size(kLineCommands)))
    Call(doc, kLineCommands[g_nLineType]);
  return true;
}

// The formula dialog, opening about the middle of the view.
bool FormulaText(CKavrelDoc& doc, const Shape&) {
  constexpr int kHalfDialogWidth = 300, kHalfDialogHeight = 128;
  InsertVodText(doc, FALSE, g_nViewWidth / 2 - kHalfDialogWidth, g_nViewHeight / 2 - kHalfDialogHeight);
  return true;
}

bool FirstValueIsParameter() { return dynamic_cast<const CGTmVarParameter*>(FirstSelected(&CGPage::m_selValues)); }
// The move button's own test, so that a point it cannot drive gets the
// show/hide button instead of a dialog that ends in a refusal.
bool FirstPointMoves() { return MoveButtonCarries(FirstSelected(&CGPage::m_selPoints)); }

bool HorizontalCircle(CKavrelDoc& doc, const Shape&) { return CreateHorizontalCircle(doc), true; }
bool Cuboid(CKavrelDoc& doc, const Shape&) { return CreateCuboidXyz(doc, FirstPoint()), true; }
bool TriPyramid(CKavrelDoc& doc, const Shape&) { return CreateRegularTriPyramid(doc, FirstPoint()), true; }
bool Tetrahedron(CKavrelDoc& doc, const Shape&) { return CreateRegularTetrahedron(doc), true; }
bool CentredFrustum(CKavrelDoc& doc, const Shape&) { return BuildCentredFrustum(doc, FirstPoint()), true; }
bool FrustumAboutLine(CKavrelDoc& doc, const Shape&) {
  return BuildFrustumAboutLine(doc, g_pCurPage->m_selLines.front()), true;
}
bool StandardFrustum(CKavrelDoc& doc, const Shape&) { return BuildStandardFrustum(doc), true; }
bool LocusOrCurve(CKavrelDoc& doc, const Shape&) { return CallOrCurve(doc, ID_CREATE_LOCUS); }
bool TrackOrCurve(CKavrelDoc& doc, const Shape&) { return CallOrCurve(doc, ID_CREATE_TRACK); }

bool ValuesOnly(const Shape& s) { return s.V >= 1 && s.V <= 3 && s.V == s.K; }
bool TwoOrThreePoints(const Shape& s) { return (s.K == 2 && s.P == 2) || (s.K == 3 && s.P == 3); }
bool PointAndFace(const Shape& s) { return s.K == 2 && s.P == 1 && s.F == 1; }

const CStep kPointSteps[] = {
    {[](const Shape& s) { return s.L == s.K && s.L != 2; }, ID_CREATE_POINT_MIDDLE},
    {[](const Shape& s) { return s.K == 1 && (s.F == 1 || s.A == 1); }, ID_CREATE_POINT_ONOBJECT},
    {[](const Shape& s) { return s.K == 1 && s.P == 1; }, 0, BuildFollowerPoint},
    {[](const Shape& s) {
       return s.K == 2 && (s.L == 2 || s.Ap == 2 || (s.L == 1 && (s.Ap == 1 || s.F == 1)) || (s.Ac == 1 && s.F == 1));
     },
     ID_CREATE_POINT_INTER},
    {[](const Shape& s) { return s.K == 2 && (s.P == 2 || (s.P == 1 && (s.L == 1 || s.F == 1))); }, 0,
     BuildMirrorPoint},
    {[](const Shape& s) { return s.K == 2 && s.Ap == 1 && s.C == 1; }, ID_CREATE_POINT_INOBJ_FT},
    {[](const Shape& s) { return s.K == 3 && s.P == 3; }, ID_CREATE_POINT_PER_EQ},
    // The values: alone they place a point; with a path or points, the
    // point on the path at the value.
    {ValuesOnly, 0, BuildValuePoint},
    {[](const Shape& s) {
       return s.V >= 1 && s.V <= 3 && ((s.K == 2 && (s.L == 1 || s.Ap == 1)) || s.K == s.P + 1);
     },
     ID_CREATE_POINT_INOBJ_FT},
    {[](const Shape& s) { return (s.V == 0 || s.V > 3) && s.K == s.P && s.P > 3; }, ID_CREATE_POINT_INOBJ_FT},
};

const CStep kLineSteps[] = {
    {[](const Shape& s) { return (s.P == s.K && s.P > 1) || s.L == s.K; }, 0, LineOfType},
    {[](const Shape& s) { return s.K == 1 && s.P == 1; }, 0, BuildLevelSegment},
    {[](const Shape& s) { return s.K == 1; }},
    {[](const Shape& s) { return s.P == 1 && (s.L == s.K - 1 || s.F == s.K - 1); }, ID_CREATE_LINE_PERPENDICULAR},
    {[](const Shape& s) { return s.L == 1 && s.P == s.K - 1; }, ID_CREATE_LINE_PARALLEL},
};

const CStep kPolygonSteps[] = {
    {[](const Shape& s) { return s.P == s.K && s.P > 2; }, ID_CREATE_FACE},
    {[](const Shape& s) { return s.F == s.K && TwoLevelFaces(s); }, 0, BuildOverlapFace},
    {[](const Shape& s) { return s.F == s.K; }, ID_VIEW_FILL},
    {PointAndFace, ID_CREATE_FACE_PARFACE},
    {[](const Shape& s) { return s.L == 1 && (s.K == 1 || (s.K == 2 && s.P == 1)); }, ID_CREATE_FACE_PERLINE},
};

const CStep kCircleSteps[] = {
    {[](const Shape& s) { return s.P == s.K && (s.P == 1 || s.P == 2); }, 0, HorizontalCircle},
    {[](const Shape& s) { return s.K == 2 && s.P == 1 && s.V == 1; }, kCmdCreateCircleCR},
    {[](const Shape& s) { return s.P == s.K && s.P == 3; }, ID_CREATE_CIRCLE_3P},
    {[](const Shape& s) { return s.Ac == s.K; }, ID_VIEW_FILL},
};

bool OnePoint(const Shape& s) { return s.K == 1 && s.P == 1; }

const CStep kPrismSteps[] = {
    {OnePoint, 0, Cuboid},
    {PointAndFace, ID_CREATE_SOLID_PRISM},
    {TwoOrThreePoints, ID_CREATE_CYLINDER},
    {Always, ID_CREATE_BOX},
};

const CStep kPyramidSteps[] = {
    {OnePoint, 0, TriPyramid},
    {PointAndFace, ID_CREATE_SOLID_PYRAMID},
    {TwoOrThreePoints, ID_CREATE_CONE},
    {Always, 0, Tetrahedron},
};

const CStep kFrustumSteps[] = {
    {OnePoint, 0, CentredFrustum},
    {[](const Shape& s) { return s.K == 1 && s.L == 1; }, 0, FrustumAboutLine},
    {PointAndFace, ID_CREATE_SOLID_TRUN},
    {[](const Shape& s) { return (s.K == 2 && s.P == 2) || (s.K == 4 && s.P == 4); }, ID_CREATE_PLATFORM},
    {Always, 0, StandardFrustum},
};

const CStep kSphereSteps[] = {
    {[](const Shape& s) { return s.K == 2 && s.P == 2; }, ID_CREATE_GEO},
    {Always, kCmdCreateSphere},
};

const CStep kMeasureSteps[] = {
    {[](const Shape& s) { return s.K == 0 || s.V == s.K; }, ID_MEASURE_FUN},
    {[](const Shape& s) { return s.K == 1 && s.P == 1 && s.C == 1; }, ID_MEASURE_PT},
    {[](const Shape& s) { return s.K == 1 && s.P == 1; }, ID_MEASURE_PXYZ},
    {[](const Shape& s) { return s.K == 1 && s.L == 1; }, ID_MEASURE_D_PP},
    {[](const Shape& s) { return s.K == 1 && s.F == 1; }, ID_MEASURE_AREA},
    {[](const Shape& s) { return s.K == 1 && s.Ac == 1; }, ID_MEASURE_LEN_C},
    {[](const Shape& s) { return s.K == 1 && s.R == 1; }, ID_MEASURE_VOLUME_S},
    {[](const Shape& s) { return s.K == 1; }, ID_MEASURE_FUN},
    {[](const Shape& s) { return s.L == s.K || s.P == s.K; }, ID_MEASURE_D_PP},
    {[](const Shape& s) { return s.K == 2 && s.P == 1 && (s.L == 1 || s.Ac == 1); }, ID_MEASURE_PT},
    {Always, ID_MEASURE_FUN},
};

const CStep kTextSteps[] = {
    {[](const Shape& s) { return s.K == 1; }, ID_EDIT_LABELMOD},
    {[](const Shape& s) { return s.K == 0; }, 0, FormulaText},
    {[](const Shape& s) { return s.P == s.K; }, ID_EDIT_LABEL},
    {[](const Shape& s) { return s.X == s.K; }, ID_EDIT_LABELMOD},
    {Always, 0, FormulaText},
};

const CStep kCurveSteps[] = {
    {[](const Shape& s) { return s.K == 2 && (s.P == 2 || (s.P == 1 && s.V == 1)); }, 0, LocusOrCurve},
    {[](const Shape& s) { return s.C == 1 && s.K == 1 + s.V && (s.V == 0 || s.V == 2); }, 0, TrackOrCurve},
    {Always, ID_CREATE_CURVE},
};

const CStep kButtonSteps[] = {
    {[](const Shape& s) { return s.K == 0; }},
    {[](const Shape& s) { return s.K == 1 && s.P == 1 && s.C != 0; }, ID_EDIT_BTN_ANIMATION},
    {[](const Shape& s) { return s.K == 1 && s.V == 1 && FirstValueIsParameter(); }, ID_EDIT_BTN_ANIMATION},
    {[](const Shape& s) { return s.K == 2 && s.P == 2 && FirstPointMoves(); }, ID_EDIT_BTN_MOVE},
    {[](const Shape& s) { return s.B > 1 && s.B == s.K; }, ID_EDIT_BTN_PRESENTAT},
    {Always, ID_EDIT_BTN_HIDESHOW},
};

// Each tool's chain, by its number; the tools 1 to 4 answer an empty
// selection with 0 at once.
const std::span<const CStep> kChains[] = {
    {},           kPointSteps,   kLineSteps,   kPolygonSteps, kCircleSteps, kPrismSteps, kPyramidSteps,
    kFrustumSteps, kSphereSteps, kMeasureSteps, kTextSteps,   kCurveSteps,  kButtonSteps,
};

// The first step whose test holds acts; whether it did.
bool RunChain(CKavrelDoc& doc, const Shape& s, std::span<const CStep> chain) {
  for (const CStep& step : chain) {
    if (!step.test(s)) continue;
    if (step.build) return step.build(doc, s);
    return step.id && Call(doc, step.id);
  }
  return false;
}

template <EMergedTool kind>
void OnCreateMerged(CKavrelDoc& doc) {
  BuildFromSelection(doc, kind);
}

const CDocCommandRows rows({
    {ID_CREATE_PRISM, OnCreateMerged<kToolPrism>},
    {ID_CREATE_PYRAMID, OnCreateMerged<kToolPyramid>},
    {ID_CREATE_FRUSTUM, OnCreateMerged<kToolFrustum>},
    {ID_CREATE_SPHERE, OnCreateMerged<kToolSphere>},
    {ID_CREATE_MEASCALC, OnCreateMerged<kToolMeasure>},
    {ID_CREATE_TEXTLABEL, OnCreateMerged<kToolText>},
    {ID_CREATE_CURVE_LOCUS, OnCreateMerged<kToolCurve>},
});
}  // namespace

int BuildFromSelection(CKavrelDoc& doc, int kind) {
  CGPage* page = g_pCurPage;
  if (!page || kind < kToolPoint || kind > kToolButton) return 0;
  const Shape s = ReadSelectionShape();
  if (s.K == 0 && kind <= kToolCircle) return 0;
  const int firstSlot = page->m_nNextVertex;
  const bool acted = RunChain(doc, s, kChains[kind]);
  if (kind == kToolPoint) return g_pCurPage == page ? page->m_nNextVertex - firstSlot : 0;
  if (kind >= kToolPrism && kind <= kToolCurve) return 0;
  return acted ? 1 : 0;
}
