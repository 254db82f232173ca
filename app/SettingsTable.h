#pragma once
// Every key of Vellumix.conf, once: the reader, the shipped commented file
// and --check-settings are all made from this table.
#include <QString>
#include <span>

struct UserSettings;

struct SettingKey {
    const char* section;
    const char* name;
    const char* values;   // what may be written, as the shipped file says it
    const char* fallback; // the default, as the value would be written
    const char* meaning;  // the shipped file's comment, one line per '\n'
    // Whether a value can be used.
    bool (*usable)(const QString& value);
    // Stores a usable value, or the default.
    void (*store)(UserSettings& settings, const QString& value);
    // What an unusable value comes to, when it is handed on as written
    // instead of the default being used.
    const char* unusableMeans = nullptr;

    QString path() const { return QLatin1String(section) + u'/' + QLatin1String(name); }
    QString shown() const {
        return u'[' + QLatin1String(section) + QLatin1String("] ") + QLatin1String(name);
    }
};

std::span<const SettingKey> settingKeys();

// The one key read only from the system's file: the keys it locks.
inline constexpr char kLockedKey[] = "admin/locked";

// true/false/yes/no/on/off/1/0, any case.
bool isBoolean(const QString& value);
bool booleanValue(const QString& value);
// "a, b, c" as its trimmed, non-empty items.
QStringList listItems(const QString& value);
