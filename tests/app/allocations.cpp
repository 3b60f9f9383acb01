#include "allocations.h"

#include <atomic>
#include <cstdlib>
#include <new>

#include "support/sanitizers.h"

namespace {
std::atomic<bool> g_counting{false};
std::atomic<long> g_count{0};
std::atomic<long> g_failAt{0};
std::atomic<std::size_t> g_huge{~std::size_t(0)};
std::atomic<int> g_hugeCount{0};
}  // namespace

#ifndef KAVREL_ADDRESS_SANITIZER
void* operator new(std::size_t size) {
  if (g_counting) {
    const long n = ++g_count;
    if (size > g_huge) ++g_hugeCount;
    if (n == g_failAt) throw std::bad_alloc();
  }
  if (void* p = std::malloc(size ? size : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return ::operator new(size); }
// What asks without throwing (a sort's scratch buffer) copes with null by
// itself: it is neither counted nor failed.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
#endif

bool AllocationsWatched() { return !kAddressSanitizer; }

void StartCountingAllocations(std::size_t huge) {
  g_count = 0;
  g_failAt = 0;
  g_hugeCount = 0;
  g_huge = huge;
  g_counting = true;
}

long StopCountingAllocations() {
  g_counting = false;
  g_failAt = 0;
  return g_count;
}

int HugeAllocations() { return g_hugeCount; }

void FailAllocation(long n) { g_failAt = n; }
