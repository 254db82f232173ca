#include "tests/whole/TestPrintServer.h"

#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
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

// What lpstat says, empty when it failed.
QByteArray lpstat(const QStringList& arguments) {
    const CommandResult said = runCommand(QStringLiteral("lpstat"), arguments);
    return said.exitCode == 0 ? said.output : QByteArray();
}

} // namespace

TestPrintServer::TestPrintServer()
    : PrivateDaemon(QStringLiteral("cupsd"), "log/error_log",
                    {QStringLiteral("/usr/sbin/cupsd"), kBackendSettings, kPdfDriver},
                    "cups, printer-driver-cups-pdf"),
      oldServer_(qgetenv("CUPS_SERVER")), oldPrinter_(qgetenv("PRINTER")) {
    if (!ok())
        return;
    if (!writeFiles()) {
        fail("cannot write the print server's settings in " + path({}));
        return;
    }
    qputenv("CUPS_SERVER", QByteArray("127.0.0.1:") + QByteArray::number(port()));
    qputenv("PRINTER", printer().toUtf8());
    cupsSetServer(nullptr); // libcups keeps the server it read first
    // lpstat -r succeeds either way; only its words tell.
    if (!start(path("cups-pdf.conf"), kBackendSettings,
               {"/usr/sbin/cupsd", "-f", "-c", path("conf/cupsd.conf"), "-s",
                path("conf/cups-files.conf")},
               [] { return lpstat({"-r"}).trimmed() == "scheduler is running"; }))
        return;
    if (!run({{"lpadmin", {"-p", printer(), "-E", "-v", "cups-pdf:/", "-P", kPdfDriver}},
              {"lpadmin", {"-d", printer()}}}))
        fail("the print server would not take the PDF printer: " + logTail());
}

TestPrintServer::~TestPrintServer() {
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

bool TestPrintServer::writeFiles() const {
    for (const char* folder :
         {"conf", "spool", "cache", "state", "log", "out", "backend-spool", "tmp"})
        if (!QDir().mkpath(path(QString::fromLatin1(folder))))
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
                         .arg(port())) &&
           writeText(path("conf/cups-files.conf"), QStringLiteral("ServerRoot %1/conf\n"
                                                                  "RequestRoot %1/spool\n"
                                                                  "CacheDir %1/cache\n"
                                                                  "StateDir %1/state\n"
                                                                  "TempDir %1/tmp\n"
                                                                  "ErrorLog %1/log/error_log\n"
                                                                  "AccessLog %1/log/access_log\n"
                                                                  "PageLog %1/log/page_log\n"
                                                                  "FileDevice No\n")
                                                       .arg(path({}))) &&
           writeText(path("cups-pdf.conf"), QStringLiteral("Out %1/out\n"
                                                           "AnonDirName %1/out\n"
                                                           "Spool %1/backend-spool\n"
                                                           "Log %1/log\n")
                                                .arg(path({})));
}

QStringList TestPrintServer::writtenFiles() const {
    QStringList files;
    for (const QString& name : QDir(path("out")).entryList({"*.pdf"}, QDir::Files, QDir::Name))
        files << path("out/" + name);
    return files;
}

QStringList TestPrintServer::waitForJobs(int jobs, int timeoutMs) const {
    eventually(
        [&] {
            const CommandResult pending = runCommand(QStringLiteral("lpstat"), {"-o"});
            return pending.exitCode == 0 && pending.output.trimmed().isEmpty() &&
                   jobCount() >= jobs;
        },
        timeoutMs);
    return writtenFiles();
}

int TestPrintServer::jobCount() const {
    return int(lpstat({"-W", "all", "-o"}).count('\n'));
}
