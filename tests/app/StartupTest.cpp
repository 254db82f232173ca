#include "tests/support/WindowTest.h"

#include <QDir>

using StartupTest = WindowTest;

TEST_F(StartupTest, EndsOnPageOneUncolouredInPaintModeWithNothingPicked) {
    window->Form_Load();
    const ProgramState& s = window->state();
    EXPECT_EQ(s.DataFolder, scratch.dataFolder());
    EXPECT_EQ(s.CurrentPage, 1);
    EXPECT_EQ(s.ToolKind, ToolKinds::PaintMode);
    EXPECT_FALSE(s.EraserOn);
    EXPECT_FALSE(s.ToolArmed);
    EXPECT_EQ(window->canvas->ForeColor, 255u);
    EXPECT_EQ(window->canvas->FillColor, 255u);
    EXPECT_EQ(window->canvas->Image(), outline(1));
    EXPECT_EQ(window->picOrig->Image(), outline(1));
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(StartupTest, ReplacesColouredWorkingCopiesAndLeavesOtherFilesAlone) {
    QImage coloured = outline(1);
    coloured.fill(Qt::red);
    for (int page : {1, 9, kPageCount})
        writeBitmapFile(coloured, scratch.file(workingName(page)));
    writeBitmapFile(coloured, scratch.file(workingName(17)));
    writeBitmapFile(coloured, scratch.file("pages/5.bmp.backup"));
    QFile note(scratch.file("pages/notes.txt"));
    ASSERT_TRUE(note.open(QIODevice::WriteOnly));
    note.write("keep me");
    note.close();

    window->Form_Load();

    for (int page = 1; page <= kPageCount; ++page)
        EXPECT_EQ(working(page), outline(page)) << "page " << page;
    EXPECT_EQ(window->canvas->Image(), outline(1));
    EXPECT_EQ(working(17), coloured);
    EXPECT_EQ(loadPicture(scratch.file("pages/5.bmp.backup")), coloured);
    ASSERT_TRUE(note.open(QIODevice::ReadOnly));
    EXPECT_EQ(note.readAll(), "keep me");
}

TEST_F(StartupTest, ThePaletteSlotsLieEdgeToEdgeWithTheirColours) {
    window->Form_Load();
    ASSERT_EQ(window->cmdCOLOR.size(), std::size_t(kPaletteSize));
    for (int i = 0; i < kPaletteSize; ++i) {
        EXPECT_EQ(window->cmdCOLOR[i]->geometry(), QRect(141 + 34 * i, 457, 34, 141)) << i;
        EXPECT_EQ(window->cmdCOLOR[i]->Tag, QString::number(kPaletteTable[i])) << i;
    }
    EXPECT_EQ(window->cmdCOLOR[5]->Tag, "1973790"); // near-black 30, 30, 30
}

// Each missing or unreadable file stops start-up with a FileError that
// names it, before the window is ever shown.
class StartupFailure : public WindowTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(StartupFailure, StopsAndNamesTheFile) {
    const QString victim = scratch.file(QString::fromStdString(GetParam()));
    QFile::remove(victim);
    try {
        window->Form_Load();
        FAIL() << "start-up went on without " << GetParam();
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), victim);
        EXPECT_FALSE(e.reason().isEmpty());
    }
    EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(MissingFiles, StartupFailure,
                         ::testing::Values(DataFiles::Desk, DataFiles::Crayons, DataFiles::Brushes,
                                           DataFiles::outlinePage(1).toStdString(),
                                           DataFiles::outlinePage(7).toStdString(),
                                           DataFiles::outlinePage(kPageCount).toStdString()));

TEST_F(StartupTest, APictureThatIsReallyTextStopsStartUp) {
    QFile fake(scratch.file(DataFiles::Crayons));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly | QIODevice::Truncate));
    fake.write("not a picture\n");
    fake.close();
    EXPECT_THROW(window->Form_Load(), FileError);
}

TEST_F(StartupTest, AWorkingCopyThatCannotBeReplacedStopsStartUp) {
    // A folder in the place of a working copy cannot be deleted as a file.
    QDir().mkpath(scratch.file("pages/3.bmp/inside"));
    try {
        window->Form_Load();
        FAIL() << "start-up went on";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), scratch.file(workingName(3)));
    }
}

TEST_F(StartupTest, AReadOnlyDataFolderIsReadAndThePagesAreColouredInTheUsersFolder) {
    ReadOnlyMount readOnly(scratch.programFolder());
    if (!readOnly.ok())
        GTEST_SKIP() << readOnly.why().toStdString();

    window->Form_Load();
    const QString user = userFolder() + "/";
    EXPECT_EQ(window->state().DataFolder, scratch.dataFolder());
    EXPECT_EQ(window->state().WorkingFolder, user);
    for (int page = 1; page <= kPageCount; ++page)
        EXPECT_EQ(loadPicture(user + workingName(page)), outline(page)) << "page " << page;

    colourCanvas(kBlue);
    EXPECT_TRUE(window->SavePic());
    EXPECT_EQ(loadPicture(user + workingName(1)), window->canvas->Image());
    EXPECT_TRUE(reports.isEmpty()) << reports.join('\n').toStdString();
}

TEST_F(StartupTest, AUserFolderThatCannotBeMadeStopsStartUpNamingIt) {
    ReadOnlyMount readOnly(scratch.programFolder());
    if (!readOnly.ok())
        GTEST_SKIP() << readOnly.why().toStdString();
    QFile blocker(userFolder()); // a file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    try {
        window->Form_Load();
        FAIL() << "start-up went on";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), userFolder());
    }
}
