#pragma once
#include <QString>

// The data folder beside the program: its folder followed by "res" and the
// separator, without doubling the separator of a root folder ("/", "C:\").
QString deriveDataFolder(const QString& programFolder, QChar separator);
