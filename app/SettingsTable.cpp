#include "app/SettingsTable.h"

#include "app/UserSettings.h"
#include "postcard/PostcardConstants.h"
#include "postcardprotocol/PostcardRequest.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>

bool isBoolean(const QString& value) {
    static const QStringList words = {"true", "false", "yes", "no", "on", "off", "1", "0"};
    return words.contains(value.trimmed().toLower());
}

bool booleanValue(const QString& value) {
    static const QStringList truths = {"true", "yes", "on", "1"};
    return truths.contains(value.trimmed().toLower());
}

QStringList listItems(const QString& value) {
    QStringList items;
    for (const QString& item : value.split(u','))
        if (!item.trimmed().isEmpty())
            items << item.trimmed();
    return items;
}

namespace {

bool anything(const QString&) {
    return true;
}

// "Name <address>", the address passing the program's own address rule.
const QRegularExpression& recipientPattern() {
    static const QRegularExpression pattern(QStringLiteral("^(.+?)\\s*<([^<>]+)>$"));
    return pattern;
}

bool recipientsUsable(const QString& value) {
    for (const QString& item : listItems(value)) {
        const auto match = recipientPattern().match(item);
        if (!match.hasMatch() || !followsAddressRule(match.captured(2)))
            return false;
    }
    return true;
}

QList<PostcardRecipient> recipientsOf(const QString& value) {
    QList<PostcardRecipient> recipients;
    for (const QString& item : listItems(value)) {
        const auto match = recipientPattern().match(item);
        recipients.append({match.captured(1), match.captured(2)});
    }
    return recipients;
}

bool positiveNumber(const QString& value) {
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok && number > 0;
}

bool lockedKeysUsable(const QString& value) {
    for (const QString& item : listItems(value)) {
        bool known = false;
        for (const SettingKey& key : settingKeys())
            known = known || key.path() == item;
        if (!known)
            return false;
    }
    return true;
}

AccessSettings::Scanning scanningOf(const QString& value) {
    const QString word = value.trimmed().toLower();
    return word == QLatin1String("one")   ? AccessSettings::Scanning::OneSwitch
           : word == QLatin1String("two") ? AccessSettings::Scanning::TwoSwitches
                                          : AccessSettings::Scanning::Off;
}

constexpr char kBooleans[] = "true or false (yes/no, on/off, 1/0)";

const SettingKey kKeys[] = {
    {"postcard", "enabled", kBooleans, "true",
     "false: the envelope button is not there, and nothing can send a postcard.", isBoolean,
     [](UserSettings& s, const QString& v) { s.book.postcardEnabled = booleanValue(v); }},
    {"postcard", "service", "http://host[:port], https://host[:port], or host[:port] for http",
     PostcardServiceHost,
     "The postcard service (see vellumix-postcard-service). With https the\n"
     "service's certificate must chain to the system's certificate store.",
     // Empty: not set up, which Send reports.
     [](const QString& v) { return v.isEmpty() || !serviceBaseUrl(v).isEmpty(); },
     [](UserSettings& s, const QString& v) { s.postcardService = v; }, "postcards cannot be sent"},
    {"postcard", "sender", "an e-mail address", PostcardSenderAddress,
     "The sender of every postcard: an address of the mail domain the relay sends for.",
     [](const QString& v) { return v.isEmpty() || followsAddressRule(v); },
     [](UserSettings& s, const QString& v) { s.postcardSender = v; }, "postcards cannot be sent"},
    {"postcard", "recipients", "a list of Name <address>, separated by commas", "",
     "The composer offers these by name (typing the start of a name and Enter\n"
     "fills in the address); when set, postcards go to these addresses only.",
     recipientsUsable, [](UserSettings& s, const QString& v) { s.recipients = recipientsOf(v); }},
    {"postcard", "ask_grownup", kBooleans, "false",
     "true: the composer opens only after the grown-up question.", isBoolean,
     [](UserSettings& s, const QString& v) { s.book.askGrownup = booleanValue(v); }},
    {"postcard", "relay_tls", "opportunistic or verify", "opportunistic",
     "Without a login the relay's STARTTLS is used whenever offered, and a\n"
     "certificate that does not check out (a home relay's own) is noted on\n"
     "standard error but lets the postcard go; \"verify\" makes that check strict.",
     [](const QString& v) {
         return QStringList{"opportunistic", "verify"}.contains(v.trimmed().toLower());
     },
     [](UserSettings& s, const QString& v) {
         s.verifyRelayCertificate = v.trimmed().toLower() != QLatin1String("opportunistic");
     },
     "verify is used"},
    {"print", "enabled", kBooleans, "true",
     "false: the printer button is not there and Ctrl+P does nothing.", isBoolean,
     [](UserSettings& s, const QString& v) { s.book.printEnabled = booleanValue(v); }},
    {"save", "enabled", kBooleans, "true", "false: the save button is not there.", isBoolean,
     [](UserSettings& s, const QString& v) { s.book.saveEnabled = booleanValue(v); }},
    {"save", "folder", "a folder", "",
     "Where the save dialog starts (a network home, a class share); made if\n"
     "missing. Empty: where the dialog opens by itself.",
     anything,
     [](UserSettings& s, const QString& v) { s.book.saveFolder = QDir::fromNativeSeparators(v); }},
    {"window", "fullscreen", kBooleans, "false",
     "true: the book starts full screen (F11 leaves it).", isBoolean,
     [](UserSettings& s, const QString& v) { s.fullscreen = booleanValue(v); }},
    {"window", "kiosk", kBooleans, "false",
     "true: full screen that F11 does not leave; closing the window from the\n"
     "desktop asks the grown-up question first.",
     isBoolean, [](UserSettings& s, const QString& v) { s.book.kiosk = booleanValue(v); }},
    {"window", "language", "a language code (de, fr, pt_BR...)", "",
     "The book's language; empty: the system's locale.",
     [](const QString& v) { return v.isEmpty() || QLocale(v).language() != QLocale::C; },
     [](UserSettings& s, const QString& v) { s.language = v; }, "English is used"},
    {"book", "keep", kBooleans, "false",
     "true: the colouring stays from one run to the next. false: every run\n"
     "starts with the pages uncoloured.",
     isBoolean, [](UserSettings& s, const QString& v) { s.book.keepBook = booleanValue(v); }},
    {"access", "click_to_draw", kBooleans, "false",
     "true: a click puts the crayon down, the next lifts it (no dragging).", isBoolean,
     [](UserSettings& s, const QString& v) { s.access.clickToDraw = booleanValue(v); }},
    {"access", "scanning", "off, one or two", "off",
     "Switch scanning: off, one (one switch) or two (two switches).",
     [](const QString& v) {
         return QStringList{"off", "one", "two"}.contains(v.trimmed().toLower());
     },
     [](UserSettings& s, const QString& v) { s.access.scanning = scanningOf(v); }},
    {"access", "scan_seconds", "a number of seconds above 0", "1.5",
     "How long scanning rests on each control.", positiveNumber,
     [](UserSettings& s, const QString& v) { s.access.scanSeconds = v.toDouble(); }},
    {"admin", "locked", "a list of section/key, separated by commas", "",
     "Read from this system-wide file only: the keys listed take this file's\n"
     "value, and a user's own file cannot change them (postcard/enabled, ...).",
     lockedKeysUsable, [](UserSettings&, const QString&) {}},
};

} // namespace

std::span<const SettingKey> settingKeys() {
    return kKeys;
}
