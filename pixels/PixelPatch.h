#pragma once
// One change of a picture, kept small: the pixels of a rectangle that differ
// between two pictures of the same size, with both their old and their new
// colours. Changed pixels come in runs (row by row, across the rectangle)
// that share one pair of colours; the runs are varint-coded against a table
// of those pairs and then deflated, since the pages have few colours and a
// fill or stroke repeats itself from row to row.
#include <QByteArray>
#include <QImage>
#include <QRect>

struct PixelPatch {
    QRect rect; // the bounds of the changed pixels; empty when none changed
    QByteArray data;

    bool isEmpty() const { return rect.isEmpty(); }
    qsizetype bytes() const { return data.size(); }
};

// The pixels inside area (clipped to both pictures) that differ between
// before and after. Pictures are RGB32; colours compare on their RGB bits.
PixelPatch diffPixels(const QImage& before, const QImage& after, QRect area);

enum class PatchSide { Before, After };

// Writes the patch's old (Before) or new (After) colours into picture and
// returns the rectangle it changed. Only the changed pixels are touched.
QRect applyPatch(QImage& picture, const PixelPatch& patch, PatchSide side);
