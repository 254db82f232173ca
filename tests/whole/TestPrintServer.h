#pragma once
// A CUPS server of the test's own, on 127.0.0.1 at a free port, with one
// PDF printer that writes into a scratch folder; the system's server and its
// settings are left alone. While it runs, CUPS_SERVER and PRINTER point
// every program this process starts at it.
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class TestPrintServer {
public:
    TestPrintServer();
    ~TestPrintServer();
    TestPrintServer(const TestPrintServer&) = delete;
    TestPrintServer& operator=(const TestPrintServer&) = delete;

    // False where the machine would not run it; why() then says why, for a skip.
    bool ok() const { return why_.isEmpty(); }
    QString why() const { return why_; }
    QString printer() const { return QStringLiteral("VellumixTestPDF"); }

    // The PDFs the printer wrote so far.
    QStringList writtenFiles() const;
    // Waits (bounded) until the server has taken this many jobs and done
    // them all; the files written then.
    QStringList waitForJobs(int jobs, int timeoutMs) const;
    // The jobs the server took, done or not.
    int jobCount() const;
    // The end of the server's log, to explain a failure.
    QString logTail() const;

private:
    QString path(const QString& name) const { return dir_.filePath(name); }
    bool writeFiles(int port) const;
    bool waitUntilAnswering();

    QTemporaryDir dir_;
    QProcess cupsd_;
    QString why_;
    QByteArray oldServer_, oldPrinter_;
};
