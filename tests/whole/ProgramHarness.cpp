#include "tests/whole/ProgramHarness.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

int xdotool(const QStringList& arguments, QString* output) {
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    if (!process.waitForFinished(20000))
        return -1;
    if (output)
        *output = QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    return process.exitCode();
}

RunningProgram::RunningProgram(const ScratchDataFolder& scratch)
    : program_(scratch.programFolder() + "/vellumix") {
    QFile::copy(QStringLiteral(VELLUMIX_PROGRAM), program_);
}

RunningProgram::~RunningProgram() {
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

bool RunningProgram::start(const QString& title) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    process_.start(program_, {});
    if (!process_.waitForStarted(10000))
        return false;
    return waitForWindow(title, 15000);
}

bool RunningProgram::waitForWindow(const QString& title, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    const QString pid = QString::number(process_.processId());
    while (clock.elapsed() < timeoutMs) {
        QString ids;
        xdotool({"search", "--onlyvisible", "--pid", pid, "--name", "^" + title + "$"}, &ids);
        if (!ids.isEmpty()) {
            windowId_ = ids.split('\n').last();
            origin_ = windowGeometry().topLeft();
            settle(500);
            return true;
        }
        if (process_.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(100);
    }
    return false;
}

QRect RunningProgram::windowGeometry() const {
    QString text;
    xdotool({"getwindowgeometry", "--shell", windowId_}, &text);
    QMap<QString, int> v;
    for (const QString& line : text.split('\n'))
        v.insert(line.section('=', 0, 0), line.section('=', 1).toInt());
    return QRect(v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]);
}

void RunningProgram::moveTo(QPoint p) {
    const QPoint s = origin_ + p;
    xdotool({"mousemove", "--sync", QString::number(s.x()), QString::number(s.y())});
}

void RunningProgram::click(QPoint p, int button) {
    moveTo(p);
    xdotool({"click", QString::number(button)});
    settle();
}

void RunningProgram::drag(QPoint from, QPoint to, int steps) {
    moveTo(from);
    xdotool({"mousedown", "1"});
    for (int i = 1; i <= steps; ++i) {
        moveTo(from + (to - from) * i / steps);
        QThread::msleep(15);
    }
    xdotool({"mouseup", "1"});
    settle();
}

void RunningProgram::key(const QString& keys) {
    xdotool({"key", "--clearmodifiers", keys});
    settle();
}

void RunningProgram::type(const QString& text) {
    xdotool({"type", "--delay", "20", text});
    settle();
}

void RunningProgram::settle(int ms) {
    QThread::msleep(ms);
}

QImage RunningProgram::screenshot() const {
    QProcess import;
    import.start(QStringLiteral("import"), {"-window", "root", "png:-"});
    import.waitForFinished(20000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

QImage RunningProgram::windowShot() const {
    return screenshot().copy(QRect(origin_, QSize(800, 600)));
}

void RunningProgram::close() {
    QProcess::execute(QStringLiteral(XCLOSE_PROGRAM), {windowId_});
}

bool RunningProgram::running() const {
    return process_.state() != QProcess::NotRunning;
}

int RunningProgram::waitForExit(int timeoutMs) {
    if (!process_.waitForFinished(timeoutMs) && process_.state() != QProcess::NotRunning)
        return -1;
    return process_.exitStatus() == QProcess::NormalExit ? process_.exitCode() : -1;
}
