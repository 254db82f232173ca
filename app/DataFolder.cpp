#include "app/DataFolder.h"

#include <QCoreApplication>
#include <QDir>

QString deriveDataFolder(const QString& programFolder, QChar separator) {
    const QString res = QStringLiteral("res") + separator;
    if (programFolder.endsWith(separator))
        return programFolder + res;
    return programFolder + separator + res;
}

QString dataFolderOfThisProgram() {
    // Qt gives '/' on every platform; keep paths in Qt's form throughout.
    return deriveDataFolder(QCoreApplication::applicationDirPath(), QLatin1Char('/'));
}
