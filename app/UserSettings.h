#pragma once
// What a family or a school sets for the program, read once at start-up from
// the system's and the user's Vellumix.conf (INI; the user's file wins). A
// value that cannot be used never stops the program: it is reported on
// standard error and the default stays.
#include <QString>

struct UserSettings {
    // [postcard]: the service's address and the postcards' sender; empty
    // means the compiled default.
    QString postcardService;
    QString postcardSender;
    // [window]
    bool fullscreen = false;
    QString language; // empty: the system's locale
};

// Reads the settings through QSettings (organisation and application
// "Vellumix"), so Qt's XDG rules find the files.
UserSettings readUserSettings();
