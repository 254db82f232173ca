// A child's session with the real program under the virtual X server: every
// step is checked on a screenshot against the untouched outline page.
#include "book/ControlPlaces.h"
#include "pixels/BitmapFile.h"
#include "tests/support/ConnectedArea.h"
#include "tests/support/Facts.h"
#include "tests/whole/CanvasShots.h"

#include <QDir>
#include <QFile>
#include <QLineF>
#include <QTemporaryDir>
#include <QtEndian>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// More places in the main window, in pixels of its client area.
const QRect kPaletteArea = controlRect("imgCRAYONS");
const QRect kEraserArea = controlRect("cmdERASER");
const QPoint kEraser = kEraserArea.topLeft() + QPoint(42, 85);
const QPoint kDrawButton = controlRect("cmdDRAW").center();
const QPoint kSaveButton = controlRect("cmdSAVE").center();
const QPoint kSendButton = controlRect("cmdSEND").center();
const QPoint kNextButton = controlRect("cmdNEXT").center();
const QPoint kPrevButton = controlRect("cmdPREV").center();
const QString kSaveTitle = QStringLiteral("Save My Picture");

constexpr QRgb kYellow = qRgb(255, 255, 0);
constexpr QRgb kGreen = qRgb(0, 255, 0);
constexpr QRgb kBlack = qRgb(0, 0, 0);

QImage workingCopy(const ScratchDataFolder& scratch, int page) {
    return visiblePart(loadPicture(scratch.file(QStringLiteral("pages/%1.bmp").arg(page))));
}

double distanceToSegment(QPointF p, QPointF a, QPointF b) {
    const QPointF ab = b - a;
    const double t =
        std::clamp(QPointF::dotProduct(p - a, ab) / QPointF::dotProduct(ab, ab), 0.0, 1.0);
    return QLineF(p, a + t * ab).length();
}

// Whether the empty-slot picture lies over palette slot i (its edges may
// overlap the neighbours by a pixel).
bool showsEmpty(const QImage& shot, const QImage& before, int i) {
    const QRect inner = slotArea(i).adjusted(2, 0, -2, 0);
    return differingPixels(shot.copy(inner), before.copy(inner)).count > 500;
}

bool waitForFile(const QString& path) {
    return eventually([&] { return QFile::exists(path); }, 5000);
}

// Presses the save button and answers the real dialog the way a child
// would: over the proposed name, typed, or keeping the proposed name when
// typed is empty; Escape instead of Return when cancel is set.
void useSaveDialog(RunningProgram& program, const QString& typed, bool cancel = false) {
    program.click(kSaveButton);
    const QString dialog = program.waitForOtherWindow(kSaveTitle, 10000);
    ASSERT_FALSE(dialog.isEmpty()) << "no save dialog appeared";
    ASSERT_TRUE(program.focusWindow(dialog)) << "the save dialog would not take the keyboard";
    if (!typed.isEmpty()) {
        program.key(QStringLiteral("ctrl+a"));
        program.type(typed);
    }
    program.key(cancel ? QStringLiteral("Escape") : QStringLiteral("Return"));
    const bool closed = program.waitUntilGone(kSaveTitle, 5000);
    if (!closed)
        keep(program.screenshot(), "scenario-dialog-left-open");
    ASSERT_TRUE(closed) << "the save dialog is still open (or asks a question)";
}

// The saved file is a 24-bit Windows bitmap of the whole page whose pixels
// are those of the canvas on screen.
void expectSavedCanvas(const QString& path, const QImage& canvas) {
    ASSERT_TRUE(waitForFile(path)) << path.toStdString() << " was not written";
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GE(bytes.size(), 54);
    const auto* header = reinterpret_cast<const uchar*>(bytes.constData());
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<qint32>(header + 18), kCanvasSize.width());
    EXPECT_EQ(qAbs(qFromLittleEndian<qint32>(header + 22)), kCanvasSize.height());
    EXPECT_EQ(qFromLittleEndian<quint16>(header + 28), 24) << "not a 24-bit bitmap";
    EXPECT_EQ(qFromLittleEndian<quint32>(header + 30), 0u) << "compressed";
    const QImage saved = visiblePart(loadPicture(path));
    const PixelDifference d = differingPixels(saved, canvas);
    EXPECT_EQ(d.count, 0) << path.toStdString()
                          << " differs from the canvas on screen: " << where(d);
}

