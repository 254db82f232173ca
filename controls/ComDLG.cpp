#include "controls/ComDLG.h"

#include "controls/FileDialogPlatform.h"

#include <QApplication>
#include <stdexcept>

namespace {

constexpr qsizetype kMaxFileName = 260;
constexpr std::uint32_t kSingleFileBuffer = 261;
constexpr std::uint32_t kMultiFileBuffer = 13001;
constexpr std::uint32_t kFileTitleBuffer = 261;
constexpr QChar NUL(u'\0');

// A fixed-size buffer: the text in front, NULs behind. A text that is longer
// already is left whole; the dialog refuses selections that do not fit.
QString padded(const QString& text, std::uint32_t length) {
    return text.leftJustified(qsizetype(length), NUL);
}

bool holdsSeparator(const QString& name) {
    return name.contains(u'\\') || name.contains(u'/');
}

// "C:\": the root folder of a drive.
bool isDriveRoot(const QString& folder) {
    return folder.size() == 3 && folder[1] == u':' && (folder[2] == u'\\' || folder[2] == u'/');
}

// "C:": a drive letter and colon, the root folder without its separator.
bool isBareDrive(const QString& folder) {
    return folder.size() == 2 && folder[1] == u':';
}

} // namespace

ComDLG::ComDLG(FileDialogPlatform& platform) : platform_(platform) {
    ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_LONGNAMES;
}

void ComDLG::setAllowMultiSelect(bool bFlag) {
    SetFlag(OFN_ALLOWMULTISELECT, bFlag);
}

void ComDLG::setDialogTitle(const QString& sCaption) {
    ofn.lpstrTitle = sCaption;
}

void ComDLG::setFilter(const QString& vFilter) {
    // The dialog's own closing NUL supplies the final double NUL.
    ofn.lpstrFilter = QString(vFilter).replace(u'|', NUL) + NUL;
}

void ComDLG::setFilter(const QStringList& vFilter) {
    setFilter(vFilter.join(NUL));
}

std::optional<QString> ComDLG::Filter() const {
    if (ofn.nFilterIndex == 0)
        return std::nullopt;
    // Split at every NUL: the appended one gives a last, empty item, so an
    // odd item left over still reads as a pair.
    const QStringList items = ofn.lpstrFilter.split(NUL);
    const qint64 k = ofn.nFilterIndex;
    if (k < 1 || 2 * k - 1 >= items.size())
        throw std::out_of_range("FilterIndex " + std::to_string(k) +
                                " is past the filter items present");
    return items[2 * k - 2] + u'|' + items[2 * k - 1];
}

void ComDLG::setFilterIndex(std::int32_t nIndex) {
    ofn.nFilterIndex = nIndex;
}

std::int32_t ComDLG::FilterIndex() const {
    return ofn.nFilterIndex;
}

void ComDLG::setRestoreCurDir(bool bFlag) {
    SetFlag(OFN_NOCHANGEDIR, bFlag);
}

void ComDLG::setExistFlags(std::uint32_t nFlags) {
    ofn.Flags |= nFlags;
}

void ComDLG::setCheckBoxVisible(bool bFlag) {
    SetFlag(OFN_HIDEREADONLY, !bFlag);
}

void ComDLG::setCheckBoxSelected(bool bFlag) {
    SetFlag(OFN_READONLY, bFlag);
}

bool ComDLG::CheckBoxSelected() const {
    return (ofn.Flags & OFN_READONLY) != 0;
}

void ComDLG::setFileName(const QString& sFileName) {
    if (sFileName.size() <= kMaxFileName)
        ofn.lpstrFile = sFileName;
}

QString ComDLG::FileName() const {
    return sResultFile;
}

const QStringList& ComDLG::FileNames() const {
    return colFileNames;
}

QString ComDLG::FileTitle() const {
    return sResultTitle;
}

const QStringList& ComDLG::FileTitles() const {
    return colFileTitles;
}

void ComDLG::setDirectory(const QString& sInitDir) {
    ofn.lpstrInitialDir = sInitDir;
}

QString ComDLG::Directory() const {
    return sResultDir;
}

