#include "pixels/PixelPatch.h"

#include "pixels/PixelRows.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace {

using pixelrows::kRgbMask;

void putVarint(QByteArray& out, std::uint64_t value) {
    while (value >= 0x80) {
        out.append(char((value & 0x7f) | 0x80));
        value >>= 7;
    }
    out.append(char(value));
}

std::uint64_t takeVarint(const char*& p, const char* end) {
    std::uint64_t value = 0;
    for (int shift = 0; p < end && shift < 64; shift += 7) {
        const auto byte = std::uint8_t(*p++);
        value |= std::uint64_t(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            break;
    }
    return value;
}

// The smallest rectangle inside area holding every differing pixel.
QRect changedBounds(const QImage& before, const QImage& after, QRect area) {
    int top = -1, bottom = -1, left = area.right() + 1, right = area.left() - 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* b = reinterpret_cast<const std::uint32_t*>(before.constScanLine(y));
        const auto* a = reinterpret_cast<const std::uint32_t*>(after.constScanLine(y));
        int x = area.left();
        while (x <= area.right() && ((b[x] ^ a[x]) & kRgbMask) == 0)
            ++x;
        if (x > area.right())
            continue;
        int last = area.right();
        while (((b[last] ^ a[last]) & kRgbMask) == 0)
            --last;
        if (top < 0)
            top = y;
        bottom = y;
        left = std::min(left, x);
        right = std::max(right, last);
    }
    return top < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

PixelPatch diffPixels(const QImage& before, const QImage& after, QRect area) {
    QImage b = before, a = after; // shallow unless a conversion is needed
    pixelrows::makeRgb32(b);
    pixelrows::makeRgb32(a);
    area &= b.rect() & a.rect();
    PixelPatch patch;
    patch.rect = area.isEmpty() ? QRect() : changedBounds(b, a, area);
    if (patch.rect.isEmpty())
        return patch;

    // Runs: unchanged pixels to skip, then changed pixels sharing one pair.
    std::vector<std::uint64_t> pairs;
    std::unordered_map<std::uint64_t, std::uint64_t> pairIndex;
    QByteArray runs;
    std::uint64_t skip = 0, length = 0, current = 0;
    auto flush = [&] {
        if (length == 0)
            return;
        putVarint(runs, skip);
        putVarint(runs, length);
        putVarint(runs, current);
        skip = length = 0;
    };
    const QRect r = patch.rect;
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* bp = reinterpret_cast<const std::uint32_t*>(b.constScanLine(y));
        const auto* ap = reinterpret_cast<const std::uint32_t*>(a.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x) {
            const std::uint32_t was = bp[x] & kRgbMask, now = ap[x] & kRgbMask;
            if (was == now) {
                flush();
                ++skip;
                continue;
            }
            const std::uint64_t key = std::uint64_t(was) << 32 | now;
            auto [it, added] = pairIndex.try_emplace(key, pairs.size());
            if (added)
                pairs.push_back(key);
            if (length != 0 && it->second != current)
                flush();
            current = it->second;
            ++length;
        }
    }
    flush();

    QByteArray raw;
    putVarint(raw, pairs.size());
    for (const std::uint64_t pair : pairs)
        putVarint(raw, pair);
    raw.append(runs);
    patch.data = qCompress(raw, 6);
    return patch;
}

QRect applyPatch(QImage& picture, const PixelPatch& patch, PatchSide side) {
    if (patch.isEmpty())
        return {};
    pixelrows::makeRgb32(picture);
    const QRect r = patch.rect & picture.rect();
    if (r != patch.rect)
        return {}; // a picture of another size is not the one this change was taken from
    const QByteArray raw = qUncompress(patch.data);
    const char* p = raw.constData();
    const char* end = p + raw.size();
    std::vector<std::uint32_t> colours(takeVarint(p, end));
    for (std::uint32_t& colour : colours) {
        const std::uint64_t pair = takeVarint(p, end);
        colour = pixelrows::kOpaque |
                 std::uint32_t(side == PatchSide::Before ? pair >> 32 : pair & kRgbMask);
    }
    const int width = r.width();
    const std::uint64_t total = std::uint64_t(width) * std::uint64_t(r.height());
    std::uint64_t at = 0;
    while (p < end) {
        at += takeVarint(p, end);
        std::uint64_t length = takeVarint(p, end);
        const std::uint64_t index = takeVarint(p, end);
        if (index >= colours.size() || at + length > total)
            break;
        const std::uint32_t colour = colours[index];
        while (length > 0) {
            const int y = r.top() + int(at / width), x = int(at % width);
            auto* row = reinterpret_cast<std::uint32_t*>(picture.scanLine(y)) + r.left();
            const int n = int(std::min<std::uint64_t>(length, std::uint64_t(width - x)));
            std::fill(row + x, row + x + n, colour);
            at += n;
            length -= n;
        }
    }
    return r;
}
