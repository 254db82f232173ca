#include "app/UserSettings.h"

#include <QSettings>

UserSettings readUserSettings() {
    // The native format here is INI in "Vellumix.conf"; IniFormat would look for "Vellumix.ini".
    QSettings file(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Vellumix"),
                   QStringLiteral("Vellumix"));
    UserSettings settings;
    settings.postcardService = file.value(QStringLiteral("postcard/service")).toString();
    settings.postcardSender = file.value(QStringLiteral("postcard/sender")).toString();
    settings.fullscreen = file.value(QStringLiteral("window/fullscreen"), false).toBool();
    settings.language = file.value(QStringLiteral("window/language")).toString();
    return settings;
}
