#include "tests/whole/PrivateDaemon.h"

#include "tests/support/TestSupport.h"

#include <QFile>

PrivateDaemon::PrivateDaemon(QString name, QString log, const QStringList& needs,
                             const QString& packages)
    : name_(std::move(name)), log_(std::move(log)), port_(closedPort()) {
    for (const QString& file : needs)
        if (!QFile::exists(file)) {
            why_ = file + " is missing (" + packages + ")";
            return;
        }
    if (!dir_.isValid() || port_ == 0)
        why_ = "no scratch folder or free port for " + name_;
    // The server's own users must reach in.
    QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) | QFile::ExeOther |
                                           QFile::ReadOther | QFile::ExeGroup | QFile::ReadGroup);
}

bool PrivateDaemon::run(const QList<std::pair<QString, QStringList>>& commands) {
    for (const auto& [program, arguments] : commands)
        if (why_ = runCommand(program, arguments).failure; !why_.isEmpty())
            return false;
    return true;
}

bool PrivateDaemon::start(const QString& source, const QString& target, const QStringList& command,
                          const std::function<bool()>& answers) {
    process_.setProcessChannelMode(QProcess::MergedChannels);
    const QString mountThenRun =
        QStringLiteral("mount --bind \"$1\" \"$2\" && shift 2 && exec \"$@\"");
    process_.start(QStringLiteral("unshare"),
                   QStringList{"--mount", "sh", "-c", mountThenRun, "sh", source, target} +
                       command);
    if (process_.waitUntil(answers, 20000))
        return true;
    const QString said = QString::fromLocal8Bit(process_.readAll()).trimmed();
    why_ = name_ +
           (process_.state() == QProcess::NotRunning
                ? " could not start here: " + said
                : QStringLiteral(" did not answer within 20 s:")) +
           " " + logTail();
    return false;
}

QString PrivateDaemon::logTail() const {
    QFile log(path(log_));
    if (!log.open(QIODevice::ReadOnly))
        return "(no " + name_ + " log)";
    return QString::fromLocal8Bit(log.readAll().right(3000));
}
