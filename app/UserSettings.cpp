#include "app/UserSettings.h"

#include "app/SettingsTable.h"
#include "book/BookFacts.h"

#include <QSet>
#include <QSettings>
#include <cstdio>
#include <memory>

namespace {

std::unique_ptr<QSettings> programSettings(QSettings::Scope scope) {
    auto file = std::make_unique<QSettings>(
        QSettings::NativeFormat, scope, QLatin1String(kProgramTitle), QLatin1String(kProgramTitle));
    file->setFallbacksEnabled(false);
    return file;
}

// A value as written: QSettings reads "a, b" as a list.
QString textOf(const QVariant& value) {
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(QLatin1String(", "))
                                                    : value.toString();
}

QString shownKey(const QString& path) {
    const int slash = path.indexOf(u'/');
    return slash < 0 ? path : u'[' + path.left(slash) + QLatin1String("] ") + path.mid(slash + 1);
}

// Unknown sections once each, unknown keys of known sections each.
void nameUnknownKeys(const QSettings& file, QStringList& problems) {
    QSet<QString> sections;
    QSet<QString> paths;
    for (const SettingKey& key : settingKeys()) {
        sections.insert(QLatin1String(key.section));
        paths.insert(key.path());
    }
    QSet<QString> named;
    for (const QString& path : file.allKeys()) {
        if (paths.contains(path))
            continue;
        const QString section = path.section(u'/', 0, 0);
        if (!path.contains(u'/'))
            problems << QStringLiteral("Vellumix: %1: %2 is outside any section; it is ignored.")
                            .arg(file.fileName(), path);
        else if (!sections.contains(section)) {
            if (!named.contains(section))
                problems << QStringLiteral("Vellumix: %1: [%2] is not a section of Vellumix; it "
                                           "is ignored.")
                                .arg(file.fileName(), section);
            named.insert(section);
        } else
            problems << QStringLiteral("Vellumix: %1: %2 is not a key of Vellumix; it is ignored.")
                            .arg(file.fileName(), shownKey(path));
    }
}

} // namespace

void complainOnStandardError(const QString& line) {
    std::fprintf(stderr, "%s\n", line.toLocal8Bit().constData());
}

SettingsReading readSettingsFiles() {
    const auto system = programSettings(QSettings::SystemScope);
    const auto user = programSettings(QSettings::UserScope);
    SettingsReading reading;
    nameUnknownKeys(*system, reading.problems);
    nameUnknownKeys(*user, reading.problems);
    if (user->contains(QLatin1String(kLockedKey)))
        reading.problems << QStringLiteral("Vellumix: %1: [admin] locked is read only from %2; it "
                                           "is ignored here.")
                                .arg(user->fileName(), system->fileName());
    const QStringList locked = listItems(textOf(system->value(QLatin1String(kLockedKey))));

    for (const SettingKey& key : settingKeys()) {
        const QString path = key.path();
        const bool isLocked = locked.contains(path);
        const bool fromUser =
            !isLocked && path != QLatin1String(kLockedKey) && user->contains(path);
        if (isLocked && user->contains(path))
            reading.overridden << QStringLiteral("Vellumix: %1: %2 is locked by %3; its value "
                                                 "there is used.")
                                      .arg(user->fileName(), key.shown(), system->fileName());
        QSettings* file = fromUser ? user.get() : system->contains(path) ? system.get() : nullptr;
        SettingRead read{key.shown(), QLatin1String(key.fallback),
                         isLocked   ? SettingOrigin::Locked
                         : fromUser ? SettingOrigin::UserFile
                         : file     ? SettingOrigin::SystemFile
                                    : SettingOrigin::Default};
        if (file) {
            const QString value = textOf(file->value(path));
            if (key.usable(value) || key.unusableMeans)
                read.value = value;
            if (!key.usable(value))
                reading.problems << QStringLiteral("Vellumix: %1: %2=%3 cannot be used (%4); %5.")
                                        .arg(file->fileName(), key.shown(), value,
                                             QLatin1String(key.values),
                                             QLatin1String(key.unusableMeans
                                                               ? key.unusableMeans
                                                               : "the default is used"));
        }
        key.store(reading.settings, read.value);
        reading.keys << read;
    }
    return reading;
}

UserSettings readUserSettings(const SettingsComplaint& complain) {
    const SettingsReading reading = readSettingsFiles();
    for (const QString& line : reading.problems + reading.overridden)
        complain(line);
    return reading.settings;
}

int checkSettings(const SettingsReading& reading,
                  const std::function<void(const QString&)>& print) {
    static const char* const origins[] = {"default", "system file", "user file", "locked"};
    for (const SettingRead& key : reading.keys)
        print(QStringLiteral("%1 = %2 (%3)")
                  .arg(key.key, key.value, QLatin1String(origins[int(key.origin)])));
    for (const QString& line : reading.overridden + reading.problems)
        print(line);
    return reading.problems.isEmpty() ? 0 : 1;
}

QString settingsFileText() {
    QString text = QStringLiteral(
        "# Vellumix settings for every user of this machine. A user's own\n"
        "# ~/.config/Vellumix/Vellumix.conf sets the same keys and wins over this\n"
        "# file, except for the keys [admin] locked lists. Remove the \"#\" before a\n"
        "# key to set it; the program reads the files at start.\n"
        "# `vellumix --check-settings` shows what the program makes of them.\n");
    QString section;
    for (const SettingKey& key : settingKeys()) {
        if (section != QLatin1String(key.section)) {
            section = QLatin1String(key.section);
            text += QStringLiteral("\n[%1]\n").arg(section);
        }
        for (const QString& line : QString::fromUtf8(key.meaning).split(u'\n'))
            text += QLatin1String("# ") + line + u'\n';
        text += QStringLiteral("# Values: %1.\n#%2 =%3\n")
                    .arg(QLatin1String(key.values), QLatin1String(key.name),
                         *key.fallback ? u' ' + QLatin1String(key.fallback) : QString());
    }
    return text;
}

void applyPostcardSettings(const UserSettings& settings, PostcardSettings& postcard) {
    if (!settings.postcardService.isEmpty())
        postcard.service = settings.postcardService;
    if (!settings.postcardSender.isEmpty())
        postcard.sender = settings.postcardSender;
    postcard.verifyRelayCertificate = settings.verifyRelayCertificate;
    postcard.recipients = settings.recipients;
    postcard.settingsFiles = programSettings(QSettings::UserScope)->fileName() + " or " +
                             programSettings(QSettings::SystemScope)->fileName();
    const QString bundle = qEnvironmentVariable("SSL_CERT_FILE");
    if (!bundle.isEmpty())
        postcard.caBundle = bundle;
}
