#include "platform/processstate.h"

#include <vector>

namespace {
std::vector<std::function<void()>>& Steps() {
  static std::vector<std::function<void()>> steps;
  return steps;
}
}  // namespace

ProcessStateReset::ProcessStateReset(std::function<void()> reset) {
  Steps().push_back(std::move(reset));
}

void ResetProcessState() {
  for (auto& step : Steps()) step();
}
