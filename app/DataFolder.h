#pragma once
#include <QString>

// The data folder beside the program: its folder followed by "res" and the
// separator, without doubling the separator of a root folder ("/", "C:\").
QString deriveDataFolder(const QString& programFolder, QChar separator);

// Where the program reads and where it writes. Outline pages and artwork are
// always read from the data folder. The working copies and the postcard's
// files go there too when it can be written (a build folder, a copied
// folder); an installed copy cannot be, so they go to the user's own folder.
// Both end in '/'.
struct ProgramFolders {
    QString data;
    QString working;
};

// A file that installing puts into the data folder: that folder is then
// never written, whoever runs the program.
inline constexpr char kInstalledMarker[] = "installed";

// Decides the folders for a program in programFolder and makes sure the
// working folder and its "pages/" exist. userFolder is the user's own folder
// (QStandardPaths' AppDataLocation in the program). Throws FileError naming
// a folder that cannot be created.
ProgramFolders chooseProgramFolders(const QString& programFolder, const QString& userFolder);

// The user's own folder for this program, from QStandardPaths; empty when
// HOME is unset or is the root folder.
QString userFolderOfThisProgram();
