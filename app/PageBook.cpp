#include "app/PageBook.h"

#include "colouring/pixels/BitmapFile.h"

#include <QFile>

QString PageBook::workingCopy(int page) const {
    return dataFolder_ + QStringLiteral("pages/") + QString::number(page) + QStringLiteral(".bmp");
}

QString PageBook::outlineCopy(int page) const {
    return dataFolder_ + QStringLiteral("pages/orig/") + QString::number(page) +
           QStringLiteral(".bmp");
}

void PageBook::restoreAll() const {
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        const QString working = workingCopy(page);
        const QString outline = outlineCopy(page);
        QFile old(working);
        if (old.exists() && !old.remove())
            throw FileError(
                working,
                QStringLiteral("the old page could not be removed (%1)").arg(old.errorString()));
        if (!QFile::exists(outline))
            throw FileError(outline, QStringLiteral("the file does not exist"));
        QFile source(outline);
        if (!source.copy(working))
            throw FileError(
                working,
                QStringLiteral("the page could not be copied (%1)").arg(source.errorString()));
    }
}

void PageBook::store(const QImage& picture, int page) const {
    writeBitmapFile(picture, workingCopy(page));
}
