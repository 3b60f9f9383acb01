// The shared vertex array (g_pVertexArray, g_nVertexCapacity): one x, y, z
// triple per point slot of the current page.  Its contents always mirror the
// current page only; growing it discards them and the page refills it.
#pragma once

// Grows the capacity before n points are added: by 100 slots when n < 50 or
// n is exactly 100 (the fixed request of many commands), else by n + 50; then
// refills the array from the current page.  On failure it shows the
// out-of-memory message and returns false; the old array and capacity stay,
// and the caller creates nothing.
bool ReserveVertexArray(int n);

// Makes room for `points` more points of `page` from its next slot: grows
// the array by the request `growth` (see ReserveVertexArray) when they would
// not fit, then by the points themselves should a fixed request fall short.
// False, with the message shown, when the array cannot grow or the 16-bit
// slot counter would wrap; the caller creates nothing.
class CGPage;
bool ReserveSlotsFor(const CGPage& page, int points, int growth);

// Replaces the array by a zeroed one of capacity (+ 10 spare) slots and
// sets g_nVertexCapacity.  Returns false, leaving array and capacity as they
// were, when the capacity is out of range or the memory cannot be had.
bool ReallocateVertexArray(int capacity);

// Writes a point into its slot; slots outside the array are ignored, so a
// stale or hostile slot number can never write past it.
void WriteVertexSlot(int slot, const float xyz[3]);

// The number of slots the array holds (capacity + 10 spare), 0 when none.
int VertexArraySlots();

// Back to the start: a zeroed array of the current g_nVertexCapacity.
void ResetVertexArray();

// Capacity beyond which growing is refused: a page has at most 65534 cells,
// so a larger request is an error, not a reason to allocate.
inline constexpr int kMaxVertexCapacity = 70000;
