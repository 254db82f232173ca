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
#include <sys/mount.h>

namespace {

const QChar NUL(u'\0');

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A tmpfs mounted over a folder for the length of a test.
class TmpfsMount {
public:
    TmpfsMount(const QString& folder, const char* options)
        : folder_(QFile::encodeName(folder)),
          mounted_(::mount("tmpfs", folder_.constData(), "tmpfs", 0, options) == 0) {}
    ~TmpfsMount() {
        if (mounted_)
            ::umount2(folder_.constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }
    bool makeReadOnly() {
        return ::mount("tmpfs", folder_.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

private:
    QByteArray folder_;
    bool mounted_;
};

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

TEST_F(SaveButton, AConfirmedNameGetsTheCanvasAsA24BitBitmap) {
    const QString path = folder.filePath("MyPicture.bmp");
    ScriptedDialog platform;
    platform.answer(selectionOutcome({path}));
    press(platform, canvas);
    EXPECT_TRUE(reports.empty());
    const QByteArray bytes = contentsOf(path);
    ASSERT_TRUE(bytes.startsWith("BM"));
    EXPECT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), 24);
    EXPECT_EQ(asciiRows(loadPicture(path), {"r=#ff0000", "g=#1e1e1e", "b=#0000ff"}),
              asciiRows(canvas, {"r=#ff0000", "g=#1e1e1e", "b=#0000ff"}));
}

TEST_F(SaveButton, ANameWithAnotherExtensionStillGetsABitmap) {
    const QString path = folder.filePath("picture.png");
    ScriptedDialog platform;
    platform.answer(selectionOutcome({path}));
    press(platform, canvas);
    EXPECT_TRUE(contentsOf(path).startsWith("BM"));
    EXPECT_EQ(loadPicture(path), canvas);
}

TEST_F(SaveButton, AnExistingFileIsReplaced) {
    const QString path = folder.filePath("MyPicture.bmp");
    writeBitmapFile(earlier, path);
    ScriptedDialog platform;
    platform.answer(selectionOutcome({path}));
    press(platform, canvas);
    EXPECT_EQ(loadPicture(path), canvas);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"MyPicture.bmp"});
}

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
    TmpfsMount mount(folder.path(), "size=1m");
    if (!mount.mounted())
        GTEST_SKIP() << "this machine refuses to mount a tmpfs";
    const QString path = folder.filePath("MyPicture.bmp");
    writeBitmapFile(earlier, path);
    if (!mount.makeReadOnly())
        GTEST_SKIP() << "this machine refuses to remount the tmpfs read-only";

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
    TmpfsMount mount(folder.path(), "size=64k");
    if (!mount.mounted())
        GTEST_SKIP() << "this machine refuses to mount a tmpfs";
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
