// A later start in the same working folder: it brings the open window (or
// the dialog open over it) to the front, or says why there is none.
#include "tests/whole/CanvasShots.h"

#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

namespace {

// The shown and hidden windows on the screen, decimal ids, topmost first.
QStringList stackingOrder() {
    const QByteArray info = runCommand("xwininfo", {"-root", "-children"}, 10000).output;
    QStringList ids;
    for (const QString& line : QString::fromLocal8Bit(info).split('\n'))
        if (const QString word = line.trimmed().section(' ', 0, 0); word.startsWith("0x"))
            ids << QString::number(word.toULongLong(nullptr, 16));
    return ids;
}

bool isAbove(const QString& upper, const QString& lower) {
    const QStringList order = stackingOrder();
    return order.contains(upper) && order.contains(lower) &&
           order.indexOf(upper) < order.indexOf(lower);
}

bool hasWindow(qint64 pid) {
    QString ids;
    xdotool({"search", "--onlyvisible", "--pid", QString::number(pid), "--name", "^Vellumix$"},
            &ids);
    return !ids.isEmpty();
}

class SecondStartTest : public ::testing::Test {
protected:
    void TearDown() override {
        cover_.kill();
        cover_.waitForFinished();
        for (const auto& [name, value] : saved_)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    // For this test and every program it starts, the fixture's own among them.
    void setEnv(const char* name, const QByteArray& value) {
        saved_.emplace_back(name, qgetenv(name));
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
        program.setEnvironment(QString::fromLatin1(name), QString::fromLocal8Bit(value));
    }
    // A folder whose path alone nearly fills a socket address.
    QString longFolder() {
        const QString path = longParent_.path() + '/' + QString(120, 'f');
        QDir().mkpath(path);
        return path;
    }

    // Another program's window over the whole screen; its id.
    QString coverTheScreen() {
        cover_.start("xmessage", {"-geometry", "1024x768+0+0", "another program"});
        QString id;
        eventually([&] {
            xdotool({"search", "--onlyvisible", "--classname", "xmessage"}, &id);
            return !id.isEmpty();
        });
        return id.section('\n', 0, 0);
    }

    QString lockPath() const { return scratch.file("vellumix.lock"); }
    void writeLock(qint64 pid, const QString& program, const QString& host) {
        QFile lock(lockPath());
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
        lock.write(QString("%1\n%2\n%3\n").arg(pid).arg(program, host).toUtf8());
    }
    qint64 lockPid() const {
        QFile lock(lockPath());
        return lock.open(QIODevice::ReadOnly) ? lock.readLine().trimmed().toLongLong() : 0;
    }
    QString lockHost() const {
        QFile lock(lockPath());
        return lock.open(QIODevice::ReadOnly)
                   ? QString::fromUtf8(lock.readAll()).section('\n', 2, 2)
                   : QString();
    }

    // Answers the question that the program shows instead of its window.
    int answer(RunningProgram& program, const QString& key) {
        if (!program.start() || !program.focusWindow(program.windowId()))
            return -2;
        program.key(key);
        return program.waitForExit(5000);
    }

    ScratchDataFolder scratch;
    RunningProgram program{scratch};
    QTemporaryDir longParent_;
    QProcess cover_;
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

} // namespace

TEST_F(SecondStartTest, AnotherMachinesLockAsksWhetherToOpenAnyway) {
    writeLock(4242, "vellumix", "a-classroom-machine");
    EXPECT_EQ(answer(program, "Escape"), 1) << "no question, or Escape did not end the start";
    EXPECT_EQ(lockHost(), "a-classroom-machine");
    RunningProgram again(scratch);
    EXPECT_EQ(answer(again, "Return"), -1) << "opening anyway ended the program";
    EXPECT_TRUE(eventually([&] { return lockHost() == QSysInfo::machineHostName(); }))
        << "the lock was not taken over";
}

TEST_F(SecondStartTest, AHolderThatDoesNotAnswerAsksToo) {
    QProcess holder; // alive, on this machine, and deaf to the socket
    holder.start("sleep", {"60"});
    ASSERT_TRUE(holder.waitForStarted());
    writeLock(holder.processId(), "sleep", QSysInfo::machineHostName());
    EXPECT_EQ(answer(program, "Escape"), 1);
    holder.kill();
    holder.waitForFinished();
}

// A first window too busy to answer for a while (here stopped, as during a
// postcard's delivery) is waited for: no offer to open the pictures twice.
TEST_F(SecondStartTest, ABusyFirstWindowIsWaitedFor) {
    ASSERT_TRUE(program.start());
    const qint64 first = lockPid();
    ASSERT_GT(first, 0);
    ASSERT_EQ(::kill(pid_t(first), SIGSTOP), 0);
    std::thread resume([first] {
        QThread::sleep(4); // twice as long as a start waits for an answer at first
        ::kill(pid_t(first), SIGCONT);
    });
    EXPECT_EQ(startAgain(scratch), 0) << "the busy window was not waited for";
    resume.join();
}

TEST_F(SecondStartTest, AnotherUsersWindowIsSaidAndEndsWithAnError) {
    // The first window is the user nobody's, in a folder everyone may write.
    if (runCommand("chmod", {"-R", "a+rwX", scratch.programFolder()}).exitCode != 0)
        GTEST_SKIP() << "cannot share the folder with the user nobody";
    RunningProgram first(scratch);
    if (const QString why = first.runAsOrdinaryUser(); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    if (!first.start())
        GTEST_SKIP() << "the user nobody's program showed no window here";
    EXPECT_EQ(answer(program, "Return"), 1) << "no message, or the start did not fail";
}

TEST_F(SecondStartTest, WithALongTmpdirASecondStartStillBringsTheWindowForward) {
    setEnv("TMPDIR", longFolder().toLocal8Bit());
    setEnv("XDG_RUNTIME_DIR", QByteArray());
    ASSERT_TRUE(program.start());
    const QString cover = coverTheScreen();
    ASSERT_TRUE(isAbove(cover, program.windowId()));
    EXPECT_EQ(startAgain(scratch), 0);
    EXPECT_TRUE(eventually([&] { return isAbove(program.windowId(), cover); }, 5000));
}

TEST_F(SecondStartTest, AnOpenDialogStaysInFrontOfTheWindow) {
    ASSERT_TRUE(program.start());
    program.click(controlCentre("cmdSAVE"));
    const QString dialog = program.waitForOtherWindow("Save My Picture", 15000);
    ASSERT_FALSE(dialog.isEmpty());
    const QString cover = coverTheScreen();
    EXPECT_EQ(startAgain(scratch), 0);
    EXPECT_TRUE(eventually([&] { return isAbove(program.windowId(), cover); }, 5000));
    EXPECT_TRUE(isAbove(dialog, program.windowId())) << "the window came over its own dialog";
}

TEST_F(SecondStartTest, ASocketThatCannotListenIsSaidAndTheWindowOpens) {
    const QString runtime = longFolder();
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setEnv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    QProcess first;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    first.setProcessEnvironment(env);
    first.start(scratch.programFolder() + "/vellumix", {});
    EXPECT_TRUE(eventually([&] { return hasWindow(first.processId()); }));
    first.kill();
    first.waitForFinished();
    EXPECT_TRUE(first.readAllStandardError().contains("Vellumix: cannot listen"));
}
