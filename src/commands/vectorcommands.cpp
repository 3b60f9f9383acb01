#include "commands/vectorcommands.h"

#include <vector>

#include "cells/dynamic/vectors/vectormeasures.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/primitives/cgface.h"
#include "cells/primitives/cgline.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"

namespace {
const CGPage& Sel() { return *g_pCurPage; }

// The selected values when there are exactly n and all are vectors, else
// none.
std::vector<WORD> SelectedVectors(std::size_t n) {
  if (!g_pCurPage || Sel().m_selValues.size() != n) return {};
  for (WORD id : Sel().m_selValues) {
    const CGCell* cell = Sel().m_cells.Lookup(id);
    if (!cell || !cell->IsKindOf(RUNTIME_CLASS(CGTmVector))) return {};
  }
  return Sel().m_selValues;
}

// The scalar and the vector of two selected values, scalar first, or none.
std::vector<WORD> ScalarAndVector() {
  if (!g_pCurPage || Sel().m_selValues.size() != 2) return {};
  const auto is = [](WORD id, const CRuntimeClass* kind) {
    const CGCell* cell = Sel().m_cells.Lookup(id);
    return cell && cell->IsKindOf(kind);
  };
  const WORD first = Sel().m_selValues[0], second = Sel().m_selValues[1];
  if (is(first, RUNTIME_CLASS(CGTmVariable)) && is(second, RUNTIME_CLASS(CGTmVector))) return {first, second};
  if (is(second, RUNTIME_CLASS(CGTmVariable)) && is(first, RUNTIME_CLASS(CGTmVector))) return {second, first};
  return {};
}

// The first n parents of the one selected cell of `list` when it is of
// class `kind` and has them, else none.
std::vector<WORD> ParentsOfOnly(const std::vector<WORD>& list, const CRuntimeClass* kind, std::size_t n) {
  if (list.size() != 1) return {};
  const CGCell* cell = Sel().m_cells.Lookup(list.front());
  if (!cell || !cell->IsKindOf(kind) || cell->m_parents.size() < n) return {};
  return {cell->m_parents.begin(), cell->m_parents.begin() + static_cast<std::ptrdiff_t>(n)};
}

// The points a vector reads: n selected points, else the first n points of
// the one selected line or face.
std::vector<WORD> PointsOrPartsOf(std::size_t n, std::vector<WORD> CGPage::*list, const CRuntimeClass* kind) {
  if (!g_pCurPage) return {};
  if (Sel().m_selPoints.size() == n) return Sel().m_selPoints;
  return ParentsOfOnly(Sel().*list, kind, n);
}
std::vector<WORD> VectorEnds() { return PointsOrPartsOf(2, &CGPage::m_selLines, RUNTIME_CLASS(CGLine)); }
std::vector<WORD> PlanePoints() { return PointsOrPartsOf(3, &CGPage::m_selFaces, RUNTIME_CLASS(CGFace)); }

bool SomePoints() { return CountSelection().P > 0; }
bool TwoPointsOrALine() { return !VectorEnds().empty(); }
bool ThreePointsOrAFace() { return !PlanePoints().empty(); }
bool OneVector() { return !SelectedVectors(1).empty(); }
bool TwoVectors() { return !SelectedVectors(2).empty(); }
bool ThreeVectors() { return !SelectedVectors(3).empty(); }
bool OneScalarOneVector() { return !ScalarAndVector().empty(); }

// One cell of class T on the two selected vectors, in selection order.
template <class T>
void OnTwoVectors(CKavrelDoc& doc, const char* label) {
  const std::vector<WORD> v = SelectedVectors(2);
  if (!v.empty()) BuildOne<T>(doc, label, v[0], v[1]);
}

const CDocCommandRows rows({
    {ID_MEASURE_PXYZ, OnMeasurePxyz, EnableWhen<SomePoints>},
    {ID_MEASURE_VXYZ, OnMeasureVxyz, EnableWhen<TwoPointsOrALine>},
    {ID_MEASURE_VECFN, OnMeasureVecfn, EnableWhen<ThreePointsOrAFace>},
    {ID_MEASURE_VEC_HE, OnMeasureVecHe, EnableWhen<TwoVectors>},
    {ID_MEASURE_VEC_CHA, OnMeasureVecCha, EnableWhen<TwoVectors>},
    {ID_MEASURE_VEC_SHUCHENG, OnMeasureVecShucheng, EnableWhen<OneScalarOneVector>},
    {ID_MEASURE_VEC_SHIJI, OnMeasureVecShiji, EnableWhen<TwoVectors>},
    {ID_MEASURE_VEC_SHUJI, OnMeasureVecShuji, EnableWhen<TwoVectors>},
    {ID_MEASURE_VEC_MO, OnMeasureVecMo, EnableWhen<OneVector>},
    {ID_MEASURE_VEC_HUNJI, OnMeasureVecHunji, EnableWhen<ThreeVectors>},
    {ID_MEASURE_VEC_COMPONENT, OnMeasureVecComponent, EnableWhen<OneVector>},
});
}  // namespace

