#pragma once
// The book's files: the untouched outline copies in the data folder's
// "pages/orig/" and the working copies in the working folder's "pages/" that
// hold each page as coloured so far in this run.
#include "book/BookFacts.h"

#include <QImage>
#include <QString>

class PageBook {
public:
    static constexpr int kFirstPage = 1;
    static constexpr int kLastPage = kPageCount;

    PageBook(QString dataFolder, QString workingFolder)
        : dataFolder_(std::move(dataFolder)), workingFolder_(std::move(workingFolder)) {}

    QString workingCopy(int page) const;
    QString outlineCopy(int page) const;
    // Loads a page's picture; throws FileError when it cannot be read or is
    // not canvasSize.
    static QImage loadPage(const QString& path, QSize canvasSize);

    // Every run starts uncoloured: each working copy is replaced by its
    // outline copy, after removeStaleTemporaries; with keep, only those that
    // are not a sound page picture of the canvas's size. Other files in the
    // folder are left alone. Throws FileError naming the first file that fails.
    void restoreAll(bool keep = false) const;

    // A store killed before its temporary file is renamed over the working
    // copy leaves that file behind, under a name of the bitmap writer's own
    // that no file of the user's has; each run sweeps those away, and only
    // those, before it stores anything.
    void removeStaleTemporaries() const;

    // Stores a page's picture as its working copy, atomically. Throws FileError.
    void store(const QImage& picture, int page) const;

private:
    static bool isSoundPage(const QString& path);
    static void copyPage(const QString& outline, const QString& working);

    QString dataFolder_;
    QString workingFolder_;
};
