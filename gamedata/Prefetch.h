#pragma once

// A hint that memory is about to be read. Walking tens of thousands of
// player entries spread over a large file waits on memory at every entry;
// asking for the next ones early lets those waits overlap.
#if defined(__GNUC__) || defined(__clang__)
inline void PrefetchForRead(const void* address)
{
    __builtin_prefetch(address, 0, 3);
}
#elif defined(_MSC_VER) && (defined(_M_X64) || defined(_M_IX86))
#include <xmmintrin.h>
inline void PrefetchForRead(const void* address)
{
    _mm_prefetch(static_cast<const char*>(address), _MM_HINT_T0);
}
#else
inline void PrefetchForRead(const void*) {}
#endif
