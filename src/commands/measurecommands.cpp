#include "commands/measurecommands.h"

#include <utility>
#include <vector>

#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/measures/pointreadings.h"
#include "cells/dynamic/measures/roundmeasures.h"
#include "cells/primitives/cgarc.h"
#include "cells/primitives/cgline.h"
#include "cells/revolution/roundsolids.h"
#include "commands/circlecommands.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"

namespace {
const CGPage& Sel() { return *g_pCurPage; }

// The selection patterns, by the counts of the selection lists: exactly P
// points, L lines and F faces and nothing else.
template <int P, int L, int F>
bool Only() {
  const CSelectionCounts n = CountSelection();
  return n.P == P && n.L == L && n.F == F && n.T == P + L + F;
}
constexpr auto OnePointAlone = Only<1, 0, 0>;
constexpr auto PointAndLine = Only<1, 1, 0>;
constexpr auto PointAndFace = Only<1, 0, 1>;
constexpr auto TwoLines = Only<0, 2, 0>;
constexpr auto TwoFaces = Only<0, 0, 2>;
constexpr auto LineAndFace = Only<0, 1, 1>;
constexpr auto ThreePointsAlone = Only<3, 0, 0>;
constexpr auto OneFaceAlone = Only<0, 0, 1>;
bool PointsOrLines() {
  const CSelectionCounts n = CountSelection();
  return n.P > 1 || n.L > 0;
}
bool FourPoints() { return CountSelection().P == 4; }

// The one selected cell when it is in `list` and of class `kind`, else null.
const CGCell* OnlySelected(const std::vector<WORD>& list, const CRuntimeClass* kind) {
  const CSelectionCounts n = CountSelection();
  if (n.T != 1 || list.size() != 1) return nullptr;
  const CGCell* cell = Sel().m_cells.Lookup(list.front());
  return cell && cell->IsKindOf(kind) ? cell : nullptr;
}
bool OneCircleAlone() { return g_pCurPage && OnlySelected(Sel().m_selPaths, RUNTIME_CLASS(CGArc)); }

// What the two solid measures make of each kind of round solid, tested in
// this order: the area, then the volume.
template <class T>
CGCell* MeasureOf(WORD id, WORD solid) {
  return new T(id, solid);
}
struct SolidMeasures {
  const CRuntimeClass* solid;
  CGCell* (*make[2])(WORD id, WORD solid);
  const char* const* labels;
};
const SolidMeasures kSolidMeasures[] = {
    {RUNTIME_CLASS(CGCylinder), {MeasureOf<CGTmVarAreaCylinder>, MeasureOf<CGTmVarVolumeCylinder>}, kCmdNameCylinder},
    {RUNTIME_CLASS(CGCone), {MeasureOf<CGTmVarAreaCone>, MeasureOf<CGTmVarVolumeCone>}, kCmdNameCone},
    {RUNTIME_CLASS(CGFrustum), {MeasureOf<CGTmVarAreaFrustum>, MeasureOf<CGTmVarVolumeFrustum>}, kCmdNameFrustum},
    {RUNTIME_CLASS(CGSphere), {MeasureOf<CGTmVarAreaSphere>, MeasureOf<CGTmVarVolumeSphere>}, kCmdNameSphere},
};

// The row of the one selected solid, or null.
const SolidMeasures* SelectedSolid() {
  if (!g_pCurPage) return nullptr;
  for (const SolidMeasures& row : kSolidMeasures)
    if (OnlySelected(Sel().m_selSolids, row.solid)) return &row;
  return nullptr;
}
bool OneRoundSolidAlone() { return SelectedSolid() != nullptr; }

void MeasureSolid(CKavrelDoc& doc, int volume) {
  const SolidMeasures* row = SelectedSolid();
  if (!row) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  build.Add(row->make[volume](build.NextId(), Sel().m_selSolids.front()));
  build.Commit(QString::fromUtf8(row->labels[volume]));
}

// The pairs of points a distance command measures: the end points of each
// selected line, else the selected points as a chain, closed from three on.
// Empty when a line is not one with its two points.
std::vector<std::pair<WORD, WORD>> DistancePairs() {
  const CGPage& page = Sel();
  std::vector<std::pair<WORD, WORD>> pairs;
  if (!page.m_selLines.empty()) {
    for (WORD id : page.m_selLines) {
      const CGCell* line = page.m_cells.Lookup(id);
      if (!line || !line->IsKindOf(RUNTIME_CLASS(CGLine)) || line->m_parents.size() < 2) return {};
      pairs.emplace_back(line->m_parents[0], line->m_parents[1]);
    }
    return pairs;
  }
  const std::vector<WORD>& p = page.m_selPoints;
  for (std::size_t k = 1; k < p.size(); ++k) pairs.emplace_back(p[k - 1], p[k]);
  if (p.size() >= 3) pairs.emplace_back(p.back(), p.front());
  return pairs;
}

const CDocCommandRows rows({
    {ID_MEASURE_COORD_X, OnMeasureCoordX, EnableWhen<OnePointAlone>},
    {ID_MEASURE_COORD_Y, OnMeasureCoordY, EnableWhen<OnePointAlone>},
    {ID_MEASURE_COORD_Z, OnMeasureCoordZ, EnableWhen<OnePointAlone>},
    {ID_MEASURE_D_PP, OnMeasureDPp, EnableWhen<PointsOrLines>},
    {ID_MEASURE_D_PL, OnMeasureDPl, EnableWhen<PointAndLine>},
    {ID_MEASURE_D_PF, OnMeasureDPf, EnableWhen<PointAndFace>},
    {ID_MEASURE_D_LL, OnMeasureDLl, EnableWhen<TwoLines>},
    {ID_MEASURE_LLA, OnMeasureLla, EnableWhen<TwoLines>},
    {ID_MEASURE_FFA, OnMeasureFfa, EnableWhen<TwoFaces>},
    {ID_MEASURE_LFA, OnMeasureLfa, EnableWhen<LineAndFace>},
    {ID_MEASURE_ANGLE, OnMeasureAngle, OnUpdateCreateCircle3p},
    {ID_MEASURE_AREA, OnMeasureArea, EnableWhen<OneFaceAlone>},
    {ID_MEASURE_VOLUME, OnMeasureVolume, EnableWhen<FourPoints>},
    {ID_MEASURE_LEN_C, OnMeasureLenC, EnableWhen<OneCircleAlone>},
    {ID_MEASURE_AREA_C, OnMeasureAreaC, EnableWhen<OneCircleAlone>},
    {ID_MEASURE_RADIUS, OnMeasureRadius, EnableWhen<OneCircleAlone>},
    {ID_MEASURE_AREA_S, OnMeasureAreaS, EnableWhen<OneRoundSolidAlone>},
    {ID_MEASURE_VOLUME_S, OnMeasureVolumeS, EnableWhen<OneRoundSolidAlone>},
});
}  // namespace

