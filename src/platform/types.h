// Fixed-width names used by stored records and by the class library the
// program was designed around.  Records are little-endian on disk.
#pragma once
#include <cstdint>

using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using DWORD = std::uint32_t;
using BOOL = std::int32_t;
// A colour word: 0x00BBGGRR, red in the low byte (as stored in files and mark-up).
using COLORREF = DWORD;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif
