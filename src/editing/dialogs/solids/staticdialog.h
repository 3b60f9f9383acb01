// The positioning-diagram dialog's data: the kind of shape, its sizes, its
// centre and its axis.  The command reads them back on IDOK.  A kind that
// names no entry of the list (the user typed into the kind's field) is -1.
#pragma once
#include "cells/solids/static/statickinds.h"
#include "platform/dialogprovider.h"

class CDlgStaticKavrel : public CDialogDataOf<CDlgStaticKavrel> {
 public:
  static constexpr int kTypedKind = -1;

  int m_nKind = 0;
  float m_fLength = 12.0f;
  float m_fWidth = 8.0f;
  float m_fHeight = 10.0f;
  int m_nEdges = 6;
  float m_fRadius = 8.0f;
  float m_fRatio = 0.5f;
  float m_fCenterX = 0, m_fCenterY = 0, m_fCenterZ = 0;
  float m_fAxisX = 0, m_fAxisY = 0, m_fAxisZ = 1.0f;

  // Which edits a kind enables (the centre's always are).
  static CStaticKindInputs Enabled(int kind) { return StaticKindInputs(kind); }
  CStaticShapeValues Values() const;
};
