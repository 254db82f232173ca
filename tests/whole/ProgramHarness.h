#pragma once
// Runs the real program from a scratch program folder under the virtual X
// server and drives it as a child would, with xdotool.
#include "tests/support/TestSupport.h"

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>

class RunningProgram {
public:
    // Copies the program beside the scratch data folder.
    explicit RunningProgram(const ScratchDataFolder& scratch);
    ~RunningProgram();

    // Starts the program and waits for a window with this title to show.
    bool start(const QString& title = QStringLiteral("Vellumix"));
    bool waitForWindow(const QString& title, int timeoutMs);
    QString windowId() const { return windowId_; }
    QRect windowGeometry() const;

    // Positions in the main window's client area.
    void moveTo(QPoint p);
    void click(QPoint p, int button = 1);
    void drag(QPoint from, QPoint to, int steps);
    void key(const QString& keys);
    void type(const QString& text);
    void settle(int ms = 300);

    QImage screenshot() const;
    // The window's client area as it is on screen.
    QImage windowShot() const;
    void close();
    bool running() const;
    // Exit code, or -1 when the program did not end in time.
    int waitForExit(int timeoutMs = 10000);

private:
    QString program_;
    QProcess process_;
    QString windowId_;
    QPoint origin_;
};

int xdotool(const QStringList& arguments, QString* output = nullptr);
