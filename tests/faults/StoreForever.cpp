// One run of the program cut down to its stores: the start-up's sweep of
// leftovers, then two pictures stored in turn over every working copy, for
// ever, so that a test can kill it at any moment of a store.
// Usage: store_forever <data folder> <picture A> <picture B>
#include "app/PageBook.h"
#include "pixels/BitmapFile.h"

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <data folder> <picture A> <picture B>\n", argv[0]);
        return 2;
    }
    try {
        const QString folder = QString::fromLocal8Bit(argv[1]);
        const PageBook book(folder, folder);
        const QImage pictures[2] = {loadPicture(QString::fromLocal8Bit(argv[2])),
                                    loadPicture(QString::fromLocal8Bit(argv[3]))};
        book.removeStaleTemporaries();
        std::puts("ready");
        std::fflush(stdout);
        for (int round = 0;; round = 1 - round)
            for (int page = PageBook::kFirstPage; page <= PageBook::kLastPage; ++page)
                book.store(pictures[round], page);
    } catch (const FileError& e) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(e.path()), qPrintable(e.reason()));
        return 1;
    }
}
