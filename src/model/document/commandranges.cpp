#include "model/document/commandranges.h"

namespace {
std::vector<CDocCommandRange>& Ranges() {
  static std::vector<CDocCommandRange> ranges;
  return ranges;
}
}  // namespace

CDocCommandRanges::CDocCommandRanges(std::initializer_list<CDocCommandRange> ranges) {
  Ranges().insert(Ranges().end(), ranges.begin(), ranges.end());
}

const std::vector<CDocCommandRange>& DocumentCommandRanges() { return Ranges(); }
