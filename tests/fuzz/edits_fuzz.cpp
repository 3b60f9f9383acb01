// Edits drawn from the input, as support/documentsteps.h makes them: its
// first byte chooses the document to start from (bit 0: the every-class
// document or a small page) and the steps (bits 1 and 2: 0 the edits
// alone, 1 all steps, the view's too, 2 and 3 the wide set), each further
// pair of bytes one draw.  After each edit every id the document holds
// names a cell that may stand there, the journal saw every record the edit
// changed, and the document saves, opens again and saves to the same
// bytes.  Each input starts from the process state of a new program, so
// that a finding replays alone.
#include <QTemporaryDir>
#include <cstdio>
#include <string>

#include "fuzzsupport.h"
#include "model/document/kavreldoc.h"
#include "support/documentsteps.h"
#include "support/recorders.h"

namespace {
// Bounds the work of one input.
constexpr int kMostSteps = 40;
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzSetUpOnce();
  static QTemporaryDir& folder = *new QTemporaryDir;  // lives as long as the process
  if (size < 3) return 0;
  SeamRecorders seams;
  CKavrelDoc doc;
  BuildStepsDocument(doc, data[0] % 2, folder.path());
  std::size_t at = 1;
  static constexpr StepSet kSets[] = {StepSet::kEdits, StepSet::kAll, StepSet::kWide, StepSet::kWide};
  const StepSet set = kSets[data[0] >> 1 & 3];
  DocumentSteps steps(
      doc,
      [&](unsigned n) -> unsigned {
        const unsigned drawn = at + 1 < size ? unsigned(data[at]) | unsigned(data[at + 1]) << 8 : 0;
        at += 2;
        return n ? drawn % n : 0;
      },
      set);
  FuzzNoteLoaded();
  for (int step = 0; step < kMostSteps && at + 1 < size; ++step) {
    const std::string fault = steps.StepAndCheck();
    if (fault.empty()) continue;
    std::fprintf(stderr, "step %d: %s\n", step + 1, fault.c_str());
    FuzzFinding("an edit leaves a document that does not reopen alike");
  }
  return 0;
}
