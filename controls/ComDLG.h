#pragma once
// The open and save dialogs behind a small object: set the inputs, show the
// dialog once, read what was chosen. FileName, Directory and Extension are
// asymmetric: assigning sets an input of the dialog, reading returns the
// result of the last confirmed dialog (empty before one).
#include "controls/DialogRecord.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class FileDialogPlatform;

class ComDLG {
public:
    explicit ComDLG(FileDialogPlatform& platform);

    void setAllowMultiSelect(bool bFlag);
    void setDialogTitle(const QString& sCaption);
    // "Label|pattern|Label|pattern", or the same items as a list.
    void setFilter(const QString& vFilter);
    void setFilter(const QStringList& vFilter);
    // The selected "label|pattern" pair; nothing while FilterIndex is 0.
    // Throws std::out_of_range when FilterIndex is past the items present.
    std::optional<QString> Filter() const;
    void setFilterIndex(std::int32_t nIndex);
    std::int32_t FilterIndex() const;
    void setRestoreCurDir(bool bFlag);
    void setExistFlags(std::uint32_t nFlags);
    void setCheckBoxVisible(bool bFlag);
    void setCheckBoxSelected(bool bFlag);
    bool CheckBoxSelected() const;
    // A name longer than the dialog's 260 characters is ignored.
    void setFileName(const QString& sFileName);
    QString FileName() const;
    const QStringList& FileNames() const;
    QString FileTitle() const;
    const QStringList& FileTitles() const;
    void setDirectory(const QString& sInitDir);
    QString Directory() const;
    // Dots removed, at most three characters, lower case: ".JPEG" gives "jpe".
    void setExtension(const QString& sDefExt);
    QString Extension() const;
    bool ShowOpen();
    bool ShowSave();

private:
    void SetFlag(std::uint32_t nFlag, bool bOn);
    bool ShowDialog(bool bOpen);
    void takeApartSelection();

    FileDialogPlatform& platform_;
    DialogRecord ofn;

    QString sResultFile;
    QString sResultTitle;
    QString sResultDir;
    QString sResultExt;
    QStringList colFileNames;
    QStringList colFileTitles;
};
