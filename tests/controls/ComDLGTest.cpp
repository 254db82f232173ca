#include "controls/ComDLG.h"

#include "tests/controls/ScriptedDialog.h"

#include <QApplication>
#include <QWidget>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const QChar NUL(u'\0');

QString nuls(const QStringList& items) {
    return items.join(NUL);
}

struct SelectionRow {
    const char* name;
    DialogOutcome outcome;
    QString fileName, fileTitle, directory, extension;
    QStringList fileNames, fileTitles;
};

void PrintTo(const SelectionRow& row, std::ostream* os) {
    *os << row.name;
}

class SelectionResults : public ::testing::TestWithParam<SelectionRow> {};

const SelectionRow kRows[] = {
    {"OneFileInAFolder",
     oneFile(R"(C:\Pictures\a.bmp)"),
     R"(C:\Pictures\a.bmp)",
     "a.bmp",
     R"(C:\Pictures)",
     "bmp",
     {R"(C:\Pictures\a.bmp)"},
     {"a.bmp"}},
    {"OneFileInTheDriveRoot",
     oneFile(R"(C:\a.bmp)"),
     R"(C:\a.bmp)",
     "a.bmp",
     R"(C:\)",
     "bmp",
     {R"(C:\a.bmp)"},
     {"a.bmp"}},
    {"TwoFilesInAFolder",
     severalFiles(R"(C:\Pictures)", {"a.bmp", "b.bmp"}),
     "",
     "",
     R"(C:\Pictures)",
     "",
     {R"(C:\Pictures\a.bmp)", R"(C:\Pictures\b.bmp)"},
     {"a.bmp", "b.bmp"}},
    {"TwoFilesInTheDriveRoot",
     severalFiles(R"(C:\)", {"a.bmp", "b.bmp"}),
     "",
     "",
     R"(C:\)",
     "",
     {R"(C:\a.bmp)", R"(C:\b.bmp)"},
     {"a.bmp", "b.bmp"}},
    {"OneFileInASlashFolder",
     oneFile("/home/ann/a.bmp"),
     "/home/ann/a.bmp",
     "a.bmp",
     "/home/ann",
     "bmp",
     {"/home/ann/a.bmp"},
     {"a.bmp"}},
    {"OneFileInTheSlashRoot",
     oneFile("/a.bmp"),
     "/a.bmp",
     "a.bmp",
     "/",
     "bmp",
     {"/a.bmp"},
     {"a.bmp"}},
    {"OneFileInATwoLetterSlashFolder",
     oneFile("/a/x.bmp"),
     "/a/x.bmp",
     "x.bmp",
     "/a",
     "bmp",
     {"/a/x.bmp"},
     {"x.bmp"}},
    {"TwoFilesInASlashFolder",
     severalFiles("/home/ann", {"a.bmp", "b.bmp"}),
     "",
     "",
     "/home/ann",
     "",
     {"/home/ann/a.bmp", "/home/ann/b.bmp"},
     {"a.bmp", "b.bmp"}},
    {"TwoFilesInAThreeLetterSlashFolder",
     severalFiles("/srv", {"a.bmp", "b.bmp"}),
     "",
     "",
     "/srv",
     "",
     {"/srv/a.bmp", "/srv/b.bmp"},
     {"a.bmp", "b.bmp"}},
    {"TwoFilesInTheSlashRoot",
     severalFiles("/", {"a.bmp", "b.bmp"}),
     "",
     "",
     "/",
     "",
     {"/a.bmp", "/b.bmp"},
     {"a.bmp", "b.bmp"}},
};

TEST_P(SelectionResults, AreTakenApartIntoNameTitleFolderAndLists) {
    const SelectionRow& row = GetParam();
    ScriptedDialog platform;
    platform.answer(row.outcome);
    ComDLG dialog(platform);
    dialog.setAllowMultiSelect(true);
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileName(), row.fileName);
    EXPECT_EQ(dialog.FileTitle(), row.fileTitle);
    EXPECT_EQ(dialog.Directory(), row.directory);
    EXPECT_EQ(dialog.Extension(), row.extension);
    EXPECT_EQ(dialog.FileNames(), row.fileNames);
    EXPECT_EQ(dialog.FileTitles(), row.fileTitles);
}

