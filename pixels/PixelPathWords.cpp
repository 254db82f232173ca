// The row primitives two pixels per 64-bit word, for processors without a
// vector path here; compiled everywhere, so that tests check it on any machine.
#include "pixels/SpanFill.h"

#include <cstring>

namespace {

struct WordLanes {
    using Vec = std::uint64_t;
    static constexpr int kCount = 2;

    static Vec splat(std::uint32_t value) { return Vec(value) << 32 | value; }
    static Vec load(const std::uint32_t* p) {
        Vec word;
        std::memcpy(&word, p, sizeof word);
        return word;
    }
    static void store(std::uint32_t* p, Vec v) { std::memcpy(p, &v, sizeof v); }

    static unsigned matchMask(const std::uint32_t* p, Vec key) {
        const auto key1 = std::uint32_t(key);
        return unsigned(pixelrows::matches(p[0], key1)) | unsigned(pixelrows::matches(p[1], key1))
                                                              << 1;
    }

    static bool allMatch(const std::uint32_t* p, Vec key) { return matchMask(p, key) == 3; }

    static void storeLanes(std::uint32_t* p, Vec v, unsigned lanes) {
        for (int i = 0; i < kCount; ++i)
            if (lanes >> i & 1)
                p[i] = std::uint32_t(v);
    }

    static void andStep(std::uint32_t* target, const std::uint32_t* source) {
        store(target, (load(target) & load(source)) | splat(pixelrows::kOpaque));
    }
};

bool always() {
    return true;
}

} // namespace

extern const PixelPath kWordPath = pixelrows::pathWith<WordLanes>("words", always);
