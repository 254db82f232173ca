// Start-up to the first shown window: the artwork loaded, the sixteen pages
// restored from their outline copies and page 1 painted. Peers measured in
// the same run: the bare copy of the sixteen page files, and an empty window
// of the same size shown to its first paint.
#include "bench/BenchTiming.h"
#include "pixels/FileError.h"

#include <QFile>
#include <QScreen>
#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

// The process's very first start-up, and what making the QApplication cost
// before it, are what a child waits for once per run; later start-ups find
// fonts, image plug-ins and resources ready. Kept across the benchmark
// library's calls, of which only the last one's counters are reported.
struct ColdStart {
    bool known = false;
    double qappMs = 0;
    double firstMs = 0;
};

// One start-up, timed from the window's making to its first paint at the
// screen's ratio; false, with the benchmark marked, when it did not get there.
bool timedStartup(benchmark::State& state, const ScratchDataFolder& folder, double& seconds) {
    const BenchClock::time_point start = BenchClock::now();
    auto window = std::make_unique<frmCANVAS>(folder.programFolder());
    try {
        window->Form_Load();
    } catch (const FileError& e) {
        state.SkipWithError(qPrintable(e.path() + QStringLiteral(": ") + e.reason()));
        return false;
    }
    const qreal ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    if (!showAndWaitForFirstPaint(*window) || window->devicePixelRatioF() != ratio) {
        state.SkipWithError("the window was never painted at the screen's ratio");
        return false;
    }
    seconds = secondsSince(start);
    state.SetIterationTime(seconds);
    return true; // taking the window down is not part of start-up
}

void BM_StartupToFirstPaint(benchmark::State& state) {
    static ColdStart coldStart;
    const bool cold = !anyWindowPaintedYet();
    const BenchClock::time_point appStart = BenchClock::now();
    ensureApplication();
    const double appSeconds = secondsSince(appStart);
    ScratchDataFolder folder;
    double seconds = 0;
    for (auto _ : state) {
        if (!timedStartup(state, folder, seconds))
            break;
        if (cold && !coldStart.known)
            coldStart = {true, appSeconds * 1e3, seconds * 1e3};
    }
    if (coldStart.known) {
        state.counters["cold_ms"] = coldStart.firstMs;
        state.counters["qapp_ms"] = coldStart.qappMs;
    }
}
BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

// The same on a screen of twice the resolution, where every picture is drawn
// afresh from its source; the first start-up draws them (first_ms), later
// ones in the process find them drawn.
void BM_StartupToFirstPaintAt2x(benchmark::State& state) {
    const ScaledScreen screen(2);
    ScratchDataFolder folder;
    static double firstMs = 0; // across the library's calls, as cold_ms
    double seconds = 0;
    for (auto _ : state) {
        if (!timedStartup(state, folder, seconds))
            break;
        if (firstMs == 0)
            firstMs = seconds * 1e3;
    }
    state.counters["first_ms"] = firstMs;
}
BENCHMARK(BM_StartupToFirstPaintAt2x)->UseManualTime()->Unit(benchmark::kMillisecond);

// Start-up copies each page with QFile::copy, which syncs every copy to
// disk; the second peer copies the same files without syncing, to show how
// much of start-up is waiting for the disk.
void copySixteenPages(benchmark::State& state, bool (*copy)(const QString&, const QString&)) {
    ScratchDataFolder folder;
    for (auto _ : state) {
        for (int page = 1; page <= kPageCount; ++page) {
            const QString working = folder.file(DataFiles::workingPage(page));
            QFile::remove(working);
            if (!copy(folder.file(DataFiles::outlinePage(page)), working)) {
                state.SkipWithError("a page could not be copied");
                return;
            }
        }
    }
}

void BM_Peer_CopySixteenPageFiles(benchmark::State& state) {
    copySixteenPages(state,
                     [](const QString& from, const QString& to) { return QFile::copy(from, to); });
}
BENCHMARK(BM_Peer_CopySixteenPageFiles)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_Peer_CopySixteenPageFilesUnsynced(benchmark::State& state) {
    copySixteenPages(state, [](const QString& from, const QString& to) {
        std::error_code error;
        return std::filesystem::copy_file(QFile::encodeName(from).constData(),
                                          QFile::encodeName(to).constData(), error);
    });
}
BENCHMARK(BM_Peer_CopySixteenPageFilesUnsynced)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_Peer_EmptyWindowToFirstPaint(benchmark::State& state) {
    ensureApplication();
    for (auto _ : state) {
        const BenchClock::time_point start = BenchClock::now();
        auto window = std::make_unique<QWidget>();
        window->setFixedSize(kWindowSize);
        if (!showAndWaitForFirstPaint(*window)) {
            state.SkipWithError("the window was never painted");
            break;
        }
        state.SetIterationTime(secondsSince(start));
        window.reset();
    }
}
BENCHMARK(BM_Peer_EmptyWindowToFirstPaint)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
