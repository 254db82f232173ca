// The row primitives eight pixels a step with AVX2, for the processors that
// have it. Only the code after the target switch is compiled for AVX2:
// everything it uses from other headers is included before it, so that no
// inline function shared with the other paths is ever built for AVX2 and
// picked by the linker for a processor without it. VEX-encoded throughout,
// so the state of the registers' upper halves costs nothing.
#include "pixels/PixelPaths.h"

#ifdef VELLUMIX_AVX2_PATH
#include "pixels/PixelRows.h"

#include <algorithm>
#include <bit>
#include <immintrin.h>
#include <vector>

#pragma GCC push_options
#pragma GCC target("avx2")

#include "pixels/SpanFill.h"

namespace {

struct Avx2Lanes {
    using Vec = __m256i;
    static constexpr int kCount = 8;

    static Vec splat(std::uint32_t value) { return _mm256_set1_epi32(int(value)); }
    static Vec load(const std::uint32_t* p) {
        return _mm256_loadu_si256(reinterpret_cast<const Vec*>(p));
    }
    static void store(std::uint32_t* p, Vec v) {
        _mm256_storeu_si256(reinterpret_cast<Vec*>(p), v);
    }

    static bool allMatch(const std::uint32_t* p, Vec key) {
        return _mm256_testz_si256(_mm256_xor_si256(load(p), key), splat(pixelrows::kRgbMask));
    }

    static unsigned matchMask(const std::uint32_t* p, Vec key) {
        const Vec rgb = _mm256_and_si256(load(p), splat(pixelrows::kRgbMask));
        return unsigned(_mm256_movemask_ps(_mm256_castsi256_ps(_mm256_cmpeq_epi32(rgb, key))));
    }

    static void storeLanes(std::uint32_t* p, Vec v, unsigned lanes) {
        const Vec bits = _mm256_setr_epi32(1, 2, 4, 8, 16, 32, 64, 128);
        const Vec chosen = _mm256_cmpeq_epi32(_mm256_and_si256(splat(lanes), bits), bits);
        store(p, _mm256_blendv_epi8(load(p), v, chosen));
    }

    static void andStep(std::uint32_t* target, const std::uint32_t* source) {
        store(target, _mm256_or_si256(_mm256_and_si256(load(target), load(source)),
                                      splat(pixelrows::kOpaque)));
    }
};

bool hasAvx2() {
    __builtin_cpu_init(); // in case this runs before the program's constructors
    return __builtin_cpu_supports("avx2");
}

} // namespace

extern const PixelPath kAvx2Path = pixelrows::pathWith<Avx2Lanes>("avx2", hasAvx2);

#pragma GCC pop_options
#endif
