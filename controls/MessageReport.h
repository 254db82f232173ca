#pragma once
// How the program tells the child something: a message box over a window.
// Every caller takes one of these, so tests can read what would be shown.
#include <QString>
#include <functional>

class QWidget;

using MessageReport =
    std::function<void(QWidget* parent, const QString& title, const QString& text)>;

// A modal warning box with one OK button over parent.
void showWarning(QWidget* parent, const QString& title, const QString& text);

// A modal box without an icon, with one OK button over parent.
void showMessageBox(QWidget* parent, const QString& title, const QString& text);
