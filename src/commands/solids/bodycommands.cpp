#include "commands/solids/bodycommands.h"

#include "cells/solids/bodies/bodytexts.h"
#include "cells/solids/bodies/cgsubassembly.h"
#include "commands/commandframe.h"
#include "commands/solids/bodycommandtexts.h"
#include "model/document/commandtable.h"
#include "platform/commandids.h"
#include "platform/commandregistry.h"

int ClipModeOf(bool clip, bool plane1, bool plane2) {
  if (!clip) return 0;
  return (plane1 ? 1 : 0) | (plane2 ? 2 : 0);
}

CGSubassembly* AddBody(CKavrelDoc& doc, const CBodyPlacement& at, const std::function<void(CGSubassembly&)>& finish,
                       const QString& label) {
  CConstruction build(doc);
  if (!build.MakeRoom(1)) return nullptr;
  auto* body = build.Add(new CGSubassembly(
      build.NextId(), at.kind, at.style, at.materialMode, at.texture, at.dragLock, at.centre[0], at.centre[1],
      at.centre[2], at.axis[0], at.axis[1], at.axis[2], at.turn, at.scale[0], at.scale[1], at.scale[2], at.clipMode,
      at.plane1[0], at.plane1[1], at.plane1[2], at.plane1[3], at.plane2[0], at.plane2[1], at.plane2[2], at.plane2[3]));
  if (finish) finish(*body);
  build.Commit(label.isEmpty() ? QString::fromUtf8(kCmdNameAddBody) + body->m_strName : label);
  return body;
}

void OnCreate3dText(CKavrelDoc& doc) {
  CBodyPlacement at;
  at.centre[0] = -20;
  at.axis[1] = 1, at.axis[2] = 3;
  const auto finish = [](CGSubassembly& body) {
    body.m_strVodName = QString::fromUtf8(kTextBodyTextFont);
    body.m_strName = QString::fromUtf8(kText3dTextSample);
    body.m_rgbaColor.r = 0, body.m_rgbaColor.g = 128, body.m_rgbaColor.b = 0;
  };
  if (!AddBody(doc, at, finish, QString::fromUtf8(kCmdNameAdd3dText))) return;
  if (CommandRegistry().HasHandler(ID_VIEW_PORT_TT)) CommandRegistry().Run(ID_VIEW_PORT_TT);
}

namespace {
const CDocCommandRows rows({
    {ID_CREATE_3DTEXT, OnCreate3dText},
});
}  // namespace
