// Counting allocator for the benchmarks that promise not to allocate:
// include it in exactly one file of a benchmark program.  The program's
// malloc family passes through here, Qt's and the C++ library's
// allocations included; g_nAllocations counts them.  Sanitizer builds
// bring their own allocator and count nothing (KAVREL_COUNTS_ALLOCATIONS 0).
#pragma once
#include <cstddef>

#if defined(__SANITIZE_ADDRESS__)
#define KAVREL_COUNTS_ALLOCATIONS 0
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KAVREL_COUNTS_ALLOCATIONS 0
#endif
#endif
#ifndef KAVREL_COUNTS_ALLOCATIONS
#define KAVREL_COUNTS_ALLOCATIONS 1
#endif

inline long g_nAllocations = 0;

#if KAVREL_COUNTS_ALLOCATIONS
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void __libc_free(void*);
void* malloc(std::size_t n) {
  ++g_nAllocations;
  return __libc_malloc(n);
}
void* calloc(std::size_t n, std::size_t size) {
  ++g_nAllocations;
  return __libc_calloc(n, size);
}
void* realloc(void* p, std::size_t n) {
  ++g_nAllocations;
  return __libc_realloc(p, n);
}
void free(void* p) { __libc_free(p); }
}
#endif
