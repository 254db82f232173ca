#pragma once
// Row primitives shared by the fill and the block AND, written once over a
// "lanes" type that handles L::kCount pixels a step; each instruction set has
// its own lanes type in its own file (see PixelPaths.h). A lanes type L has:
//   Vec splat(value)                    value in every lane
//   bool allMatch(p, key)               all kCount pixels at p have the key colour
//   unsigned matchMask(p, key)          bit i set when p[i] has the key colour
//   void store(p, v)                    v over the kCount pixels at p
//   void storeLanes(p, v, lanes)        v over the pixels whose bit is set
//   void andStep(target, source)        andRow over kCount pixels
// Lanes types live in unnamed namespaces, so these templates' instances stay
// private to the file that compiles them for its instruction set.
#include "pixels/PixelRows.h"

#include <bit>
#include <cstddef>

namespace pixelrows {

template <typename L> constexpr unsigned kAllLanes = (1u << L::kCount) - 1;

// Paints row[x], row[x+1], ... with value while they have the key colour,
// stopping before end. Returns the first index not painted.
template <typename L>
int paintRight(std::uint32_t* row, int x, int end, std::uint32_t key, std::uint32_t value) {
    const auto k = L::splat(key);
    const auto v = L::splat(value);
    for (const int last = end - L::kCount; x <= last; x += L::kCount) {
        if (!L::allMatch(row + x, k)) {
            const int run = std::countr_one(L::matchMask(row + x, k));
            L::storeLanes(row + x, v, kAllLanes<L> >> (L::kCount - run));
            return x + run;
        }
        L::store(row + x, v);
    }
    while (x < end && matches(row[x], key))
        row[x++] = value;
    return x;
}

// Paints row[x], row[x-1], ... down to 0 while they have the key colour.
// Returns the index left of the painted run (-1 when it reaches the edge).
template <typename L>
int paintLeft(std::uint32_t* row, int x, std::uint32_t key, std::uint32_t value) {
    const auto k = L::splat(key);
    const auto v = L::splat(value);
    for (; x >= L::kCount - 1; x -= L::kCount) {
        std::uint32_t* const step = row + x - (L::kCount - 1);
        if (!L::allMatch(step, k)) {
            const int run = std::countl_one(L::matchMask(step, k) << (32 - L::kCount));
            L::storeLanes(step, v, kAllLanes<L> << (L::kCount - run) & kAllLanes<L>);
            return x - run;
        }
        L::store(step, v);
    }
    while (x >= 0 && matches(row[x], key))
        row[x--] = value;
    return x;
}

// The first index in [x, end) whose pixel has the key colour, or end.
template <typename L> int findMatch(const std::uint32_t* row, int x, int end, std::uint32_t key) {
    const auto k = L::splat(key);
    for (const int last = end - L::kCount; x <= last; x += L::kCount)
        if (const unsigned hits = L::matchMask(row + x, k))
            return x + std::countr_zero(hits);
    while (x < end && !matches(row[x], key))
        ++x;
    return x;
}

// target[i] = target[i] AND source[i] on the RGB bits, for n pixels; the
// result stays opaque.
template <typename L>
void andRow(std::uint32_t* target, const std::uint32_t* source, std::size_t n) {
    std::size_t i = 0;
    for (; i + L::kCount <= n; i += L::kCount)
        L::andStep(target + i, source + i);
    for (; i < n; ++i)
        target[i] = (target[i] & source[i]) | kOpaque;
}

} // namespace pixelrows
