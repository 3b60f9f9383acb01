#include "cells/dynamic/vectors/attachedvalue.h"

#include <GL/gl.h>

#include <cmath>

#include "cells/dynamic/measures/geometricmeasures.h"
#include "cells/dynamic/parameters/usercalculation.h"
#include "cells/dynamic/parameters/userparameter.h"
#include "cells/dynamic/measures/vectortexts.h"
#include "cells/dynamic/vectors/vectorvalues.h"
#include "cells/primitives/celldrawing.h"
#include "cells/primitives/cornerpoints.h"
#include "cells/primitives/formattext.h"
#include "cells/texts/textlayer.h"
#include "cells/texts/valuetext.h"
#include "model/globals.h"
#include "platform/archive.h"
#include "render/glcontext.h"
#include "render/glfontlists.h"
#include "render/rasterposition.h"
#include "render/viewglobals.h"

IMPLEMENT_SERIAL(CGTmVarAfterP, CGTextmap)

namespace {
// The value's number as the attached text shows it.
void Compose(const CGCell& value, ValueTextBuffer& out) {
  if (const auto* vector = dynamic_cast<const CGTmVector*>(&value)) return out.Add(vector->m_strValueText);
  const auto& number = static_cast<const CGTmVariable&>(value);
  bool degrees = false;
  if (dynamic_cast<const CGTmAngleMeasure*>(&number))
    degrees = true;
  else if (number.IsKindOf(RUNTIME_CLASS(CGTmVarCalculator)) || number.IsKindOf(RUNTIME_CLASS(CGTmVarParameter)))
    degrees = number.m_nParamA == 2;
  number.AddValue(out, degrees);
}
}  // namespace

CGTmVarAfterP::CGTmVarAfterP() {
  m_nStyle = 1;
  m_strName = QString::fromUtf8(kTextAttachedValueName);
}

CGTmVarAfterP::CGTmVarAfterP(WORD id, WORD value, WORD point) : CGTmVarAfterP() {
  m_nId = id;
  AppendParent(*this, value);
  AppendParent(*this, point);
  const float w = g_fUnitsPerPixel;
  m_vOffset[0] = -24 * w;
  m_vOffset[1] = -6 * w;
  Recalculate();
}

void CGTmVarAfterP::Serialize(CArchive& ar) {
  CGTextmap::Serialize(ar);
  float* o = m_vOffset;
  if (ar.IsStoring()) {
    ar << o[0] << o[1] << o[2];
    return;
  }
  ar >> o[0] >> o[1] >> o[2];
  CheckLoaded(ar, 2, {o[0], o[1], o[2]});
}

void CGTmVarAfterP::Recalculate() {
  const CGVertex* point = DefinedParentPoint(*this, 1);
  float anchor[3];
  for (int i = 0; point && i < 3; ++i) anchor[i] = point->m_vPos[i] + m_vOffset[i];
  // An anchor beyond single precision would fail the next load.
  if (!point || !IsFiniteVector(anchor)) {
    m_bDefined = false;
    return;
  }
  for (int i = 0; i < 3; ++i) m_vLabelAnchor[i] = anchor[i];
  const CGCell* value = DefinedParentAs<CGCell>(0);
  if (!value || !IsValueCell(*value) || !std::isfinite(value->m_fValue)) {
    m_bDefined = false;
    return;
  }
  m_fValue = value->m_fValue;
  ValueTextBuffer text;
  Compose(*value, text);
  if (text.View() != QStringView(m_strValueText)) {
    AssignInPlace(m_strValueText, text.View());
    m_bLabelStale = true;
  }
  // Without a context (loading, undo, a drag) the next draw lays it out.
  if (!ListsCurrent() && GlContextCurrent()) LayOut();
  m_bDefined = true;
}

void CGTmVarAfterP::LayOut() { AdoptLists(DrawGlTextDC(m_strValueText)); }

void CGTmVarAfterP::Draw() {
  if (m_bHidden || !m_bDefined) return;
  if (m_bSelected || m_bHovered)
    SetGlColour(g_prefs.rgbaSelection);
  else
    SetOwnColour(*this);
  if (!ListsCurrent()) LayOut();
  CallTextListsAt(m_strLabelLists, m_vLabelAnchor);
}

void CGTmVarAfterP::DrawForPick(int mode) {
  if (mode < 3 || m_bHidden || !m_bDefined) return;
  const float w = g_fUnitsPerPixel;
  const float width = static_cast<float>(m_strValueText.size()) * static_cast<float>(g_nTextCharWidth) * w;
  const float height = 2 * static_cast<float>(g_nTextLineHeight) * w;
  const float* a = m_vLabelAnchor;
  PickRect(6, m_nId, a[0], a[1], a[0] + width, a[1] + height, a[2]);
}

QString CGTmVarAfterP::GetDescription() {
  return FillFormat(kTextAttachedValueDescription, "%s", {ParentName(1), ParentName(0)});
}

void CGTmVarAfterP::DragBy(int dx, int dy) {
  const float w = g_fUnitsPerPixel;
  const float x = static_cast<float>(dx) * w, y = static_cast<float>(dy) * w;
  m_vLabelAnchor[0] += x;
  m_vOffset[0] += x;
  m_vLabelAnchor[1] -= y;
  m_vOffset[1] -= y;
}
