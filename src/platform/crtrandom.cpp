#include "platform/crtrandom.h"

#include "platform/clock.h"
#include "platform/processstate.h"

namespace {
std::uint32_t g_randState = 1;
const ProcessStateReset reset([] { g_randState = 1; });
}  // namespace

void KvSrand(std::uint32_t seed) { g_randState = seed; }

int KvRand() {
  g_randState = g_randState * 214013u + 2531011u;
  return static_cast<int>((g_randState >> 16) & 0x7FFF);
}

void KvSeedRandomFromClock() { KvSrand(static_cast<std::uint32_t>(Clock().UnixTime())); }