INSTANTIATE_TEST_SUITE_P(ComDLG, SelectionResults, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ComDLGSelection, NamesThatHoldASeparatorAreListedWithoutTheFolder) {
    ScriptedDialog platform;
    platform.answer(severalFiles(R"(C:\Pictures)", {"a.bmp", R"(D:\Other\b.bmp)"}));
    platform.answer(severalFiles("/home/ann", {"/tmp/c.bmp", "d.bmp", R"(sub\e.bmp)"}));
    ComDLG dialog(platform);
    dialog.setAllowMultiSelect(true);
    ASSERT_TRUE(dialog.ShowOpen());
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileNames(), QStringList({R"(C:\Pictures\a.bmp)", R"(D:\Other\b.bmp)",
                                               "/tmp/c.bmp", "/home/ann/d.bmp", R"(sub\e.bmp)"}));
    EXPECT_EQ(dialog.FileTitles(),
              QStringList({"a.bmp", R"(D:\Other\b.bmp)", "/tmp/c.bmp", "d.bmp", R"(sub\e.bmp)"}));
}

TEST(ComDLGSelection, AnExtensionOffsetOfZeroKeepsTheExtensionFromBefore) {
    ScriptedDialog platform;
    DialogOutcome noExtension = oneFile("/home/ann/picture.");
    noExtension.nFileExtension = 0;
    platform.answer(noExtension);
    platform.answer(oneFile("/home/ann/a.png"));
    platform.answer(noExtension);

    ComDLG dialog(platform);
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.Extension(), "");
    EXPECT_EQ(dialog.FileName(), "/home/ann/picture.");
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.Extension(), "png");
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.Extension(), "png");
    EXPECT_EQ(dialog.FileTitle(), "picture.");
}

TEST(ComDLGSelection, ACancelledDialogOnANewObjectLeavesEveryResultEmpty) {
    ScriptedDialog platform;
    platform.cancel();
    ComDLG dialog(platform);
    dialog.setFileName("MyPicture.bmp");
    dialog.setDirectory("/home/ann");
    dialog.setExtension(".bmp");
    EXPECT_FALSE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName(), "");
    EXPECT_EQ(dialog.FileTitle(), "");
    EXPECT_EQ(dialog.Directory(), "");
    EXPECT_EQ(dialog.Extension(), "");
    EXPECT_TRUE(dialog.FileNames().isEmpty());
    EXPECT_TRUE(dialog.FileTitles().isEmpty());
}

TEST(ComDLGSelection, ACancelKeepsTheResultsOfTheLastConfirmedDialog) {
    ScriptedDialog platform;
    platform.answer(oneFile(R"(C:\Pictures\a.bmp)"));
    DialogOutcome cancelled = oneFile(R"(C:\Other\b.jpg)");
    cancelled.confirmed = false;
    platform.answer(cancelled);
    ComDLG dialog(platform);
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_FALSE(dialog.ShowOpen());
    EXPECT_EQ(dialog.FileName(), R"(C:\Pictures\a.bmp)");
    EXPECT_EQ(dialog.Directory(), R"(C:\Pictures)");
    EXPECT_EQ(dialog.Extension(), "bmp");
    EXPECT_EQ(dialog.FileNames(), QStringList{R"(C:\Pictures\a.bmp)"});
}

TEST(ComDLGSelection, ASecondDialogSetsTheTextsAgainAndAppendsToTheLists) {
    ScriptedDialog platform;
    platform.answer(oneFile(R"(C:\Pictures\a.bmp)"));
    platform.answer(severalFiles(R"(C:\)", {"b.png", "c.png"}));
    ComDLG dialog(platform);
    dialog.setAllowMultiSelect(true);
    ASSERT_TRUE(dialog.ShowOpen());
    ASSERT_TRUE(dialog.ShowOpen());

    // The second dialog starts from the first one's selection.
    EXPECT_TRUE(
        platform.calls[1].record.lpstrFile.startsWith(QString(R"(C:\Pictures\a.bmp)") + NUL));
    EXPECT_EQ(dialog.FileName(), "");
    EXPECT_EQ(dialog.FileTitle(), "");
    EXPECT_EQ(dialog.Directory(), R"(C:\)");
    EXPECT_EQ(dialog.Extension(), "bmp");
    EXPECT_EQ(dialog.FileNames(),
              QStringList({R"(C:\Pictures\a.bmp)", R"(C:\b.png)", R"(C:\c.png)"}));
    EXPECT_EQ(dialog.FileTitles(), QStringList({"a.bmp", "b.png", "c.png"}));
}

