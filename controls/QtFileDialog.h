#pragma once
// The file dialog call on Qt's own file dialog (the same widgets on every
// desktop), filled from the record and answering in the record's form.
#include "controls/FileDialogPlatform.h"

#include <QStringList>

class QtFileDialog : public FileDialogPlatform {
public:
    DialogOutcome run(const DialogRecord& record, bool open) override;
};

// Qt name filters for the record's description/pattern pairs:
// "Pictures (*.bmp)" with "*.bmp;*.dib" gives "Pictures (*.bmp *.dib)".
QStringList qtNameFilters(const QString& lpstrFilter);

// The chosen paths in the record's form: one path with its name and
// extension offsets, or the common folder followed by the names.
DialogOutcome selectionOutcome(const QStringList& chosen);

// Whether a selection in the record's form fits a buffer of nMaxFile
// characters together with its closing NULs.
bool fitsFileBuffer(const QString& lpstrFile, std::uint32_t nMaxFile);
