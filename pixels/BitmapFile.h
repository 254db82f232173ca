#pragma once
// Pictures in and out of files. Reading recognises the format from the
// content and refuses damaged files instead of showing half a picture;
// writing produces a 24-bit Windows bitmap and replaces the target only once
// every byte is on disk, so a failed write never costs the earlier picture.
#include "pixels/AtomicFile.h"
#include "pixels/FileError.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// Largest picture the program will decode, in megabytes of pixel memory.
constexpr int kPictureAllocationLimitMb = 64;

// Loads a picture by content, as RGB32. Throws FileError when the file is
// missing, empty, truncated, too large or not a picture.
QImage loadPicture(const QString& path);

// The 24-bit Windows bitmap form of image.
QByteArray encodeBitmap24(const QImage& image);

// Writes image as a 24-bit bitmap at path, through writeFileAtomically.
// Throws FileError.
void writeBitmapFile(const QImage& image, const QString& path);
