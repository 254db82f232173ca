// A store cut short by the process dying at a random moment (SIGKILL, the
// nearest a test comes to pulling the plug) must leave every working copy
// whole: the old picture or the new one, never a mix or a truncated file,
// and no litter that grows with every cut.
#include "app/PageBook.h"
#include "book/DataFiles.h"
#include "pixels/BitmapFile.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <thread>

namespace {

constexpr int kKills = 40;

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class PowerCutTest : public ::testing::Test {
protected:
    void SetUp() override {
        pictureA = loadPicture(scratch.file(DataFiles::outlinePage(1)));
        pictureB = pictureA;
        pictureB.invertPixels(); // differs from A in every pixel
        bytesA = encodeBitmap24(pictureA);
        bytesB = encodeBitmap24(pictureB);
        writeBitmapFile(pictureA, pathA());
        writeBitmapFile(pictureB, pathB());
        for (int page = PageBook::kFirstPage; page <= PageBook::kLastPage; ++page)
            writeBitmapFile(pictureA, book.workingCopy(page));
    }

    QString pathA() const { return scratch.programFolder() + "/A.bmp"; }
    QString pathB() const { return scratch.programFolder() + "/B.bmp"; }

    // Starts the storing loop with `first` as the picture of its first round
    // and kills it afterMs milliseconds into its stores. False when the loop
    // ended by itself or never got going.
    bool storeAndKill(const QString& first, const QString& second, int afterMs) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(STORE_FOREVER_PROGRAM), {scratch.dataFolder(), first, second});
        if (!child.waitForStarted() || !child.waitForReadyRead(30000))
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(afterMs));
        const bool stillStoring = child.state() == QProcess::Running;
        child.kill();
        child.waitForFinished();
        return stillStoring;
    }

    // Files in the pages folder other than the sixteen working copies.
    QStringList strayFiles() const {
        QStringList stray = QDir(scratch.file("pages")).entryList(QDir::Files | QDir::Hidden);
        for (int page = PageBook::kFirstPage; page <= PageBook::kLastPage; ++page)
            stray.removeAll(QString::number(page) + ".bmp");
        return stray;
    }

    ScratchDataFolder scratch;
    PageBook book{scratch.dataFolder(), scratch.dataFolder()};
    QImage pictureA, pictureB;
    QByteArray bytesA, bytesB;
};

TEST_F(PowerCutTest, EveryWorkingCopyIsTheOldOrTheNewPictureAfterEachKill) {
    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> moment(1, 60);
    int copiesA = 0, copiesB = 0, mostStray = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        // Each run starts with the picture the copies mostly do not hold, so
        // nearly every store changes a file.
        const bool startWithB = kill % 2 == 0;
        const int afterMs = moment(random);
        ASSERT_TRUE(
            storeAndKill(startWithB ? pathB() : pathA(), startWithB ? pathA() : pathB(), afterMs))
            << "the storing loop stopped before the kill " << kill;
        for (int page = PageBook::kFirstPage; page <= PageBook::kLastPage; ++page) {
            const QByteArray stored = contentOf(book.workingCopy(page));
            const bool isA = stored == bytesA, isB = stored == bytesB;
            ASSERT_TRUE(isA || isB)
                << "page " << page << " after kill " << kill << " at " << afterMs << " ms holds "
                << stored.size() << " bytes that are neither picture (a whole one has "
                << bytesA.size() << ")";
            EXPECT_NO_THROW(loadPicture(book.workingCopy(page)));
            (isA ? copiesA : copiesB)++;
        }
        mostStray = std::max(mostStray, int(strayFiles().size()));
    }
    // Both pictures turned up, so the kills fell at different points of the loop.
    EXPECT_GT(copiesA, 0);
    EXPECT_GT(copiesB, 0);
    EXPECT_LE(mostStray, 1) << "temporary files pile up: " << strayFiles().join(", ").toStdString();
}

TEST_F(PowerCutTest, StartUpSweepsAwayTheLeftoversOfKilledStoresAndNothingElse) {
    QStringList leftovers;
    for (const char* name : {"pages/3.bmp.Ab12Cd", "pages/16.bmp.zzzzzz", "pages/1.bmp.AimLVx",
                             "MyPicture.jpg.Q1w2E3", "MyTempPicture.bmp.r4T5y6"}) {
        const QString path(name);
        const int slash = path.lastIndexOf('/') + 1;
        leftovers << path.left(slash) + kTemporaryPrefix + path.mid(slash);
    }
    // A user's files, however much they look like a store's temporaries.
    const QStringList others = {"pages/notes.txt",    "pages/5.bmp.backup",
                                "pages/3.bmp.Ab12Cd", "pages/17.bmp",
                                "pages/3.bmp.old",    "pages/orig/" + leftovers[0].mid(6)};
    for (const QString& name : leftovers + others) {
        QFile file(scratch.file(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << name.toStdString();
        file.write(bytesA.left(1000)); // a temporary file cut short
    }
    book.restoreAll();
    for (const QString& name : leftovers)
        EXPECT_FALSE(QFile::exists(scratch.file(name))) << name.toStdString();
    for (const QString& name : others)
        EXPECT_TRUE(QFile::exists(scratch.file(name))) << name.toStdString();
    EXPECT_EQ(contentOf(book.workingCopy(1)), contentOf(book.outlineCopy(1)));
}
