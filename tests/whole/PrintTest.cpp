// Printing from the real window to a real CUPS server's PDF printer: the
// system's dialog confirmed or cancelled with the keyboard, the PDF rendered
// and compared with the canvas on screen.
#include "colouring/PrintButton.h"
#include "pixels/BitmapFile.h"
#include "tests/whole/CanvasShots.h"
#include "tests/whole/TestPrintServer.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace {

const QString kDialogTitle = QStringLiteral("Print My Picture");
constexpr int kDotsPerInch = 144;

// Rendered pages of a PDF, in order.
QList<QImage> renderedPages(const QString& pdf) {
    QTemporaryDir out;
    if (runCommand(QStringLiteral("pdftoppm"),
                   {"-r", QString::number(kDotsPerInch), "-png", pdf, out.filePath("page")})
            .exitCode != 0)
        return {};
    QList<QImage> pages;
    for (const QString& name : QDir(out.path()).entryList({"page*.png"}, QDir::Files, QDir::Name))
        pages << QImage(out.filePath(name)).convertToFormat(QImage::Format_RGB32);
    return pages;
}

// The box round everything that is not paper white.
QRect inkedBox(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qMin(qMin(qRed(page.pixel(x, y)), qGreen(page.pixel(x, y))),
                     qBlue(page.pixel(x, y))) < 240)
                box |= QRect(x, y, 1, 1);
    return box;
}

// Whether the pixels round (x, y) all have its colour: a place on paper
// a pixel or so off still shows it.
bool flatAround(const QImage& canvas, int x, int y) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            if (canvas.pixel(x + dx, y + dy) != canvas.pixel(x, y))
                return false;
    return true;
}

bool near(QRgb a, QRgb b) {
    constexpr int kTolerance = 40;
    return qAbs(qRed(a) - qRed(b)) <= kTolerance && qAbs(qGreen(a) - qGreen(b)) <= kTolerance &&
           qAbs(qBlue(a) - qBlue(b)) <= kTolerance;
}

class PrintSession : public ::testing::Test {
protected:
    void SetUp() override {
        if (!server.ok())
            GTEST_SKIP() << "no print server of the test's own: " << server.why().toStdString();
        ASSERT_TRUE(program.start());
        ASSERT_TRUE(program.focusWindow(program.windowId())) << "the window took no keyboard";
    }

    // Opens the print dialog with the button or the key and answers it.
    void answerDialog(bool byKey, const QString& answer) {
        if (byKey)
            program.key(QStringLiteral("ctrl+p"));
        else
            program.click(controlCentre("cmdPRINT"));
        const QString dialog = program.waitForOtherWindow(kDialogTitle, 15000);
        ASSERT_FALSE(dialog.isEmpty()) << "no print dialog appeared";
        keep(program.screenshot(), QStringLiteral("print-dialog"));
        ASSERT_TRUE(program.focusWindow(dialog)) << "the print dialog would not take the keyboard";
        program.key(answer);
        ASSERT_TRUE(program.waitUntilGone(kDialogTitle, 10000)) << "the print dialog stayed open";
        ASSERT_TRUE(program.focusWindow(program.windowId()));
    }

    // Where the picture belongs on the printed page, in rendered pixels: as
    // large as the printable area allows, proportions kept, centred.
    QRect expectedPlace(QSize picture) const {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPrinterName(server.printer());
        const QRectF area = printer.pageLayout().paintRect(QPageLayout::Point);
        const double scale = qMin(area.width() / picture.width(), area.height() / picture.height());
        const QSizeF size = QSizeF(picture) * scale;
        const QPointF corner = area.center() - QPointF(size.width(), size.height()) / 2;
        const double toPixels = kDotsPerInch / 72.0;
        return QRectF(corner * toPixels, size * toPixels).toRect();
    }

    TestPrintServer server; // first: the program finds it through the environment
    ScratchDataFolder scratch;
    RunningProgram program{scratch};
};

} // namespace

