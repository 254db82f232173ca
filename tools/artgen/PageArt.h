#pragma once
// The colouring pages: pure black line art on pure white, and a contact
// sheet of all of them for the documentation.
#include <QImage>
#include <QList>

// Anything darker than mid-grey becomes line; the rest paper.
QImage thresholdPage(const QImage& rendered);

// Four pages a row at half size on a light grey sheet.
QImage contactSheet(const QList<QImage>& pages);
