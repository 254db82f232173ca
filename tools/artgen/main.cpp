// Renders every picture of the program from the SVG sources under artwork/.
//   vellumix-artgen <source folder> [<output folder>]
// Output goes into the source folder unless another is given, so a test can
// render into a scratch folder and compare with the committed files.
#include "book/ArtworkPlaces.h"
#include "book/BookFacts.h"
#include "book/ControlPlaces.h"
#include "book/DataFiles.h"
#include "book/PaletteTable.h"
#include "pixels/AtomicFile.h"
#include "pixels/BitmapFile.h"
#include "pixels/EncodeJpeg.h"
#include "resources/ButtonStates.h"
#include "resources/SvgPicture.h"
#include "tools/artgen/PageArt.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>

namespace {

// Every colour channel keeps full resolution: the pictures are small and
// full of sharp coloured edges that halved colour would smear.
constexpr JpegSettings kJpeg = {.quality = 95, .fullColour = true, .accurateDct = true};

void announce(const QString& path) {
    std::printf("%s\n", qPrintable(QDir::current().relativeFilePath(path)));
}

void savePng(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!image.save(path, "PNG"))
        throw FileError(path, QStringLiteral("could not be written"));
    announce(path);
}

void saveJpeg(const QImage& image, const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    writeFileAtomically(path, encodeJpeg(image, kJpeg, path));
    announce(path);
}

QStringList svgNames(const QDir& folder) {
    QStringList names;
    for (const QString& file : folder.entryList({"*.svg"}, QDir::Files, QDir::Name))
        names.append(QFileInfo(file).completeBaseName());
    return names;
}

QString svgPath(const QDir& folder, const QString& name) {
    return folder.filePath(name + ".svg");
}

QImage renderFile(const QDir& folder, const QString& name) {
    const QString path = svgPath(folder, name);
    return renderSvg(readSvg(path), path, true);
}

// The part of the desk that lies behind a picture of the given
// name and size; white for pictures that do not sit on the desk.
QImage backdrop(const QImage& desk, const QString& name, QSize size) {
    const auto place = artworkPlace(name);
    if (!place || desk.isNull())
        return whiteBackdrop(size);
    return desk.copy(QRect(*place, size));
}

QString pageDrawing(const QDir& art, int n) {
    return art.filePath(QStringLiteral("pages/%1.svg").arg(n));
}

// Every page of the book needs its drawing; none is written until all are there.
void renderPages(const QDir& art, const QDir& out) {
    for (int n = 1; n <= kPageCount; ++n) {
        if (!QFile::exists(pageDrawing(art, n)))
            throw FileError(pageDrawing(art, n),
                            QStringLiteral("missing, and the book has %1 pages").arg(kPageCount));
    }
    QList<QImage> pages;
    for (int n = 1; n <= kPageCount; ++n) {
        const QString svg = pageDrawing(art, n);
        const QImage page = thresholdPage(renderSvg(readSvg(svg), svg, false));
        const QString target = out.filePath("res/" + DataFiles::outlinePage(n));
        QDir().mkpath(QFileInfo(target).absolutePath());
        writeBitmapFile(page, target);
        announce(target);
        pages.append(page);
    }
    savePng(contactSheet(pages), out.filePath("docs/pages.png"));
}

// The data folder's artwork; the desk comes first because the
// palette pictures blend into it.
QImage renderData(const QDir& data, const QDir& out) {
    const QString deskName = QFileInfo(DataFiles::Desk).completeBaseName();
    QImage desk;
    if (QFile::exists(svgPath(data, deskName))) {
        desk = flatten(renderFile(data, deskName), whiteBackdrop(kWindowSize));
        savePng(desk, out.filePath(QStringLiteral("res/") + DataFiles::Desk));
    }
    for (const QString& name : svgNames(data)) {
        if (name == deskName)
            continue;
        const QImage image = renderFile(data, name);
        savePng(flatten(image, backdrop(desk, name, image.size())),
                out.filePath("res/" + name + ".kyr"));
    }
    return desk;
}

void renderLayout(const QDir& layout, const QDir& out, const QImage& desk) {
    for (const QString& name : svgNames(layout)) {
        const QImage image = renderFile(layout, name);
        saveJpeg(flatten(image, backdrop(desk, name, image.size())),
                 out.filePath("resources/layout/" + name + ".jpg"));
    }
}

void renderButtons(const QDir& buttons, const QDir& out, const QImage& desk) {
    for (const QString& name : svgNames(buttons)) {
        const QImage face = renderFile(buttons, name);
        const ButtonStates states = buttonStates(face, backdrop(desk, name, face.size()));
        const QString base = out.filePath("resources/buttons/" + name);
        saveJpeg(states.normal, base + "_norm.jpg");
        saveJpeg(states.rollover, base + "_roll.jpg");
        saveJpeg(states.pressed, base + "_down.jpg");
    }
}

QString hexColour(Colour c) {
    return QColor(rgbFromColour(c)).name(QColor::HexRgb);
}

// Named cursors as drawn; crayon.svg and brush.svg are templates whose
// magenta (#ff00ff) becomes each palette colour in turn.
void renderCursors(const QDir& cursors, const QDir& out) {
    const QString target = out.filePath("resources/cursors/");
    for (const QString& name : svgNames(cursors)) {
        const QString path = svgPath(cursors, name);
        const QByteArray svg = readSvg(path);
        if (name != "crayon" && name != "brush") {
            savePng(renderSvg(svg, path, true), target + name + ".png");
            continue;
        }
        for (int slot = 0; slot < kPaletteSize; ++slot) {
            QByteArray coloured = svg;
            coloured.replace("#ff00ff", hexColour(kPaletteTable[slot]).toLatin1());
            const int number = name == "crayon" ? drawCursorNumber(slot) : paintCursorNumber(slot);
            savePng(renderSvg(coloured, path, true), target + QString::number(number) + ".png");
        }
    }
}

// The icon is drawn once and rendered straight at each size, so the small
// one stays sharp.
void renderIcons(const QDir& icons, const QDir& out) {
    const QString path = svgPath(icons, "icon");
    if (!QFile::exists(path))
        return;
    const QByteArray svg = readSvg(path);
    for (int size : {32, 16}) {
        savePng(renderSvg(svg, path, true, QSize(size, size)),
                out.filePath(QStringLiteral("resources/icons/icon%1.png").arg(size)));
    }
    // The menu entry's icons, in the sizes desktops look for.
    for (int size : {16, 32, 48, 64, 128, 256}) {
        savePng(renderSvg(svg, path, true, QSize(size, size)),
                out.filePath(QStringLiteral("desktop/icons/%1.png").arg(size)));
    }
}

void generate(const QDir& src, const QDir& out) {
    const QDir art(src.filePath("artwork"));
    const QImage desk = renderData(QDir(art.filePath("data")), out);
    renderLayout(QDir(art.filePath("layout")), out, desk);
    renderButtons(QDir(art.filePath("buttons")), out, desk);
    renderCursors(QDir(art.filePath("cursors")), out);
    renderIcons(QDir(art.filePath("icons")), out);
    renderPages(art, out);
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
