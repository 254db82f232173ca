#include "tests/whole/TestPrintServer.h"

#include "tests/support/TestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cups/cups.h>

namespace {

// cups-pdf reads its folders only from this file, so the server runs in a
// mount namespace of its own in which the test's settings lie over it.
const QString kBackendSettings = QStringLiteral("/etc/cups/cups-pdf.conf");
const QString kPdfDriver = QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd");

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

// A CUPS client's output, or nothing when it failed.
QString client(const QString& program, const QStringList& arguments, bool* ok = nullptr) {
    QProcess process;
    process.start(program, arguments);
    const bool done = process.waitForFinished(20000) &&
                      process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok)
        *ok = done;
    return done ? QString::fromLocal8Bit(process.readAllStandardOutput()) : QString();
}

} // namespace

TestPrintServer::TestPrintServer()
    : oldServer_(qgetenv("CUPS_SERVER")), oldPrinter_(qgetenv("PRINTER")) {
    for (const QString& needed : {QStringLiteral("/usr/sbin/cupsd"), kBackendSettings, kPdfDriver})
        if (!QFile::exists(needed)) {
            why_ = needed + " is missing (cups, printer-driver-cups-pdf)";
            return;
        }
    // The filters run as the server's unprivileged user: they must reach the folders.
    QFile::setPermissions(dir_.path(), QFile::permissions(dir_.path()) | QFile::ExeOther |
                                           QFile::ReadOther | QFile::ExeGroup | QFile::ReadGroup);
    const int port = closedPort();
    if (!dir_.isValid() || port == 0 || !writeFiles(port)) {
        why_ = QStringLiteral("no scratch folder or free port for the print server");
        return;
    }
    qputenv("CUPS_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(port));
    qputenv("PRINTER", printer().toUtf8());
    cupsSetServer(nullptr); // libcups keeps the server it read first
    cupsd_.setProcessChannelMode(QProcess::MergedChannels);
    cupsd_.start(QStringLiteral("unshare"),
                 {"--mount", "sh", "-c",
                  "mount --bind \"$1\" \"$2\" && exec /usr/sbin/cupsd -f -c \"$3\" -s \"$4\"", "sh",
                  path("cups-pdf.conf"), kBackendSettings, path("conf/cupsd.conf"),
                  path("conf/cups-files.conf")});
    if (!waitUntilAnswering())
        return;
    bool added = false;
    client(QStringLiteral("lpadmin"), {"-p", printer(), "-E", "-v", "cups-pdf:/", "-P", kPdfDriver},
           &added);
    if (added)
        client(QStringLiteral("lpadmin"), {"-d", printer()}, &added);
    if (!added)
        why_ = QStringLiteral("the print server would not take the PDF printer: ") + logTail();
}

TestPrintServer::~TestPrintServer() {
    if (cupsd_.state() != QProcess::NotRunning) {
        cupsd_.terminate();
        if (!cupsd_.waitForFinished(10000))
            cupsd_.kill();
        cupsd_.waitForFinished(5000);
    }
    const auto restore = [](const char* name, const QByteArray& old) {
        if (old.isNull())
            qunsetenv(name);
        else
            qputenv(name, old);
    };
    restore("CUPS_SERVER", oldServer_);
    restore("PRINTER", oldPrinter_);
    cupsSetServer(nullptr);
}

bool TestPrintServer::writeFiles(int port) const {
    for (const char* folder :
         {"conf", "spool", "cache", "state", "log", "out", "backend-spool", "tmp"})
        if (!QDir(dir_.path()).mkpath(QString::fromLatin1(folder)))
            return false;
    // The filters write their temporary files here as the unprivileged user.
    return QFile::setPermissions(path("tmp"), QFileDevice::Permissions(0x7777)) &&
           writeText(path("conf/cupsd.conf"),
                     QStringLiteral("Listen 127.0.0.1:%1\n"
                                    "LogLevel warn\n"
                                    "Browsing No\n"
                                    "WebInterface No\n"
                                    "DefaultAuthType None\n"
                                    "ErrorPolicy abort-job\n"
                                    "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                    "<Policy default>\n  <Limit All>\n"
                                    "    Order deny,allow\n  </Limit>\n"
                                    "</Policy>\n")
                         .arg(port)) &&
           writeText(path("conf/cups-files.conf"), QStringLiteral("ServerRoot %1/conf\n"
                                                                  "RequestRoot %1/spool\n"
                                                                  "CacheDir %1/cache\n"
                                                                  "StateDir %1/state\n"
                                                                  "TempDir %1/tmp\n"
                                                                  "ErrorLog %1/log/error_log\n"
                                                                  "AccessLog %1/log/access_log\n"
                                                                  "PageLog %1/log/page_log\n"
                                                                  "FileDevice No\n")
                                                       .arg(dir_.path())) &&
           writeText(path("cups-pdf.conf"), QStringLiteral("Out %1/out\n"
                                                           "AnonDirName %1/out\n"
                                                           "Spool %1/backend-spool\n"
                                                           "Log %1/log\n")
                                                .arg(dir_.path()));
}

bool TestPrintServer::waitUntilAnswering() {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 20000) {
        // lpstat -r succeeds either way; only its words tell.
        if (client(QStringLiteral("lpstat"), {"-r"}).trimmed() == "scheduler is running")
            return true;
        // Waiting on the process is what notices that it ended.
        if (cupsd_.waitForFinished(100) || cupsd_.state() == QProcess::NotRunning) {
            const QString said = QString::fromLocal8Bit(cupsd_.readAll()).trimmed();
            why_ = QStringLiteral("cupsd could not start here: ") +
                   (said.isEmpty() ? logTail() : said);
            return false;
        }
    }
    why_ = QStringLiteral("cupsd did not answer within 20 s");
    return false;
}

QStringList TestPrintServer::writtenFiles() const {
    QStringList files;
    for (const QString& name : QDir(path("out")).entryList({"*.pdf"}, QDir::Files, QDir::Name))
        files << path("out/" + name);
    return files;
}

QStringList TestPrintServer::waitForJobs(int jobs, int timeoutMs) const {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < timeoutMs) {
        bool answered = false;
        const QString pending = client(QStringLiteral("lpstat"), {"-o"}, &answered);
        if (answered && pending.trimmed().isEmpty() && jobCount() >= jobs)
            break;
        QThread::msleep(200);
    }
    return writtenFiles();
}

int TestPrintServer::jobCount() const {
    return client(QStringLiteral("lpstat"), {"-W", "all", "-o"}).count('\n');
}

QString TestPrintServer::logTail() const {
    QFile log(path("log/error_log"));
    if (!log.open(QIODevice::ReadOnly))
        return QStringLiteral("(no server log)");
    return QString::fromLocal8Bit(log.readAll().right(3000));
}
