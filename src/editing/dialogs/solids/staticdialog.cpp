#include "editing/dialogs/solids/staticdialog.h"

CStaticShapeValues CDlgStaticKavrel::Values() const {
  CStaticShapeValues v;
  v.kind = m_nKind;
  v.length = m_fLength;
  v.width = m_fWidth;
  v.height = m_fHeight;
  v.edges = m_nEdges;
  v.radius = m_fRadius;
  v.ratio = m_fRatio;
  v.centre[0] = m_fCenterX;
  v.centre[1] = m_fCenterY;
  v.centre[2] = m_fCenterZ;
  v.axis[0] = m_fAxisX;
  v.axis[1] = m_fAxisY;
  v.axis[2] = m_fAxisZ;
  return v;
}