void OnMeasurePxyz(CKavrelDoc& doc) {
  if (!SomePoints()) return;
  const std::vector<WORD> points = Sel().m_selPoints;
  for (WORD point : points)
    if (!AllOnPage({point})) return;
  CConstruction build(doc);
  if (!build.MakeRoom(static_cast<int>(points.size()))) return;
  for (WORD point : points) build.Add(new CGTmVectorPoint(build.NextId(), point));
  build.Commit(QString::fromUtf8(kCmdNamePointVectors));
}

void OnMeasureVxyz(CKavrelDoc& doc) {
  const std::vector<WORD> p = VectorEnds();
  if (!p.empty()) BuildOne<CGTmVectorPP>(doc, kCmdNameVectorPP, p[0], p[1]);
}

void OnMeasureVecfn(CKavrelDoc& doc) {
  const std::vector<WORD> p = PlanePoints();
  if (!p.empty()) BuildOne<CGTmVectorNface>(doc, kCmdNameNormal, p[0], p[1], p[2]);
}

void OnMeasureVecHe(CKavrelDoc& doc) { OnTwoVectors<CGTmVectorAdd>(doc, kCmdNameVectorSum); }
void OnMeasureVecCha(CKavrelDoc& doc) { OnTwoVectors<CGTmVectorMinus>(doc, kCmdNameVectorDifference); }
void OnMeasureVecShiji(CKavrelDoc& doc) { OnTwoVectors<CGTmVectorCross>(doc, kCmdNameVectorCross); }
void OnMeasureVecShuji(CKavrelDoc& doc) { OnTwoVectors<CGTmVarVectorDot>(doc, kCmdNameVectorDot); }

void OnMeasureVecShucheng(CKavrelDoc& doc) {
  const std::vector<WORD> kv = ScalarAndVector();
  if (!kv.empty()) BuildOne<CGTmVectorScaled>(doc, kCmdNameVectorScaled, kv[0], kv[1]);
}

void OnMeasureVecMo(CKavrelDoc& doc) {
  const std::vector<WORD> v = SelectedVectors(1);
  if (!v.empty()) BuildOne<CGTmVarVectorLength>(doc, kCmdNameVectorLength, v[0]);
}

void OnMeasureVecHunji(CKavrelDoc& doc) {
  const std::vector<WORD> v = SelectedVectors(3);
  if (!v.empty()) BuildOne<CGTmVarVecProduct>(doc, kCmdNameTripleProduct, v[0], v[1], v[2]);
}

void OnMeasureVecComponent(CKavrelDoc& doc) {
  const std::vector<WORD> v = SelectedVectors(1);
  if (v.empty()) return;
  CConstruction build(doc);
  if (!build.MakeRoom(3)) return;
  build.Add(new CGTmVarVectorComponentX(build.NextId(), v[0]));
  build.Add(new CGTmVarVectorComponentY(build.NextId(), v[0]));
  build.Add(new CGTmVarVectorComponentZ(build.NextId(), v[0]));
  build.Commit(QString::fromUtf8(kCmdNameVectorComponents));
}
