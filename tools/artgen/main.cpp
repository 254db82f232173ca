// Renders every picture of the program from the SVG sources under artwork/.
//   vellumix-artgen <source folder> [<output folder>]
// Output goes into the source folder unless another is given, so a test can
// render into a scratch folder and compare with the committed files.
#include "colouring/PaletteTable.h"
#include "colouring/pixels/BitmapFile.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

namespace {

struct Job {
    QString source;
    QString target;
};

QByteArray readSvg(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw FileError(path, file.errorString());
    return file.readAll();
}

QImage render(const QByteArray& svg, const QString& name, bool antialias) {
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        throw FileError(name, QStringLiteral("not a valid SVG"));
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, antialias);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, antialias);
    renderer.render(&painter);
    return image;
}

// Pages are pure black on pure white: anything darker than mid-grey is line.
QImage threshold(const QImage& rendered) {
    QImage page(rendered.size(), QImage::Format_RGB32);
    for (int y = 0; y < page.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rendered.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(page.scanLine(y));
        for (int x = 0; x < page.width(); ++x) {
            const int a = qAlpha(in[x]);
            const int grey = (qGray(in[x]) * a + 255 * (255 - a)) / 255;
            out[x] = grey < 128 ? qRgb(0, 0, 0) : qRgb(255, 255, 255);
        }
    }
    return page;
}

QImage onWhite(const QImage& image) {
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    return flat;
}

void save(const QImage& image, const QString& path, const char* format, int quality = -1) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, format, quality))
        throw FileError(path, QStringLiteral("could not be written"));
    std::printf("%s\n", qPrintable(QDir::current().relativeFilePath(path)));
}

QString hexColour(Colour c) {
    return QColor(rgbFromColour(c)).name(QColor::HexRgb);
}

// Roll-over lifts the face towards white, pressed darkens it and pushes it
// two pixels down and right, so one drawing gives all three states.
QImage rollover(const QImage& face) {
    QImage out = face;
    QPainter p(&out);
    p.fillRect(out.rect(), QColor(255, 255, 255, 60));
    return out;
}

QImage pressed(const QImage& face) {
    QImage out(face.size(), QImage::Format_RGB32);
    out.fill(face.pixel(0, 0));
    QPainter p(&out);
    p.drawImage(2, 2, face);
    p.fillRect(out.rect(), QColor(0, 0, 40, 50));
    return out;
}

constexpr int kJpegQuality = 92;

void generate(const QDir& src, const QDir& out) {
    const QDir art(src.filePath("artwork"));

    QList<QImage> pages;
    for (int n = 1; n <= 16; ++n) {
        const QString svg = art.filePath(QStringLiteral("pages/%1.svg").arg(n));
        if (!QFile::exists(svg))
            continue;
        const QImage page = threshold(render(readSvg(svg), svg, false));
        const QString target = out.filePath(QStringLiteral("res/pages/orig/%1.bmp").arg(n));
        QDir().mkpath(QFileInfo(target).absolutePath());
        writeBitmapFile(page, target);
        std::printf("%s\n", qPrintable(QDir::current().relativeFilePath(target)));
        pages.append(page);
    }
    if (!pages.isEmpty()) {
        // Contact sheet: four pages a row at half size.
        const QSize cell(262, 197);
        const int gap = 8;
        QImage sheet(4 * (cell.width() + gap) + gap,
                     ((pages.size() + 3) / 4) * (cell.height() + gap) + gap, QImage::Format_RGB32);
        sheet.fill(QColor(0xdd, 0xdd, 0xdd));
        QPainter p(&sheet);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (int i = 0; i < pages.size(); ++i) {
            const QRect r(gap + (i % 4) * (cell.width() + gap), gap + (i / 4) * (cell.height() + gap),
                          cell.width(), cell.height());
            p.drawImage(r, pages[i]);
        }
        p.end();
        save(sheet, out.filePath("docs/pages.png"), "PNG");
    }

    for (const QString& file : QDir(art.filePath("data")).entryList({"*.svg"}, QDir::Files)) {
        const QString name = QFileInfo(file).completeBaseName();
        const QImage image = onWhite(render(readSvg(art.filePath("data/" + file)), file, true));
        save(image, out.filePath("res/" + name + ".kyr"), "PNG");
    }

    for (const QString& file : QDir(art.filePath("layout")).entryList({"*.svg"}, QDir::Files)) {
        const QString name = QFileInfo(file).completeBaseName();
        const QImage image = onWhite(render(readSvg(art.filePath("layout/" + file)), file, true));
        save(image, out.filePath("app/resources/layout/" + name + ".jpg"), "JPEG", kJpegQuality);
    }

    for (const QString& file : QDir(art.filePath("buttons")).entryList({"*.svg"}, QDir::Files)) {
        const QString name = QFileInfo(file).completeBaseName();
        const QImage face = onWhite(render(readSvg(art.filePath("buttons/" + file)), file, true));
        const QString base = out.filePath("app/resources/buttons/" + name);
        save(face, base + "_norm.jpg", "JPEG", kJpegQuality);
        save(rollover(face), base + "_roll.jpg", "JPEG", kJpegQuality);
        save(pressed(face), base + "_down.jpg", "JPEG", kJpegQuality);
    }

    // Cursors: named ones as drawn; crayon.svg and brush.svg are templates
    // whose magenta (#ff00ff) becomes each palette colour in turn.
    const QDir cursors(art.filePath("cursors"));
    for (const QString& file : cursors.entryList({"*.svg"}, QDir::Files)) {
        const QString name = QFileInfo(file).completeBaseName();
        const QByteArray svg = readSvg(cursors.filePath(file));
        const QString target = out.filePath("app/resources/cursors/");
        if (name == "crayon" || name == "brush") {
            for (int slot = 0; slot < kPaletteSize; ++slot) {
                QByteArray coloured = svg;
                coloured.replace("#ff00ff", hexColour(kPaletteTable[slot]).toLatin1());
                const int number = name == "crayon" ? drawCursorNumber(slot) : paintCursorNumber(slot);
                save(render(coloured, file, true), target + QString::number(number) + ".png", "PNG");
            }
        } else {
            save(render(svg, file, true), target + name + ".png", "PNG");
        }
    }

    const QString icon = art.filePath("icons/icon.svg");
    if (QFile::exists(icon)) {
        const QImage big = render(readSvg(icon), icon, true);
        save(big.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
             out.filePath("app/resources/icons/icon32.png"), "PNG");
        save(big.scaled(16, 16, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
             out.filePath("app/resources/icons/icon16.png"), "PNG");
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2 || args.size() > 3) {
        std::fprintf(stderr, "usage: vellumix-artgen <source folder> [<output folder>]\n");
        return 2;
    }
    try {
        generate(QDir(args[1]), QDir(args.size() == 3 ? args[2] : args[1]));
    } catch (const FileError& e) {
        std::fprintf(stderr, "vellumix-artgen: %s\n", e.what());
        return 1;
    }
    return 0;
}
