#pragma once
// The book's files in the data folder: the untouched outline copies in
// "pages/orig/" and the working copies in "pages/" that hold each page as
// coloured so far in this run.
#include <QImage>
#include <QString>

class PageBook {
public:
    static constexpr int kFirstPage = 1;
    static constexpr int kLastPage = 16;

    explicit PageBook(QString dataFolder) : dataFolder_(std::move(dataFolder)) {}

    QString workingCopy(int page) const;
    QString outlineCopy(int page) const;

    // Every run starts uncoloured: each working copy is replaced by its
    // outline copy, after removeStaleTemporaries. Other files in the folder
    // are left alone. Throws FileError naming the first file that fails.
    void restoreAll() const;

    // A store killed before its temporary file is renamed over the working
    // copy leaves that file behind, under a name of the bitmap writer's own
    // that no file of the user's has; each run sweeps those away, and only
    // those, before it stores anything.
    void removeStaleTemporaries() const;

    // Stores a page's picture as its working copy, atomically. Throws FileError.
    void store(const QImage& picture, int page) const;

private:
    static void copyPage(const QString& outline, const QString& working);

    QString dataFolder_;
};
