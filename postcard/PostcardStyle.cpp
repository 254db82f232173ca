#include "postcard/PostcardStyle.h"

#include <QLabel>

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
