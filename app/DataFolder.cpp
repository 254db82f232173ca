#include "app/DataFolder.h"

#include "book/DataFiles.h"
#include "pixels/FileError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString deriveDataFolder(const QString& programFolder, QChar separator) {
    const QString res = QStringLiteral("res") + separator;
    if (programFolder.endsWith(separator))
        return programFolder + res;
    return programFolder + separator + res;
}

namespace {

QString withSlash(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

// Both the folder (postcard files) and its pages folder (working copies)
// must take new files; access() also sees a read-only mount. An installed
// data folder is shared by everyone on the machine, so even root colours in
// a folder of its own there.
bool canWriteIn(const QString& folder) {
    const QFileInfo pages(folder + QLatin1String(DataFiles::PagesFolder));
    return QFileInfo(folder).isWritable() && (!pages.exists() || pages.isWritable()) &&
           !QFileInfo::exists(folder + QLatin1String(kInstalledMarker));
}

} // namespace

ProgramFolders chooseProgramFolders(const QString& programFolder, const QString& userFolder) {
    // Qt gives '/' on every platform; keep paths in Qt's form throughout.
    ProgramFolders folders;
    folders.data = deriveDataFolder(programFolder, QLatin1Char('/'));
    if (canWriteIn(folders.data))
        folders.working = folders.data;
    else if (!userFolder.isEmpty())
        folders.working = withSlash(userFolder);
    //: A reason, shown after "Reason:" or a file's path and a colon.
    else
        throw FileError(
            QDir::cleanPath(folders.data),
            QCoreApplication::translate(
                "FileError",
                "the folder cannot be written and there is no home folder for the pictures"));
    const QString pages = folders.working + QLatin1String(DataFiles::PagesFolder);
    if (!QDir().mkpath(pages) || !QFileInfo(pages).isWritable())
        //: A reason, shown after "Reason:" or a file's path and a colon.
        throw FileError(QDir::cleanPath(folders.working),
                        QCoreApplication::translate(
                            "FileError", "the folder for the pages could not be created"));
    return folders;
}

QString userFolderOfThisProgram() {
    // Without a home Qt would answer with a folder under "/", which root
    // could even write: better the start-up's message.
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty() || QDir::cleanPath(home) == QStringLiteral("/"))
        return {};
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}
