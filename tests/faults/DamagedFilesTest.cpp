// Damaged data files, met at start-up or when turning to a page: start-up
// stops with an error naming the file, a page turn reports the file and the
// book stays usable; never a crash, never a page of the wrong size on the
// canvas, and the memory stays bounded whatever size a header claims.
#include "tests/faults/DamagedFiles.h"

#include "controls/ucButtonA.h"
#include "postcard/frmPostcard.h"
#include "tests/support/WindowTest.h"

#include <QTest>

namespace {

constexpr double kMemoryBoundMb = 100;

template <typename Param> std::string damageName(const ::testing::TestParamInfo<Param>& info) {
    return info.param.name;
}

} // namespace

class DamagedPageAtStartUp : public WindowTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedPageAtStartUp, StopsStartUpNamingTheOutline) {
    const QString victim = scratch.file(outlineName(1));
    ASSERT_TRUE(overwriteFile(victim, GetParam().make(readFile(victim))));
    const PeakMemory memory;
    try {
        window->Form_Load();
        FAIL() << "start-up went on with a damaged page 1";
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), victim);
        EXPECT_FALSE(e.reason().isEmpty());
    }
    EXPECT_LT(memory.growthMb(), kMemoryBoundMb);
    EXPECT_FALSE(window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Pages, DamagedPageAtStartUp, ::testing::ValuesIn(pageDamages()),
                         damageName<Damage>);

struct DamagedArtwork {
    const char* file;
    Damage damage;
    std::string name;
};

std::vector<DamagedArtwork> damagedArtwork() {
    std::vector<DamagedArtwork> all;
    for (const char* file : {DataFiles::Desk, DataFiles::Crayons, DataFiles::Brushes})
        for (const Damage& damage : artworkDamages())
            all.push_back(
                {file, damage, QString(file).section('.', 0, 0).toStdString() + "_" + damage.name});
    return all;
}

class DamagedArtworkAtStartUp : public WindowTest,
                                public ::testing::WithParamInterface<DamagedArtwork> {};

TEST_P(DamagedArtworkAtStartUp, StopsStartUpNamingTheFile) {
    const QString victim = scratch.file(GetParam().file);
    ASSERT_TRUE(overwriteFile(victim, GetParam().damage.make(readFile(victim))));
    const PeakMemory memory;
    try {
        window->Form_Load();
        FAIL() << "start-up went on with a damaged " << GetParam().file;
    } catch (const FileError& e) {
        EXPECT_EQ(e.path(), victim);
    }
    EXPECT_LT(memory.growthMb(), kMemoryBoundMb);
}

INSTANTIATE_TEST_SUITE_P(Artwork, DamagedArtworkAtStartUp, ::testing::ValuesIn(damagedArtwork()),
                         [](const auto& info) { return info.param.name; });

// Turning to a damaged page: one report naming the file, the page shown
// stays with its own number and size, and storing and turning still work
// once the file is whole again.
class DamagedPageLater : public WindowTest, public ::testing::WithParamInterface<Damage> {
protected:
    void turnToDamagedPage(const QString& victim) {
        const PeakMemory memory;
        clickFace(window->cmdNEXT);
        EXPECT_LT(memory.growthMb(), kMemoryBoundMb);
        ASSERT_EQ(reports.size(), 1);
        EXPECT_TRUE(reports[0].startsWith("Vellumix: "));
        EXPECT_TRUE(reports[0].contains(victim)) << reports[0].toStdString();
        EXPECT_EQ(window->state().CurrentPage, 1);
        EXPECT_EQ(window->canvas->Image().size(), kCanvasSize);
        EXPECT_EQ(window->canvas->size(), kCanvasSize);
        EXPECT_FALSE(window->imgANIM->isVisible());
    }

    void expectBookStillUsable(const QString& victim, const QString& mend) {
        colourCanvas(kBlue);
        const QImage coloured = window->canvas->Image();
        ASSERT_TRUE(QFile::remove(victim));
        ASSERT_TRUE(QFile::copy(scratch.file(mend), victim));
        clickFace(window->cmdNEXT);
        EXPECT_EQ(reports.size(), 1) << reports.join('\n').toStdString();
        EXPECT_EQ(window->state().CurrentPage, 2);
        EXPECT_EQ(window->canvas->Image(), outline(2));
        EXPECT_EQ(working(1), coloured) << "page 1 was not stored on the way out";
        clickFace(window->cmdPREV);
        EXPECT_EQ(window->canvas->Image(), coloured);
    }
};

TEST_P(DamagedPageLater, AWorkingCopyIsReported) {
    window->Form_Load();
    const QString victim = scratch.file(workingName(2));
    ASSERT_TRUE(overwriteFile(victim, GetParam().make(readFile(victim))));
    turnToDamagedPage(victim);
    EXPECT_EQ(window->canvas->Image(), outline(1));
    expectBookStillUsable(victim, outlineName(2));
}

TEST_P(DamagedPageLater, AnOutlineCopyIsReported) {
    // Start-up only reads page 1, so a damaged later page lets it finish.
    const QString victim = scratch.file(outlineName(2));
    const QByteArray whole = readFile(victim);
    ASSERT_TRUE(overwriteFile(victim, GetParam().make(whole)));
    window->Form_Load();
    turnToDamagedPage(victim);
    EXPECT_EQ(window->picOrig->Image(), outline(1));
    ASSERT_TRUE(overwriteFile(victim, whole));
    expectBookStillUsable(scratch.file(workingName(2)), outlineName(2));
}

INSTANTIATE_TEST_SUITE_P(Pages, DamagedPageLater, ::testing::ValuesIn(pageDamages()),
                         damageName<Damage>);

class DamagedPostcardArtwork : public WindowTest, public ::testing::WithParamInterface<Damage> {};

TEST_P(DamagedPostcardArtwork, TheSendButtonReportsItAndOpensNothing) {
    window->Form_Load();
    const QString victim = scratch.file(DataFiles::PostcardBackground);
    ASSERT_TRUE(overwriteFile(victim, GetParam().make(readFile(victim))));
    const PeakMemory memory;
    clickFace(window->cmdSEND);
    EXPECT_LT(memory.growthMb(), kMemoryBoundMb);
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(victim)) << reports[0].toStdString();
    EXPECT_TRUE(window->composer.isNull());
}

INSTANTIATE_TEST_SUITE_P(Artwork, DamagedPostcardArtwork, ::testing::ValuesIn(artworkDamages()),
                         damageName<Damage>);

// The bound itself, read straight: a header claiming a picture of tens of
// gigabytes is refused before anything of that size is allocated.
TEST(HugePictureHeader, IsRefusedWithoutAllocating) {
    QTemporaryDir folder;
    const std::pair<const char*, QByteArray> files[] = {
        {"bitmap", hugeBitmap(100000, 100000)},
        {"png", hugePng(100000, 100000)},
        {"jpeg", hugeJpeg(65000, 65000)},
        {"one-bit png", oneBitPng(16384, 16384)},
    };
    for (const auto& [kind, content] : files) {
        const QString path = folder.filePath(kind);
        ASSERT_TRUE(overwriteFile(path, content));
        const PeakMemory memory;
        EXPECT_THROW(loadPicture(path), FileError) << kind;
        EXPECT_LT(memory.growthMb(), 10) << kind;
    }
}
