#include "commands/attachedvaluecommand.h"

#include "cells/dynamic/vectors/attachedvalue.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
bool Fits() {
  const CSelectionCounts n = CountSelection();
  return n.P == 1 && n.V == 1 && n.T == 2;
}

const CDocCommandRows rows({
    {ID_ID_CREATE_VARAP, OnCreateVarAp, OnUpdateCreateVarAp},
});
}  // namespace

void OnCreateVarAp(CKavrelDoc& doc) {
  if (!Fits()) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  const CGPage& page = *g_pCurPage;
  build.Add(new CGTmVarAfterP(build.NextId(), page.m_selValues.front(), page.m_selPoints.front()));
  build.Commit(QString::fromUtf8(kCmdNameAttachedValue));
}

void OnUpdateCreateVarAp(CKavrelDoc&, CCmdUI& ui) { ui.Enable(Fits()); }
