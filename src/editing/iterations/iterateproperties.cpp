// The property row of an iteration: a value selected with it first becomes
// the iteration's depth parameter, then the iteration's own dialog opens,
// its changes applied live; OK writes the colour choice as the style.
#include <cmath>

#include "cells/dynamic/iterations/iteration.h"
#include "cells/texts/cgtextmap.h"
#include "commands/commandframe.h"
#include "editing/dialogs/iterations/iteratepropertydialog.h"
#include "editing/iterations/iteratetexts.h"
#include "editing/properties/propertyedits.h"
#include "editing/properties/propertyrows.h"
#include "model/cgpage.h"
#include "model/globals.h"
#include "platform/notifier.h"

namespace {
void Tell(const char* text, int maxDepth = 0) {
  KvMessageBox(QString::fromUtf8(text).replace(QStringLiteral("%d"), QString::number(maxDepth)));
}

// The head of the selected values drives the depth from now on: it must be
// a scalar made before the iteration, as parents come before children.
void BindDepthParameter(CGPage& page, CGIterate& iterate) {
  CGCell* value = page.m_cells.Lookup(page.m_selValues.front());
  if (!value || !value->IsKindOf(RUNTIME_CLASS(CGTmVariable))) return Tell(kTextNotAParameter);
  if (value->m_nId >= iterate.m_nId) return Tell(kTextParameterTooLate);
  iterate.m_parents.push_back(value->m_nId);
  value->m_children.push_back(iterate.m_nId);
  iterate.m_nParamA = 1;
  // The depth follows the value, held to what an int and the drawing take;
  // computed now, not at the edit's end, as the dialog opens on that depth.
  iterate.Recalculate();
  const double depth = std::isnan(value->m_fValue) ? 0.0 : std::trunc(static_cast<double>(value->m_fValue));
  const int most = iterate.MaxDepth();
  Tell(depth > most ? kTextParameterLarge : depth < 0 ? kTextParameterNegative : kTextParameterBound, most);
}

bool EditIterateProperties(CKavrelDoc&, CGCell& cell) {
  auto& iterate = static_cast<CGIterate&>(cell);
  CGPage* page = g_pCurPage;
  if (page && CountSelection().V == 1 && !iterate.DepthFromValue()) BindDepthParameter(*page, iterate);
  CDlgPropertyIterate dialog;
  dialog.m_nIterate = iterate.m_nId;
  dialog.m_nColour = iterate.m_nStyle;
  dialog.Initialise();
  if (DialogProvider().DoModal(dialog) == IDOK) iterate.m_nStyle = static_cast<BYTE>(dialog.m_nColour);
  if (page) PostItemTexts(*page);  // the name may have been edited live
  return true;
}

const CPropertyRows rows({
    {PropertyList::Texts, 10, "CGIterate", EditIterateProperties},
});
}  // namespace
