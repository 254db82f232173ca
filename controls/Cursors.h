#pragma once
// The program's own cursors, looked up by resource number (a palette slot's
// crayon or brush, with the colour of its tip) or by name ("HANDY", "ERASER"),
// each with the hot spot at its drawn tip. On finer screens they are drawn for
// the screen with CrispPictures::cursorAt.
#include "book/Colour.h"

#include <QCursor>
#include <QString>

QCursor resourceCursor(int number, Colour tip);
QCursor resourceCursor(const QString& name);
