#pragma once
// The program speaks the user's language where it has a translation, and
// English otherwise.
#include <QString>

class QCoreApplication;

// Installs the program's own translation and Qt's (so the system dialogs
// match) for language, a locale name such as "fr" or "pt_BR"; an empty one
// follows the system's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG).
void installTranslators(QCoreApplication& app, const QString& language);
