#include "colouring/SaveButton.h"

#include "controls/QtFileDialog.h"
#include "pixels/BitmapFile.h"
#include "tests/controls/ModalDriver.h"
#include "tests/controls/ScriptedDialog.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

const QChar NUL(u'\0');

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class SaveButton : public ::testing::Test {
protected:
    struct Report {
        QWidget* window;
        QString title;
        QString text;
    };

    void press(FileDialogPlatform& platform, const QImage& image) {
        cmdSAVE_Click(&window, image, platform,
                      [this](QWidget* owner, const QString& title, const QString& text) {
                          reports.push_back({owner, title, text});
                      });
    }

    void expectOneReportNaming(const QString& path) {
        ASSERT_EQ(reports.size(), 1u);
        EXPECT_EQ(reports[0].window, &window);
        EXPECT_EQ(reports[0].title, "Vellumix");
        EXPECT_TRUE(reports[0].text.contains(path)) << reports[0].text.toStdString();
    }

    QImage canvas = asciiImage({"r..#", ".g#b", "####"}, {"r=#ff0000", "g=#1e1e1e", "b=#0000ff"});
    QImage earlier = asciiImage({"..", ".."});
    QWidget window;
    std::vector<Report> reports;
    QTemporaryDir folder;
};

TEST_F(SaveButton, TheDialogAsksWithTheProposedNameTitleAndFilter) {
    ScriptedDialog platform;
    press(platform, canvas);
    ASSERT_EQ(platform.calls.size(), 1u);
    const DialogRecord& seen = platform.calls[0].record;
    EXPECT_FALSE(platform.calls[0].open);
    EXPECT_EQ(seen.lpstrTitle, "Save My Picture");
    EXPECT_EQ(seen.lpstrDefExt, "bmp");
    EXPECT_TRUE(seen.lpstrFile.startsWith(QString("MyPicture.bmp") + NUL));
    EXPECT_EQ(seen.lpstrFilter, QString("Pictures (*.bmp)") + NUL + "*.bmp" + NUL);
    EXPECT_EQ(seen.lpstrInitialDir, "");
    EXPECT_EQ(seen.nFilterIndex, 0);
    EXPECT_EQ(seen.Flags, 0x280806u);
}

TEST_F(SaveButton, CancellingWritesNothingAndSaysNothing) {
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    ScriptedDialog platform;
    platform.cancel();
    press(platform, canvas);
    QDir::setCurrent(before);
    EXPECT_TRUE(reports.empty());
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// A name confirmed in the dialog, with or without a file of that name there
// before: the file holds the canvas as a 24-bit bitmap, whatever the name's
// extension, and nothing else is left in the folder.
struct ChosenName {
    const char* why;
    const char* name;
    bool existedBefore;
};

class SaveButtonName : public SaveButton, public ::testing::WithParamInterface<ChosenName> {};

TEST_P(SaveButtonName, GetsTheCanvasAsA24BitBitmap) {
    const QString path = folder.filePath(GetParam().name);
    if (GetParam().existedBefore)
        writeBitmapFile(earlier, path);
    ScriptedDialog platform;
    platform.answer(selectionOutcome({path}));
    press(platform, canvas);
    EXPECT_TRUE(reports.empty());
    const QByteArray bytes = contentsOf(path);
    ASSERT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
    EXPECT_EQ(asciiRows(loadPicture(path), {"r=#ff0000", "g=#1e1e1e", "b=#0000ff"}),
              asciiRows(canvas, {"r=#ff0000", "g=#1e1e1e", "b=#0000ff"}));
    EXPECT_EQ(loadPicture(path), canvas);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{GetParam().name});
}

INSTANTIATE_TEST_SUITE_P(SaveButton, SaveButtonName,
                         ::testing::Values(ChosenName{"AConfirmedName", "MyPicture.bmp", false},
                                           ChosenName{"ANameWithAnotherExtension", "picture.png",
                                                      false},
                                           ChosenName{"AnExistingFile", "MyPicture.bmp", true}),
                         [](const auto& info) { return std::string(info.param.why); });

TEST_F(SaveButton, ANameTypedWithoutExtensionInTheRealDialogIsSavedAsBmp) {
    QtFileDialog platform;
    whenModal<QFileDialog>([&](QFileDialog* shown) {
        typeName(shown, folder.filePath("drawing"));
        confirm(shown);
    });
    press(platform, canvas);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"drawing.bmp"});
    EXPECT_EQ(loadPicture(folder.filePath("drawing.bmp")), canvas);
}

TEST_F(SaveButton, AFolderGivenAsTheNameIsReportedOnce) {
    ScriptedDialog platform;
    platform.answer(selectionOutcome({folder.path()}));
    press(platform, canvas);
    expectOneReportNaming(folder.path());
    EXPECT_TRUE(reports[0].text.contains("folder")) << reports[0].text.toStdString();
    EXPECT_TRUE(QFileInfo(folder.path()).isDir());
}

TEST_F(SaveButton, AReadOnlyFolderIsReportedAndTheEarlierFileIsKept) {
    const QString path = folder.filePath("MyPicture.bmp");
    writeBitmapFile(earlier, path);
    const ReadOnlyMount readOnly(folder.path());
    if (!readOnly.ok())
        GTEST_SKIP() << readOnly.why().toStdString();

    ScriptedDialog platform;
    platform.answer(selectionOutcome({path}));
    press(platform, canvas);
    expectOneReportNaming(path);
    EXPECT_EQ(loadPicture(path), earlier);

    // The next press works as before.
    QTemporaryDir writable;
    platform.answer(selectionOutcome({writable.filePath("again.bmp")}));
    press(platform, canvas);
    EXPECT_EQ(reports.size(), 1u);
    EXPECT_EQ(loadPicture(writable.filePath("again.bmp")), canvas);
}

TEST_F(SaveButton, AFullDiskIsReportedAndTheEarlierFileIsKept) {
    const SmallDiskMount disk(folder.path(), 64);
    if (!disk.ok())
        GTEST_SKIP() << disk.why().toStdString();
    const QString path = folder.filePath("MyPicture.bmp");
    writeBitmapFile(earlier, path);
    QImage large(400, 400, QImage::Format_RGB32);
    large.fill(Qt::blue);

    ScriptedDialog platform;
    platform.answer(selectionOutcome({path}));
    press(platform, large);
    expectOneReportNaming(path);
    EXPECT_EQ(loadPicture(path), earlier);
    // No hidden temporary is left in a folder of the user's, which nothing sweeps.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{"MyPicture.bmp"});
}

} // namespace
