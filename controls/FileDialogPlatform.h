#pragma once
// The one call that shows the system's file dialog. It reads the filled
// record and answers in the record's own form, so ComDLG takes every answer
// apart the same way whichever dialog produced it.
#include "controls/DialogRecord.h"

#include <QString>
#include <cstdint>

struct DialogOutcome {
    bool confirmed = false;
    // One file: its full path. Several: the folder, then each name, all
    // separated by NUL. Without the closing NULs, which the buffer supplies.
    QString lpstrFile;
    QString lpstrFileTitle; // the chosen file's name; empty for several files
    std::uint16_t nFileOffset = 0;
    std::uint16_t nFileExtension = 0;
    std::int32_t nFilterIndex = 0;
    bool readOnly = false; // the read-only box's final state
};

class FileDialogPlatform {
public:
    virtual ~FileDialogPlatform() = default;
    // Shows the open dialog when open is true, the save dialog otherwise,
    // modal to record.hwndOwner; returns once the user has closed it.
    virtual DialogOutcome run(const DialogRecord& record, bool open) = 0;
};
