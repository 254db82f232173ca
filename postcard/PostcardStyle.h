#pragma once
// The fonts and the white labels of the postcard windows.
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QWidget;

// "Arial" 9.75 pt bold, from the metric-compatible Liberation Sans.
QFont labelFont();

// The 12 pt bold sans serif of the message and the status text.
QFont largeBoldFont();

// A label drawing white text on the window's picture.
QLabel* makeWhiteLabel(QWidget* window, const char* name, const QString& text, const QFont& font,
                       const QRect& geometry, Qt::Alignment alignment);

// Translations run longer than the English the places were drawn for: a
// label too narrow for its text grows, within leftmost..rightmost (pixels of
// the window), leftwards when it is right-aligned and about its centre
// otherwise, then wraps onto more lines.
void fitText(QLabel* label, int leftmost, int rightmost);
