#pragma once
// What a family or a school sets for the program, read once at start-up from
// the system's and the user's Vellumix.conf (INI; the user's file wins, except
// for the keys the system's file locks). A value that cannot be used never
// stops the program: it is reported on standard error and the key keeps its
// default (the postcard's service and sender are handed on as written, and a
// postcard then fails as for an unreachable service).
#include "app/BookSettings.h"
#include "colouring/AccessSettings.h"
#include "postcard/PostcardSettings.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

struct UserSettings {
    // [postcard]: the service's address and the postcards' sender, the
    // compiled defaults unless set.
    QString postcardService;
    QString postcardSender;
    bool verifyRelayCertificate = false;
    QList<PostcardRecipient> recipients;
    // [window]
    bool fullscreen = false;
    QString language; // empty: the system's locale
    BookSettings book;
    AccessSettings access;
};

// Where a complaint about a settings value goes: one line, standard error in
// the program.
using SettingsComplaint = std::function<void(const QString& line)>;
void complainOnStandardError(const QString& line);

// Where a key's value came from.
enum class SettingOrigin { Default, SystemFile, UserFile, Locked };

// One key as read: "[section] name", its value and where it came from.
struct SettingRead {
    QString key;
    QString value;
    SettingOrigin origin;
};

struct SettingsReading {
    UserSettings settings;
    QList<SettingRead> keys; // every key of the table, in its order
    QStringList problems;    // unknown keys and sections, unusable values
    QStringList overridden;  // a user's value of a locked key
};

// Reads the settings through QSettings (organisation and application
// "Vellumix", the native format: INI in files named .conf, where Qt's
// IniFormat would look for .ini), so Qt's XDG rules find the files.
SettingsReading readSettingsFiles();

// The settings for the program: each problem and each overridden key is one
// complaint naming its file.
UserSettings readUserSettings(const SettingsComplaint& complain = complainOnStandardError);

// vellumix --check-settings: every key with its value and origin, then the
// problems; 1 when there are any.
int checkSettings(const SettingsReading& reading, const std::function<void(const QString&)>& print);

// The shipped /etc/xdg/Vellumix/Vellumix.conf: every key, commented out at its default.
QString settingsFileText();

// Hands the postcard values to the delivery, keeping the compiled defaults
// where none is set; certificates come from SSL_CERT_FILE when it names a
// bundle, as OpenSSL's own tools take it.
void applyPostcardSettings(const UserSettings& settings, PostcardSettings& postcard);
