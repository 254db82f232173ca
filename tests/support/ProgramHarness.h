#pragma once
// Runs the real program from a scratch program folder, or an unpacked
// package's, under the virtual X server and drives it as a child would, with
// xdotool. The program gets a home of its own, so that what it and its
// dialogs remember stays private.
#include "book/BookFacts.h"
#include "tests/support/TestSupport.h"

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <functional>

class RunningProgram {
public:
    // Copies the program beside the scratch data folder.
    explicit RunningProgram(const ScratchDataFolder& scratch);
    // Runs this program file where it lies.
    explicit RunningProgram(QString program);
    ~RunningProgram();

    // Runs it as the ordinary user nobody, who is given the home, in an
    // environment as bare as a login's; set before start(). Why the machine
    // will not, for a skip; empty when it will.
    QString runAsOrdinaryUser();

    // The folder the program runs in (where its file dialog first opens);
    // set before start().
    void setWorkingFolder(const QString& folder);
    // The locale it is started in (LANG; LANGUAGE and LC_* are cleared):
    // English by default, whatever the machine's.
    void setLanguage(const QString& lang) { lang_ = lang; }
    // The program's private home, its settings folder (XDG_CONFIG_HOME) and
    // the folder of its users' data (XDG_DATA_HOME).
    QString home() const { return home_.path(); }
    QString configFolder() const { return home_.path() + QStringLiteral("/.config"); }
    QString dataHome() const { return home_.path() + QStringLiteral("/.local/share"); }
    // Command-line arguments and environment variables for start(); the
    // user's Vellumix.conf lies in configFolder() + "/Vellumix".
    void setArguments(const QStringList& arguments) { arguments_ = arguments; }
    void setEnvironment(const QString& name, const QString& value);

    // Starts the program and waits for a window with this title to show.
    bool start(const QString& title = QLatin1String(kProgramTitle));
    // Starts it once more, as a launcher would for the same user; its exit
    // code, or -1 when it stays (it is then killed).
    int startAgain() const;
    bool waitForWindow(const QString& title, int timeoutMs);
    QString windowId() const { return windowId_; }
    // Another window of the program (a dialog), found by its title; the
    // main window stays the one driven. Empty when none showed in time.
    QString waitForOtherWindow(const QString& title, int timeoutMs) const;
    bool waitUntilGone(const QString& title, int timeoutMs) const;
    // Gives a window the keyboard, as a click on its title bar would; there
    // is no window manager to do it. False when it would not take it.
    bool focusWindow(const QString& id) const;
    QRect windowGeometry() const;

    // Positions in the main window's client area.
    void moveTo(QPoint p);
    void click(QPoint p, int button = 1);
    void drag(QPoint from, QPoint to, int steps);
    // A button held down across several moves; released by mouseUp() or,
    // at the latest, when this object goes.
    void mouseDown(QPoint p, int button = 1);
    void mouseUp();
    void key(const QString& keys);
    void type(const QString& text);
    // The focused box's whole text, selected and copied as a grown-up may.
    QString copyFocusedText();
    void settle(int ms = 300);

    QImage screenshot() const;
    // The window's client area as it is on screen.
    QImage windowShot() const;
    void close();
    bool running() const;
    // Exit code, or -1 when the program did not end in time.
    int waitForExit(int timeoutMs = 10000);

    // The program's shown windows with this title, the main window's among them.
    QStringList windowsTitled(const QString& title) const;

private:
    // Starts process on the program, as the user and in the environment set.
    void launch(QProcess& process) const;
    // The last shown window with this title; empty when none showed in time
    // or the program ended.
    QString waitForShown(const QString& title, int timeoutMs) const;

    QString program_;
    QStringList arguments_;
    QProcessEnvironment environment_ = QProcessEnvironment::systemEnvironment();
    QTemporaryDir home_;
    QProcess process_;
    QString windowId_;
    QString lang_ = QStringLiteral("C.UTF-8");
    QPoint origin_;
    int heldButton_ = 0;
    bool ordinaryUser_ = false;
};

// Starts scratch's program once more, as a launcher would, in a home of its
// own: RunningProgram::startAgain().
int startAgain(const ScratchDataFolder& scratch);

int xdotool(const QStringList& arguments, QString* output = nullptr);
