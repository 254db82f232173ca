#pragma once
// The one way the program writes a file: the target is replaced only once
// every byte is on disk, so a failed write never costs what was there before.
#include <QByteArrayView>
#include <QString>

// Writes bytes at path atomically. Throws FileError (a full disk named as
// such). The bytes go first to a temporary file beside path, named with
// kTemporaryPrefix, which no name of the user's starts with, so that
// leftovers of a write cut short can be told apart and swept.
void writeFileAtomically(const QString& path, QByteArrayView bytes);

inline constexpr char kTemporaryPrefix[] = ".vellumix-unfinished-";
bool isUnfinishedTemporary(const QString& fileName);
