#include "controls/PropertyBag.h"

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const {
    return values_.value(name.toLower(), defaultValue);
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value,
                                const QVariant& defaultValue) {
    if (value == defaultValue && defaultValue.isValid()) {
        values_.remove(name.toLower());
        return;
    }
    values_.insert(name.toLower(), value);
}

bool PropertyBag::contains(const QString& name) const {
    return values_.contains(name.toLower());
}
