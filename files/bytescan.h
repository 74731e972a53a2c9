// SPDX-License-Identifier: GPL-3.0-or-later
// Which of sixteen bytes are a given character or a decimal digit, as a bit mask: the plan-file
// reader finds the fields of a whole record with a few of these instead of byte by byte.
#pragma once

#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace rumbario {

/** Bit i is set when data[i] == wanted, for i in 0..15. */
inline std::uint32_t equalMask16(const char *data, char wanted)
{
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data));
    return std::uint32_t(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, _mm_set1_epi8(wanted))));
#else
    std::uint32_t mask = 0;
    for (int i = 0; i < 16; ++i)
        mask |= std::uint32_t(data[i] == wanted) << i;
    return mask;
#endif
}

/** Bit i is set when data[i] is one of '0'..'9', for i in 0..15. */
inline std::uint32_t digitMask16(const char *data)
{
#if defined(__SSE2__)
    // Shifting '0' down to -128 turns "is a digit" into one signed comparison.
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data));
    const __m128i shifted = _mm_sub_epi8(bytes, _mm_set1_epi8(char('0' + 128)));
    return std::uint32_t(_mm_movemask_epi8(_mm_cmplt_epi8(shifted, _mm_set1_epi8(-128 + 10))));
#else
    std::uint32_t mask = 0;
    for (int i = 0; i < 16; ++i)
        mask |= std::uint32_t(data[i] >= '0' && data[i] <= '9') << i;
    return mask;
#endif
}

} // namespace rumbario
