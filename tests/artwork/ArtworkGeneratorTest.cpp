// The artwork generator: rerunning it reproduces every committed picture
// byte for byte and makes no picture that is not committed; a source it
// cannot fully draw stops it.
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

struct GeneratorRun {
    int exitCode = -1;
    QString errors;
};

GeneratorRun runGenerator(const QString& source, const QString& output) {
    QProcess generator;
    generator.start(QStringLiteral(VELLUMIX_ARTGEN), {source, output});
    GeneratorRun run;
    if (generator.waitForFinished(240000) && generator.exitStatus() == QProcess::NormalExit)
        run.exitCode = generator.exitCode();
    run.errors = QString::fromLocal8Bit(generator.readAllStandardError());
    return run;
}

} // namespace

TEST(ArtworkGenerator, ReproducesEveryCommittedPictureByteForByte) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const GeneratorRun run = runGenerator(sourceDir(), scratch.path());
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

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

TEST(ArtworkGenerator, StopsAtASourceItCannotFullyDraw) {
    QTemporaryDir source;
    ASSERT_TRUE(QDir().mkpath(source.filePath("artwork/data")));
    QFile svg(source.filePath("artwork/data/pc.svg"));
    ASSERT_TRUE(svg.open(QIODevice::WriteOnly));
    svg.write("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"10\">"
              "<rect width=\"20\" height=\"10\" fill=\"url(#missing)\"/></svg>");
    svg.close();

    const GeneratorRun run = runGenerator(source.path(), source.path());
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.errors.contains("pc.svg")) << run.errors.toStdString();
    EXPECT_FALSE(QFile::exists(source.filePath("res/pc.kyr")));
}
