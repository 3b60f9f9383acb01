#include "commands/solids/hullcommands.h"

#include <cmath>
#include <memory>

#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/solids/cgpolyhedron.h"
#include "cells/solids/cgsection.h"
#include "cells/solids/convexhull.h"
#include "cells/solids/nets/cgfold.h"
#include "cells/solids/nets/cgsplit.h"
#include "commands/commandframe.h"
#include "commands/solids/hullcommandtexts.h"
#include "model/cgpage.h"
#include "model/cgvertex.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "model/undo/cmdcells.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {

constexpr double kSixthTurn = 1.0471975511965976;

void Add(std::vector<double>& out, double x, double y, double z) { out.insert(out.end(), {x, y, z}); }

// The box of half sizes (x, y, z) in the order the hull command lists it.
void Box(std::vector<double>& out, double x, double y, double z) {
  for (double h : {-z, z}) {
    Add(out, x, y, h);
    Add(out, -x, y, h);
    Add(out, -x, -y, h);
    Add(out, x, -y, h);
  }
}

void Hexagon(std::vector<double>& out, double radius, double z) {
  for (int k = 0; k < 6; ++k) Add(out, radius * std::cos(k * kSixthTurn), radius * std::sin(k * kSixthTurn), z);
}

void Scaled(std::vector<double>& out, std::initializer_list<double> list, double scale) {
  for (double v : list) out.push_back(v * scale);
}

void Dodecahedron(std::vector<double>& out) {
  const double g = (std::sqrt(5.0) - 1) / 2, h = g + 1;
  Scaled(out, {-h, 0, g,  h,  0,  g,  -1, -1, -1, -1, -1, 1,  -1, 1,  -1, -1, 1, 1,  1,  -1,
               -1, 1, -1, 1,  1,  1,  -1, 1,  1,  1,  g,  h,  0,  g,  -h, 0,  -g, h, 0,  -g,
               -h, 0, -h, 0,  -g, h,  0,  -g, 0,  g,  h,  0,  g,  -h, 0,  -g, h,  0, -g, -h},
         6 / std::sqrt(3.0));
}

void Icosahedron(std::vector<double>& out) {
  const double p = std::sqrt((5 - std::sqrt(5.0)) / 10), q = std::sqrt((5 + std::sqrt(5.0)) / 10);
  Scaled(out, {-p, 0, q, p, 0, q, -p, 0, -q, p, 0, -q, 0, q, p, 0, q, -p,
               0, -q, p, 0, -q, -p, q, p, 0, -q, p, 0, q, -p, 0, -q, -p, 0},
         6);
}

}  // namespace

std::vector<double> PresetHullPoints(int set) {
  std::vector<double> out;
  switch (set) {
    case 1: Box(out, 5, 4, 3); break;
    case 2: Hexagon(out, 6, -5); Hexagon(out, 6, 5); break;
    case 3: Hexagon(out, 6, -5); Add(out, 0, 0, 5); break;
    case 4: Hexagon(out, 6, -5); Hexagon(out, 3, 5); break;
    case 5: {
      const double c = 10 / std::sqrt(3.0);
      Add(out, -c, -c, -c), Add(out, c, c, -c), Add(out, -c, c, c), Add(out, c, -c, c);
      break;
    }
    case 7:
      Add(out, 6, 0, 0), Add(out, -6, 0, 0), Add(out, 0, 6, 0), Add(out, 0, -6, 0), Add(out, 0, 0, 6),
          Add(out, 0, 0, -6);
      break;
    case 8: Dodecahedron(out); break;
    case 9: Icosahedron(out); break;
    default: Box(out, 5, 5, 5); break;
  }
  return out;
}

std::vector<double> SelectedPointCoordinates() {
  std::vector<double> out;
  for (WORD id : SelectedPoints()) {
    const CGCell* cell = g_pCurPage->m_cells.Lookup(id);
    if (!cell || !cell->IsKindOf(RUNTIME_CLASS(CGVertex))) continue;
    const float* p = static_cast<const CGVertex*>(cell)->m_vPos;
    Add(out, p[0], p[1], p[2]);
  }
  return out;
}

bool AddHull(CKavrelDoc& doc, const std::vector<double>& points, const QString& label, int style, BOOL hidden) {
  if (!g_pCurPage) return false;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return false;
  auto hull = std::make_unique<CGPolyhedron>();
  hull->m_nId = build.NextId();
  hull->m_strName = label;
  // An unbuilt construction takes its id back.
  if (!BuildConvexHull(points.data(), static_cast<int>(points.size() / 3), *hull)) return false;
  hull->m_nStyle = static_cast<BYTE>(style);
  hull->m_bHidden = hidden;
  build.Add(hull.release());
  build.Commit(QString::fromUtf8(kCmdNameHull));
  return true;
}

WORD SelectedHull() {
  if (!g_pCurPage || g_pCurPage->m_selOthers.size() != 1) return 0;
  const WORD id = g_pCurPage->m_selOthers.front();
  const CGCell* cell = g_pCurPage->m_cells.Lookup(id);
  return cell && cell->IsKindOf(RUNTIME_CLASS(CGPolyhedron)) ? id : 0;
}

