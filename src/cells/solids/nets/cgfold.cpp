#include "cells/solids/nets/cgfold.h"

#include <cmath>

#include "cells/primitives/cornerpoints.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/nets/nettexts.h"
#include "platform/archive.h"

IMPLEMENT_SERIAL(CGFold, CGCell)

CGFold::CGFold() { m_nStyle = 0; }

CGFold::CGFold(WORD id, WORD hullId, const QString& name, int style, int unfoldMode) : CGFold() {
  m_nId = id;
  m_strName = name;
  m_nStyle = static_cast<BYTE>(style);
  m_nUnfoldMode = unfoldMode;
  AppendParent(*this, hullId);
  if (CGPolyhedron* hull = ParentAs<CGPolyhedron>(0)) hull->m_nStyle = kHullSolidLines;
  m_fValue = 1.0f;
  CGFold::Recalculate();
}

QString CGFold::GetDescription() { return QString::fromUtf8(kTextFoldDescription); }

void CGFold::Serialize(CArchive& ar) {
  CGCell::Serialize(ar);
  if (ar.IsStoring()) {
    ar << static_cast<std::int32_t>(m_nUnfoldMode);
  } else {
    m_nUnfoldMode = ar.ReadInt();
  }
}

void CGFold::Recalculate() {
  CGPolyhedron* hull = ParentAs<CGPolyhedron>(0);
  if (hull) {
    BuildNet(*hull);
  } else {
    NetFaces.clear();
    HasRoot = false;
  }
}

double CGFold::FoldFraction(int level, double t) const {
  const double k = std::trunc(t - 1e-10);
  if (m_nUnfoldMode == kAllAtOnce) {
    if (k < 1) return level == 0 ? t : 0.0;
    return level == 0 ? 1.0 : t - k;
  }
  if (level == k) return t - k;
  return level < k ? 1.0 : 0.0;
}

namespace {

constexpr double kRadians = 1 / 57.29577951308232;

// a x b for rigid motions stored as rows (r00 r01 r02 tx | ...).
FoldMatrix Times(const FoldMatrix& a, const FoldMatrix& b) {
  FoldMatrix c{};
  for (int r = 0; r < 3; ++r) {
    for (int col = 0; col < 4; ++col) {
      double v = col == 3 ? a[static_cast<size_t>(4 * r + 3)] : 0.0;
      for (int k = 0; k < 3; ++k) v += a[static_cast<size_t>(4 * r + k)] * b[static_cast<size_t>(4 * k + col)];
      c[static_cast<size_t>(4 * r + col)] = v;
    }
  }
  return c;
}

FoldMatrix Translation(double x, double y, double z) { return {1, 0, 0, x, 0, 1, 0, y, 0, 0, 1, z}; }

FoldMatrix AboutZ(double degrees) {
  const double c = std::cos(degrees * kRadians), s = std::sin(degrees * kRadians);
  return {c, -s, 0, 0, s, c, 0, 0, 0, 0, 1, 0};
}

FoldMatrix AboutX(double degrees) {
  const double c = std::cos(degrees * kRadians), s = std::sin(degrees * kRadians);
  return {1, 0, 0, 0, 0, c, -s, 0, 0, s, c, 0};
}

}  // namespace

kvmath::WideVec FoldPlaced(const FoldMatrix& m, const kvmath::WideVec& p) {
  return {m[0] * p.x + m[1] * p.y + m[2] * p.z + m[3], m[4] * p.x + m[5] * p.y + m[6] * p.z + m[7],
          m[8] * p.x + m[9] * p.y + m[10] * p.z + m[11]};
}

// The same chain the drawing walks (hinge point, hinge direction about z,
// the folded part of the fold angle about x, offset, own direction about
// z), composed here rather than on GL's matrix stack, which a deep net
// would overflow.
void CGFold::PrepareChains() {
  m_hinges.resize(NetFaces.size());
  m_placements.resize(NetFaces.size());
  for (size_t i = 0; i < NetFaces.size(); ++i) {
    const FoldFace& f = NetFaces[i];
    m_hinges[i] = Times(Translation(f.HingePoint[0], f.HingePoint[1], 0), AboutZ(f.HingeDirection));
    m_placements[i] = Times(Translation(f.Offset[0], f.Offset[1], f.Offset[2]), AboutZ(f.OwnDirection));
  }
}

void CGFold::FaceMatrices(double t, std::vector<FoldMatrix>& out) const {
  out.assign(NetFaces.size(), FoldMatrix{});
  if (!HasRoot || m_hinges.size() != NetFaces.size()) return;
  std::vector<int> stack{0};
  std::vector<BYTE> placed(NetFaces.size(), 0);
  const FoldMatrix start = Translation(NetOffset[0], NetOffset[1], NetOffset[2]);
  while (!stack.empty()) {
    const int i = stack.back();
    stack.pop_back();
    const size_t at = static_cast<size_t>(i);
    const FoldFace& f = NetFaces[at];
    const FoldMatrix& above = f.Parent < 0 ? start : out[static_cast<size_t>(f.Parent)];
    const FoldMatrix folded = Times(m_hinges[at], AboutX(f.FoldAngle * FoldFraction(f.Level, t)));
    out[at] = Times(above, Times(folded, m_placements[at]));
    placed[at] = 1;
    for (int child : f.Children)
      if (!placed[static_cast<size_t>(child)]) stack.push_back(child);
  }
}

std::vector<kvmath::WideVec> CGFold::PlacedCorners(int face, double t) const {
  std::vector<FoldMatrix> matrices;
  FaceMatrices(t, matrices);
  std::vector<kvmath::WideVec> corners;
  for (const kvmath::WideVec& c : NetFaces[static_cast<size_t>(face)].Corners)
    corners.push_back(FoldPlaced(matrices[static_cast<size_t>(face)], c));
  return corners;
}
