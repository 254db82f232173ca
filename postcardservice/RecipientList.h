#pragma once
// The recipients the service sends postcards to: whole addresses and
// "@domain" entries, compared without regard to case. An empty list takes
// every recipient.
#include <QString>
#include <QStringList>
#include <optional>

class RecipientList {
public:
    // "gran@example.org, @family.example" (commas or spaces between). Empty
    // when an entry is neither an address nor "@" and a domain.
    static std::optional<RecipientList> parse(const QString& text);

    bool allows(const QString& recipient) const;

private:
    QStringList entries_; // lower case
};

// The address's local part and domain, split at its last "@"; empty when
// either is empty.
std::optional<std::pair<QString, QString>> addressParts(const QString& address);
