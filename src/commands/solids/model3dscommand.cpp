#include "commands/solids/model3dscommand.h"

#include "cells/dynamic/buttons/animationbutton.h"
#include "cells/solids/model3ds/cgmodel3ds.h"
#include "cells/solids/model3ds/model3dstexts.h"
#include "commands/commandframe.h"
#include "commands/solids/model3dscommandtexts.h"
#include "model/document/commandtable.h"
#include "model/globals.h"
#include "platform/commandids.h"
#include "platform/filechooser.h"

namespace {
// One turn, as the button has always stored it (not 2 pi).
constexpr float kSpinEnd = 6.283f;
constexpr float kSpinStep = 0.02f;
}  // namespace

bool AddModel3ds(CKavrelDoc& doc, const QString& path) {
  if (!g_pCurPage) return false;
  CConstruction build(doc);
  if (!build.MakeRoom(2)) return false;
  CGModel3ds* model = build.Add(new CGModel3ds(build.NextId(), path, CGModel3ds::kLit));
  auto* button = build.Add(new CGButnAnimation(build.NextId(), QString::fromUtf8(kTextSpinButton), model->m_nId,
                                               0.0f, kSpinEnd, CGButnAnimation::kForward, 0, kSpinStep, 0.0f));
  button->m_nSubKind = 0;
  build.Commit(QString::fromUtf8(kCmdNameModel3ds));
  return true;
}

void On3dsModel(CKavrelDoc& doc) {
  const QString folder = g_strProgramFolder + QStringLiteral("/Models");
  const QString path = FileChooser().ChooseOpen(QString(), QtFileFilter(kFilter3dsFiles), folder);
  if (path.isEmpty()) return;
  AddModel3ds(doc, path);
}

namespace {
const CDocCommandRows rows({
    {ID_3DSMODEL, On3dsModel},
});
}  // namespace