// After the window closed: the working copy of the page shown holds what
// the canvas showed.
void expectStoredAsShown(const ScratchDataFolder& scratch, int page, const QImage& canvas) {
    const QImage stored = workingCopy(scratch, page);
    const PixelDifference d = differingPixels(stored, canvas);
    EXPECT_EQ(d.count, 0) << "page " << page << " was not stored as shown: " << where(d);
    EXPECT_GT(differingPixels(stored, outlinePage(scratch, page)).count, 0)
        << "page " << page << " was stored uncoloured";
}

void turnTo(RunningProgram& program, const ScratchDataFolder& scratch, QPoint button, int page) {
    program.click(button);
    const QImage shot = waitForCanvas(program, outlinePage(scratch, page));
    ASSERT_EQ(differingPixels(canvasOf(shot), outlinePage(scratch, page)).count, 0)
        << "page " << page << " did not come";
}

} // namespace

TEST(ChildSession, FillsDrawsErasesTurnsAndSavesThroughTheRealDialog) {
    ScratchDataFolder scratch;
    QTemporaryDir home; // where the program runs, so where its dialog opens
    RunningProgram program(scratch);
    program.setWorkingFolder(home.path());
    ASSERT_TRUE(program.start());
    const QImage outline = outlinePage(scratch, 1);
    const QImage start = program.windowShot();
    ASSERT_EQ(differingPixels(canvasOf(start), outline).count, 0) << "page 1 is not shown";

    // The blue brush leaves its slot empty; the slots beside it stay.
    program.click(paletteSlot(2));
    const QImage picked = settledShot(program);
    keep(picked, "scenario-1-blue-brush");
    EXPECT_TRUE(showsEmpty(picked, start, 2)) << "the blue slot does not show empty";
    for (int i : {1, 3})
        EXPECT_FALSE(showsEmpty(picked, start, i)) << "slot " << i << " changed";

    // Blue poured round the drawing and into the cat's belly, then yellow
    // over the wall: exactly the white areas pressed in, as worked out here.
    const QPoint margin(3, 3), belly(300, 270), wall(215, 30);
    for (const QPoint p : {margin, belly, wall})
        ASSERT_EQ(outline.pixel(p), kWhiteRgb);
    const ConnectedArea around(outline, margin), inside(outline, belly), behind(outline, wall);
    ASSERT_LT(inside.size(), outline.width() * outline.height() / 10) << "the belly is not closed";
    ASSERT_FALSE(behind.contains(margin)) << "the wall runs into the margin";
    program.click(onCanvas(margin));
    program.click(onCanvas(belly));
    program.click(paletteSlot(1));
    const QImage movedPick = settledShot(program);
    EXPECT_TRUE(showsEmpty(movedPick, start, 1)) << "the yellow slot does not show empty";
    EXPECT_FALSE(showsEmpty(movedPick, start, 2)) << "the blue brush did not go back";
    program.click(onCanvas(wall));
    const QImage expected =
        inside.paintedOn(around.paintedOn(behind.paintedOn(outline, kYellow), kBlue), kBlue);
    const QImage filledShot = waitForCanvas(program, expected);
    keep(filledShot, "scenario-2-filled");
    const QImage filled = canvasOf(filledShot);
    const PixelDifference wrongFill = differingPixels(filled, expected);
    EXPECT_EQ(wrongFill.count, 0) << "the fills are not exactly the three white areas: "
                                  << where(wrongFill);

    // Crayons: the box changes, the canvas does not.
    program.click(kDrawButton);
    const QImage crayons = settledShot(program);
    EXPECT_GT(differingPixels(crayons.copy(kPaletteArea), filledShot.copy(kPaletteArea)).count,
              1000)
        << "the crayon box did not replace the brushes";
    EXPECT_EQ(differingPixels(canvasOf(crayons), filled).count, 0);

    // A red stroke across the cat's body, its legs and the belly's outline.
    program.click(paletteSlot(0));
    const QPoint from(150, 235), to(390, 295);
    program.drag(onCanvas(from), onCanvas(to), 60);
    const QImage strokeShot = settledShot(program);
    keep(strokeShot, "scenario-3-stroke");
    const QImage stroked = canvasOf(strokeShot);
    const QRect strokeBox = QRect(from, to).normalized().adjusted(-8, -8, 8, 8);
    const auto onStroke = [&](int x, int y) {
        return distanceToSegment(QPointF(x, y), from, to) <= 3;
    };
    const int outlinesCrossed = breaking(outline, [&](int x, int y) {
                                    return !onStroke(x, y) || outline.pixel(x, y) != kBlack;
                                }).count;
    ASSERT_GT(outlinesCrossed, 50) << "the stroke crosses no outline";
    const PixelDifference strokeLine = breaking(
        stroked,
        [&](int x, int y) {
            return !onStroke(x, y) ||
                   stroked.pixel(x, y) == (outline.pixel(x, y) == kBlack ? kBlack : kRed);
        },
        strokeBox);
    EXPECT_EQ(strokeLine.count, 0)
        << "along the stroke, not red with black outlines on top: " << where(strokeLine);
    const PixelDifference strokeEdge = breaking(stroked, [&](int x, int y) {
        const QRgb now = stroked.pixel(x, y);
        if (!strokeBox.contains(x, y))
            return now == filled.pixel(x, y);
        return outline.pixel(x, y) == kBlack ? now == kBlack
                                             : (now == kRed || now == filled.pixel(x, y));
    });
    EXPECT_EQ(strokeEdge.count, 0) << "an outline covered or a stray colour: " << where(strokeEdge);
    EXPECT_GT(countOf(stroked, kRed, strokeBox), 1500);

    // The eraser, dragged three times across the stroke: the rubbed strip
    // shows the untouched page again. A press only darkens, each move copies
    // the 10 x 10 block below and right of the pointer; the first blocks are
    // given a few pixels of slack in case the server merged early moves.
    program.click(kEraser);
    const QImage eraserShot = settledShot(program);
    EXPECT_GT(differingPixels(eraserShot.copy(kEraserArea), strokeShot.copy(kEraserArea)).count,
              500)
        << "the eraser slot does not show empty";
    for (int y : {250, 258, 266})
        program.drag(onCanvas({200, y}), onCanvas({320, y}), 30);
    const QImage erasedShot = settledShot(program);
    keep(erasedShot, "scenario-4-erased");
    const QImage erased = canvasOf(erasedShot);
    const QRect rubbed(QPoint(200, 250), QPoint(329, 275));
    const QRect restored = rubbed.adjusted(12, 0, 0, 0);
    EXPECT_GT(countOf(stroked, kRed, restored), 500);
    const PixelDifference notRestored = breaking(
        erased, [&](int x, int y) { return erased.pixel(x, y) == outline.pixel(x, y); }, restored);
    EXPECT_EQ(notRestored.count, 0)
        << "the rubbed strip is not the untouched page: " << where(notRestored);
    const PixelDifference strayErase = breaking(erased, [&](int x, int y) {
        const QRgb now = erased.pixel(x, y);
        return now == stroked.pixel(x, y) || (rubbed.contains(x, y) && now == outline.pixel(x, y));
    });
    EXPECT_EQ(strayErase.count, 0) << "changed outside the rubbed strip: " << where(strayErase);

    // Page 2 comes uncoloured; back on page 1 the colouring is all there,
    // and its working copy holds it.
    ASSERT_NO_FATAL_FAILURE(turnTo(program, scratch, kNextButton, 2));
    program.click(kPrevButton);
    const QImage backShot = waitForCanvas(program, erased);
    keep(backShot, "scenario-5-back-on-page-1");
    EXPECT_EQ(differingPixels(canvasOf(backShot), erased).count, 0)
        << "page 1 came back without its colouring";
    EXPECT_EQ(differingPixels(workingCopy(scratch, 1), erased).count, 0);

    // Saving: the proposed name where the dialog opens, a full path typed
    // over it, a name without extension, a name with another extension.
    ASSERT_NO_FATAL_FAILURE(useSaveDialog(program, QString()));
    expectSavedCanvas(home.filePath(QStringLiteral("MyPicture.bmp")), erased);
    const QString folder = home.filePath(QStringLiteral("pictures"));
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_NO_FATAL_FAILURE(useSaveDialog(program, folder + "/Kitten.bmp"));
    expectSavedCanvas(folder + "/Kitten.bmp", erased);
    ASSERT_NO_FATAL_FAILURE(useSaveDialog(program, folder + "/Drawing"));
    expectSavedCanvas(folder + "/Drawing.bmp", erased);
    EXPECT_FALSE(QFile::exists(folder + "/Drawing"));
    ASSERT_NO_FATAL_FAILURE(useSaveDialog(program, folder + "/Cat.png"));
    expectSavedCanvas(folder + "/Cat.png", erased);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3) << "a stray or temporary file";

    const QImage afterSaving = waitForCanvas(program, erased);
    EXPECT_EQ(differingPixels(canvasOf(afterSaving), erased).count, 0);
    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
    expectStoredAsShown(scratch, 1, erased);
}

