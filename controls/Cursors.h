#pragma once
// The program's own cursors, looked up by resource number (a palette slot's
// crayon or brush) or by name ("HANDY", "ERASER"), each with the hot spot at its drawn tip.
#include <QCursor>
#include <QString>

QCursor resourceCursor(int number);
QCursor resourceCursor(const QString& name);
