// Printing into a PDF file, rendered back with pdftoppm: the picture sits
// centred in the printable area, as large as fits, proportions kept.
#include "colouring/PrintButton.h"

#include "tests/support/Facts.h"
#include "tests/support/TestSupport.h"

#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Four quadrants of different colours, so a flipped or cropped print shows.
QImage quadrants(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    const int w = size.width(), h = size.height();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            picture.setPixel(x, y,
                             x < w / 2 ? (y < h / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255))
                                       : (y < h / 2 ? qRgb(0, 160, 0) : qRgb(250, 200, 0)));
    return picture;
}

bool near(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) <= 24 && std::abs(qGreen(a) - qGreen(b)) <= 24 &&
           std::abs(qBlue(a) - qBlue(b)) <= 24;
}

void printAndCheck(QPageLayout::Orientation orientation) {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("page.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(orientation);
    printer.setPageMargins(QMarginsF(15, 20, 15, 20), QPageLayout::Millimeter);
    const QImage picture = quadrants(kCanvasSize);
    ASSERT_EQ(printPicture(printer, picture), QString());

    ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", "72", "-png", "-singlefile",
                                             dir.filePath("page.pdf"), dir.filePath("page")}),
              0);
    const QImage page = QImage(dir.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(page.isNull());
    const QRect area = printer.pageLayout().paintRectPoints();
    const QRect place = fittedPlace(picture.size(), area);
    ASSERT_EQ(page.size(), printer.pageLayout().fullRectPoints().size());
    // As large as fits: one side fills the printable area, centred on the other.
    EXPECT_TRUE(place.width() == area.width() || place.height() == area.height());
    EXPECT_NEAR(place.center().x(), area.center().x(), 1);
    EXPECT_NEAR(place.center().y(), area.center().y(), 1);
    EXPECT_NEAR(double(place.width()) / place.height(),
                double(kCanvasSize.width()) / kCanvasSize.height(), 0.01);

    const QPoint c = place.center();
    const int dx = place.width() / 4, dy = place.height() / 4;
    EXPECT_TRUE(near(page.pixel(c.x() - dx, c.y() - dy), qRgb(255, 0, 0)));
    EXPECT_TRUE(near(page.pixel(c.x() + dx, c.y() - dy), qRgb(0, 160, 0)));
    EXPECT_TRUE(near(page.pixel(c.x() - dx, c.y() + dy), qRgb(0, 0, 255)));
    EXPECT_TRUE(near(page.pixel(c.x() + dx, c.y() + dy), qRgb(250, 200, 0)));
    // The picture's edges land where the placement says, within a point.
    for (QPoint inside : {place.topLeft() + QPoint(2, 2), place.bottomRight() - QPoint(2, 2)})
        EXPECT_FALSE(near(page.pixel(inside), qRgb(255, 255, 255)));
    for (QPoint outside : {place.topLeft() - QPoint(2, 2), place.bottomRight() + QPoint(2, 2)})
        EXPECT_TRUE(near(page.pixel(outside), qRgb(255, 255, 255)));
}

TEST(PrintButton, PortraitPageGetsThePictureFittedAndCentred) {
    printAndCheck(QPageLayout::Portrait);
}

TEST(PrintButton, LandscapePageGetsThePictureFittedAndCentred) {
    printAndCheck(QPageLayout::Landscape);
}

TEST(PrintButton, APrinterThatCannotOpenIsReported) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("/nonexistent-folder/page.pdf");
    EXPECT_FALSE(printPicture(printer, quadrants({20, 10})).isEmpty());
}

} // namespace
