// The unpacked package's program as an ordinary user runs it: it starts, a
// filled page is stored in that user's folder, a second start hands over to
// the first window and leaves the pages alone, and closing ends it cleanly.
//   VELLUMIX_UNPACKED_ROOT=<root> xvfb-case.sh 1024x768 UnpackedProgramTest
#include "tests/support/Facts.h"
#include "tests/whole/CanvasShots.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(UnpackedProgram, RunsAsAnOrdinaryUserWithThePagesInTheUsersFolder) {
    RunningProgram program(qEnvironmentVariable("VELLUMIX_UNPACKED_ROOT") + "/usr/bin/vellumix");
    if (const QString why = program.runAsOrdinaryUser(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    ASSERT_TRUE(program.start()) << "no window";
    const QDir folder(program.dataHome() + '/' + kProgramTitle);
    EXPECT_EQ(QDir(folder.filePath(DataFiles::PagesFolder)).entryList({"*.bmp"}).size(), kPageCount)
        << "the user's folder lacks the pages";
    const QPoint white(6, 6); // around page 1's drawing
    const auto pageOne = [&] {
        return loadPicture(folder.filePath(DataFiles::workingPage(1))).pixel(white);
    };
    program.click(paletteSlot(kBlueSlot));
    program.click(onCanvas(white));
    program.click(controlCentre("cmdNEXT")); // page 1 is stored
    ASSERT_TRUE(eventually([&] { return pageOne() == kBlue; }, 20000))
        << "page 1 was not stored blue in the user's folder";
    program.settle(1000);
    program.click(controlCentre("cmdPREV"));
    EXPECT_EQ(program.startAgain(), 0) << "the second start did not end well";
    EXPECT_TRUE(program.running()) << "the first window went away";
    EXPECT_EQ(pageOne(), kBlue) << "the second start remade the pages";
    program.close();
    EXPECT_EQ(program.waitForExit(), 0) << "closing did not end with 0";
}
