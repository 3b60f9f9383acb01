// What the fuzzing harnesses share: the process they run in, set up once,
// and how a harness reports a fault that is no crash.  Each harness is a
// libFuzzer entry point (LLVMFuzzerTestOneInput); replay.cpp feeds the same
// entry point the committed corpus with any compiler.
#pragma once
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <vector>

class CGPage;
class CRecord;

// An offscreen Qt application, every storable class registered, message
// boxes on standard error and the program folder in an empty temporary
// folder.  Safe to call for every input.
void FuzzSetUpOnce();

// The input as bytes (shared, not copied).
QByteArray FuzzBytes(const std::uint8_t* data, std::size_t size);

// A harness says that the input was read whole (a document that opened);
// the replay asks it of each input, and fails an input of a corpus folder
// named "must-load" that was not.
void FuzzNoteLoaded();
bool FuzzTakeLoaded();

// Stops the run with the reason: a broken round trip counts as a crash.
[[noreturn]] void FuzzFinding(const char* what);

// Draws the current page through the view's renderer in a headless context
// made at the first call; nothing on a machine without an OpenGL driver.
void FuzzRenderCurrentPage();

// Applies each of the first few tools to a selection of the page, as the
// automatic use of a tool does: the page's first points and values (in id
// order) are selected, enough for a few rounds of the tool's inputs.  The
// cells made stay on the page, without an undo step; the selection and the
// current tool are as before afterwards.
void FuzzApplyToolsToSelection(CGPage& page, const std::vector<CRecord*>& tools);
