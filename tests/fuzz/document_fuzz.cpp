// The document loader, as the program opens a ".kv" file: read and
// recompute; the document's tools are applied to a selection of its first
// page; what opens must then save, open again and save to the same bytes;
// then the page is drawn.
#include <new>

#include "fuzzsupport.h"
#include "model/cgpage.h"
#include "model/document/kavreldoc.h"
#include "model/document/usertool.h"
#include "platform/archive.h"

namespace {
bool Load(CKavrelDoc& doc, const QByteArray& bytes) {
  try {
    CArchive ar(bytes);
    ar.Context().bOlderLayout = true;  // a ".kv" file without the header
    doc.Serialize(ar);
    return true;
  } catch (const CArchiveException&) {
  } catch (const CDocumentFormatException&) {
  } catch (const std::bad_alloc&) {
  }
  return false;
}

QByteArray Saved(CKavrelDoc& doc) {
  CArchive ar;
  doc.Serialize(ar);
  return ar.Bytes();
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  CKavrelDoc doc;
  if (!Load(doc, FuzzBytes(data, size))) return 0;
  FuzzNoteLoaded();
  std::vector<CRecord*> tools;
  for (const auto& tool : doc.m_tools) tools.push_back(tool.get());
  FuzzApplyToolsToSelection(*doc.m_pages.front(), tools);
  const QByteArray saved = Saved(doc);
  CKavrelDoc reopened;
  if (!Load(reopened, saved)) FuzzFinding("a saved document does not open again");
  if (Saved(reopened) != saved) FuzzFinding("the reopened document saves other bytes");
  FuzzRenderCurrentPage();
  return 0;
}
