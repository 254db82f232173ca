#pragma once
#include <QString>
#include <stdexcept>

// A data file that could not be read or written: which file, and why, in
// words a parent can act on. Windows turn it into a message box.
class FileError : public std::runtime_error {
public:
    FileError(QString path, QString reason)
        : std::runtime_error((path + ": " + reason).toStdString()), path_(std::move(path)),
          reason_(std::move(reason)) {}

    const QString& path() const { return path_; }
    const QString& reason() const { return reason_; }

private:
    QString path_;
    QString reason_;
};
