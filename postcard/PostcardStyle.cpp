#include "postcard/PostcardStyle.h"

#include <QLabel>
#include <algorithm>

QFont labelFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    return font;
}

QFont largeBoldFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(12);
    font.setBold(true);
    return font;
}

QLabel* makeWhiteLabel(QWidget* window, const char* name, const QString& text, const QFont& font,
                       const QRect& geometry, Qt::Alignment alignment) {
    auto* label = new QLabel(text, window);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

void fitText(QLabel* label, int leftmost, int rightmost) {
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    QRect place = label->geometry();
    if (needed <= place.width())
        return;
    if (label->alignment() & Qt::AlignRight) {
        place.setLeft(std::max(leftmost, place.right() + 1 - needed));
    } else {
        // Grown about its own centre, and centred on more lines.
        const int centre = place.center().x();
        place.setWidth(std::min(needed, rightmost + 1 - leftmost));
        place.moveLeft(
            std::clamp(centre - place.width() / 2, leftmost, rightmost + 1 - place.width()));
        label->setAlignment(Qt::AlignHCenter | (label->alignment() & Qt::AlignVertical_Mask));
    }
    if (place.width() < needed) {
        label->setWordWrap(true);
        place.setHeight(std::max(place.height(), label->heightForWidth(place.width())));
    }
    label->setGeometry(place);
}
