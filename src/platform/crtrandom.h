// The random numbers constructions use are divided by 32767, so they follow
// the C run-time generator the program was built with: state = state * 214013
// + 2531011, value = (state >> 16) & 0x7FFF.  Never use std::rand.
#pragma once
#include <cstdint>

constexpr int KV_RAND_MAX = 0x7FFF;

void KvSrand(std::uint32_t seed);
int KvRand();
// Seeds from the clock seam, as the program does at start and for new documents.
void KvSeedRandomFromClock();
