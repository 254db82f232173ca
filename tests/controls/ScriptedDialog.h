#pragma once
// A dialog call that answers from a script and keeps every record it was
// shown, so tests see the record exactly as the real dialog would.
#include "controls/FileDialogPlatform.h"

#include <QStringList>
#include <deque>
#include <vector>

class ScriptedDialog : public FileDialogPlatform {
public:
    struct Call {
        DialogRecord record;
        bool open;
    };

    void answer(DialogOutcome outcome) { answers_.push_back(std::move(outcome)); }
    void cancel() { answers_.push_back(DialogOutcome{}); }

    DialogOutcome run(const DialogRecord& record, bool open) override {
        calls.push_back({record, open});
        if (answers_.empty())
            return {};
        DialogOutcome next = answers_.front();
        answers_.pop_front();
        return next;
    }

    std::vector<Call> calls;

private:
    std::deque<DialogOutcome> answers_;
};

// One file, offsets found as the dialog reports them; either separator.
inline DialogOutcome oneFile(const QString& path) {
    DialogOutcome outcome;
    outcome.confirmed = true;
    const qsizetype nameAt = qMax(path.lastIndexOf(u'\\'), path.lastIndexOf(u'/')) + 1;
    outcome.lpstrFile = path;
    outcome.lpstrFileTitle = path.mid(nameAt);
    outcome.nFileOffset = std::uint16_t(nameAt);
    const qsizetype dot = path.lastIndexOf(u'.');
    outcome.nFileExtension = std::uint16_t(dot > nameAt ? dot + 1 : 0);
    return outcome;
}

// Several files: the folder and the names, NUL-separated, and no title.
inline DialogOutcome severalFiles(const QString& folder, const QStringList& names) {
    DialogOutcome outcome;
    outcome.confirmed = true;
    outcome.lpstrFile = folder + QChar(u'\0') + names.join(QChar(u'\0'));
    outcome.nFileOffset = std::uint16_t(folder.size() + 1);
    return outcome;
}
