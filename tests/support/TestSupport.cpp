#include "tests/support/TestSupport.h"

#include <QColor>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTcpServer>
#include <QThread>
#include <gtest/gtest.h>
#include <pwd.h>
#include <unistd.h>

QString sourceDir() {
    return QStringLiteral(VELLUMIX_SOURCE_DIR);
}
QString binaryDir() {
    return QStringLiteral(VELLUMIX_BINARY_DIR);
}
QString shippedDataFolder() {
    return sourceDir() + "/res/";
}

bool copyTree(const QString& from, const QString& to) {
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + "/" + QDir(from).relativeFilePath(path);
        if (it.fileInfo().isDir()) {
            QDir().mkpath(target);
        } else if (!QFile::copy(path, target)) {
            return false;
        }
    }
    return true;
}

ScratchDataFolder::ScratchDataFolder() : dir_(std::make_unique<QTemporaryDir>()) {
    copyTree(shippedDataFolder(), dataFolder());
}

QString ScratchDataFolder::programFolder() const {
    return dir_->path();
}
QString ScratchDataFolder::dataFolder() const {
    return dir_->path() + "/res/";
}

namespace {
QHash<QChar, QRgb> legendMap(const QStringList& legend) {
    QHash<QChar, QRgb> map{{'#', qRgb(0, 0, 0)}, {'.', qRgb(255, 255, 255)}};
    for (const QString& entry : legend)
        map.insert(entry.at(0), QColor(entry.mid(2)).rgb());
    return map;
}
} // namespace

QImage asciiImage(const QStringList& rows, const QStringList& legend) {
    const auto map = legendMap(legend);
    QImage image(rows.isEmpty() ? 0 : rows.first().size(), rows.size(), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y)
        for (int x = 0; x < rows[y].size(); ++x)
            image.setPixel(x, y, map.value(rows[y][x], qRgb(255, 0, 255)));
    return image;
}

QStringList asciiRows(const QImage& image, const QStringList& legend) {
    const auto map = legendMap(legend);
    QStringList rows;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rgb = image.pixel(x, y) | 0xff000000u;
            row += map.key(rgb, '?');
        }
        rows << row;
    }
    return rows;
}

CommandResult runCommand(const QString& program, const QStringList& arguments, int timeoutMs,
                         const QString& folder) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    CommandResult result;
    if (process.waitForFinished(timeoutMs) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.output = process.readAllStandardOutput();
    result.errors = QString::fromLocal8Bit(process.readAllStandardError());
    if (result.exitCode != 0) {
        const QString said = (result.errors + QString::fromLocal8Bit(result.output)).trimmed();
        result.failure = program + " " + arguments.join(' ') + ": " +
                         (said.isEmpty() ? process.errorString() : said);
    }
    return result;
}

QStringList asOrdinaryUser(const QStringList& command) {
    return QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"} + command;
}

QString whyNoOrdinaryUser() {
    if (!::getpwnam("nobody"))
        return QStringLiteral("there is no user nobody");
    if (runCommand("setpriv", asOrdinaryUser({"true"}).mid(1)).exitCode != 0)
        return QStringLiteral("the machine refuses to switch to the user nobody");
    return QString();
}

bool runsAsOrdinaryUser() {
    if (::geteuid() != 0)
        return true;
    if (const QString why = whyNoOrdinaryUser(); !why.isEmpty()) {
        // GTEST_SKIP() itself returns void.
        GTEST_MESSAGE_(qPrintable(why), ::testing::TestPartResult::kSkip);
        return false;
    }
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString name = QString::fromUtf8(test->test_suite_name()) + '.' + test->name();
    QProcess run;
    run.setProcessChannelMode(QProcess::ForwardedChannels);
    const QStringList command =
        asOrdinaryUser({QFile::symLinkTarget("/proc/self/exe"), "--gtest_filter=" + name});
    run.start(command.first(), command.mid(1));
    EXPECT_TRUE(run.waitForFinished(60000) && run.exitStatus() == QProcess::NormalExit &&
                run.exitCode() == 0)
        << "the run as the user nobody failed";
    return false;
}

ScopedMount::~ScopedMount() {
    if (mounted_)
        runCommand("umount", {folder_});
}

void ScopedMount::mount(const QList<QStringList>& commands, const QString& refusal) {
    for (int i = 0; i < commands.size(); ++i) {
        if (runCommand("mount", commands[i]).exitCode != 0) {
            if (i > 0)
                runCommand("umount", {folder_});
            why_ = refusal + " " + folder_;
            return;
        }
    }
    mounted_ = true;
}

ReadOnlyMount::ReadOnlyMount(const QString& folder) : ScopedMount(folder) {
    mount({{"--bind", folder, folder}, {"-o", "remount,ro,bind", folder}},
          "the machine refuses a read-only bind mount of");
}

SmallDiskMount::SmallDiskMount(const QString& folder, int kilobytes) : ScopedMount(folder) {
    QDir().mkpath(folder);
    mount({{"-t", "tmpfs", "-o", QString("size=%1k").arg(kilobytes), "tmpfs", folder}},
          "the machine refuses a tmpfs mount on");
}

PixelDifference differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size())
        return {a.width() * a.height(), {0, 0}};
    PixelDifference d;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((a.pixel(x, y) & 0xffffff) != (b.pixel(x, y) & 0xffffff) && d.count++ == 0)
                d.first = {x, y};
    return d;
}

bool eventually(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QThread::msleep(100);
    }
    return true;
}

int closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return int(probe.serverPort());
}
