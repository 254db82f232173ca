#pragma once
// A span fill that remembers, for every filled span, which neighbouring row
// still has to be explored and from which side it was reached, so each row
// is mostly read once: the parent's range is never scanned again, only the
// parts of a new span that stick out beyond it ("leaks") are looked at in
// the row it came from. Painting as we scan marks pixels as done, since the
// fill colour never equals the region's colour. Pending spans live on a heap
// vector, so no region, however winding, can exhaust the call stack.
// Compiled once per lanes type, like the row primitives (RowKernels.h).
#include "pixels/PixelPaths.h"
#include "pixels/RowKernels.h"

#include <algorithm>
#include <vector>

namespace pixelrows {

template <typename L> class SpanFill {
public:
    SpanFill(const PixelGrid& grid, std::uint32_t key, std::uint32_t value)
        : grid_(grid), key_(key), value_(value) {}

    QRect run(int x, int y) {
        pending_.reserve(256);
        // The start row is explored first, as if reached from the row below.
        // That row was never filled, so it is queued here at the start column;
        // the span's leaks cover the rest of it.
        push(y, x, x, 1);
        pending_.push_back({y, x, x, -1});
        while (!pending_.empty()) {
            const Span span = pending_.back();
            pending_.pop_back();
            explore(span);
        }
        return QRect(QPoint(left_, top_), QPoint(right_, bottom_));
    }

    static QRect fill(const PixelGrid& grid, QPoint start, std::uint32_t key, std::uint32_t value) {
        return SpanFill(grid, key, value).run(start.x(), start.y());
    }

private:
    // Row y - dy was filled over [x1, x2]; row y is to be explored there.
    struct Span {
        int y;
        int x1;
        int x2;
        int dy;
    };

    void push(int y, int x1, int x2, int dy) {
        if (y + dy >= 0 && y + dy < grid_.height)
            pending_.push_back({y + dy, x1, x2, dy});
    }

    // A freshly painted span [l, r] on row y: note it for the bounds and
    // queue the row ahead, plus the row behind where it reaches past the
    // parent's range [x1, x2].
    void painted(int y, int l, int r, const Span& parent) {
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

    void explore(const Span& span) {
        std::uint32_t* row = grid_.bits + std::ptrdiff_t(span.y) * grid_.stride;
        const int end = span.x2 + 1;
        int x = span.x1;
        if (matches(row[x], key_)) {
            const int l = paintLeft<L>(row, x, key_, value_) + 1;
            x = paintRight<L>(row, x + 1, grid_.width, key_, value_);
            painted(span.y, l, x - 1, span);
        }
        while ((x = findMatch<L>(row, x + 1, end, key_)) < end) {
            const int l = x;
            x = paintRight<L>(row, x, grid_.width, key_, value_);
            painted(span.y, l, x - 1, span);
        }
    }

    PixelGrid grid_;
    std::uint32_t key_;
    std::uint32_t value_;
    std::vector<Span> pending_;
    int left_ = grid_.width;
    int right_ = -1;
    int top_ = grid_.height;
    int bottom_ = -1;
};

// The path that runs the fill and the block AND with lanes type L.
template <typename L> constexpr PixelPath pathWith(const char* name, bool (*runsHere)()) {
    return {name, runsHere, &SpanFill<L>::fill, &andRow<L>};
}

} // namespace pixelrows
