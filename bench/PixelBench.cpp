// The pixel core against the floor of touching the page's bytes once: a
// plain copy of the page-sized RGB32 image. Every figure carries x_floor, its
// time per iteration divided by that copy's time, measured in the same run.
// The fills and the stamp run twice, with the upper halves of the vector
// registers clean (/dirty:0) and dirty (/dirty:1), as code run before may
// leave them: in the dirty state old SSE instructions can run several times
// slower, so a figure holds only if it holds in both. They run on each code
// path the processor can run (/path:0 is the one the program uses; the label
// names it).
#include "pixels/BitmapFile.h"
#include "pixels/PenLine.h"
#include "pixels/PixelOps.h"
#include "pixels/PixelPaths.h"
#include "pixels/SurfaceFill.h"
#include "tests/support/ConnectedArea.h"
#include "tests/support/Facts.h"

#include <QFile>
#include <QPainter>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstring>
#include <ctime>
#include <vector>

namespace {

constexpr int kPageWidth = kCanvasSize.width();
constexpr int kPageHeight = kCanvasSize.height();
constexpr Colour kBrushBlue = kPaletteTable[kBlueSlot];
// The white areas a fill is measured on hold at least this many pixels.
constexpr int kSmallestArea = 300;

// Mean CPU time of one copy of the page's bytes, taken once.
double copyFloorSeconds() {
    static const double seconds = [] {
        const std::size_t bytes = std::size_t(kPageWidth) * kPageHeight * 4;
        std::vector<char> from(bytes, 1);
        std::vector<char> to(bytes);
        constexpr int kRounds = 4000;
        for (int i = 0; i < kRounds / 10; ++i)
            std::memcpy(to.data(), from.data(), bytes);
        const std::clock_t start = std::clock();
        for (int i = 0; i < kRounds; ++i) {
            std::memcpy(to.data(), from.data(), bytes);
            benchmark::ClobberMemory();
        }
        return double(std::clock() - start) / CLOCKS_PER_SEC / kRounds;
    }();
    return seconds;
}

enum class Uppers { Untouched, Clean, Dirty };

// The state a benchmark's dirty argument asks for.
Uppers uppersOf(const benchmark::State& state) {
    return state.range(0) == 1 ? Uppers::Dirty : Uppers::Clean;
}

// Runs the benchmark on the code path its path argument names, labelled with
// the path's name, and puts the program's own path back afterwards.
class OnPath {
public:
    explicit OnPath(benchmark::State& state) {
        const PixelPath& path = *runnablePixelPaths().at(std::size_t(state.range(1)));
        usePixelPath(path);
        state.SetLabel(path.name);
    }
    ~OnPath() { usePixelPath(*runnablePixelPaths().front()); }
    OnPath(const OnPath&) = delete;
    OnPath& operator=(const OnPath&) = delete;
};

// Leaves the upper halves of the vector registers dirty, as AVX code that
// skips vzeroupper does, or clean. Processors without AVX have no upper halves.
void setUpperHalves(Uppers uppers) {
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (!hasAvx || uppers == Uppers::Untouched)
        return;
    if (uppers == Uppers::Dirty)
        asm volatile("vpcmpeqd %%xmm15, %%xmm15, %%xmm15\n\t"
                     "vinsertf128 $1, %%xmm15, %%ymm15, %%ymm15" ::
                         : "xmm15");
    else
        asm volatile("vzeroupper");
}

// Runs one iteration's work under the benchmark's loop, the vector registers
// set to uppers before every call, and reports x_floor, the CPU time per
// iteration over the copy floor's.
template <typename Work>
void againstFloor(benchmark::State& state, Work work, Uppers uppers = Uppers::Untouched) {
    const std::clock_t start = std::clock();
    for (auto _ : state) {
        setUpperHalves(uppers);
        work();
    }
    const double perIteration =
        double(std::clock() - start) / CLOCKS_PER_SEC / double(state.iterations());
    state.counters["x_floor"] = perIteration / copyFloorSeconds();
}

QImage blankPage() {
    QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
    page.fill(kWhiteRgb);
    return page;
}

// The shipped first page, or a stand-in with outlines when it is missing.
QImage outlinePage() {
    if (QFile::exists(shippedDataFolder() + DataFiles::outlinePage(1)))
        return shippedOutline(1);
    QImage page = blankPage();
    QPainter painter(&page);
    painter.setPen(QPen(Qt::black, 3));
    painter.drawRoundedRect(page.rect().adjusted(8, 8, -9, -9), 12, 12);
    for (int i = 0; i < 6; ++i)
        painter.drawEllipse(QPoint(80 + 75 * i, 120 + 30 * (i % 3)), 30 + 5 * i, 45);
    painter.drawLine(8, 290, kPageWidth - 9, 290);
    return page;
}

// Fills the area at start again and again, alternating two colours so every
// iteration paints the same pixels without restoring the page.
void fillRepeatedly(benchmark::State& state, QImage page, QPoint start, int pixels) {
    const OnPath onPath(state);
    const Colour original = *readPixel(page, start.x(), start.y());
    bool coloured = false;
    againstFloor(
        state,
        [&] {
            benchmark::DoNotOptimize(
                surfaceFill(page, start.x(), start.y(), coloured ? original : kBrushBlue));
            coloured = !coloured;
        },
        uppersOf(state));
    state.counters["pixels"] = pixels;
}

// A textbook scanline fill, the peer the fill is measured against: pixel by
// pixel, one seed for every run found above and below each span.
void textbookFill(QImage& image, int x, int y, QRgb fill) {
    const QRgb old = image.pixel(x, y);
    auto* bits = reinterpret_cast<QRgb*>(image.bits());
    const int width = image.width();
    std::vector<QPoint> seeds{QPoint(x, y)};
    while (!seeds.empty()) {
        const QPoint seed = seeds.back();
        seeds.pop_back();
        QRgb* row = bits + seed.y() * width;
        if (row[seed.x()] != old)
            continue;
        int left = seed.x();
        int right = seed.x();
        while (left > 0 && row[left - 1] == old)
            --left;
        while (right < width - 1 && row[right + 1] == old)
            ++right;
        std::fill(row + left, row + right + 1, fill);
        for (const int next : {seed.y() - 1, seed.y() + 1}) {
            if (next < 0 || next >= image.height())
                continue;
            const QRgb* nextRow = bits + next * width;
            for (int i = left; i <= right; ++i)
                if (nextRow[i] == old && (i == left || nextRow[i - 1] != old))
                    seeds.emplace_back(i, next);
        }
    }
}

// A row-primitive benchmark in both register states on every path.
void inBothStatesOnEveryPath(benchmark::internal::Benchmark* benchmark) {
    const auto paths = std::int64_t(runnablePixelPaths().size());
    benchmark->ArgNames({"dirty", "path"})
        ->ArgsProduct({{0, 1}, benchmark::CreateDenseRange(0, paths - 1, 1)});
}

void BM_CopyFloor(benchmark::State& state) {
    const QImage from = outlinePage();
    QImage to = blankPage();
    const std::size_t bytes = std::size_t(from.sizeInBytes());
    againstFloor(state, [&] {
        std::memcpy(to.bits(), from.constBits(), bytes);
        benchmark::ClobberMemory();
    });
}
BENCHMARK(BM_CopyFloor);

void BM_FillWholeBlankPage(benchmark::State& state) {
    fillRepeatedly(state, blankPage(), QPoint(kPageWidth / 2, kPageHeight / 2),
                   kPageWidth * kPageHeight);
}
BENCHMARK(BM_FillWholeBlankPage)->Apply(inBothStatesOnEveryPath);

void BM_TextbookFillWholeBlankPage(benchmark::State& state) {
    QImage page = blankPage();
    bool coloured = false;
    againstFloor(state, [&] {
        textbookFill(page, kPageWidth / 2, kPageHeight / 2, coloured ? kWhiteRgb : kBlue);
        benchmark::ClobberMemory();
        coloured = !coloured;
    });
}
BENCHMARK(BM_TextbookFillWholeBlankPage);

void BM_FillLargestAreaOfRealPage(benchmark::State& state) {
    const QImage page = outlinePage();
    const WhiteArea area = whiteAreas(page, kSmallestArea).back();
    fillRepeatedly(state, page, area.start, area.pixels);
}
BENCHMARK(BM_FillLargestAreaOfRealPage)->Apply(inBothStatesOnEveryPath);

// The median white area of each shipped page: the small areas most presses fill.
void BM_FillMedianAreaOfPage(benchmark::State& state) {
    const int number = int(state.range(2));
    if (!QFile::exists(shippedDataFolder() + DataFiles::outlinePage(number)))
        return state.SkipWithError("the page is missing");
    const QImage page = shippedOutline(number);
    const std::vector<WhiteArea> areas = whiteAreas(page, kSmallestArea);
    const WhiteArea area = areas[areas.size() / 2];
    fillRepeatedly(state, page, area.start, area.pixels);
}
BENCHMARK(BM_FillMedianAreaOfPage)
    ->ArgNames({"dirty", "path", "page"})
    ->ArgsProduct({{0, 1}, {0}, benchmark::CreateDenseRange(1, kPageCount, 1)});

// A child's scribble: 200 short segments of a wavy path across the page.
std::vector<QPointF> scribble() {
    std::vector<QPointF> points;
    for (int i = 0; i <= 200; ++i)
        points.emplace_back(20 + i * 2.4, 196 + 120 * std::sin(i * 0.11));
    return points;
}

void BM_Stroke200Segments(benchmark::State& state) {
    QImage canvas = outlinePage();
    const std::vector<QPointF> points = scribble();
    againstFloor(state, [&] {
        for (std::size_t i = 1; i < points.size(); ++i)
            benchmark::DoNotOptimize(drawPenLine(canvas, points[i - 1], points[i], kBrushBlue, 10));
    });
}
BENCHMARK(BM_Stroke200Segments);

void BM_ReleaseStamp(benchmark::State& state) {
    const QImage outline = outlinePage();
    QImage canvas = outline;
    drawPenLine(canvas, QPointF(30, 30), QPointF(490, 360), kBrushBlue, 10); // owns its pixels now
    const OnPath onPath(state);
    againstFloor(
        state,
        [&] { benchmark::DoNotOptimize(blockAnd(canvas, outline, 0, 0, kPageWidth, kPageHeight)); },
        uppersOf(state));
}
BENCHMARK(BM_ReleaseStamp)->Apply(inBothStatesOnEveryPath);

void BM_Eraser200Blocks(benchmark::State& state) {
    const QImage outline = outlinePage();
    QImage canvas = outline;
    canvas.fill(rgbFromColour(kBrushBlue));
    const std::vector<QPointF> points = scribble();
    againstFloor(state, [&] {
        for (std::size_t i = 1; i < points.size(); ++i)
            benchmark::DoNotOptimize(
                blockCopy(canvas, outline, int(points[i].x()), int(points[i].y()), 10, 10));
    });
}
BENCHMARK(BM_Eraser200Blocks);

} // namespace
