#pragma once
// Where the main window reaches outside itself, with the program's own
// defaults: how a message is shown, the save dialog, the postcard delivery's
// services and the pause after each frame of a page turn. Tests hand in
// their own, to read the messages and to turn pages without waiting.
#include "app/PageTurn.h"
#include "controls/MessageReport.h"
#include "controls/QtFileDialog.h"
#include "postcard/PostcardServices.h"

#include <memory>

struct WindowSeams {
    MessageReport report = showWarning;
    std::unique_ptr<FileDialogPlatform> saveDialog = std::make_unique<QtFileDialog>();
    PostcardServices postcard = {};
    int framePauseMs = PageTurn::kFramePauseMs;
};
