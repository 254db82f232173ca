#pragma once
// The named-value store a host keeps for each user control: keys match
// without regard to case; a read falls back to the given default.
#include <QMap>
#include <QString>
#include <QVariant>

class PropertyBag {
public:
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = {}) const;
    // A value equal to its default is not stored.
    void WriteProperty(const QString& name, const QVariant& value,
                       const QVariant& defaultValue = {});
    bool contains(const QString& name) const;
    QStringList keys() const { return values_.keys(); }

private:
    QMap<QString, QVariant> values_; // keyed in lower case
};
