#include "colouring/pixels/SurfaceFill.h"

#include "colouring/pixels/PixelRows.h"

#include <algorithm>
#include <vector>

// A span fill that remembers, for every filled span, which neighbouring row
// still has to be explored and from which side it was reached, so each row
// is mostly read once: the parent's range is never scanned again, only the
// parts of a new span that stick out beyond it ("leaks") are looked at in
// the row it came from. Painting as we scan marks pixels as done, since the
// fill colour never equals the region's colour. Pending spans live on a heap
// vector, so no region, however winding, can exhaust the call stack.

namespace {

using pixelrows::findMatch;
using pixelrows::paintLeft;
using pixelrows::paintRight;

// Row y - dy was filled over [x1, x2]; row y is to be explored there.
struct PendingSpan {
    int y;
    int x1;
    int x2;
    int dy;
};

class SpanFill {
public:
    SpanFill(QImage& image, std::uint32_t key, std::uint32_t value)
        : bits_(reinterpret_cast<std::uint32_t*>(image.bits())), stride_(image.bytesPerLine() / 4),
          width_(image.width()), height_(image.height()), key_(key), value_(value) {}

    QRect run(int x, int y) {
        pending_.reserve(256);
        // The start row is explored first, as if reached from the row below.
        // That row was never filled, so it is queued here at the start column;
        // the span's leaks cover the rest of it.
        push(y, x, x, 1);
        pending_.push_back({y, x, x, -1});
        while (!pending_.empty()) {
            const PendingSpan span = pending_.back();
            pending_.pop_back();
            explore(span);
        }
        return QRect(QPoint(left_, top_), QPoint(right_, bottom_));
    }

private:
    void push(int y, int x1, int x2, int dy) {
        if (y + dy >= 0 && y + dy < height_)
            pending_.push_back({y + dy, x1, x2, dy});
    }

    // A freshly painted span [l, r] on row y: note it for the bounds and
    // queue the row ahead, plus the row behind where it reaches past the
    // parent's range [x1, x2].
    void painted(int y, int l, int r, const PendingSpan& parent) {
        left_ = std::min(left_, l);
        right_ = std::max(right_, r);
        top_ = std::min(top_, y);
        bottom_ = std::max(bottom_, y);
        push(y, l, r, parent.dy);
        if (l < parent.x1)
            push(y, l, parent.x1 - 1, -parent.dy);
        if (r > parent.x2)
            push(y, parent.x2 + 1, r, -parent.dy);
    }

    void explore(const PendingSpan& span) {
        std::uint32_t* row = bits_ + std::ptrdiff_t(span.y) * stride_;
        const int end = span.x2 + 1;
        int x = span.x1;
        if (pixelrows::matches(row[x], key_)) {
            const int l = paintLeft(row, x, key_, value_) + 1;
            x = paintRight(row, x + 1, width_, key_, value_);
            painted(span.y, l, x - 1, span);
        }
        while ((x = findMatch(row, x + 1, end, key_)) < end) {
            const int l = x;
            x = paintRight(row, x, width_, key_, value_);
            painted(span.y, l, x - 1, span);
        }
    }

    std::uint32_t* bits_;
    std::ptrdiff_t stride_;
    int width_;
    int height_;
    std::uint32_t key_;
    std::uint32_t value_;
    std::vector<PendingSpan> pending_;
    int left_ = width_;
    int right_ = -1;
    int top_ = height_;
    int bottom_ = -1;
};

} // namespace

QRect surfaceFill(QImage& image, int x, int y, Colour fill) {
    if (!image.rect().contains(x, y))
        return {};
    pixelrows::makeRgb32(image);
    const std::uint32_t key = image.pixel(x, y) & pixelrows::kRgbMask;
    const std::uint32_t value = rgbFromColour(fill) | pixelrows::kOpaque;
    if ((value & pixelrows::kRgbMask) == key)
        return {};
    return SpanFill(image, key, value).run(x, y);
}
