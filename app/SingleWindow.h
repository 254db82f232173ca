#pragma once
// One window per working folder: a second start would remake the working
// copies that the first window is colouring. The first start holds a lock
// in the working folder and listens on a local socket named after the
// folder; a later start finds the lock held, asks the first to come to the
// front and ends. A lock left by a killed program on this machine is taken
// over; one whose holder cannot be asked is never the end of a start
// without a word: the user is asked whether to open anyway.
#include <QByteArray>
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <functional>

class QWidget;

class SingleWindow : public QObject {
    Q_OBJECT

public:
    explicit SingleWindow(const QString& workingFolder);

    enum class Outcome {
        Open,     // this start opens its window
        Shown,    // the open window was brought to the front
        Declined, // the folder is another's, or the user chose not to open
    };
    // With Open, raise is then called with the later start's activation
    // token whenever one asks.
    Outcome claim(std::function<void(const QByteArray& token)> raise);

private:
    bool askTheFirstToShow() const;
    Outcome takeOverIfWanted(const QString& host);
    void listen();

    QString folder_;
    QString serverName_;
    bool abstractName_;
    QLockFile lock_;
    QLocalServer server_;
    std::function<void(const QByteArray&)> raise_;
};

// Brings window to the front or, when a dialog is open modally over it,
// that dialog. token is the activation token of the start that asked, for
// desktops that refuse to let a window take the focus without one.
void bringToFront(QWidget* window, const QByteArray& token);