TEST(ClosingTheWindow, MidStrokeWithTheButtonHeldStoresTheStroke) {
    ScratchDataFolder scratch;
    RunningProgram program(scratch);
    ASSERT_TRUE(program.start());
    program.click(kDrawButton);
    program.click(paletteSlot(0));
    program.mouseDown(onCanvas({160, 100}));
    for (int x = 165; x <= 260; x += 5)
        program.moveTo(onCanvas({x, 100 + (x - 160) / 4}));
    const QImage shot = settledShot(program);
    keep(shot, "scenario-close-mid-stroke");
    const QImage canvas = canvasOf(shot);
    EXPECT_GT(countOf(canvas, kRed), 500) << "the stroke does not show while it is drawn";
    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
    program.mouseUp();
    expectStoredAsShown(scratch, 1, canvas);
}

TEST(ClosingTheWindow, WithThePostcardComposerOpenStoresThePage) {
    ScratchDataFolder scratch;
    RunningProgram program(scratch);
    ASSERT_TRUE(program.start());
    ASSERT_NO_FATAL_FAILURE(turnTo(program, scratch, kNextButton, 2));
    program.click(paletteSlot(2));
    program.click(onCanvas({3, 3}));
    const QImage canvas = canvasOf(settledShot(program));
    EXPECT_GT(countOf(canvas, kBlue), 10000);
    program.click(kSendButton);
    ASSERT_FALSE(program.waitForOtherWindow(QStringLiteral("Send Drawing"), 10000).isEmpty())
        << "the composer did not open";
    keep(program.screenshot(), "scenario-close-composer-open");
    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
    expectStoredAsShown(scratch, 2, canvas);
}

TEST(ClosingTheWindow, AfterACancelledSaveDialogStoresThePage) {
    ScratchDataFolder scratch;
    QTemporaryDir home;
    RunningProgram program(scratch);
    program.setWorkingFolder(home.path());
    ASSERT_TRUE(program.start());
    ASSERT_NO_FATAL_FAILURE(turnTo(program, scratch, kNextButton, 2));
    ASSERT_NO_FATAL_FAILURE(turnTo(program, scratch, kNextButton, 3));
    ASSERT_NO_FATAL_FAILURE(useSaveDialog(program, QString(), true));
    EXPECT_TRUE(QDir(home.path()).isEmpty()) << "a cancelled dialog wrote a file";

    // The window is still the child's: a fill after the dialog is kept.
    program.click(paletteSlot(3));
    program.click(onCanvas({3, 3}));
    const QImage shot = settledShot(program);
    keep(shot, "scenario-close-after-cancel");
    const QImage canvas = canvasOf(shot);
    EXPECT_GT(countOf(canvas, kGreen), 10000);
    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
    expectStoredAsShown(scratch, 3, canvas);
}
