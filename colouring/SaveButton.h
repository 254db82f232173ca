#pragma once
// The save button: the child picks a file in the save dialog and the
// canvas's current picture is written there as a Windows bitmap.
#include <QString>
#include <functional>

class FileDialogPlatform;
class QImage;
class QWidget;

// How a failed save is told: the owner window, the box's title and text.
using SaveReport = std::function<void(QWidget* window, const QString& title, const QString& text)>;

// A modal warning box with one OK button over window.
void showSaveWarning(QWidget* window, const QString& title, const QString& text);

// cmdSAVE's Click. A cancelled dialog writes nothing and says nothing; a
// write that fails is reported once and leaves any earlier file as it was.
void cmdSAVE_Click(QWidget* window, const QImage& canvasImage, FileDialogPlatform& platform,
                   const SaveReport& report = showSaveWarning);
