// A postcard whose temporary picture cannot be written: a read-only data
// folder or a full disk ends with the failure text, and the picture sent
// last time is still there.
#include "postcard/LimitedPlainTextEdit.h"
#include "postcard/PostcardConstants.h"
#include "tests/postcard/PostcardHarness.h"
#include "tests/support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

class PostcardDiskTest : public PostcardHarness {
protected:
    void writeEarlierPicture() {
        QFile jpeg(dataFile(DataFiles::PostcardPicture));
        ASSERT_TRUE(jpeg.open(QIODevice::WriteOnly));
        jpeg.write(earlier_);
    }

    QByteArray pictureOnDisk() const {
        QFile jpeg(dataFile(DataFiles::PostcardPicture));
        return jpeg.open(QIODevice::ReadOnly) ? jpeg.readAll() : QByteArray();
    }

    QStringList send() {
        QStringList shown;
        frmPostcard* composer = openComposer();
        QObject::connect(composer, &frmPostcard::statusShown,
                         [&shown](const QString& text) { shown << text; });
        control<QLineEdit>("txtMailTO")->setText("gran@example.org");
        QTest::mouseClick(control<QPushButton>("cmdSEND"), Qt::LeftButton);
        settle();
        return shown;
    }

    const QByteArray earlier_ = QByteArray("\xFF\xD8 the picture sent last time \xFF\xD9");
};

} // namespace

TEST_F(PostcardDiskTest, AReadOnlyDataFolderFailsAndKeepsTheEarlierPicture) {
    writeEarlierPicture();
    ReadOnlyMount readOnly(dataFolder());
    if (!readOnly.ok())
        GTEST_SKIP() << readOnly.why().toStdString();
    EXPECT_EQ(send(), (QStringList{StatusPreparing, StatusFailed}));
    EXPECT_TRUE(network_.urls.isEmpty());
    EXPECT_TRUE(composer_.isNull());
    EXPECT_EQ(pictureOnDisk(), earlier_);
    EXPECT_FALSE(QFile::exists(dataFile(DataFiles::TempPicture)));
}

TEST_F(PostcardDiskTest, AFullDiskFailsAndKeepsTheEarlierPicture) {
    const QString background = dataFile(DataFiles::PostcardBackground);
    QFile original(background);
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray backgroundBytes = original.readAll();
    original.close();

    SmallDiskMount disk(dataFolder(), 2048);
    if (!disk.ok())
        GTEST_SKIP() << disk.why().toStdString();
    QFile copy(background);
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    ASSERT_EQ(copy.write(backgroundBytes), backgroundBytes.size());
    copy.close();
    writeEarlierPicture();
    QFile filler(dataFile("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
    const QByteArray block(16 * 1024, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
    filler.close();

    EXPECT_EQ(send(), (QStringList{StatusPreparing, StatusFailed}));
    EXPECT_TRUE(network_.urls.isEmpty());
    EXPECT_EQ(pictureOnDisk(), earlier_);
    EXPECT_FALSE(QFile::exists(dataFile(DataFiles::TempPicture)));
}
