#include "commands/facecommands.h"

#include "cells/primitives/cgface.h"
#include "commands/commandframe.h"
#include "commands/commandtexts.h"
#include "model/autocolor.h"
#include "model/cgpage.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

namespace {
constexpr int kMinCorners = 3;

const CDocCommandRows rows({
    {ID_CREATE_FACE, OnCreateFace, OnUpdateCreateFace},
});
}  // namespace

void OnCreateFace(CKavrelDoc& doc) {
  // Fewer corners would make a face that no file can load back.
  if (CountSelection().P < kMinCorners) return;
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return;
  build.Add(new CGFace(build.NextId(), g_pCurPage->m_selPoints, NextAutoColor()));
  build.Commit(QString::fromUtf8(kCmdNameFace));
}

void OnUpdateCreateFace(CKavrelDoc&, CCmdUI& ui) { ui.Enable(CountSelection().P >= kMinCorners); }