void OnMeasureCoordX(CKavrelDoc& doc) {
  if (OnePointAlone()) BuildOne<CGTmVarCoordX>(doc, kCmdNameCoord[0], Sel().m_selPoints[0]);
}
void OnMeasureCoordY(CKavrelDoc& doc) {
  if (OnePointAlone()) BuildOne<CGTmVarCoordY>(doc, kCmdNameCoord[1], Sel().m_selPoints[0]);
}
void OnMeasureCoordZ(CKavrelDoc& doc) {
  if (OnePointAlone()) BuildOne<CGTmVarCoordZ>(doc, kCmdNameCoord[2], Sel().m_selPoints[0]);
}

void OnMeasureDPp(CKavrelDoc& doc) {
  if (!PointsOrLines()) return;
  const std::vector<std::pair<WORD, WORD>> pairs = DistancePairs();
  for (auto [a, b] : pairs)
    if (!AllOnPage({a, b})) return;
  if (pairs.empty()) return;
  CConstruction build(doc);
  if (!build.MakeRoom(static_cast<int>(pairs.size()))) return;
  for (auto [a, b] : pairs) build.Add(new CGTmVarDistancePP(build.NextId(), a, b));
  build.Commit(QString::fromUtf8(kCmdNameDistancePP));
}

void OnMeasureDPl(CKavrelDoc& doc) {
  if (PointAndLine()) BuildOne<CGTmVarDistancePL>(doc, kCmdNameDistancePL, Sel().m_selPoints[0], Sel().m_selLines[0]);
}
void OnMeasureDPf(CKavrelDoc& doc) {
  if (PointAndFace()) BuildOne<CGTmVarDistancePF>(doc, kCmdNameDistancePF, Sel().m_selPoints[0], Sel().m_selFaces[0]);
}
void OnMeasureDLl(CKavrelDoc& doc) {
  if (TwoLines()) BuildOne<CGTmVarDistanceLL>(doc, kCmdNameDistanceLL, Sel().m_selLines[0], Sel().m_selLines[1]);
}
void OnMeasureLla(CKavrelDoc& doc) {
  if (TwoLines()) BuildOne<CGTmVarAngleLL>(doc, kCmdNameAngleLL, Sel().m_selLines[0], Sel().m_selLines[1]);
}
void OnMeasureFfa(CKavrelDoc& doc) {
  if (TwoFaces()) BuildOne<CGTmVarAngleFF>(doc, kCmdNameAngleFF, Sel().m_selFaces[0], Sel().m_selFaces[1]);
}
void OnMeasureLfa(CKavrelDoc& doc) {
  if (LineAndFace()) BuildOne<CGTmVarAngleLF>(doc, kCmdNameAngleLF, Sel().m_selLines[0], Sel().m_selFaces[0]);
}

void OnMeasureAngle(CKavrelDoc& doc) {
  if (!ThreePointsAlone()) return;
  const std::vector<WORD>& p = Sel().m_selPoints;
  BuildOne<CGTmVarAngleP3>(doc, kCmdNameAngleP3, p[0], p[1], p[2]);
}

void OnMeasureArea(CKavrelDoc& doc) {
  if (OneFaceAlone()) BuildOne<CGTmVarArea>(doc, kCmdNameArea, Sel().m_selFaces[0]);
}

void OnMeasureVolume(CKavrelDoc& doc) {
  if (!FourPoints()) return;
  const std::vector<WORD>& p = Sel().m_selPoints;
  BuildOne<CGTmVarVolume>(doc, kCmdNameVolume, p[0], p[1], p[2], p[3]);
}

void OnMeasureLenC(CKavrelDoc& doc) {
  if (OneCircleAlone()) BuildOne<CGTmVarLenArc>(doc, kCmdNameLenArc, Sel().m_selPaths[0]);
}
void OnMeasureAreaC(CKavrelDoc& doc) {
  if (OneCircleAlone()) BuildOne<CGTmVarAreaCircle>(doc, kCmdNameAreaCircle, Sel().m_selPaths[0]);
}
void OnMeasureRadius(CKavrelDoc& doc) {
  if (OneCircleAlone()) BuildOne<CGTmVarRadius>(doc, kCmdNameRadius, Sel().m_selPaths[0]);
}

void OnMeasureAreaS(CKavrelDoc& doc) { MeasureSolid(doc, 0); }
void OnMeasureVolumeS(CKavrelDoc& doc) { MeasureSolid(doc, 1); }