TEST(ComDLGSelection, ASelectionThatFillsTheWholeBufferChangesNoResult) {
    ScriptedDialog platform;
    platform.answer(oneFile("/home/ann/a.bmp"));
    platform.answer(oneFile("/" + QString(259, u'x')));
    ComDLG dialog(platform);
    ASSERT_TRUE(dialog.ShowSave());
    EXPECT_TRUE(dialog.ShowSave());
    EXPECT_EQ(dialog.FileName(), "/home/ann/a.bmp");
    EXPECT_EQ(dialog.FileNames().size(), 1);
}

TEST(ComDLGRecord, TheSaveDialogSeesTheFilledRecord) {
    ScriptedDialog platform;
    platform.cancel();
    ComDLG dialog(platform);
    dialog.setDialogTitle("Save My Picture");
    dialog.setExtension(".bmp");
    dialog.setFileName("MyPicture.bmp");
    dialog.setFilter("Pictures (*.bmp)|*.bmp");
    dialog.setDirectory("/home/ann");
    dialog.ShowSave();

    ASSERT_EQ(platform.calls.size(), 1u);
    const DialogRecord& seen = platform.calls[0].record;
    EXPECT_FALSE(platform.calls[0].open);
    EXPECT_EQ(seen.lStructSize, 76u);
    EXPECT_EQ(seen.lpstrTitle, "Save My Picture");
    EXPECT_EQ(seen.lpstrFilter, nuls({"Pictures (*.bmp)", "*.bmp", ""}));
    EXPECT_EQ(seen.lpstrDefExt, "bmp");
    EXPECT_EQ(seen.lpstrInitialDir, "/home/ann");
    EXPECT_EQ(seen.nMaxFile, 261u);
    EXPECT_EQ(seen.lpstrFile, "MyPicture.bmp" + QString(260 - 13, NUL));
    EXPECT_EQ(seen.nMaxFileTitle, 261u);
    EXPECT_EQ(seen.lpstrFileTitle, QString(260, NUL));
    EXPECT_EQ(seen.nFilterIndex, 0);
    EXPECT_EQ(seen.Flags, 0x280806u);
    EXPECT_TRUE(seen.lpstrCustomFilter.isEmpty());
    EXPECT_EQ(seen.lCustData, 0u);
}

TEST(ComDLGRecord, TheDialogIsOwnedByTheActiveWindow) {
    QWidget window;
    window.show();
    QApplication::setActiveWindow(&window);
    ScriptedDialog platform;
    ComDLG dialog(platform);
    dialog.ShowSave();
    ASSERT_EQ(platform.calls.size(), 1u);
    EXPECT_EQ(platform.calls[0].record.hwndOwner, QApplication::activeWindow());
    EXPECT_EQ(platform.calls[0].record.hwndOwner, &window);
}

TEST(ComDLGRecord, AFileNameOverTwoHundredSixtyCharactersIsIgnored) {
    ScriptedDialog platform;
    ComDLG dialog(platform);
    dialog.setFileName("first.bmp");
    dialog.setFileName(QString(261, u'a'));
    dialog.ShowOpen();
    dialog.setFileName(QString(260, u'b'));
    dialog.ShowOpen();
    ASSERT_EQ(platform.calls.size(), 2u);
    EXPECT_TRUE(platform.calls[0].record.lpstrFile.startsWith("first.bmp" + QString(NUL)));
    EXPECT_EQ(platform.calls[1].record.lpstrFile, QString(260, u'b'));
}

TEST(ComDLGRecord, TheFilterTextAndTheFilterListGiveTheSameNulForm) {
    ScriptedDialog platform;
    ComDLG fromText(platform);
    fromText.setFilter("Pictures|*.bmp|All|*.*");
    fromText.ShowOpen();
    ComDLG fromList(platform);
    fromList.setFilter(QStringList{"Pictures", "*.bmp", "All", "*.*"});
    fromList.ShowOpen();
    ASSERT_EQ(platform.calls.size(), 2u);
    EXPECT_EQ(platform.calls[0].record.lpstrFilter, nuls({"Pictures", "*.bmp", "All", "*.*", ""}));
    EXPECT_EQ(platform.calls[1].record.lpstrFilter, platform.calls[0].record.lpstrFilter);
}

