#include "colouring/SaveButton.h"

#include "book/BookFacts.h"
#include "book/DataFiles.h"
#include "controls/ComDLG.h"
#include "pixels/BitmapFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>

bool cmdSAVE_Click(QWidget* window, const QImage& canvasImage, FileDialogPlatform& platform,
                   const MessageReport& report, const QString& startFolder) {
    ComDLG dialog(platform);
    // A folder that cannot be made leaves the dialog where it opens by itself.
    if (!startFolder.isEmpty() && QDir().mkpath(startFolder))
        dialog.setDirectory(startFolder);
    dialog.setDialogTitle(QCoreApplication::translate("cmdSAVE", "Save My Picture"));
    dialog.setExtension(QStringLiteral(".bmp"));
    dialog.setFileName(QLatin1String(DataFiles::SavedPicture));
    //: The pattern after the bar stays as it is.
    dialog.setFilter(QCoreApplication::translate("cmdSAVE", "Pictures (*.bmp)|*.bmp"));
    dialog.ShowSave();
    const QString fileName = dialog.FileName();
    if (fileName.isEmpty())
        return false;
    // Always a bitmap, whatever extension the child typed.
    try {
        writeBitmapFile(canvasImage, fileName);
        return true;
    } catch (const FileError& error) {
        //: %1 is the file's path, %2 the reason.
        report(window, QLatin1String(kProgramTitle),
               QCoreApplication::translate(
                   "cmdSAVE", "The picture could not be saved.\n\nFile: %1\nReason: %2")
                   .arg(QDir::toNativeSeparators(error.path()), error.reason()));
        return false;
    }
}
