// Whether the tests run under AddressSanitizer: gcc names it by a macro,
// clang by a feature.  It keeps its own allocator and address-space layout,
// which some tests must leave alone.
#pragma once

#if defined(__SANITIZE_ADDRESS__)
#define KAVREL_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KAVREL_ADDRESS_SANITIZER 1
#endif
#endif

#ifdef KAVREL_ADDRESS_SANITIZER
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
