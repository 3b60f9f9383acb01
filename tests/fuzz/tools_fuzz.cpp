// The tool records of a tool-set file (the Tools folder): the records read
// are written as a tool-set file again and read back, every one of them.
#include "fuzzsupport.h"
#include "model/document/kavreldoc.h"
#include "model/document/toolfolder.h"
#include "model/document/usertool.h"
#include "platform/archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  const CToolList tools = ReadToolSetBytes(FuzzBytes(data, size));
  CArchive ar;
  ar << kDocumentMark1 << kDocumentMark2 << static_cast<DWORD>(kDocumentVersion) << DWORD(0) << DWORD(0);
  WriteToolList(ar, tools);
  if (ReadToolSetBytes(ar.Bytes()).size() != tools.size()) FuzzFinding("written tools do not read back");
  return 0;
}
