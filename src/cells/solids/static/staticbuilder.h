// What the positioning-diagram builders share: room checked first, then
// points, segments and faces entered one after another under the page's
// next ids (and points its next vertex slots).
#pragma once
#include <QString>
#include <vector>

#include "cells/solids/pagebuilder.h"
#include "model/cgvertex.h"
#include "model/globals.h"

class CStaticBuilder {
 public:
  CStaticBuilder() : m_build(*g_pCurPage), m_nFirst(g_pCurPage->m_nNextId) {}

  // Room for `cells` ids, `points` of them points (the vertex array grown
  // for them when they would not fit).  False: make nothing.
  static bool HasRoom(int cells, int points) {
    return g_pCurPage && CPageBuilder(*g_pCurPage).HasRoom(cells, points, points);
  }

  // A point with the next automatic name; returns its id.
  WORD Point(float x, float y, float z) { return Point(g_pCurPage->GetNewName(1), x, y, z); }
  WORD Point(const QString& name, float x, float y, float z) {
    return m_build.Point<CGVertex>(name, x, y, z)->m_nId;
  }
  // A second-ring point named after its partner with "1" appended.
  WORD Partner(WORD partner, float x, float y, float z) {
    return Point(m_build.NameOf(partner) + QLatin1Char('1'), x, y, z);
  }
  CGLine* Segment(WORD a, WORD b) { return m_build.Segment(a, b); }
  CGFace* Face(const std::vector<WORD>& corners) { return m_build.Face(corners); }
  template <class T, class... Args>
  T* Cell(Args&&... args) {
    return m_build.Cell<T>(std::forward<Args>(args)...);
  }

  // The id of the i-th cell made, counting from 0.
  WORD Id(int i) const { return static_cast<WORD>(m_nFirst + i); }
  int Made() const { return g_pCurPage->m_nNextId - m_nFirst; }

 private:
  CPageBuilder m_build;
  WORD m_nFirst;
};
