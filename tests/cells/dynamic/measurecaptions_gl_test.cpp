// A distance caption in the headless context while its point is dragged
// with no context current, as the view drags: an unchanged value text keeps
// its laid-out lists, a changed one is laid out again when next drawn.
#include <EGL/egl.h>

#include "../celldrawtestsupport.h"
#include "cells/dynamic/geometricmeasures.h"
#include "render/glfontlists.h"

namespace {

using MeasureCaptionDrawing = CellGlTest;

TEST_F(MeasureCaptionDrawing, OnlyChangedCaptionsAreLaidOutAgainAndOnlyWhenDrawn) {
  CGVertex* a = Point(0, 0, 0);
  CGVertex* b = Point(3, 4, 0);
  auto* distance = new CGTmVarDistancePP(page->m_nNextId, a->m_nId, b->m_nId);
  page->m_cells.SetAt(page->m_nNextId++, distance);
  distance->m_nStyle = 1;
  distance->Recalculate();
  distance->Draw();
  ASSERT_FALSE(distance->m_bLabelStale);
  const QString laidOut = distance->m_strLabelLists;
  ASSERT_TRUE(laidOut.endsWith(DrawGlTextDC(QStringLiteral(" =5"))));

  eglMakeCurrent(eglGetCurrentDisplay(), EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
  const auto moveB = [&](float x, float y) {
    b->m_vPos[0] = x, b->m_vPos[1] = y;
    distance->Recalculate();
  };
  moveB(4, 3);
  EXPECT_EQ(distance->CurrentValueText(), QStringLiteral(" =5"));
  EXPECT_FALSE(distance->m_bLabelStale);
  EXPECT_EQ(distance->m_strLabelLists, laidOut);
  moveB(6, 8);
  EXPECT_EQ(distance->CurrentValueText(), QStringLiteral(" =10"));
  EXPECT_TRUE(distance->m_bLabelStale);
  EXPECT_EQ(distance->m_strLabelLists, laidOut) << "nothing is laid out without a context";

  moveB(9, 12);  // left unread: the draw composes " =15"
  ASSERT_TRUE(gl.MakeCurrent());
  distance->Draw();
  EXPECT_FALSE(distance->m_bLabelStale);
  EXPECT_TRUE(distance->m_strLabelLists.endsWith(DrawGlTextDC(QStringLiteral(" =15"))));
  EXPECT_EQ(distance->m_strValueText, QStringLiteral(" =15"));
}

}  // namespace
