#pragma once
// One window per working folder: a second start would remake the working
// copies that the first window is colouring. The first start holds a lock
// in the working folder and listens on a local socket named after it; a
// later start finds the lock held, asks the first to come to the front and
// ends. A lock left by a killed program is taken over.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>

class SingleWindow : public QObject {
    Q_OBJECT

public:
    explicit SingleWindow(const QString& workingFolder);

    // True when this start is the first for the folder; raise is then
    // called whenever a later start asks. False when another program holds
    // the folder; it has been asked to show its window.
    bool claim(std::function<void()> raise);

private:
    void askTheFirstToShow() const;

    QString serverName_;
    QLockFile lock_;
    QLocalServer server_;
    std::function<void()> raise_;
};
