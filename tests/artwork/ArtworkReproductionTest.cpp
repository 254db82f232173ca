// Rerunning the artwork generator reproduces every committed picture byte
// for byte, and makes no picture that is not committed.
#include "tests/support/TestSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Generated pictures under root, as paths relative to it.
QSet<QString> picturesUnder(const QString& root) {
    const struct {
        const char* folder;
        QStringList patterns;
        bool recursive;
    } places[] = {
        {"res", {"*.kyr"}, false},
        {"res/pages/orig", {"*.bmp"}, false},
        {"app/resources", {"*.png", "*.jpg"}, true},
        {"docs", {"pages.png"}, false},
    };
    QSet<QString> found;
    for (const auto& place : places) {
        QDirIterator it(root + "/" + place.folder, place.patterns, QDir::Files,
                        place.recursive ? QDirIterator::Subdirectories
                                        : QDirIterator::NoIteratorFlags);
        while (it.hasNext())
            found.insert(QDir(root).relativeFilePath(it.next()));
    }
    return found;
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(ArtworkReproduction, GeneratorReproducesEveryCommittedPictureByteForByte) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QProcess generator;
    generator.start(QStringLiteral(VELLUMIX_ARTGEN), {sourceDir(), scratch.path()});
    ASSERT_TRUE(generator.waitForFinished(240000));
    ASSERT_EQ(generator.exitStatus(), QProcess::NormalExit);
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QSet<QString> committed = picturesUnder(sourceDir());
    const QSet<QString> generated = picturesUnder(scratch.path());
    EXPECT_GE(generated.size(), 4 + 4 + 18 + 26 + 2);
    for (const QString& file : generated) {
        EXPECT_TRUE(committed.contains(file))
            << "generated but not committed: " << qPrintable(file);
    }
    for (const QString& file : committed) {
        SCOPED_TRACE(file.toStdString());
        ASSERT_TRUE(generated.contains(file)) << "committed but not generated";
        EXPECT_TRUE(contents(sourceDir() + "/" + file) == contents(scratch.filePath(file)))
            << "differs from a fresh rendering";
    }
}
