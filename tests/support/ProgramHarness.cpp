#include "tests/support/ProgramHarness.h"

#include "tests/support/Facts.h"

#include <QFile>
#include <QThread>

int xdotool(const QStringList& arguments, QString* output) {
    const CommandResult result = runCommand(QStringLiteral("xdotool"), arguments, 20000);
    if (output)
        *output = QString::fromLocal8Bit(result.output).trimmed();
    return result.exitCode;
}

namespace {

// xdotool matches titles as POSIX extended expressions.
QString exactTitlePattern(const QString& title) {
    QString pattern;
    for (const QChar c : title) {
        if (QStringLiteral(".[]{}()\\*+?^$|").contains(c))
            pattern += u'\\';
        pattern += c;
    }
    return pattern;
}

} // namespace

RunningProgram::RunningProgram(const ScratchDataFolder& scratch)
    : RunningProgram(scratch.programFolder() + "/vellumix") {
    QFile::copy(QStringLiteral(VELLUMIX_PROGRAM), program_);
}

RunningProgram::RunningProgram(QString program) : program_(std::move(program)) {}

QString RunningProgram::runAsOrdinaryUser() {
    if (QString why = whyNoOrdinaryUser(); !why.isEmpty())
        return why;
    // What a login gives, and the way into this X server: the user cannot
    // read the server's key where it lies.
    environment_ = QProcessEnvironment();
    environment_.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
    environment_.insert(QStringLiteral("DISPLAY"), qEnvironmentVariable("DISPLAY"));
    const QString key = home() + QStringLiteral("/.Xauthority");
    if (QFile::copy(qEnvironmentVariable("XAUTHORITY"), key))
        environment_.insert(QStringLiteral("XAUTHORITY"), key);
    runCommand(QStringLiteral("chown"), {"-R", "nobody:nogroup", home()});
    ordinaryUser_ = true;
    return QString();
}

RunningProgram::~RunningProgram() {
    // A button left held would stay held for every later test on this server.
    mouseUp();
    if (process_.state() != QProcess::NotRunning) {
        process_.kill();
        process_.waitForFinished(5000);
    }
}

void RunningProgram::setWorkingFolder(const QString& folder) {
    process_.setWorkingDirectory(folder);
}

void RunningProgram::setEnvironment(const QString& name, const QString& value) {
    environment_.insert(name, value);
}

void RunningProgram::launch(QProcess& process) const {
    QProcessEnvironment env = environment_;
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("HOME"), home_.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configFolder());
    env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome());
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang_);
    process.setProcessEnvironment(env);
    const QStringList command = ordinaryUser_ ? asOrdinaryUser({program_}) : QStringList{program_};
    process.start(command.first(), command.mid(1) + arguments_);
}

bool RunningProgram::start(const QString& title) {
    process_.setProcessChannelMode(QProcess::ForwardedChannels);
    launch(process_);
    if (!process_.waitForStarted(10000))
        return false;
    return waitForWindow(title, 15000);
}

int RunningProgram::startAgain() const {
    QProcess second;
    launch(second);
    if (second.waitForFinished(15000))
        return second.exitCode();
    second.kill();
    second.waitForFinished();
    return -1;
}

QStringList RunningProgram::windowsTitled(const QString& title) const {
    QString ids;
    xdotool({"search", "--all", "--onlyvisible", "--pid", QString::number(process_.processId()),
             "--name", "^" + exactTitlePattern(title) + "$"},
            &ids);
    return ids.split('\n', Qt::SkipEmptyParts);
}

QString RunningProgram::waitForShown(const QString& title, int timeoutMs) const {
    QStringList ids;
    eventually(
        [&] {
            ids = windowsTitled(title);
            return !ids.isEmpty() || process_.state() == QProcess::NotRunning;
        },
        timeoutMs);
    return ids.isEmpty() ? QString() : ids.last();
}

bool RunningProgram::waitForWindow(const QString& title, int timeoutMs) {
    windowId_ = waitForShown(title, timeoutMs);
    if (windowId_.isEmpty())
        return false;
    origin_ = windowGeometry().topLeft();
    settle(500);
    return true;
}

QString RunningProgram::waitForOtherWindow(const QString& title, int timeoutMs) const {
    const QString id = waitForShown(title, timeoutMs);
    // A window just mapped may not take input yet: let it finish showing.
    if (!id.isEmpty())
        QThread::msleep(300);
    return id;
}

bool RunningProgram::waitUntilGone(const QString& title, int timeoutMs) const {
    return eventually(
        [&] { return process_.state() == QProcess::NotRunning || windowsTitled(title).isEmpty(); },
        timeoutMs);
}

bool RunningProgram::focusWindow(const QString& id) const {
    for (int attempt = 0; attempt < 20; ++attempt) {
        xdotool({"windowfocus", id});
        QString focused;
        xdotool({"getwindowfocus"}, &focused);
        if (focused == id)
            return true;
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
    // --sync waits for the pointer to move, which it never does when it is
    // already there: xdotool would hang for seconds.
    QString where;
    xdotool({"getmouselocation", "--shell"}, &where);
    if (where.startsWith(QStringLiteral("X=%1\nY=%2\n").arg(s.x()).arg(s.y())))
        return;
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

void RunningProgram::mouseDown(QPoint p, int button) {
    mouseUp();
    moveTo(p);
    xdotool({"mousedown", QString::number(button)});
    heldButton_ = button;
}

void RunningProgram::mouseUp() {
    if (heldButton_ == 0)
        return;
    xdotool({"mouseup", QString::number(heldButton_)});
    heldButton_ = 0;
}

void RunningProgram::key(const QString& keys) {
    xdotool({"key", "--clearmodifiers", keys});
    settle();
}

void RunningProgram::type(const QString& text) {
    xdotool({"type", "--delay", "20", text});
    settle();
}

QString RunningProgram::copyFocusedText() {
    key(QStringLiteral("ctrl+a"));
    key(QStringLiteral("ctrl+c"));
    return QString::fromUtf8(
        runCommand("xclip", {"-o", "-selection", "clipboard", "-t", "UTF8_STRING"}, 10000).output);
}

void RunningProgram::settle(int ms) {
    QThread::msleep(ms);
}

QImage RunningProgram::screenshot() const {
    return QImage::fromData(runCommand("import", {"-window", "root", "png:-"}, 20000).output, "PNG")
        .convertToFormat(QImage::Format_RGB32);
}

QImage RunningProgram::windowShot() const {
    return screenshot().copy(QRect(origin_, kWindowSize));
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

int startAgain(const ScratchDataFolder& scratch) {
    return RunningProgram(scratch).startAgain();
}
