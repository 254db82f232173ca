// The artwork generator: rerunning it reproduces every committed picture and
// makes no picture that is not committed; a source it cannot fully draw or a
// missing page drawing stops it. Qt's anti-aliasing takes other SIMD paths on other processors, so
// the pictures are compared decoded: the pages byte for byte (pure black and white), flat areas
// (the palette colours, the boxes and pockets) exactly, and only the pixels near an edge within a
// small tolerance.
#include "book/DataFiles.h"
#include "tests/support/TestSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// Generated pictures under root, as paths relative to it.
QSet<QString> picturesUnder(const QString& root) {
    const struct {
        const char* folder;
        QStringList patterns;
        bool recursive;
    } places[] = {
        {"res", {"*.kyr"}, false},
        {"res/pages/orig", {"*.bmp"}, false},
        {"resources", {"*.png", "*.jpg"}, true},
        {"docs", {"pages.png"}, false},
        {"desktop/icons", {"*.png"}, false},
    };
    QSet<QString> found;
    for (const auto& place : places) {
        QDirIterator it(root + "/" + place.folder, place.patterns, QDir::Files,
                        place.recursive ? QDirIterator::Subdirectories
                                        : QDirIterator::NoIteratorFlags);
        while (it.hasNext())
            found.insert(QDir(root).relativeFilePath(it.next()));
    }
    return found;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage decoded(const QString& path, QByteArray* format) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    *format = reader.format();
    return reader.read().convertToFormat(QImage::Format_ARGB32);
}

// Marks every pixel of image that lies within radius of a colour change, so
// that the rest (flat areas) can be held to exact equality.
QList<bool> nearAnEdge(const QImage& image, int radius) {
    const int w = image.width();
    const int h = image.height();
    // Summed table of "differs from its right or lower neighbour".
    QList<int> sums((w + 1) * (h + 1), 0);
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        const QRgb* below =
            y + 1 < h ? reinterpret_cast<const QRgb*>(image.constScanLine(y + 1)) : row;
        for (int x = 0; x < w; ++x) {
            const bool change = (x + 1 < w && row[x + 1] != row[x]) || below[x] != row[x];
            sums[(y + 1) * (w + 1) + x + 1] = int(change) + sums[y * (w + 1) + x + 1] +
                                              sums[(y + 1) * (w + 1) + x] - sums[y * (w + 1) + x];
        }
    }
    QList<bool> near(w * h);
    for (int y = 0; y < h; ++y) {
        const int top = std::max(0, y - radius - 1), bottom = std::min(h, y + radius + 1);
        for (int x = 0; x < w; ++x) {
            const int left = std::max(0, x - radius - 1), right = std::min(w, x + radius + 1);
            near[y * w + x] = sums[bottom * (w + 1) + right] - sums[top * (w + 1) + right] -
                                  sums[bottom * (w + 1) + left] + sums[top * (w + 1) + left] >
                              0;
        }
    }
    return near;
}

int largestChannelDifference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
}

// Empty when fresh matches committed, else what differs. A JPEG spreads a
// changed edge pixel over its 16 x 16 block and the decoder's smoothing, so
// its flat areas start further from an edge.
QString renderingDifference(const QString& committedPath, const QString& freshPath) {
    if (committedPath.endsWith(".bmp")) {
        return contents(committedPath) == contents(freshPath) ? QString()
                                                              : QStringLiteral("bytes differ");
    }
    QByteArray format, freshFormat;
    const QImage committed = decoded(committedPath, &format);
    const QImage fresh = decoded(freshPath, &freshFormat);
    if (format != freshFormat || committed.size() != fresh.size())
        return QStringLiteral("format or size differs");
    constexpr int kEdgeTolerance = 8;
    const QList<bool> near = nearAnEdge(committed, format == "jpeg" ? 20 : 1);
    for (int y = 0; y < committed.height(); ++y) {
        for (int x = 0; x < committed.width(); ++x) {
            const int difference =
                largestChannelDifference(committed.pixel(x, y), fresh.pixel(x, y));
            if (difference > (near[y * committed.width() + x] ? kEdgeTolerance : 0))
                return QStringLiteral("pixel (%1, %2) differs by %3").arg(x).arg(y).arg(difference);
        }
    }
    return {};
}

CommandResult runGenerator(const QString& source, const QString& output) {
    return runCommand(QStringLiteral(VELLUMIX_ARTGEN), {source, output}, 240000);
}

} // namespace

TEST(ArtworkGenerator, ReproducesEveryCommittedPicture) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const CommandResult run = runGenerator(sourceDir(), scratch.path());
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    const QSet<QString> committed = picturesUnder(sourceDir());
    const QSet<QString> generated = picturesUnder(scratch.path());
    EXPECT_GE(generated.size(), 4 + 4 + 18 + 26 + 2 + 6);
    for (const QString& file : generated) {
        EXPECT_TRUE(committed.contains(file))
            << "generated but not committed: " << qPrintable(file);
    }
    for (const QString& file : committed) {
        SCOPED_TRACE(file.toStdString());
        ASSERT_TRUE(generated.contains(file)) << "committed but not generated";
        EXPECT_EQ(
            renderingDifference(sourceDir() + "/" + file, scratch.filePath(file)).toStdString(), "")
            << "differs from a fresh rendering";
    }
}

TEST(ArtworkGenerator, StopsAtASourceItCannotFullyDraw) {
    QTemporaryDir source;
    ASSERT_TRUE(QDir().mkpath(source.filePath("artwork/data")));
    QFile svg(source.filePath("artwork/data/pc.svg"));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"10\">"
              "<rect width=\"20\" height=\"10\" fill=\"url(#missing)\"/></svg>");
    svg.close();

    const CommandResult run = runGenerator(source.path(), source.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("pc.svg")) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(source.filePath("res/pc.kyr")));
}

TEST(ArtworkGenerator, StopsAtAMissingPageDrawingBeforeWritingAnyPage) {
    QTemporaryDir source;
    ASSERT_TRUE(QDir().mkpath(source.filePath("artwork/pages")));
    ASSERT_TRUE(
        QFile::copy(sourceDir() + "/artwork/pages/1.svg", source.filePath("artwork/pages/1.svg")));

    const CommandResult run = runGenerator(source.path(), source.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("pages/2.svg: missing")) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(source.filePath("res/" + DataFiles::outlinePage(1))));
}
