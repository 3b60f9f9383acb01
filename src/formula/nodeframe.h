// A node's own pen, text colour and font, selected for as long as the frame
// lives and then restored.  Nodes that set no colour and no font part of
// their own leave the context as their parent selected it.
#pragma once
#include "formula/formuladc.h"
#include "formula/node.h"

class CNodeFrame {
 public:
  // forcedBits count as set font bits (a selection drawn in its full font).
  CNodeFrame(CFormulaDC& dc, const CNode& node, DWORD forcedBits = 0);
  ~CNodeFrame();
  CNodeFrame(const CNodeFrame&) = delete;
  CNodeFrame& operator=(const CNodeFrame&) = delete;

 private:
  CFormulaDC& m_dc;
  bool m_bColour = false;
  bool m_bFont = false;
  FormulaPen m_oldPen;
  COLORREF m_crOldText = 0;
  LOGFONT m_oldFont;
};
