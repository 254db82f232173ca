#pragma once
// What the grown-ups allow the book: read from Vellumix.conf at start-up and
// handed to the main window before it loads.
#include <QString>

struct BookSettings {
    bool postcardEnabled = true;
    // The composer opens only after the grown-up question.
    bool askGrownup = false;
    bool printEnabled = true;
    bool saveEnabled = true;
    QString saveFolder; // empty: where the save dialog opens by itself
    // Full screen that F11 does not leave; only the grown-up question closes it.
    bool kiosk = false;
    // Start-up keeps each sound working copy instead of restoring every page.
    bool keepBook = false;
};
