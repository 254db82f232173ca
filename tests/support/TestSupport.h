#pragma once
// Shared helpers: scratch data folders laid out like the shipped one, and
// tiny pictures drawn as ASCII grids.
#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <memory>

QString sourceDir();
// The build folder, where the whole-program tests leave their screenshots.
QString binaryDir();
QString shippedDataFolder(); // <source>/res/

// A fresh copy of the shipped data folder in a temporary directory; the
// program folder is path(), the data folder dataFolder() (ends in '/').
class ScratchDataFolder {
public:
    ScratchDataFolder();
    QString programFolder() const;
    QString dataFolder() const;
    QString file(const QString& relative) const { return dataFolder() + relative; }

private:
    std::unique_ptr<QTemporaryDir> dir_;
};

// Rows of characters to an RGB32 picture: '#' black, '.' white, other
// letters take their colour from the legend ("r=#ff0000").
QImage asciiImage(const QStringList& rows, const QStringList& legend = {});
QStringList asciiRows(const QImage& image, const QStringList& legend = {});

// How many pixels differ between two pictures of the same size (all of
// them when the sizes differ), and the first one that does.
struct PixelDifference {
    int count = 0;
    QPoint first{-1, -1};
};
PixelDifference differingPixels(const QImage& a, const QImage& b);

bool copyTree(const QString& from, const QString& to);

// A mount over a folder for a test's lifetime, undone at the end. ok() is
// false where the machine refuses the mount; why() then says so, for a skip.
class ScopedMount {
public:
    ScopedMount(const ScopedMount&) = delete;
    ScopedMount& operator=(const ScopedMount&) = delete;
    ~ScopedMount();
    bool ok() const { return mounted_; }
    QString why() const { return why_; }

protected:
    explicit ScopedMount(QString folder) : folder_(std::move(folder)) {}
    // Runs each mount command in turn; a refusal undoes what went before.
    void mount(const QList<QStringList>& commands, const QString& refusal);

private:
    QString folder_;
    bool mounted_ = false;
    QString why_;
};

// The folder read-only, through a read-only bind mount (permissions do not
// stop root).
class ReadOnlyMount : public ScopedMount {
public:
    explicit ReadOnlyMount(const QString& folder);
};

// A small empty tmpfs of the given size over folder, to play a full disk.
class SmallDiskMount : public ScopedMount {
public:
    SmallDiskMount(const QString& folder, int kilobytes);
};

// The command run as the ordinary user nobody, through setpriv.
QStringList asOrdinaryUser(const QStringList& command);
// Why this machine will not run a command as nobody; empty when it will.
QString whyNoOrdinaryUser();
// For a test that must run as an ordinary user: true when this process is
// one (checks go on here). As root it runs the current test again as nobody
// in a process of its own, fails when that run fails, skips where the
// machine refuses the switch, and returns false.
bool runsAsOrdinaryUser();

// How a program run to its end came out.
struct CommandResult {
    int exitCode = -1; // -1 when it did not start, crashed or outran its time
    QByteArray output; // its standard output
    QString errors;    // its standard error
    QString failure;   // empty when it exited with 0, else the command and what it said
};
// Runs a program in folder (this process's own when empty), waiting up to timeoutMs.
CommandResult runCommand(const QString& program, const QStringList& arguments,
                         int timeoutMs = 30000, const QString& folder = {});

// Waits (bounded) until done holds, trying it every tenth of a second.
bool eventually(const std::function<bool()>& done, int timeoutMs = 15000);

// A loopback port with nothing listening on it.
int closedPort();
