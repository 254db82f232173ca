#include "app/PageBook.h"

#include "book/DataFiles.h"
#include "pixels/BitmapFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

QString PageBook::workingCopy(int page) const {
    return workingFolder_ + DataFiles::workingPage(page);
}

QString PageBook::outlineCopy(int page) const {
    return dataFolder_ + DataFiles::outlinePage(page);
}

// Pages are drawn unscaled and the canvas never changes size, so a page of
// any other size would leave the canvas partly unbacked or spill past it.
QImage PageBook::loadPage(const QString& path, QSize canvasSize) {
    QImage page = loadPicture(path);
    //: A reason, shown after "Reason:" or a file's path and a colon. %1 and %2 are the width and
    //: height found, %3 and %4 those a page must have.
    if (page.size() != canvasSize)
        throw FileError(path, QCoreApplication::translate(
                                  "PageBook", "the page is %1 x %2 pixels instead of %3 x %4")
                                  .arg(page.width())
                                  .arg(page.height())
                                  .arg(canvasSize.width())
                                  .arg(canvasSize.height()));
    return page;
}

bool PageBook::isSoundPage(const QString& path) {
    try {
        loadPage(path, kCanvasSize);
        return true;
    } catch (const FileError&) {
        return false;
    }
}

void PageBook::restoreAll(bool keep) const {
    removeStaleTemporaries();
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        const QString working = workingCopy(page);
        const QString outline = outlineCopy(page);
        if (keep && isSoundPage(working))
            continue;
        QFile old(working);
        //: A reason, shown after "Reason:" or a file's path and a colon. The old page is the
        //: coloured copy that a fresh one replaces; %1 is the system's reason.
        if (old.exists() && !old.remove())
            throw FileError(working, QCoreApplication::translate(
                                         "FileError", "the old page could not be removed (%1)")
                                         .arg(old.errorString()));
        copyPage(outline, working);
    }
}

// A plain copy, not synced to disk: the working copies are remade at every
// start, so waiting for the disk here would only slow the start down.
void PageBook::copyPage(const QString& outline, const QString& working) {
    QFile source(outline);
    //: A reason, shown after "Reason:" or a file's path and a colon.
    if (!source.exists())
        throw FileError(outline,
                        QCoreApplication::translate("FileError", "the file does not exist"));
    if (!source.open(QIODevice::ReadOnly))
        throw FileError(outline, source.errorString());
    const QByteArray bytes = source.readAll();
    QFile target(working);
    if (!target.open(QIODevice::WriteOnly) || target.write(bytes) != bytes.size() ||
        !target.flush()) {
        const QString reason = target.errorString();
        target.close();
        target.remove();
        //: A reason, shown after "Reason:" or a file's path and a colon. %1 is the system's reason.
        throw FileError(
            working, QCoreApplication::translate("FileError", "the page could not be copied (%1)")
                         .arg(reason));
    }
}

// The pages and, beside them, the postcard's picture.
void PageBook::removeStaleTemporaries() const {
    for (const QString& folder :
         {workingFolder_, workingFolder_ + QLatin1String(DataFiles::PagesFolder)}) {
        QDir dir(folder);
        for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
            // A leftover that cannot be removed does no harm; the next run tries again.
            if (isUnfinishedTemporary(name))
                dir.remove(name);
    }
}

void PageBook::store(const QImage& picture, int page) const {
    writeBitmapFile(picture, workingCopy(page));
}
