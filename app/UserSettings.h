#pragma once
// What a family or a school sets for the program, read once at start-up from
// the system's and the user's Vellumix.conf (INI; the user's file wins). A
// value that cannot be used never stops the program: it is reported on
// standard error, and a postcard then fails as for an unreachable service.
#include <QString>
#include <functional>

struct PostcardSettings;

struct UserSettings {
    // [postcard]: the service's address and the postcards' sender; empty
    // means the compiled default.
    QString postcardService;
    QString postcardSender;
    // relay_tls: "opportunistic" (the default) or "verify", the strict check
    // of the relay's certificate; anything else is taken as "verify".
    bool verifyRelayCertificate = false;
    // [window]
    bool fullscreen = false;
    QString language; // empty: the system's locale
};

// Where a complaint about a settings value goes: one line, standard error in
// the program.
using SettingsComplaint = std::function<void(const QString& line)>;
void complainOnStandardError(const QString& line);

// Reads the settings through QSettings (organisation and application
// "Vellumix", the native format: INI in files named .conf, where Qt's
// IniFormat would look for .ini), so Qt's XDG rules find the files. Each [postcard] value that
// cannot be used gets one complaint naming its file and key.
UserSettings readUserSettings(const SettingsComplaint& complain = complainOnStandardError);

// Hands the postcard values to the delivery, keeping the compiled defaults
// where none is set, with the files' names for when postcards are not set up;
// certificates come from SSL_CERT_FILE when it names a bundle, as OpenSSL's
// own tools take it.
void applyPostcardSettings(const UserSettings& settings, PostcardSettings& postcard);
