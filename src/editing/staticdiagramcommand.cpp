// The positioning-diagram command: a selected hull or section is copied;
// otherwise the shape is asked in CDlgStaticKavrel.  Always enabled.
#include "commands/solids/staticdiagrams.h"
#include "editing/dialogs/solids/staticdialog.h"
#include "platform/notifier.h"
#include "model/document/commandtable.h"
#include "platform/commandids.h"

namespace {

void OnCreateStaticKavrel(CKavrelDoc& doc) {
  CreateStaticKavrel(doc, [](CStaticShapeValues& values) {
    CDlgStaticKavrel dialog;
    if (DialogProvider().DoModal(dialog) != IDOK) return false;
    values = dialog.Values();
    return true;
  });
}

const CDocCommandRows rows({
    {ID_CREATE_STATICKAVREL, OnCreateStaticKavrel},
});
}  // namespace
