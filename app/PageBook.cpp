#include "app/PageBook.h"

#include "colouring/pixels/BitmapFile.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

QString PageBook::workingCopy(int page) const {
    return dataFolder_ + QStringLiteral("pages/") + QString::number(page) + QStringLiteral(".bmp");
}

QString PageBook::outlineCopy(int page) const {
    return dataFolder_ + QStringLiteral("pages/orig/") + QString::number(page) +
           QStringLiteral(".bmp");
}

void PageBook::restoreAll() const {
    removeStaleTemporaries();
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

void PageBook::removeStaleTemporaries() const {
    // Page numbers as working copies write them: no leading zero.
    static const QRegularExpression leftover(
        QStringLiteral("^([1-9][0-9]?)\\.bmp\\.[A-Za-z0-9]{6}$"));
    QDir pages(dataFolder_ + QStringLiteral("pages/"));
    for (const QString& name : pages.entryList(QDir::Files | QDir::Hidden)) {
        const QRegularExpressionMatch match = leftover.match(name);
        const int page = match.hasMatch() ? match.captured(1).toInt() : 0;
        // A leftover that cannot be removed does no harm; the next run tries again.
        if (page >= kFirstPage && page <= kLastPage)
            pages.remove(name);
    }
}

void PageBook::store(const QImage& picture, int page) const {
    writeBitmapFile(picture, workingCopy(page));
}
