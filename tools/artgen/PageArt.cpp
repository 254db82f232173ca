#include "tools/artgen/PageArt.h"

#include <QPainter>

QImage thresholdPage(const QImage& rendered) {
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

QImage contactSheet(const QList<QImage>& pages) {
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
    return sheet;
}
