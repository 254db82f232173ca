#pragma once
// The fill and the block AND run row primitives compiled once for each
// instruction set: eight pixels a step with AVX2 where the processor has it,
// four with SSE2 on any other x86-64, two per 64-bit word elsewhere. The best
// path this processor runs is chosen on first use; tests and benchmarks may
// pick another to compare them.
#include <QPoint>
#include <QRect>
#include <cstddef>
#include <cstdint>
#include <vector>

// GCC's target pragma compiles the AVX2 path into the same program; with
// other compilers the program keeps the paths it can build portably.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define VELLUMIX_AVX2_PATH 1
#endif

// An RGB32 image's pixels, rows stride words apart.
struct PixelGrid {
    std::uint32_t* bits;
    std::ptrdiff_t stride;
    int width;
    int height;
};

struct PixelPath {
    const char* name;
    bool (*runsHere)();
    // Paints the 4-connected region of key-coloured pixels around start
    // (which has the key colour) with value; returns its bounds.
    QRect (*fill)(const PixelGrid& grid, QPoint start, std::uint32_t key, std::uint32_t value);
    // target[i] = (target[i] AND source[i]) made opaque, for n pixels.
    void (*andPixels)(std::uint32_t* target, const std::uint32_t* source, std::size_t n);
};

// The compiled paths this processor can run, fastest first.
std::vector<const PixelPath*> runnablePixelPaths();

// The path in use: the fastest unless another was chosen.
const PixelPath& pixelPath();
void usePixelPath(const PixelPath& path);

#ifdef VELLUMIX_AVX2_PATH
extern const PixelPath kAvx2Path;
#endif
#ifdef __SSE2__
extern const PixelPath kSse2Path;
#endif
extern const PixelPath kWordPath;
