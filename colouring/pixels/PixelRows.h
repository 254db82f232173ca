#pragma once
// Row primitives shared by the fill and the block transfers. Pixels are
// RGB32 words (0xffRRGGBB); colours are compared on their RGB bits only, so a
// stray alpha byte never splits a region. Each scan handles four pixels per
// step with SSE2, or two per 64-bit word elsewhere.
#include <QImage>
#include <bit>
#include <cstdint>
#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace pixelrows {

constexpr std::uint32_t kRgbMask = 0x00ffffffu;
constexpr std::uint32_t kOpaque = 0xff000000u;

// Every pixel routine works on RGB32; anything else is brought to it first.
inline void makeRgb32(QImage& image) {
    if (image.format() != QImage::Format_RGB32)
        image.convertTo(QImage::Format_RGB32);
}

inline bool matches(std::uint32_t pixel, std::uint32_t key) {
    return (pixel & kRgbMask) == key;
}

#ifdef __SSE2__
// Bit i set when pixel i of the four at p has the key colour.
inline unsigned matchMask4(const std::uint32_t* p, __m128i key, __m128i mask) {
    const __m128i px = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    return unsigned(
        _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(_mm_and_si128(px, mask), key))));
}
#else
// Two pixels per word: true when both have the key colour.
inline bool bothMatch(const std::uint32_t* p, std::uint64_t key2) {
    std::uint64_t word;
    std::memcpy(&word, p, sizeof word);
    return (word & 0x00ffffff00ffffffull) == key2;
}
#endif

// Paints row[x], row[x+1], ... with value while they have the key colour,
// stopping before end. Returns the first index not painted.
inline int paintRight(std::uint32_t* row, int x, int end, std::uint32_t key, std::uint32_t value) {
#ifdef __SSE2__
    const __m128i k = _mm_set1_epi32(int(key));
    const __m128i m = _mm_set1_epi32(int(kRgbMask));
    const __m128i v = _mm_set1_epi32(int(value));
    while (end - x >= 4) {
        const unsigned hits = matchMask4(row + x, k, m);
        if (hits != 0xF) {
            const int run = std::countr_one(hits);
            for (int i = 0; i < run; ++i)
                row[x + i] = value;
            return x + run;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + x), v);
        x += 4;
    }
#else
    const std::uint64_t key2 = std::uint64_t(key) << 32 | key;
    const std::uint64_t value2 = std::uint64_t(value) << 32 | value;
    while (end - x >= 2 && bothMatch(row + x, key2)) {
        std::memcpy(row + x, &value2, sizeof value2);
        x += 2;
    }
#endif
    while (x < end && matches(row[x], key))
        row[x++] = value;
    return x;
}

// Paints row[x], row[x-1], ... down to 0 while they have the key colour.
// Returns the index left of the painted run (-1 when it reaches the edge).
inline int paintLeft(std::uint32_t* row, int x, std::uint32_t key, std::uint32_t value) {
#ifdef __SSE2__
    const __m128i k = _mm_set1_epi32(int(key));
    const __m128i m = _mm_set1_epi32(int(kRgbMask));
    const __m128i v = _mm_set1_epi32(int(value));
    while (x >= 3) {
        const unsigned hits = matchMask4(row + x - 3, k, m);
        if (hits != 0xF) {
            const int run = std::countl_one(hits << 28);
            for (int i = 0; i < run; ++i)
                row[x - i] = value;
            return x - run;
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(row + x - 3), v);
        x -= 4;
    }
#else
    const std::uint64_t key2 = std::uint64_t(key) << 32 | key;
    const std::uint64_t value2 = std::uint64_t(value) << 32 | value;
    while (x >= 1 && bothMatch(row + x - 1, key2)) {
        std::memcpy(row + x - 1, &value2, sizeof value2);
        x -= 2;
    }
#endif
    while (x >= 0 && matches(row[x], key))
        row[x--] = value;
    return x;
}

// The first index in [x, end) whose pixel has the key colour, or end.
inline int findMatch(const std::uint32_t* row, int x, int end, std::uint32_t key) {
#ifdef __SSE2__
    const __m128i k = _mm_set1_epi32(int(key));
    const __m128i m = _mm_set1_epi32(int(kRgbMask));
    while (end - x >= 4) {
        const unsigned hits = matchMask4(row + x, k, m);
        if (hits != 0)
            return x + std::countr_zero(hits);
        x += 4;
    }
#endif
    while (x < end && !matches(row[x], key))
        ++x;
    return x;
}

// target[i] = target[i] AND source[i] on the RGB bits, for n pixels; the
// result stays opaque.
inline void andRow(std::uint32_t* target, const std::uint32_t* source, std::size_t n) {
    std::size_t i = 0;
#ifdef __SSE2__
    const __m128i opaque = _mm_set1_epi32(int(kOpaque));
    for (; i + 8 <= n; i += 8) {
        auto* t = reinterpret_cast<__m128i*>(target + i);
        const auto* s = reinterpret_cast<const __m128i*>(source + i);
        const __m128i a = _mm_and_si128(_mm_loadu_si128(t), _mm_loadu_si128(s));
        const __m128i b = _mm_and_si128(_mm_loadu_si128(t + 1), _mm_loadu_si128(s + 1));
        _mm_storeu_si128(t, _mm_or_si128(a, opaque));
        _mm_storeu_si128(t + 1, _mm_or_si128(b, opaque));
    }
#else
    constexpr std::uint64_t opaque2 = std::uint64_t(kOpaque) << 32 | kOpaque;
    for (; i + 2 <= n; i += 2) {
        std::uint64_t t;
        std::uint64_t s;
        std::memcpy(&t, target + i, sizeof t);
        std::memcpy(&s, source + i, sizeof s);
        t = (t & s) | opaque2;
        std::memcpy(target + i, &t, sizeof t);
    }
#endif
    for (; i < n; ++i)
        target[i] = (target[i] & source[i]) | kOpaque;
}

} // namespace pixelrows
