#include "app/UserSettings.h"

#include "state/BookFacts.h"

#include <QSettings>

UserSettings readUserSettings() {
    QSettings file(QSettings::IniFormat, QSettings::UserScope, QLatin1String(kProgramTitle),
                   QLatin1String(kProgramTitle));
    UserSettings settings;
    settings.postcardService = file.value(QStringLiteral("postcard/service")).toString();
    settings.postcardSender = file.value(QStringLiteral("postcard/sender")).toString();
    settings.fullscreen = file.value(QStringLiteral("window/fullscreen"), false).toBool();
    settings.language = file.value(QStringLiteral("window/language")).toString();
    return settings;
}
