// Text stored by older versions of the program in the Chinese single-byte
// code page (GBK).
#pragma once
#include <QString>

// Invalid or truncated sequences become U+FFFD; nothing is dropped silently.
QString DecodeGbk(const char* bytes, qsizetype size);
