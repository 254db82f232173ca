// At QT_SCALE_FACTOR 2 and 1.5 the window's pictures are drawn for the
// screen's pixels: a crayon, the print button and the logo on screen match
// their SVG sources rendered here at that scale, and clearly better than
// their 1x pictures scaled up.
#include "book/ControlPlaces.h"
#include "book/DataFiles.h"
#include "resources/ButtonStates.h"
#include "resources/CrispPictures.h"
#include "resources/SvgPicture.h"
#include "resources/SvgSources.h"
#include "tests/support/ProgramHarness.h"

#include <gtest/gtest.h>

namespace {

// Mean difference per channel, in levels, at the best alignment within a
// pixel either way: a fractional scale may put a control half a pixel off.
double meanDifference(const QImage& shot, QPoint at, const QImage& reference) {
    double best = 255;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QImage part = shot.copy(QRect(at + QPoint(dx, dy), reference.size()));
            qint64 sum = 0;
            for (int y = 0; y < reference.height(); ++y)
                for (int x = 0; x < reference.width(); ++x) {
                    const QRgb a = part.pixel(x, y), b = reference.pixel(x, y);
                    sum += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                           std::abs(qBlue(a) - qBlue(b));
                }
            best = std::min(best, double(sum) / (3.0 * reference.width() * reference.height()));
        }
    return best;
}

class CrispnessTest : public testing::TestWithParam<qreal> {};

TEST_P(CrispnessTest, PicturesMatchTheirSourcesAtTheScreensScale) {
    const qreal ratio = GetParam();
    ScratchDataFolder scratch;
    RunningProgram program(scratch);
    program.setEnvironment(QStringLiteral("QT_SCALE_FACTOR"), QString::number(ratio));
    ASSERT_TRUE(program.start());
    const QRect draw = controlRect("cmdDRAW");
    program.click((QPointF(draw.center()) * ratio).toPoint()); // the crayons show in draw mode
    program.moveTo({0, 0});
    const QImage shot = program.screenshot();
    shot.save(binaryDir() + QStringLiteral("/whole-crisp-%1.png").arg(ratio));

    const auto device = [ratio](QSize size) { return CrispPictures::deviceSize(size, ratio); };
    const QImage desk =
        flatten(renderSvgSource(dataFileSource(DataFiles::Desk), device({800, 600})),
                whiteBackdrop(device({800, 600})));
    const auto behind = [&](const QRect& place, QSize size) {
        return desk.copy(QRect((QPointF(place.topLeft()) * ratio).toPoint(), size));
    };
    const auto onDesk = [&](const QString& source, const QRect& place) {
        const QSize size = device(place.size());
        return flatten(renderSvgSource(source, size), behind(place, size));
    };

    const QRect crayons = controlRect("imgCRAYONS");
    const QRect print = controlRect("cmdPRINT");
    const QRect logo = controlRect("Image1");
    const QImage crayonBox = onDesk(dataFileSource("stix.kyr"), crayons);
    const QSize printSize = device({60, 87});
    const QImage printButton =
        buttonStates(renderSvgSource(svgSource("buttons", "cmdPRINT"), printSize),
                     behind(print, printSize), ratio)
            .normal;
    const QImage logoPicture = onDesk(svgSource("layout", "Image1"), logo);

    // The first crayon's slot, the whole print button, the whole logo.
    const QRect crayon(15, 23, 34, 141);
    const struct {
        const char* what;
        QRect place;  // on the window
        QImage drawn; // the whole picture at ratio
        QRect part;   // of the picture, in window pixels
        QString oneX; // the 1x picture
    } pictures[] = {
        {"crayon", crayons, crayonBox, crayon, scratch.file("stix.kyr")},
        {"print button",
         print,
         printButton,
         {0, 0, 60, 87},
         sourceDir() + "/resources/buttons/cmdPRINT_norm.jpg"},
        {"logo", logo, logoPicture, {0, 0, 114, 82}, sourceDir() + "/resources/layout/Image1.jpg"},
    };
    for (const auto& p : pictures) {
        const QRect devicePart((QPointF(p.part.topLeft()) * ratio).toPoint(),
                               device(p.part.size()));
        const QImage reference = p.drawn.copy(devicePart);
        const QPoint at = (QPointF(p.place.topLeft() + p.part.topLeft()) * ratio).toPoint();
        const QImage scaledUp =
            QImage(p.oneX)
                .convertToFormat(QImage::Format_RGB32)
                .copy(p.part)
                .scaled(reference.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double onScreen = meanDifference(shot, at, reference);
        const double blownUp = meanDifference(scaledUp, QPoint(0, 0), reference);
        EXPECT_LT(onScreen, 2.0) << p.what << " at " << ratio;
        EXPECT_LT(onScreen * 2, blownUp) << p.what << " at " << ratio << ": " << onScreen
                                         << " on screen, " << blownUp << " scaled up";
    }
    program.close();
    EXPECT_EQ(program.waitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Scales, CrispnessTest, testing::Values(2.0, 1.5));

} // namespace
