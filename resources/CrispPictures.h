#pragma once
// Pictures drawn for the device pixels they land on. Every picture keeps its
// 1x form: what the layouts and the data folder hold, what sizes the controls
// and what the image buttons compare by handle. A renderer attached to it
// draws it afresh from its SVG source for any other device pixel ratio; each
// rendering is kept for the rest of the run under the key of what it draws,
// so every window showing the same picture shares it.
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <functional>

namespace CrispPictures {

// Draws the picture at size device pixels, ratio device pixels to the 1x pixel.
using Renderer = std::function<QImage(QSize size, qreal ratio)>;

// key names what renderer draws (its source, and the button state): pictures
// attached under one key share their renderings.
void attach(const QPixmap& picture, const QString& key, Renderer renderer);

// picture as drawn for ratio: a pixmap of that device pixel ratio covering
// picture's logical size. picture itself at ratio 1, for a picture without a
// renderer, or where its renderer fails (then scaled smoothly).
QPixmap at(const QPixmap& picture, qreal ratio);

// A cursor drawn for ratio: its picture at ratio with the hot spot on the same
// point of the drawing as at 1x. The platform takes both in device pixels.
QCursor cursorAt(const QCursor& cursor, qreal ratio);

// The device pixels that cover size logical pixels at ratio.
QSize deviceSize(QSize size, qreal ratio);
// The device pixel under the centre of the 1x pixel hotSpot.
QPoint deviceHotSpot(QPoint hotSpot, qreal ratio);

} // namespace CrispPictures
