#pragma once
// The file dialog's record, field for field in the order the dialog call
// expects them. Texts that hold several items keep them NUL-separated, as
// the dialog reads and writes them; padded buffers keep their padding.
#include <QString>
#include <cstdint>

class QWidget;

// Option bits of Flags.
constexpr std::uint32_t OFN_READONLY = 0x1;
constexpr std::uint32_t OFN_OVERWRITEPROMPT = 0x2;
constexpr std::uint32_t OFN_HIDEREADONLY = 0x4;
constexpr std::uint32_t OFN_NOCHANGEDIR = 0x8;
constexpr std::uint32_t OFN_ALLOWMULTISELECT = 0x200;
constexpr std::uint32_t OFN_PATHMUSTEXIST = 0x800;
constexpr std::uint32_t OFN_FILEMUSTEXIST = 0x1000;
constexpr std::uint32_t OFN_EXPLORER = 0x80000;
constexpr std::uint32_t OFN_LONGNAMES = 0x200000;

// The record's size in its original form, without the later extension fields.
constexpr std::uint32_t kDialogRecordSize = 76;

struct DialogRecord {
    std::uint32_t lStructSize = 0;
    QWidget* hwndOwner = nullptr;
    std::uintptr_t hInstance = 0;
    QString lpstrFilter; // description NUL pattern NUL ..., ended by one more NUL
    QString lpstrCustomFilter;
    std::uint32_t nMaxCustFilter = 0;
    std::int32_t nFilterIndex = 0; // 1-based; 0 when none was chosen
    QString lpstrFile;             // initial name padded with NULs; the selection on return
    std::uint32_t nMaxFile = 0;
    QString lpstrFileTitle;
    std::uint32_t nMaxFileTitle = 0;
    QString lpstrInitialDir;
    QString lpstrTitle;
    std::uint32_t Flags = 0;
    std::uint16_t nFileOffset = 0;    // where the (first) file name starts in lpstrFile
    std::uint16_t nFileExtension = 0; // where the extension starts, or 0
    QString lpstrDefExt;              // without its dot
    std::uint32_t lCustData = 0;
    void* lpfnHook = nullptr;
    QString lpTemplateName;
};
