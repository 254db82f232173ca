#include "app/DataFolder.h"

#include "pixels/FileError.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

TEST(DataFolder, FollowsTheProgramFolderWithOneSeparator) {
    EXPECT_EQ(deriveDataFolder("/opt/vellumix", '/'), "/opt/vellumix/res/");
    EXPECT_EQ(deriveDataFolder("C:\\Apps\\Book", '\\'), "C:\\Apps\\Book\\res\\");
}

TEST(DataFolder, RootFolderGetsNoDoubledSeparator) {
    EXPECT_EQ(deriveDataFolder("/", '/'), "/res/");
    EXPECT_EQ(deriveDataFolder("C:\\", '\\'), "C:\\res\\");
}

TEST(DataFolder, AWritableDataFolderKeepsThePagesBeingColoured) {
    ScratchDataFolder scratch;
    QTemporaryDir user;
    const ProgramFolders folders = chooseProgramFolders(scratch.programFolder(), user.path());
    EXPECT_EQ(folders.data, scratch.dataFolder());
    EXPECT_EQ(folders.working, scratch.dataFolder());
    EXPECT_TRUE(QDir(user.path()).isEmpty());
}

TEST(DataFolder, ARootOwnedDataFolderSendsAnOrdinaryUserToTheirOwnFolder) {
    // Run in a child as "nobody": permissions, unlike a read-only mount, do
    // not stop root.
    ScratchDataFolder scratch;
    QTemporaryDir user;
    const QString userFolder = user.filePath("share/Vellumix");
    if (runCommand("chown", {"nobody", user.path()}).exitCode != 0 ||
        runCommand("chmod", {"755", scratch.programFolder()}).exitCode != 0)
        GTEST_SKIP() << "cannot hand a folder to the user nobody";
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0)
            _exit(3);
        try {
            const ProgramFolders folders =
                chooseProgramFolders(scratch.programFolder(), userFolder);
            const bool ok = folders.data == scratch.dataFolder() &&
                            folders.working == userFolder + "/" &&
                            QFileInfo(userFolder + "/pages").isDir();
            _exit(ok ? 0 : 1);
        } catch (const FileError&) {
            _exit(2);
        }
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3)
        GTEST_SKIP() << "the machine refuses to switch to the user nobody";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: wrong folders, 2: start-up stopped";
}

TEST(DataFolder, WithoutAHomeFolderAnInstalledCopyStopsSayingSo) {
    ScratchDataFolder scratch;
    QFile marker(scratch.file(kInstalledMarker));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    const QByteArray home = qgetenv("HOME");
    for (const char* value : {static_cast<const char*>(nullptr), "/", "//"}) {
        if (value)
            qputenv("HOME", value);
        else
            qunsetenv("HOME");
        const QString userFolder = userFolderOfThisProgram();
        EXPECT_EQ(userFolder, QString()) << (value ? value : "unset");
        try {
            chooseProgramFolders(scratch.programFolder(), userFolder);
            ADD_FAILURE() << "started without a folder for the pictures";
        } catch (const FileError& e) {
            EXPECT_TRUE(e.reason().contains("no home folder")) << e.reason().toStdString();
        }
    }
    qputenv("HOME", home);
}
