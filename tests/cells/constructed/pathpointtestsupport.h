// Shared pieces of the tests of points on paths and carriers and of the
// numeric intersections: the locus and curve figures of the path tests,
// point kinds built as the commands build them, and the state of a locus's
// driver and chain, to see that nothing moved.
#pragma once
#include <cstring>
#include <vector>

#include "../dynamic/pathtestsupport.h"
#include "cells/constructed/follower2d.h"

using Vec3 = std::array<float, 3>;

class PathPointTest : public PathTest {
 protected:
  // A point kind: (id, slot, name, args...), entered in the page's map.
  template <class T, class... Args>
  T* New(Args... args) {
    const QString name = page->GetNewName(1);
    auto* cell = new T(page->m_nNextId, page->m_nNextVertex++, name, args...);
    Put(cell);
    return cell;
  }
  // The horizontal circle of radius 2 about the origin traced as a locus:
  // the driver runs once round the circle from angle 0.5, its flat follower
  // is traced.
  CGLocus* CircleLocus() {
    const WORD circle = Arc(2, kArcCircle);
    m_driver = PointOf<CGVerFreeInCircle>(circle, 0.7f);
    const float* at = Cell<CGVertex>(m_driver)->m_vPos;
    m_traced = New<CGVerFree2dHenchman>(at[0], at[1], m_driver)->m_nId;
    return Locus(m_driver, m_traced, 0.5f, 6.7831853f);
  }
  // The bytes of every cell a locus moves while sampling: driver value and
  // the chain's positions.
  std::vector<char> ChainState(const CGLocus& locus) {
    std::vector<char> bytes;
    for (WORD id : locus.m_parents) {
      const CGCell* cell = page->m_cells.Lookup(id);
      const char* value = reinterpret_cast<const char*>(&cell->m_fValue);
      bytes.insert(bytes.end(), value, value + sizeof(float));
      if (const auto* point = dynamic_cast<const CGVertex*>(cell)) {
        const char* pos = reinterpret_cast<const char*>(point->m_vPos);
        bytes.insert(bytes.end(), pos, pos + sizeof point->m_vPos);
      }
    }
    return bytes;
  }
  // The mouse ray from the near point to the far point, as the view sets it.
  static void Ray(std::array<double, 3> nearPoint, std::array<double, 3> farPoint) {
    for (int i = 0; i < 3; ++i) {
      g_dRayNear[i] = nearPoint[i];
      g_dRayFar[i] = farPoint[i];
      g_fViewDir[i] = static_cast<float>(nearPoint[i] - farPoint[i]);
    }
  }
  static void ExpectNear(const float* got, double x, double y, double z, const std::string& what,
                         double tolerance = 1e-4) {
    EXPECT_NEAR(got[0], x, tolerance) << what;
    EXPECT_NEAR(got[1], y, tolerance) << what;
    EXPECT_NEAR(got[2], z, tolerance) << what;
  }

  WORD m_driver = 0, m_traced = 0;
};