void ComDLG::setExtension(const QString& sDefExt) {
    ofn.lpstrDefExt = QString(sDefExt).remove(u'.').left(3).toLower();
}

QString ComDLG::Extension() const {
    return sResultExt;
}

bool ComDLG::ShowOpen() {
    return ShowDialog(true);
}

bool ComDLG::ShowSave() {
    SetFlag(OFN_ALLOWMULTISELECT, false);
    SetFlag(OFN_PATHMUSTEXIST, true);
    SetFlag(OFN_OVERWRITEPROMPT, true);
    return ShowDialog(false);
}

void ComDLG::SetFlag(std::uint32_t nFlag, bool bOn) {
    if (bOn)
        ofn.Flags |= nFlag;
    else
        ofn.Flags &= ~nFlag;
}

bool ComDLG::ShowDialog(bool bOpen) {
    ofn.lStructSize = kDialogRecordSize;
    ofn.hwndOwner = QApplication::activeWindow();
    // A ticked read-only box is always shown, so the user can see why.
    if (ofn.Flags & OFN_READONLY)
        ofn.Flags &= ~OFN_HIDEREADONLY;
    ofn.nMaxFile = (ofn.Flags & OFN_ALLOWMULTISELECT) ? kMultiFileBuffer : kSingleFileBuffer;
    ofn.nMaxFileTitle = kFileTitleBuffer;
    // A second dialog starts from the first one's selection; the buffer has
    // a fixed size, so what does not fit is cut off.
    ofn.lpstrFile = ofn.lpstrFile.leftJustified(qsizetype(ofn.nMaxFile) - 1, NUL, true);
    ofn.lpstrFileTitle = QString(qsizetype(ofn.nMaxFileTitle) - 1, NUL);

    const DialogOutcome outcome = platform_.run(ofn, bOpen);
    if (!outcome.confirmed)
        return false;
    ofn.lpstrFile = padded(outcome.lpstrFile, ofn.nMaxFile - 1);
    ofn.lpstrFileTitle = padded(outcome.lpstrFileTitle, ofn.nMaxFileTitle - 1);
    ofn.nFileOffset = outcome.nFileOffset;
    ofn.nFileExtension = outcome.nFileExtension;
    ofn.nFilterIndex = outcome.nFilterIndex;
    SetFlag(OFN_READONLY, outcome.readOnly);

    takeApartSelection();
    return true;
}

// One file comes back as its full path, several as the folder and the names,
// NUL-separated. Paths may be drive-letter ones ("C:\Pictures\a.bmp") or
// '/' ones ("/home/ann/a.bmp"); both keep their root folder's separator.
void ComDLG::takeApartSelection() {
    const QString buffer = ofn.lpstrFile + NUL;
    const qsizetype end = buffer.indexOf(QString(2, NUL));
    if (end < 0)
        return;
    sResultFile = buffer.left(end);
    sResultTitle = ofn.lpstrFileTitle.left(ofn.lpstrFileTitle.indexOf(NUL));
    const bool rootedAtSlash = sResultFile.startsWith(u'/');
    // The folder without the separator in front of the (first) name.
    sResultDir = sResultFile.left(qMax(0, int(ofn.nFileOffset) - 1));
    if (ofn.nFileExtension != 0)
        sResultExt = sResultFile.mid(ofn.nFileExtension);

    if (!sResultTitle.isEmpty()) {
        colFileTitles.append(sResultFile.mid(ofn.nFileOffset));
        colFileNames.append(sResultFile);
    } else {
        const QStringList items = sResultFile.split(NUL);
        if (items.size() > 1) {
            const QChar separator = items[0].contains(u'/') ? u'/' : u'\\';
            if (isDriveRoot(sResultDir) || sResultDir == u"/")
                sResultDir.chop(1);
            for (qsizetype i = 1; i < items.size(); ++i) {
                colFileTitles.append(items[i]);
                colFileNames.append(holdsSeparator(items[i]) ? items[i]
                                                             : sResultDir + separator + items[i]);
            }
            sResultFile.clear();
        }
    }

    if (isBareDrive(sResultDir))
        sResultDir += u'\\';
    else if (sResultDir.isEmpty() && rootedAtSlash)
        sResultDir = QStringLiteral("/");
}
