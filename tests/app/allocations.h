// The test program's own operator new, which the application tests watch:
// it counts the allocations made while counting is on, notes huge ones, and
// can make one chosen allocation fail as when memory runs out.  Under
// AddressSanitizer, which keeps its own operator new, none of this works
// (AllocationsWatched is false).
#pragma once
#include <cstddef>

// False where the sanitizer's operator new stands instead.
bool AllocationsWatched();

// Counting on: allocations through operator new from now on are counted
// and those above `huge` bytes noted; the count starts again at 0.
void StartCountingAllocations(std::size_t huge = ~std::size_t(0));
// Counting off; the number counted since the start.
long StopCountingAllocations();
// The allocations above the size given to the start.
int HugeAllocations();

// The `n`-th allocation counted from the start (1 the first) throws
// std::bad_alloc, once; 0 fails none.
void FailAllocation(long n);
