#pragma once
// Rendering the hand-written SVG sources into pictures.
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The bytes of an SVG file. Throws FileError when it cannot be read.
QByteArray readSvg(const QString& path);

// Renders svg at its own width and height (or at size, when given) onto a
// transparent ARGB32 picture. name is for error messages. Throws FileError
// when the SVG does not parse or Qt reports anything it could not draw.
QImage renderSvg(const QByteArray& svg, const QString& name, bool antialias, QSize size = QSize());

// svg drawn straight over backdrop, at its size, antialiased: as flatten of
// its rendering, in one pass. Throws FileError as renderSvg does.
QImage renderSvgOver(const QByteArray& svg, const QString& name, QImage backdrop);

// image drawn over backdrop (same size), without transparency.
QImage flatten(const QImage& image, const QImage& backdrop);

// A plain white backdrop of the given size.
QImage whiteBackdrop(QSize size);
