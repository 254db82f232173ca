#pragma once
// The compiled-in SVG sources of the program's pictures, drawn at any size.
#include "resources/CrispPictures.h"

#include <QString>

// ":/artwork/<group>/<name>.svg", the source of the picture <name>.
QString svgSource(const QString& group, const QString& name);

// The source of a picture of the data folder: "ui.kyr" is drawn from
// ":/artwork/data/ui.svg".
QString dataFileSource(const char* file);

// What lies behind a picture, drawn at size device pixels and ratio.
using Backdrop = std::function<QImage(QSize size, qreal ratio)>;

// Draws the source over backdrop (white when none), opaque, as the artwork
// generator flattens the 1x pictures.
CrispPictures::Renderer svgRenderer(const QString& source, Backdrop backdrop = {});

// The source drawn at size on transparency. Throws FileError.
QImage renderSvgSource(const QString& source, QSize size);
