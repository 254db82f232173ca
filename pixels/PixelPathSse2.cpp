// The row primitives four pixels a step with SSE2, which every x86-64 has.
// After AVX code that leaves the upper halves of the vector registers dirty,
// old SSE instructions can run several times slower; on a processor with AVX
// the path therefore clears them first, which costs about a cycle.
#include "pixels/PixelPaths.h"

#ifdef __SSE2__
#include "pixels/SpanFill.h"

#include <immintrin.h>

namespace {

__attribute__((target("avx"))) void clearUpperHalves() {
    _mm256_zeroupper();
}

void clearUpperHalvesIfAny() {
    static const bool hasAvx = [] {
        __builtin_cpu_init(); // in case this runs before the program's constructors
        return __builtin_cpu_supports("avx");
    }();
    if (hasAvx)
        clearUpperHalves();
}

struct Sse2Lanes {
    using Vec = __m128i;
    static constexpr int kCount = 4;

    static Vec splat(std::uint32_t value) { return _mm_set1_epi32(int(value)); }
    static Vec load(const std::uint32_t* p) {
        return _mm_loadu_si128(reinterpret_cast<const Vec*>(p));
    }
    static void store(std::uint32_t* p, Vec v) { _mm_storeu_si128(reinterpret_cast<Vec*>(p), v); }

    static unsigned matchMask(const std::uint32_t* p, Vec key) {
        const Vec rgb = _mm_and_si128(load(p), splat(pixelrows::kRgbMask));
        return unsigned(_mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(rgb, key))));
    }
    static bool allMatch(const std::uint32_t* p, Vec key) { return matchMask(p, key) == 0xF; }

    static void storeLanes(std::uint32_t* p, Vec v, unsigned lanes) {
        const Vec bits = _mm_setr_epi32(1, 2, 4, 8);
        const Vec chosen = _mm_cmpeq_epi32(_mm_and_si128(splat(lanes), bits), bits);
        store(p, _mm_or_si128(_mm_and_si128(chosen, v), _mm_andnot_si128(chosen, load(p))));
    }

    static void andStep(std::uint32_t* target, const std::uint32_t* source) {
        store(target,
              _mm_or_si128(_mm_and_si128(load(target), load(source)), splat(pixelrows::kOpaque)));
    }
};

QRect fill(const PixelGrid& grid, QPoint start, std::uint32_t key, std::uint32_t value) {
    clearUpperHalvesIfAny();
    return pixelrows::SpanFill<Sse2Lanes>::fill(grid, start, key, value);
}

void andPixels(std::uint32_t* target, const std::uint32_t* source, std::size_t n) {
    clearUpperHalvesIfAny();
    pixelrows::andRow<Sse2Lanes>(target, source, n);
}

bool always() {
    return true;
}

} // namespace

extern const PixelPath kSse2Path = {"sse2", always, fill, andPixels};
#endif
