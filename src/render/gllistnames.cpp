#include "render/gllistnames.h"

#include "platform/processstate.h"

namespace {

std::unique_ptr<IGlListNames>& Current() {
  static std::unique_ptr<IGlListNames> names = std::make_unique<CurrentContextListNames>();
  return names;
}

const ProcessStateReset reset([] { Current() = std::make_unique<CurrentContextListNames>(); });

}  // namespace

IGlListNames& GlListNames() { return *Current(); }

std::unique_ptr<IGlListNames> SetGlListNames(std::unique_ptr<IGlListNames> names) {
  if (!names) names = std::make_unique<CurrentContextListNames>();
  Current().swap(names);
  return names;
}

GLuint GenerateWordLists(GLsizei range) {
  if (range <= 0) return 0;
  const GLuint first = GlListNames().Generate(range);
  if (first == 0) return 0;
  if (first + static_cast<GLuint>(range) - 1 > 0xFFFF) {
    GlListNames().Delete(first, range);
    return 0;
  }
  return first;
}