TEST(ComDLGRecord, TheDefaultExtensionIsNormalised) {
    const std::pair<const char*, const char*> cases[] = {
        {".bmp", "bmp"}, {".JPEG", "jpe"}, {".Bitmap", "bit"}, {"", ""}, {"t.a.r.gz", "tar"}};
    for (const auto& [given, stored] : cases) {
        ScriptedDialog platform;
        ComDLG dialog(platform);
        dialog.setExtension(given);
        dialog.ShowSave();
        ASSERT_EQ(platform.calls.size(), 1u);
        EXPECT_EQ(platform.calls[0].record.lpstrDefExt, stored) << given;
    }
}

TEST(ComDLGRecord, AssignedNameFolderAndExtensionAreNotWhatIsRead) {
    ScriptedDialog platform;
    ComDLG dialog(platform);
    dialog.setFileName("MyPicture.bmp");
    dialog.setDirectory("/home/ann");
    dialog.setExtension(".bmp");
    EXPECT_EQ(dialog.FileName(), "");
    EXPECT_EQ(dialog.Directory(), "");
    EXPECT_EQ(dialog.Extension(), "");
}

// The filter as set (none, as text or as the list of its items) and the
// index chosen, and what Filter() reads: nothing (null), a pair, or an error.
struct FilterRow {
    const char* why;
    const char* filter;
    bool asList;
    int index;
    const char* pair;
    bool outOfRange = false;
};

class FilterRead : public ::testing::TestWithParam<FilterRow> {};

TEST_P(FilterRead, GivesTheSelectedPair) {
    const FilterRow& row = GetParam();
    ScriptedDialog platform;
    ComDLG dialog(platform);
    if (row.filter && row.asList)
        dialog.setFilter(QString(row.filter).split(u'|'));
    else if (row.filter)
        dialog.setFilter(QString(row.filter));
    if (row.index != 0)
        dialog.setFilterIndex(row.index);
    EXPECT_EQ(dialog.FilterIndex(), row.index);
    if (row.outOfRange)
        EXPECT_THROW(dialog.Filter(), std::out_of_range);
    else if (!row.pair)
        EXPECT_FALSE(dialog.Filter().has_value());
    else
        EXPECT_EQ(dialog.Filter(), row.pair);
}

// Every NUL splits, the appended one too: an odd last item pairs with an
// empty one, and an empty filter reads as one empty pair.
INSTANTIATE_TEST_SUITE_P(
    ComDLGFilter, FilterRead,
    ::testing::Values(
        FilterRow{"NoFilter", nullptr, false, 0, nullptr},
        FilterRow{"NoneSelected", "Pictures (*.bmp)|*.bmp", false, 0, nullptr},
        FilterRow{"TheOnlyPair", "Pictures (*.bmp)|*.bmp", false, 1, "Pictures (*.bmp)|*.bmp"},
        FilterRow{"TheSecondPairOfAList", "Pictures|*.bmp|Photos|*.jpg;*.jpeg", true, 2,
                  "Photos|*.jpg;*.jpeg"},
        FilterRow{"NoFilterButAnIndex", nullptr, false, 1, nullptr, true},
        FilterRow{"PastTheLastPair", "Pictures|*.bmp|All|*.*", false, 3, nullptr, true},
        FilterRow{"ANegativeIndex", "Pictures|*.bmp|All|*.*", false, -1, nullptr, true},
        FilterRow{"AnOddLastItem", "A|B|C", false, 2, "C|"},
        FilterRow{"PastTheAppendedNul", "A|B|C", false, 3, nullptr, true},
        FilterRow{"AnEmptyFilter", "", false, 1, "|"}),
    [](const auto& info) { return std::string(info.param.why); });

TEST(ComDLGFilter, TheFilterTheUserChoseIsReadAfterTheDialog) {
    ScriptedDialog platform;
    DialogOutcome outcome = oneFile("/home/ann/a.jpg");
    outcome.nFilterIndex = 2;
    platform.answer(outcome);
    ComDLG dialog(platform);
    dialog.setFilter("Pictures|*.bmp|Photos|*.jpg");
    dialog.setFilterIndex(1);
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_EQ(platform.calls[0].record.nFilterIndex, 1);
    EXPECT_EQ(dialog.FilterIndex(), 2);
    EXPECT_EQ(dialog.Filter(), "Photos|*.jpg");
}

