#include "app/UserSettings.h"

#include "postcard/PostcardSettings.h"
#include "postcardprotocol/PostcardRequest.h"
#include "state/BookFacts.h"

#include <QLocale>
#include <QSettings>
#include <cstdio>

namespace {

// The complaints, written once here.
constexpr char kBadService[] =
    "Vellumix: %1: [postcard] service=%2 is not http://host[:port] or https://host[:port]; "
    "postcards cannot be sent.";
constexpr char kBadSender[] =
    "Vellumix: %1: [postcard] sender=%2 is not an e-mail address; postcards cannot be sent.";
constexpr char kBadLanguage[] =
    "Vellumix: %1: [window] language=%2 is not a language; English is used.";

// The file a key's value came from: the user's when it sets the key, else the system's.
QString fileSetting(const QString& key) {
    QSettings user(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kProgramTitle),
                   QLatin1String(kProgramTitle));
    user.setFallbacksEnabled(false);
    if (user.contains(key))
        return user.fileName();
    QSettings system(QSettings::NativeFormat, QSettings::SystemScope, QLatin1String(kProgramTitle),
                     QLatin1String(kProgramTitle));
    return system.fileName();
}

} // namespace

void complainOnStandardError(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

UserSettings readUserSettings(const SettingsComplaint& complain) {
    QSettings file(QSettings::NativeFormat, QSettings::UserScope, QLatin1String(kProgramTitle),
                   QLatin1String(kProgramTitle));
    UserSettings settings;
    settings.postcardService = file.value(QStringLiteral("postcard/service")).toString();
    settings.postcardSender = file.value(QStringLiteral("postcard/sender")).toString();
    settings.fullscreen = file.value(QStringLiteral("window/fullscreen"), false).toBool();
    settings.language = file.value(QStringLiteral("window/language")).toString();

    if (!settings.postcardService.isEmpty() && serviceBaseUrl(settings.postcardService).isEmpty())
        complain(
            QString::fromLatin1(kBadService)
                .arg(fileSetting(QStringLiteral("postcard/service")), settings.postcardService));
    if (!settings.postcardSender.isEmpty() && !followsAddressRule(settings.postcardSender))
        complain(QString::fromLatin1(kBadSender)
                     .arg(fileSetting(QStringLiteral("postcard/sender")), settings.postcardSender));
    if (!settings.language.isEmpty() && QLocale(settings.language).language() == QLocale::C) {
        complain(QString::fromLatin1(kBadLanguage)
                     .arg(fileSetting(QStringLiteral("window/language")), settings.language));
    }
    return settings;
}

void applyPostcardSettings(const UserSettings& settings, PostcardSettings& postcard) {
    if (!settings.postcardService.isEmpty())
        postcard.service = settings.postcardService;
    if (!settings.postcardSender.isEmpty())
        postcard.sender = settings.postcardSender;
    const QString bundle = qEnvironmentVariable("SSL_CERT_FILE");
    if (!bundle.isEmpty())
        postcard.caBundle = bundle;
}
