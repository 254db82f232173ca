#include "app/UserSettings.h"

#include "book/BookFacts.h"
#include "postcard/PostcardSettings.h"
#include "postcardprotocol/PostcardRequest.h"

#include <QLocale>
#include <QSettings>
#include <cstdio>
#include <memory>

namespace {

// The complaints, written once here.
constexpr char kBadService[] =
    "Vellumix: %1: [postcard] service=%2 is not http://host[:port] or https://host[:port]; "
    "postcards cannot be sent.";
constexpr char kBadSender[] =
    "Vellumix: %1: [postcard] sender=%2 is not an e-mail address; postcards cannot be sent.";
constexpr char kBadRelayTls[] =
    "Vellumix: %1: [postcard] relay_tls=%2 is neither opportunistic nor verify; verify is used.";
constexpr char kBadLanguage[] =
    "Vellumix: %1: [window] language=%2 is not a language; English is used.";

std::unique_ptr<QSettings> programSettings(QSettings::Scope scope) {
    return std::make_unique<QSettings>(QSettings::NativeFormat, scope, QLatin1String(kProgramTitle),
                                       QLatin1String(kProgramTitle));
}

// The file a key's value came from: the user's when it sets the key, else the system's.
QString fileSetting(const QString& key) {
    const auto user = programSettings(QSettings::UserScope);
    user->setFallbacksEnabled(false);
    return user->contains(key) ? user->fileName()
                               : programSettings(QSettings::SystemScope)->fileName();
}

} // namespace

void complainOnStandardError(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

UserSettings readUserSettings(const SettingsComplaint& complain) {
    const auto file = programSettings(QSettings::UserScope);
    // The value of key; complaint (with the file and the value) when set but unusable.
    const auto text = [&](const char* key, const char* complaint, bool (*usable)(const QString&)) {
        const QString name = QLatin1String(key);
        const QString value = file->value(name).toString();
        if (!value.isEmpty() && !usable(value))
            complain(QString::fromLatin1(complaint).arg(fileSetting(name), value));
        return value;
    };
    UserSettings settings;
    settings.postcardService = text("postcard/service", kBadService, [](const QString& value) {
        return !serviceBaseUrl(value).isEmpty();
    });
    settings.postcardSender = text("postcard/sender", kBadSender, &followsAddressRule);
    const QString relayTls = text("postcard/relay_tls", kBadRelayTls, [](const QString& value) {
        return value == QLatin1String("opportunistic") || value == QLatin1String("verify");
    });
    settings.verifyRelayCertificate = !relayTls.isEmpty() && relayTls != "opportunistic";
    settings.fullscreen = file->value(QStringLiteral("window/fullscreen"), false).toBool();
    settings.language = text("window/language", kBadLanguage, [](const QString& value) {
        return QLocale(value).language() != QLocale::C;
    });
    return settings;
}

void applyPostcardSettings(const UserSettings& settings, PostcardSettings& postcard) {
    if (!settings.postcardService.isEmpty())
        postcard.service = settings.postcardService;
    if (!settings.postcardSender.isEmpty())
        postcard.sender = settings.postcardSender;
    postcard.verifyRelayCertificate = settings.verifyRelayCertificate;
    postcard.settingsFiles = programSettings(QSettings::UserScope)->fileName() + " or " +
                             programSettings(QSettings::SystemScope)->fileName();
    const QString bundle = qEnvironmentVariable("SSL_CERT_FILE");
    if (!bundle.isEmpty())
        postcard.caBundle = bundle;
}