namespace {

// Making a net shows its hull in plain lines and sorts the hull's faces;
// making a cut shows its hull.  Undoing either puts the hull back as it was
// before, redoing applies the changes again.
class CCmdAddOverHull : public CCmdAddCells {
 public:
  struct CHullState {
    BYTE style = 0;
    BOOL hidden = 0;
    std::vector<PolyhedronFace> faces;
  };
  CCmdAddOverHull(int n, const QString& name, WORD hull, CHullState before)
      : CCmdAddCells(n, name), m_nHull(hull), m_before(std::move(before)) {
    if (const CGPolyhedron* h = Hull()) m_after = State(*h);
  }
  static CHullState State(const CGPolyhedron& hull) { return {hull.m_nStyle, hull.m_bHidden, hull.Faces}; }
  BOOL Undo() override {
    if (!CCmdAddCells::Undo()) return 0;
    Put(m_before);
    return 1;
  }
  BOOL Redo() override {
    Put(m_after);
    return CCmdAddCells::Redo();
  }

 private:
  CGPolyhedron* Hull() const {
    CGCell* cell = g_pCurPage ? g_pCurPage->m_cells.Lookup(m_nHull) : nullptr;
    return cell && cell->IsKindOf(RUNTIME_CLASS(CGPolyhedron)) ? static_cast<CGPolyhedron*>(cell) : nullptr;
  }
  void Put(const CHullState& state) const {
    if (CGPolyhedron* h = Hull()) {
      h->m_nStyle = state.style;
      h->m_bHidden = state.hidden;
      h->Faces = state.faces;
    }
  }
  WORD m_nHull;
  CHullState m_before, m_after;
};

CGButnAnimation* MakeButton(CConstruction& build, const char* caption, WORD driven, float start, float end,
                            std::int32_t direction, float pause) {
  auto* button = build.Add(new CGButnAnimation(build.NextId(), QString::fromUtf8(caption), driven, start, end,
                                               direction, 0, 0.03f, pause));
  button->m_nSubKind = 0;
  return button;
}

}  // namespace

bool AddNet(CKavrelDoc& doc, WORD hullId, const QString& label, int style, int unfoldMode, BOOL hidden) {
  auto* hull = g_pCurPage ? static_cast<CGPolyhedron*>(g_pCurPage->m_cells.Lookup(hullId)) : nullptr;
  if (!hull || !hull->IsKindOf(RUNTIME_CLASS(CGPolyhedron))) return false;
  CConstruction build(doc);
  if (!build.MakeRoom(2)) return false;
  CCmdAddOverHull::CHullState before = CCmdAddOverHull::State(*hull);
  CGFold* net = build.Add(new CGFold(build.NextId(), hullId, label, style, unfoldMode));
  net->m_bHidden = hidden;
  const float end = unfoldMode == CGFold::kAllAtOnce ? 2.0f : static_cast<float>(net->DeepestLevel + 1);
  MakeButton(build, kTextNetButton, net->m_nId, 1.0f, end, CGButnAnimation::kBothWays, 1.0f);
  build.Commit(std::make_unique<CCmdAddOverHull>(2, QString::fromUtf8(kCmdNameNet), hullId, std::move(before)));
  return true;
}

bool AddCut(CKavrelDoc& doc, WORD hullId, int planes, bool planesFromFaces, double distance, int style,
            const QString& name) {
  auto* hull = g_pCurPage ? static_cast<CGPolyhedron*>(g_pCurPage->m_cells.Lookup(hullId)) : nullptr;
  if (!hull || !hull->IsKindOf(RUNTIME_CLASS(CGPolyhedron))) return false;
  CConstruction build(doc);
  if (!build.MakeRoom(2)) return false;
  CCmdAddOverHull::CHullState before = CCmdAddOverHull::State(*hull);
  CGSplit* cut = build.Add(new CGSplit(build.NextId(), hullId, planes, planesFromFaces ? 1 : 0, distance));
  cut->m_nStyle = static_cast<BYTE>(style);
  cut->m_strName = name;
  MakeButton(build, kTextCutButton, cut->m_nId, 0.0f, static_cast<float>(planes), CGButnAnimation::kForward, 0.0f);
  build.Commit(std::make_unique<CCmdAddOverHull>(2, QString::fromUtf8(kCmdNameCut), hullId, std::move(before)));
  return true;
}

namespace {
bool OneHull() { return SelectedHull() != 0; }
bool HullAndFace() { return OneHull() && g_pCurPage->m_selFaces.size() == 1; }
}  // namespace

void OnUpdatePolyhedronOne(CKavrelDoc& doc, CCmdUI& ui) { EnableWhen<OneHull>(doc, ui); }
void OnUpdateSection(CKavrelDoc& doc, CCmdUI& ui) { EnableWhen<HullAndFace>(doc, ui); }

void OnSection(CKavrelDoc& doc) {
  if (!HullAndFace()) return;
  BuildOne<CGSection>(doc, kCmdNameSection, SelectedHull(), g_pCurPage->m_selFaces.front());
}

namespace {
const CDocCommandRows rows({
    {ID_SECTION, OnSection, OnUpdateSection},
});
}  // namespace
