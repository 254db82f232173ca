#include "controls/QtFileDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QMessageBox>

namespace {

constexpr QChar NUL(u'\0');

// Items of a NUL-separated record text; the closing NUL starts no item.
QStringList nulItems(const QString& text) {
    QStringList items = text.split(NUL);
    if (text.endsWith(NUL) || text.isEmpty())
        items.removeLast();
    return items;
}

// Qt's dialog with the record's rules that Qt does not enforce itself: the
// chosen file's folder must exist, and the selection must fit the buffer.
class RecordFileDialog : public QFileDialog {
    // Its own texts, not looked up among QFileDialog's.
    Q_DECLARE_TR_FUNCTIONS(RecordFileDialog)

public:
    RecordFileDialog(const DialogRecord& record, bool open)
        : QFileDialog(record.hwndOwner), record_(record) {
        setOption(DontUseNativeDialog);
        setAcceptMode(open ? AcceptOpen : AcceptSave);
        if (open && (record.Flags & OFN_ALLOWMULTISELECT))
            setFileMode(ExistingFiles);
        else if (open && (record.Flags & OFN_FILEMUSTEXIST))
            setFileMode(ExistingFile);
        else
            setFileMode(AnyFile);
        setOption(DontConfirmOverwrite, !(record.Flags & OFN_OVERWRITEPROMPT));
        if (!record.lpstrTitle.isEmpty())
            setWindowTitle(record.lpstrTitle);

        filters_ = qtNameFilters(record.lpstrFilter);
        if (!filters_.isEmpty()) {
            setNameFilters(filters_);
            if (record.nFilterIndex >= 1 && record.nFilterIndex <= filters_.size())
                selectNameFilter(filters_[record.nFilterIndex - 1]);
        }
        if (!record.lpstrInitialDir.isEmpty())
            setDirectory(record.lpstrInitialDir);
        const QString initialName = record.lpstrFile.left(record.lpstrFile.indexOf(NUL));
        if (!initialName.isEmpty())
            selectFile(initialName);
        if (!record.lpstrDefExt.isEmpty())
            setDefaultSuffix(record.lpstrDefExt);

        if (!(record.Flags & OFN_HIDEREADONLY)) {
            readOnlyBox_ = new QCheckBox(tr("Open as read-only"), this);
            readOnlyBox_->setObjectName(QStringLiteral("readOnlyBox"));
            readOnlyBox_->setChecked((record.Flags & OFN_READONLY) != 0);
            if (auto* grid = qobject_cast<QGridLayout*>(layout()))
                grid->addWidget(readOnlyBox_, grid->rowCount(), 0, 1, grid->columnCount());
        }
    }

    // What the user chose, once the dialog was confirmed.
    DialogOutcome outcome() const {
        DialogOutcome result = selectionOutcome(selectedFiles());
        const qsizetype filter = filters_.indexOf(selectedNameFilter());
        result.nFilterIndex = filter >= 0 ? std::int32_t(filter + 1) : record_.nFilterIndex;
        result.readOnly =
            readOnlyBox_ ? readOnlyBox_->isChecked() : (record_.Flags & OFN_READONLY) != 0;
        return result;
    }

    void accept() override {
        const QStringList chosen = selectedFiles();
        if (!chosen.isEmpty() && !QFileInfo(chosen.first()).isDir()) {
            const QString folder = QFileInfo(chosen.first()).absolutePath();
            if ((record_.Flags & OFN_PATHMUSTEXIST) && !QFileInfo(folder).isDir()) {
                //: %1 is the folder's path, typed or chosen in the file dialog.
                QMessageBox::warning(this, windowTitle(),
                                     tr("%1\nThis folder does not exist.\n"
                                        "Check the folder's name and try again.")
                                         .arg(QDir::toNativeSeparators(folder)));
                return;
            }
            if (!fitsFileBuffer(selectionOutcome(chosen).lpstrFile, record_.nMaxFile)) {
                //: %1 is the file's path, typed or chosen in the file dialog.
                QMessageBox::warning(this, windowTitle(),
                                     tr("%1\nThis name is too long.\n"
                                        "Choose a shorter name or another folder.")
                                         .arg(QDir::toNativeSeparators(chosen.first())));
                return;
            }
        }
        QFileDialog::accept();
    }

private:
    const DialogRecord& record_;
    QStringList filters_;
    QCheckBox* readOnlyBox_ = nullptr;
};

} // namespace

// Qt's dialog never changes the process's current folder, so the folder is
// always as it was afterwards, whatever OFN_NOCHANGEDIR says.
DialogOutcome QtFileDialog::run(const DialogRecord& record, bool open) {
    RecordFileDialog dialog(record, open);
    return dialog.exec() == QDialog::Accepted ? dialog.outcome() : DialogOutcome{};
}

QStringList qtNameFilters(const QString& lpstrFilter) {
    const QStringList items = nulItems(lpstrFilter);
    QStringList filters;
    for (qsizetype i = 0; i + 1 < items.size(); i += 2) {
        const QString& pattern = items[i + 1];
        QStringList patterns = pattern.split(u';', Qt::SkipEmptyParts);
        for (QString& p : patterns)
            p = p.trimmed();
        const QString qtPatterns = u'(' + patterns.join(u' ') + u')';
        // Qt reads the patterns from the label's closing parentheses, so a
        // label that already shows them must not show them twice.
        QString label = items[i].trimmed();
        for (const QString& shown : {u'(' + pattern + u')', qtPatterns}) {
            if (label.endsWith(shown)) {
                label.chop(shown.size());
                label = label.trimmed();
                break;
            }
        }
        filters.append(label.isEmpty() ? qtPatterns : label + u' ' + qtPatterns);
    }
    return filters;
}

DialogOutcome selectionOutcome(const QStringList& chosen) {
    DialogOutcome outcome;
    if (chosen.isEmpty())
        return outcome;
    outcome.confirmed = true;
    if (chosen.size() == 1) {
        const QString& path = chosen.first();
        const qsizetype nameAt = path.lastIndexOf(u'/') + 1;
        const QString name = path.mid(nameAt);
        const qsizetype dot = name.lastIndexOf(u'.');
        outcome.lpstrFile = path;
        outcome.lpstrFileTitle = name;
        outcome.nFileOffset = std::uint16_t(nameAt);
        // No dot: the extension is the empty text at the end; a closing dot
        // reports no extension at all.
        if (dot < 0)
            outcome.nFileExtension = std::uint16_t(path.size());
        else if (dot + 1 < name.size())
            outcome.nFileExtension = std::uint16_t(nameAt + dot + 1);
        return outcome;
    }
    const QString folder = QFileInfo(chosen.first()).absolutePath();
    QStringList items{folder};
    for (const QString& path : chosen) {
        const QFileInfo info(path);
        items.append(info.absolutePath() == folder ? info.fileName() : path);
    }
    outcome.lpstrFile = items.join(NUL);
    outcome.nFileOffset = std::uint16_t(folder.size() + 1);
    return outcome;
}

bool fitsFileBuffer(const QString& lpstrFile, std::uint32_t nMaxFile) {
    // The selection, the NUL that ends it and the buffer's final NUL.
    return lpstrFile.size() + 2 <= qsizetype(nMaxFile);
}
