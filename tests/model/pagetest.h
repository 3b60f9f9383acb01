// Cells of classes above the model layer, which the model tells apart by
// registered class name only: the class registered under the name (the
// fixture registers the cell classes), or a stand-in registered under a name
// no class has, on a C++ object of the nearest model class, so code that
// casts to that class works.
#pragma once
#include <deque>
#include <initializer_list>
#include <iterator>
#include <vector>

#include "model/cgbutton.h"
#include "model/cgcell.h"
#include "model/cgvertex.h"
#include "modeltestsupport.h"
#include "platform/runtimeclass.h"
#include "support/recorders.h"

// The class registered under `name`, else a stand-in derived from `base`.
inline const CRuntimeClass* StandInClass(const char* name, const CRuntimeClass* base) {
  if (const CRuntimeClass* cls = ClassRegistry::FromName(name)) return cls;
  static std::deque<CRuntimeClass> made;
  made.push_back(CRuntimeClass{name, static_cast<int>(sizeof(CGCell)), 1, nullptr, base});
  ClassRegistry::Register(&made.back());
  return &made.back();
}

// A chain of names, most derived first, ending on a model class:
// StandInChain({"CGTmVarDistancePP", "CGTmVariable", "CGTextmap"}, RUNTIME_CLASS(CGCell)).
inline const CRuntimeClass* StandInChain(const std::vector<const char*>& names, const CRuntimeClass* root) {
  const CRuntimeClass* cls = root;
  for (auto it = std::rbegin(names); it != std::rend(names); ++it) cls = StandInClass(*it, cls);
  return cls;
}

template <class Base>
class StandIn : public Base {
 public:
  explicit StandIn(const CRuntimeClass* cls) : m_pClass(cls) {}
  const CRuntimeClass* GetRuntimeClass() const override { return m_pClass; }

 private:
  const CRuntimeClass* m_pClass;
};

// The signed changes of WM_CELLS_CHANGED with lParam 0, in order.
inline std::vector<long> CountChanges(const RecordingUiBridge& bridge) {
  std::vector<long> changes;
  for (const BridgeMessage& m : bridge.messages)
    if (m.message == WM_CELLS_CHANGED && m.lParam == 0) changes.push_back(static_cast<long>(static_cast<LPARAM>(m.wParam)));
  return changes;
}

// A point computed from its parents, as constructed points are: the mean of
// its point parents, moved by m_fOffset along x.  Undefined without any.
class CTestDependentPoint : public CGVertex {
  DECLARE_SERIAL(CTestDependentPoint)

 public:
  void Recalculate() override;
  float m_fOffset = 1;
  static int s_nRecalculations;
};

// A current page with helpers that enter cells as constructors do.
class PageTest : public ModelTest {
 protected:
  // A cell of the stand-in class chain (most derived first) on a Base object.
  template <class Base = CGCell>
  Base* AddKind(const std::vector<const char*>& chain, std::initializer_list<WORD> parents = {}) {
    return Enter(new StandIn<Base>(StandInChain(chain, Base::ThisClass())), parents);
  }
  CTestDependentPoint* AddDependent(std::initializer_list<WORD> parents, float offset = 1) {
    auto* point = new CTestDependentPoint;
    point->VertexIndex = page->m_nNextVertex++;
    point->m_fOffset = offset;
    Enter(point, parents)->Recalculate();
    return point;
  }
  CGButton* AddButton(std::initializer_list<WORD> parents = {}) { return Enter(new CGButton, parents); }
  CGButnPresentat* AddSeries(bool serial, std::initializer_list<WORD> children) {
    auto* series = Enter(new CGButnPresentat, children);
    series->m_nSubKind = serial ? 1 : 0;
    return series;
  }
  // Three points a, b, c and the segments ab and bc.
  struct Path { CGVertex *a, *b, *c; CGCell *ab, *bc; };
  Path AddPath() {
    Path p;
    p.a = AddPoint(0, 0, 0);
    p.b = AddPoint(1, 0, 0);
    p.c = AddPoint(2, 0, 0);
    p.ab = AddKind({"CGLine"}, {p.a->m_nId, p.b->m_nId});
    p.bc = AddKind({"CGLine"}, {p.b->m_nId, p.c->m_nId});
    return p;
  }
  // The page record, byte for byte.
  QByteArray PageBytes() {
    CArchive ar;
    page->Serialize(ar);
    return ar.Bytes();
  }
};