TEST(ComDLGFlags, ANewObjectAsksForAHiddenBoxExplorerStyleAndLongNames) {
    ScriptedDialog platform;
    ComDLG dialog(platform);
    EXPECT_FALSE(dialog.CheckBoxSelected());
    dialog.ShowOpen();
    ASSERT_EQ(platform.calls.size(), 1u);
    EXPECT_TRUE(platform.calls[0].open);
    EXPECT_EQ(platform.calls[0].record.Flags, 0x280004u);
}

TEST(ComDLGFlags, PropertiesSetAndClearTheirBits) {
    ScriptedDialog platform;
    ComDLG dialog(platform);
    dialog.setAllowMultiSelect(true);
    dialog.setRestoreCurDir(true);
    dialog.setCheckBoxVisible(true);
    dialog.ShowOpen();
    dialog.setAllowMultiSelect(false);
    dialog.setRestoreCurDir(false);
    dialog.setCheckBoxVisible(false);
    dialog.ShowOpen();
    ASSERT_EQ(platform.calls.size(), 2u);
    EXPECT_EQ(platform.calls[0].record.Flags, 0x280208u);
    EXPECT_EQ(platform.calls[0].record.nMaxFile, 13001u);
    EXPECT_EQ(platform.calls[0].record.lpstrFile, QString(13000, NUL));
    EXPECT_EQ(platform.calls[1].record.Flags, 0x280004u);
    EXPECT_EQ(platform.calls[1].record.nMaxFile, 261u);
}

TEST(ComDLGFlags, ExistFlagsOnlyEverAddsBits) {
    ScriptedDialog platform;
    ComDLG dialog(platform);
    dialog.setExistFlags(0x1000);
    dialog.setExistFlags(0);
    dialog.setExistFlags(0x4);
    dialog.ShowOpen();
    ASSERT_EQ(platform.calls.size(), 1u);
    EXPECT_EQ(platform.calls[0].record.Flags, 0x281004u);
}

TEST(ComDLGFlags, ShowSaveTurnsMultiSelectOffAndAsksForAnExistingFolderAndOverwrite) {
    ScriptedDialog platform;
    ComDLG dialog(platform);
    dialog.setAllowMultiSelect(true);
    dialog.ShowSave();
    dialog.ShowOpen();
    ASSERT_EQ(platform.calls.size(), 2u);
    EXPECT_EQ(platform.calls[0].record.Flags, 0x280806u);
    EXPECT_EQ(platform.calls[0].record.nMaxFile, 261u);
    EXPECT_EQ(platform.calls[0].record.lpstrFile.size(), 260);
    // The changes last for the object's life.
    EXPECT_EQ(platform.calls[1].record.Flags, 0x280806u);
}

TEST(ComDLGFlags, ATickedReadOnlyBoxIsShownEvenWhenAskedToHideIt) {
    ScriptedDialog platform;
    DialogOutcome unticked = oneFile("/home/ann/a.bmp");
    unticked.readOnly = false;
    platform.answer(unticked);
    ComDLG dialog(platform);
    dialog.setCheckBoxSelected(true);
    dialog.setCheckBoxVisible(false);
    EXPECT_TRUE(dialog.CheckBoxSelected());
    ASSERT_TRUE(dialog.ShowOpen());
    ASSERT_EQ(platform.calls.size(), 1u);
    EXPECT_EQ(platform.calls[0].record.Flags, 0x280001u);
    // The box's final state comes back from the dialog.
    EXPECT_FALSE(dialog.CheckBoxSelected());
    dialog.ShowOpen();
    EXPECT_EQ(platform.calls[1].record.Flags, 0x280000u);
}

TEST(ComDLGFlags, TheReadOnlyStateTheUserTickedIsRead) {
    ScriptedDialog platform;
    DialogOutcome ticked = oneFile("/home/ann/a.bmp");
    ticked.readOnly = true;
    platform.answer(ticked);
    ComDLG dialog(platform);
    dialog.setCheckBoxVisible(true);
    ASSERT_TRUE(dialog.ShowOpen());
    EXPECT_TRUE(dialog.CheckBoxSelected());
}

} // namespace