TEST_F(PrintSession, ConfirmedPrintsTheCanvasFittedAndCentredOnOnePage) {
    // Flat colours to the picture's edges, so the print shows where it lies.
    for (const auto& [slot, p] : {std::pair{2, QPoint(3, 3)}, std::pair{1, QPoint(215, 30)}}) {
        program.click(paletteSlot(slot));
        program.click(onCanvas(p));
    }
    const QImage canvas = canvasOf(settledShot(program));
    ASSERT_GT(countOf(canvas, qRgb(0, 0, 255)), 5000) << "the margin was not filled";

    ASSERT_NO_FATAL_FAILURE(answerDialog(false, QStringLiteral("Return")));
    const QStringList files = server.waitForJobs(1, 15000);
    ASSERT_EQ(files.size(), 1) << "the printer wrote no PDF:\n" << server.logTail().toStdString();
    const QList<QImage> pages = renderedPages(files.first());
    ASSERT_EQ(pages.size(), 1) << "not one page";
    const QImage& page = pages.first();
    keep(page, QStringLiteral("print-page"));

    const QSize picture = loadPicture(scratch.file("pages/1.bmp")).size();
    const QRect place = inkedBox(page), expected = expectedPlace(picture);
    EXPECT_LE(qAbs(place.left() - expected.left()), 3) << "placed at " << place.left();
    EXPECT_LE(qAbs(place.top() - expected.top()), 3) << "placed at " << place.top();
    EXPECT_LE(qAbs(place.width() - expected.width()), 3) << place.width() << " wide";
    EXPECT_LE(qAbs(place.height() - expected.height()), 3) << place.height() << " high";

    // Every flat pixel of the canvas on screen, at its place on paper.
    const double scale = double(place.width()) / picture.width();
    PixelDifference wrong;
    for (int y = 2; y < canvas.height() - 2; ++y)
        for (int x = 2; x < canvas.width() - 2; ++x) {
            if (!flatAround(canvas, x, y))
                continue;
            const QPoint onPaper =
                place.topLeft() + QPointF((x + 0.5) * scale, (y + 0.5) * scale).toPoint();
            if (!near(page.pixel(onPaper), canvas.pixel(x, y)) && wrong.count++ == 0)
                wrong.first = {x, y};
        }
    EXPECT_EQ(wrong.count, 0) << "the print differs from the canvas: " << where(wrong);
}

TEST_F(PrintSession, CancelledPrintsNothingAndLeavesTheWindowUsable) {
    ASSERT_NO_FATAL_FAILURE(answerDialog(false, QStringLiteral("Escape")));
    ASSERT_NO_FATAL_FAILURE(answerDialog(true, QStringLiteral("Escape")));
    QThread::msleep(2000); // a job would have reached the server by now
    EXPECT_EQ(server.jobCount(), 0);
    EXPECT_TRUE(server.writtenFiles().isEmpty());
    // No message box holds the window: a fill still takes.
    program.click(paletteSlot(3));
    program.click(onCanvas({3, 3}));
    EXPECT_GT(countOf(canvasOf(settledShot(program)), qRgb(0, 255, 0)), 5000);
    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
}

// Qt hands the job to CUPS inside QPainter::end(); CUPS' refusal must come back.
TEST(RefusedPrint, ARejectingOrRemovedPrinterGivesCupsReason) {
    TestPrintServer server;
    if (!server.ok())
        GTEST_SKIP() << "no print server of the test's own: " << server.why().toStdString();
    ASSERT_EQ(runCommand(QStringLiteral("cupsreject"), {server.printer()}).exitCode, 0);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPrinterName(server.printer());
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    const QString reason = printPicture(printer, picture);
    EXPECT_TRUE(reason.contains(QStringLiteral("not accepting jobs"))) << reason.toStdString();
    ASSERT_EQ(runCommand(QStringLiteral("lpadmin"), {"-x", server.printer()}).exitCode, 0);
    const QString gone = printPicture(printer, picture);
    EXPECT_TRUE(gone.contains(QStringLiteral("cannot be found"))) << gone.toStdString();
    EXPECT_EQ(server.jobCount(), 0);
}

TEST_F(PrintSession, APrinterRemovedWhileTheDialogIsOpenIsReported) {
    program.click(controlCentre("cmdPRINT"));
    const QString dialog = program.waitForOtherWindow(kDialogTitle, 15000);
    ASSERT_FALSE(dialog.isEmpty()) << "no print dialog appeared";
    ASSERT_EQ(runCommand(QStringLiteral("lpadmin"), {"-x", server.printer()}).exitCode, 0);
    ASSERT_TRUE(program.focusWindow(dialog));
    program.key(QStringLiteral("Return"));
    QStringList shown; // the main window and, once it comes, the message box
    eventually([&] { return (shown = program.windowsTitled("Vellumix")).size() >= 2; });
    keep(program.screenshot(), QStringLiteral("print-refused"));
    ASSERT_EQ(shown.size(), 2) << "the refused print was not reported";
    shown.removeAll(program.windowId());
    ASSERT_TRUE(program.focusWindow(shown.first()));
    program.key(QStringLiteral("Return"));
    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
}
