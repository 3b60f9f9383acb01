// The new-page command; the page itself is the document's (OnCreatePage).
#include "model/document/commandtable.h"
#include "model/document/kavreldoc.h"
#include "platform/commandids.h"

namespace {
const CDocCommandRows rows({
    {ID_CREATE_PAGE, [](CKavrelDoc& doc) { doc.OnCreatePage(); }},
});
}  // namespace
