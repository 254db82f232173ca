#include "resources/ButtonStates.h"

#include <QPainter>
#include <vector>

namespace {

// One pass of a box blur on an alpha plane, along rows (step 1) or columns:
// each value becomes the mean of the 2 * radius + 1 around it, counting
// what lies beyond the edges as clear. A running sum keeps it linear.
void boxBlur(std::vector<int>& alpha, int width, int height, int radius, bool alongRows) {
    const int lines = alongRows ? height : width;
    const int length = alongRows ? width : height;
    const int stride = alongRows ? 1 : width;
    std::vector<int> line(length);
    const auto at = [&line, length](int k) { return (k >= 0 && k < length) ? line[k] : 0; };
    for (int l = 0; l < lines; ++l) {
        const int start = alongRows ? l * width : l;
        for (int i = 0; i < length; ++i)
            line[i] = alpha[start + i * stride];
        int sum = 0;
        for (int k = -radius; k <= radius; ++k)
            sum += at(k);
        for (int i = 0; i < length; ++i) {
            alpha[start + i * stride] = sum / (2 * radius + 1);
            sum += at(i + radius + 1) - at(i - radius);
        }
    }
}

// The face's opaque parts tinted: towards white (positive amount) or black.
QImage tinted(const QImage& face, QColor tint) {
    QImage out = face.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
    p.fillRect(out.rect(), tint);
    p.end();
    return out;
}

QImage compose(const QImage& backdrop, const QImage& shadow, const QImage& face, QPoint offset) {
    QImage out = backdrop.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.drawImage(0, 0, shadow);
    p.drawImage(offset, face);
    p.end();
    return out;
}

} // namespace

QImage dropShadow(const QImage& image, int radius, int opacity, int drop) {
    const int w = image.width();
    const int h = image.height();
    std::vector<int> alpha(std::size_t(w) * h, 0);
    for (int y = 0; y < h; ++y) {
        const int from = y - drop;
        if (from < 0 || from >= h)
            continue;
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(from));
        for (int x = 0; x < w; ++x)
            alpha[std::size_t(y) * w + x] = qAlpha(row[x]);
    }
    for (int pass = 0; pass < 2; ++pass) {
        boxBlur(alpha, w, h, radius, true);
        boxBlur(alpha, w, h, radius, false);
    }
    QImage shadow(image.size(), QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < w; ++x)
            row[x] = qRgba(0, 0, 0, alpha[std::size_t(y) * w + x] * opacity / 255);
    }
    return shadow;
}

QImage buttonState(const QImage& face, const QImage& backdrop, QImage ButtonStates::*state,
                   qreal scale) {
    const QImage argb = face.convertToFormat(QImage::Format_ARGB32);
    // Blur, drop and lift are lengths on the window: at a finer scale they
    // take as many more pixels.
    const auto px = [scale](int length) { return qRound(length * scale); };
    if (state == &ButtonStates::rollover)
        return compose(backdrop, dropShadow(argb, px(3), 90, px(5)),
                       tinted(argb, QColor(255, 255, 255, 45)), {0, -px(2)});
    if (state == &ButtonStates::pressed)
        return compose(backdrop, dropShadow(argb, px(1), 120, px(1)),
                       tinted(argb, QColor(0, 0, 30, 45)), {0, px(2)});
    return compose(backdrop, dropShadow(argb, px(2), 110, px(3)), argb, {0, 0});
}

ButtonStates buttonStates(const QImage& face, const QImage& backdrop, qreal scale) {
    ButtonStates states;
    for (QImage ButtonStates::*state :
         {&ButtonStates::normal, &ButtonStates::rollover, &ButtonStates::pressed})
        states.*state = buttonState(face, backdrop, state, scale);
    return states;
}
