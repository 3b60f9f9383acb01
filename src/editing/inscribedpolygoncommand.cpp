// The regular polygon inscribed in the one selected circle, its vertex
// count asked in CDlgNumber (offering the count used last); without a
// selected circle, a triangle in a new circle.
#include "commands/commandframe.h"
#include "commands/commandglobals.h"
#include "commands/shapes/inscribedpolygon.h"
#include "editing/dialogs/inputdialogs.h"
#include "model/document/commandtable.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"
#include "platform/notifier.h"

namespace {
constexpr int kDefaultVertices = 3;

void OnCreatePlanePoly(CKavrelDoc& doc) {
  if (!NoneOrTwoPoints()) return;
  const WORD circle = SelectedCircle();
  if (!circle) {
    g_nPlanePolyCount = kDefaultVertices;
    BuildInscribedPolygon(doc, 0, kDefaultVertices);
    return;
  }
  CDlgNumber dialog;
  dialog.m_nCount = g_nPlanePolyCount;
  if (DialogProvider().DoModal(dialog) != IDOK) return;
  // A count the dialog would refuse (a scripted answer) makes nothing.
  const int n = dialog.m_nCount;
  if (n < CDlgNumber::kMinCount || n > CDlgNumber::kMaxCount) return;
  g_nPlanePolyCount = n;
  BuildInscribedPolygon(doc, circle, n);
}

const CDocCommandRows rows({
    {ID_CREATE_PLANE_POLY, OnCreatePlanePoly, OnUpdateCreatePlaneRect},
});
}  // namespace
