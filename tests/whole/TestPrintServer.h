#pragma once
// A CUPS server of the test's own with one PDF printer that writes into a
// scratch folder. While it runs, CUPS_SERVER and PRINTER point every program
// this process starts at it.
#include "tests/whole/PrivateDaemon.h"

#include <QByteArray>

class TestPrintServer : public PrivateDaemon {
public:
    TestPrintServer();
    ~TestPrintServer();

    QString printer() const { return QStringLiteral("VellumixTestPDF"); }

    // The PDFs the printer wrote so far.
    QStringList writtenFiles() const;
    // Waits (bounded) until the server has taken this many jobs and done
    // them all; the files written then.
    QStringList waitForJobs(int jobs, int timeoutMs) const;
    // The jobs the server took, done or not.
    int jobCount() const;

private:
    bool writeFiles() const;

    QByteArray oldServer_, oldPrinter_;
};
