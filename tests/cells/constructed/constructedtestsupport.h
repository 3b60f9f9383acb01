// Shared pieces of the constructed-point tests: cells built as the
// construction commands build them (id and slot from the page's counters,
// the next automatic name), and carriers given by coordinates.
#pragma once
#include <array>
#include <cmath>

#include "../freepointtestsupport.h"

using Vec3 = std::array<float, 3>;
inline const float kRoot3 = std::sqrt(3.0f);

// A line (a, b, kind), a face (corners a, b, c) or a circle (centre a,
// frame u = b, v = c); `what` 0 is no carrier but a point at a.
struct Carrier {
  enum What { kPoint, kLine, kFace, kCircle } what;
  Vec3 a, b{}, c{};
  BYTE kind = kLineFull;
};
inline Carrier Ln(Vec3 a, Vec3 b, BYTE kind = kLineFull) { return {Carrier::kLine, a, b, {}, kind}; }
inline Carrier Ci(Vec3 c, Vec3 u, Vec3 v) { return {Carrier::kCircle, c, u, v}; }

class ConstructedTest : public FreePointTest {
 protected:
  template <class T, class... Args>
  T* NewPoint(Args... args) {
    const QString name = page->GetNewName(1);
    return Entered(new T(page->m_nNextId, page->m_nNextVertex++, name, args...));
  }
  template <class T, class... Args>
  T* NewCircle(Args... args) {
    return Entered(new T(page->m_nNextId, args...));
  }
  WORD Pt(const Vec3& p) { return AddPoint(p[0], p[1], p[2])->m_nId; }
  WORD Make(const Carrier& c) {
    switch (c.what) {
      case Carrier::kPoint: return Pt(c.a);
      case Carrier::kLine: return AddLine(Pt(c.a), Pt(c.b), c.kind)->m_nId;
      case Carrier::kFace: return AddFace({Pt(c.a), Pt(c.b), Pt(c.c)})->m_nId;
      case Carrier::kCircle:
        return NewCircle<CGArc>(c.a[0], c.a[1], c.a[2], c.b[0], c.b[1], c.b[2], c.c[0], c.c[1], c.c[2], 0.0f,
                                kArcFullTurn, BYTE{kArcCircle})->m_nId;
    }
    return 0;
  }
  static void ExpectVec(const float* got, const Vec3& want, const std::string& what, double tolerance = 1e-5) {
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(got[i], want[i], tolerance) << what << ", axis " << i;
  }
  // With `parent` undefined the point is undefined and nothing else of it
  // changes; defined again, the next recalculation puts it back at `at`.
  void ExpectWaitsFor(CGCell& parent, CGVertex& p, const Vec3& at, const std::string& what) {
    parent.m_bDefined = false;
    p.m_vPos[0] = 42;
    const auto kept = Snapshot(p);
    p.Recalculate();
    EXPECT_FALSE(p.m_bDefined) << what;
    EXPECT_EQ(Snapshot(p), kept) << what;
    parent.m_bDefined = true;
    p.Recalculate();
    EXPECT_TRUE(p.m_bDefined) << what;
    ExpectVec(p.m_vPos, at, what, 1e-4);
  }

 protected:
  // Enters a cell made with the page's next id.
  template <class T>
  T* Entered(T* cell) {
    page->m_nNextId++;
    page->m_cells.SetAt(cell->m_nId, cell);
    return cell;
  }
};
