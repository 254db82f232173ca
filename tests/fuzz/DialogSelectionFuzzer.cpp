// The dialog wrapper taking apart whatever the platform's dialog answers:
// any selection text with NULs anywhere, any title, and offsets that need
// not point inside the text. It must neither crash nor read out of range,
// and its lists must stay in step.
#include "controls/ComDLG.h"
#include "controls/FileDialogPlatform.h"
#include "tests/fuzz/FuzzCheck.h"

#include <QByteArray>
#include <QList>
#include <QtEndian>
#include <cstddef>
#include <cstdint>
#include <stdexcept>

namespace {

// Input: a 9-byte head, then texts separated by 0x01 (the selection, the
// title, the filter, the initial name, the extension). The head: flags
// (1 open, 2 multiple selection, 4 confirmed, 8 read-only box ticked on
// return, 16 a second dialog on the same object, 32 box ticked before),
// nFileOffset and nFileExtension (16-bit), nFilterIndex (32-bit), all
// little-endian.
struct Script {
    std::uint8_t flags = 0;
    DialogOutcome outcome;
    QString filter, initialName, extension;
};

Script scriptOf(const std::uint8_t* data, std::size_t size) {
    constexpr std::size_t kHead = 9;
    std::uint8_t head[kHead] = {};
    for (std::size_t i = 0; i < kHead && i < size; ++i)
        head[i] = data[i];
    const QByteArray rest = size > kHead ? QByteArray(reinterpret_cast<const char*>(data) + kHead,
                                                      qsizetype(size - kHead))
                                         : QByteArray();
    QList<QByteArray> texts = rest.split('\x01');
    while (texts.size() < 5)
        texts.append(QByteArray());

    Script script;
    script.flags = head[0];
    script.outcome.confirmed = (head[0] & 4) != 0;
    script.outcome.readOnly = (head[0] & 8) != 0;
    script.outcome.nFileOffset = qFromLittleEndian<std::uint16_t>(head + 1);
    script.outcome.nFileExtension = qFromLittleEndian<std::uint16_t>(head + 3);
    script.outcome.nFilterIndex = qFromLittleEndian<std::int32_t>(head + 5);
    script.outcome.lpstrFile = QString::fromUtf8(texts[0]);
    script.outcome.lpstrFileTitle = QString::fromUtf8(texts[1]);
    script.filter = QString::fromUtf8(texts[2]);
    script.initialName = QString::fromUtf8(texts[3]);
    script.extension = QString::fromUtf8(texts[4]);
    return script;
}

class ScriptedPlatform : public FileDialogPlatform {
public:
    explicit ScriptedPlatform(DialogOutcome outcome) : outcome_(std::move(outcome)) {}
    DialogOutcome run(const DialogRecord& record, bool) override {
        FUZZ_CHECK(record.lpstrFile.size() >= qsizetype(record.nMaxFile) - 1);
        FUZZ_CHECK(record.lpstrFileTitle.size() == qsizetype(record.nMaxFileTitle) - 1);
        return outcome_;
    }

private:
    DialogOutcome outcome_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Script script = scriptOf(data, size);
    ScriptedPlatform platform(script.outcome);
    ComDLG dialog(platform);
    dialog.setAllowMultiSelect((script.flags & 2) != 0);
    dialog.setCheckBoxSelected((script.flags & 32) != 0);
    dialog.setFilter(script.filter);
    dialog.setFileName(script.initialName);
    dialog.setExtension(script.extension);

    const int dialogs = (script.flags & 16) ? 2 : 1;
    for (int i = 0; i < dialogs; ++i) {
        const bool open = (script.flags & 1) != 0;
        const bool confirmed = open ? dialog.ShowOpen() : dialog.ShowSave();
        FUZZ_CHECK(confirmed == script.outcome.confirmed);
    }

    FUZZ_CHECK(dialog.FileNames().size() == dialog.FileTitles().size());
    FUZZ_CHECK(dialog.FileNames().size() <= dialogs * (script.outcome.lpstrFile.count(u'\0') + 1));
    const QString selection = script.outcome.lpstrFile;
    FUZZ_CHECK(dialog.FileName().isEmpty() || selection.startsWith(dialog.FileName()));
    FUZZ_CHECK(selection.contains(dialog.Extension()) || dialog.Extension().isEmpty());
    for (const QString& title : dialog.FileTitles())
        FUZZ_CHECK(selection.contains(title));
    try {
        const std::optional<QString> pair = dialog.Filter();
        FUZZ_CHECK(pair.has_value() == (dialog.FilterIndex() != 0));
    } catch (const std::out_of_range&) {
        FUZZ_CHECK(dialog.FilterIndex() != 0);
    }
    return 0;
}
