// The property rows of cells that have nothing to set: ink marks and the
// section of a polyhedron say what they are.
#include "editing/properties/propertyrows.h"
#include "editing/properties/propertytexts.h"
#include "platform/notifier.h"

namespace {
bool SayInkmarks(CKavrelDoc&, CGCell&) {
  KvMessageBox(QString::fromUtf8(kTextInkmarks));
  return true;
}

bool SaySection(CKavrelDoc&, CGCell&) {
  KvMessageBox(QString::fromUtf8(kTextSection));
  return true;
}

const CPropertyRows rows({
    {PropertyList::Paths, 40, "CGInkmarks", SayInkmarks},
    {PropertyList::Others, 900, "CGSection", SaySection},
});
}  // namespace
