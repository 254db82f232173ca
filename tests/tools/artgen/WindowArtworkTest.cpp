// The main window's and the postcard windows' pictures: their sizes and
// formats, buttons that blend into the desk behind them, and a postcard
// background dark enough for the white labels.
#include "book/BookFacts.h"
#include "book/DataFiles.h"
#include "pixels/BitmapFile.h"
#include "tests/support/TestSupport.h"
#include "tests/tools/artgen/ArtworkFiles.h"

#include <gtest/gtest.h>

namespace {

struct Placed {
    const char* name;
    QRect place; // on the main window, in pixels
};

const Placed kButtons[] = {
    {"cmdNEXT", {701, 170, 68, 121}}, {"cmdPREV", {21, 171, 68, 121}},
    {"cmdSAVE", {675, 486, 60, 87}},  {"cmdSEND", {733, 487, 60, 87}},
    {"cmdPAINT", {5, 488, 60, 87}},   {"cmdDRAW", {67, 487, 60, 87}},
};

const Placed kLayoutPictures[] = {
    {"Image1", {14, 31, 114, 82}},
    {"imgNONE", {822, 435, 35, 165}},
    {"cmdERASER", {574, 435, 85, 165}},
    {"cmdERASER_OFF", {574, 435, 85, 165}},
};

// Mean difference between the outermost two pixels all round a picture and
// the desk at the place where the window shows it.
double edgeDifference(const QImage& picture, const QImage& desk, QPoint at) {
    const int w = picture.width();
    const int h = picture.height();
    const QRect strips[] = {{0, 0, w, 2}, {0, h - 2, w, 2}, {0, 2, 2, h - 4}, {w - 2, 2, 2, h - 4}};
    double sum = 0;
    int pixels = 0;
    for (const QRect& strip : strips) {
        const int n = strip.width() * strip.height();
        sum += meanDifference(picture, strip, desk, strip.translated(at)) * n;
        pixels += n;
    }
    return sum / pixels;
}

} // namespace

TEST(WindowArtwork, DataFilesArePngPicturesOfTheirSizeThatTheProgramLoads) {
    const struct {
        const char* file;
        QSize size;
    } files[] = {{DataFiles::Desk, kWindowSize},
                 {DataFiles::Crayons, controlRect("imgCRAYONS").size()},
                 {DataFiles::Brushes, controlRect("imgBRUSHES").size()},
                 {DataFiles::PostcardBackground, postcardRect("frmPostcard").size()}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.file);
        const LoadedPicture loaded = loadArtwork(QStringLiteral("res/") + f.file);
        EXPECT_EQ(loaded.format, "png");
        EXPECT_EQ(loaded.image.size(), f.size);
        EXPECT_EQ(loadPicture(shippedDataFolder() + f.file).size(), f.size);
    }
}

TEST(WindowArtwork, LayoutPicturesAreJpegsOfTheirControlsSize) {
    for (const Placed& p : kLayoutPictures) {
        SCOPED_TRACE(p.name);
        const LoadedPicture loaded =
            loadArtwork(QStringLiteral("resources/layout/%1.jpg").arg(p.name));
        EXPECT_EQ(loaded.format, "jpeg");
        EXPECT_EQ(loaded.image.size(), p.place.size());
    }
}

TEST(WindowArtwork, EveryButtonHasThreeDistinctJpegStatesOfItsSize) {
    for (const Placed& b : kButtons) {
        QImage states[3];
        const char* suffixes[] = {"norm", "roll", "down"};
        for (int s = 0; s < 3; ++s) {
            SCOPED_TRACE(QStringLiteral("%1_%2").arg(b.name, suffixes[s]).toStdString());
            const LoadedPicture loaded =
                loadArtwork(QStringLiteral("resources/buttons/%1_%2.jpg").arg(b.name, suffixes[s]));
            EXPECT_EQ(loaded.format, "jpeg");
            ASSERT_EQ(loaded.image.size(), b.place.size());
            states[s] = loaded.image;
        }
        const QRect all(QPoint(0, 0), b.place.size());
        SCOPED_TRACE(b.name);
        EXPECT_GT(meanDifference(states[0], all, states[1], all), 2.0);
        EXPECT_GT(meanDifference(states[0], all, states[2], all), 2.0);
        EXPECT_GT(meanDifference(states[1], all, states[2], all), 2.0);
    }
}

TEST(WindowArtwork, ButtonsAndLogoBlendIntoTheDeskAtTheirPlace) {
    const QImage desk = loadArtwork(QStringLiteral("res/") + DataFiles::Desk).image;
    ASSERT_FALSE(desk.isNull());
    for (const Placed& b : kButtons) {
        for (const char* state : {"norm", "roll", "down"}) {
            SCOPED_TRACE(QStringLiteral("%1_%2").arg(b.name, state).toStdString());
            const QImage picture =
                loadArtwork(QStringLiteral("resources/buttons/%1_%2.jpg").arg(b.name, state)).image;
            ASSERT_FALSE(picture.isNull());
            EXPECT_LT(edgeDifference(picture, desk, b.place.topLeft()), 2.5);
        }
    }
    const QImage logo = loadArtwork("resources/layout/Image1.jpg").image;
    ASSERT_FALSE(logo.isNull());
    EXPECT_LT(edgeDifference(logo, desk, {14, 31}), 2.5);
}

TEST(WindowArtwork, IconsArePngsOfTheirSizeWithTransparentCorners) {
    for (int size : {32, 16}) {
        SCOPED_TRACE(size);
        const LoadedPicture loaded =
            loadArtwork(QStringLiteral("resources/icons/icon%1.png").arg(size));
        EXPECT_EQ(loaded.format, "png");
        ASSERT_EQ(loaded.image.size(), QSize(size, size));
        EXPECT_EQ(qAlpha(loaded.image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(loaded.image.pixel(size - 1, size - 1)), 0);
        EXPECT_EQ(qAlpha(loaded.image.pixel(size / 2, size / 2)), 255);
    }
}

TEST(PostcardArtwork, WhiteLabelsReadWellWhereverTheySit) {
    const QImage card = loadArtwork("res/pc.kyr").image;
    ASSERT_EQ(card.size(), QSize(518, 211));
    // The composer's five labels, and the status window's text, which shows
    // the picture's top-left 449 x 75.
    const QRect labels[] = {{199, 7, 20, 16}, {182, 31, 37, 16},  {158, 55, 59, 16},
                            {41, 16, 52, 16}, {24, 154, 100, 16}, {10, 13, 427, 48}};
    for (const QRect& label : labels) {
        SCOPED_TRACE(QStringLiteral("label at %1, %2").arg(label.x()).arg(label.y()).toStdString());
        double worst = 21;
        double sum = 0;
        for (int y = label.top(); y <= label.bottom(); ++y) {
            for (int x = label.left(); x <= label.right(); ++x) {
                const double c = contrastWithWhite(card.pixel(x, y));
                worst = std::min(worst, c);
                sum += c;
            }
        }
        EXPECT_GE(worst, 4.5);
        EXPECT_GE(sum / (label.width() * label.height()), 9.0);
    }
}
