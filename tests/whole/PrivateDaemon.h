#pragma once
// A system server run as the test's own: on 127.0.0.1 at a free port, its
// files in a scratch folder its unprivileged users can reach, and in a mount
// namespace of its own in which one of those files lies over the system's, so
// that the system's server and its settings are left alone. Stopped with the
// test.
#include "tests/support/ChildProcess.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <utility>

class PrivateDaemon {
public:
    PrivateDaemon(const PrivateDaemon&) = delete;
    PrivateDaemon& operator=(const PrivateDaemon&) = delete;

    // False where the machine would not run it; why() then says why, for a skip.
    bool ok() const { return why_.isEmpty(); }
    QString why() const { return why_; }
    int port() const { return port_; }
    // The end of its log, to explain a failure.
    QString logTail() const;

protected:
    // name: what a skip calls it; log: its log file, relative to the scratch
    // folder; needs: the files it runs on, from packages.
    PrivateDaemon(QString name, QString log, const QStringList& needs, const QString& packages);

    QString path(const QString& name) const { return dir_.filePath(name); }
    // Runs each command to its end; at the first that fails why() says what it said.
    bool run(const QList<std::pair<QString, QStringList>>& commands);
    // Starts command with source bound over target and waits (bounded) until answers().
    bool start(const QString& source, const QString& target, const QStringList& command,
               const std::function<bool()>& answers);
    void fail(const QString& why) { why_ = why; }

private:
    QTemporaryDir dir_;
    ChildProcess process_;
    QString name_;
    QString log_;
    QString why_;
    int port_ = 0;
};
