#pragma once
// The save button: the child picks a file in the save dialog and the
// canvas's current picture is written there as a Windows bitmap.
#include "controls/MessageReport.h"

#include <QString>

class FileDialogPlatform;
class QImage;
class QWidget;

// cmdSAVE's Click. A cancelled dialog writes nothing and says nothing; a
// write that fails is reported once and leaves any earlier file as it was.
// A startFolder given is where the dialog opens, made first when missing.
// True when the picture was written.
bool cmdSAVE_Click(QWidget* window, const QImage& canvasImage, FileDialogPlatform& platform,
                   const MessageReport& report = showWarning,
                   const QString& startFolder = QString());
