#include "app/DataFolder.h"

QString deriveDataFolder(const QString& programFolder, QChar separator) {
    const QString res = QStringLiteral("res") + separator;
    if (programFolder.endsWith(separator))
        return programFolder + res;
    return programFolder + separator + res;
}
