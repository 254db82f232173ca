// The composer window: layout, texts, the message limit, the preview, the
// placeholders' focus rule and its comings and goings.
#include "book/ControlPlaces.h"
#include "pixels/FileError.h"
#include "postcard/LimitedPlainTextEdit.h"
#include "postcard/PostcardConstants.h"
#include "tests/postcard/PostcardHarness.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QString kPlaceholder = QString::fromLatin1(PlaceholderAddress);

class PostcardComposerTest : public PostcardHarness {
protected:
    // Opens the composer and makes it the active window, as a click would.
    frmPostcard* openActive() {
        frmPostcard* composer = openComposer();
        QApplication::setActiveWindow(composer);
        EXPECT_TRUE(QTest::qWaitForWindowActive(composer));
        return composer;
    }

    QLineEdit* to() const { return control<QLineEdit>("txtMailTO"); }
    QLineEdit* from() const { return control<QLineEdit>("txtMailFROM"); }
    LimitedPlainTextEdit* message() const { return control<LimitedPlainTextEdit>("txtMSG"); }

    // Four coloured quarters, so a stretched copy shows where each went.
    static QImage quarters(int width, int height) {
        QImage picture(width, height, QImage::Format_RGB32);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                picture.setPixel(x, y,
                                 y < height / 2
                                     ? (x < width / 2 ? qRgb(255, 0, 0) : qRgb(0, 0, 255))
                                     : (x < width / 2 ? qRgb(0, 255, 0) : qRgb(255, 255, 0)));
        return picture;
    }

    QImage previewPicture() const {
        return control<QLabel>("preview")->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    }
};

struct LabelRow {
    const char* name;
    const char* text;
    Qt::Alignment horizontal;
};

} // namespace

TEST_F(PostcardComposerTest, WindowHasItsCaptionSizeAndOwner) {
    frmPostcard* composer = openComposer();
    EXPECT_EQ(composer->windowTitle(), "Send Drawing");
    EXPECT_EQ(composer->size(), postcardRect("frmPostcard").size());
    EXPECT_EQ(composer->minimumSize(), composer->maximumSize());
    EXPECT_TRUE(composer->isWindow());
    EXPECT_EQ(composer->parentWidget(), &owner_);
    EXPECT_TRUE(composer->isVisible());
    EXPECT_FALSE(composer->isModal());
}

TEST_F(PostcardComposerTest, LabelsStandAtTheirPlacesInWhiteBoldText) {
    openComposer();
    const LabelRow rows[] = {
        {"Label1", "To:", Qt::AlignRight},
        {"Label2", "From:", Qt::AlignRight},
        {"Label3", "Message:", Qt::AlignRight},
        {"Label4", "Preview", Qt::AlignLeft},
        {"Label5", "(not actual size)", Qt::AlignLeft},
    };
    for (const LabelRow& row : rows) {
        auto* label = control<QLabel>(row.name);
        ASSERT_NE(label, nullptr) << row.name;
        EXPECT_EQ(label->text(), row.text);
        EXPECT_EQ(label->geometry(), postcardRect(row.name)) << row.name;
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, row.horizontal) << row.name;
        EXPECT_EQ(QFontInfo(label->font()).family(), "Liberation Sans") << "font installed?";
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 9.75);
        EXPECT_TRUE(label->font().bold());
        EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        EXPECT_FALSE(label->autoFillBackground()) << row.name << " must let the picture show";
    }
}

TEST_F(PostcardComposerTest, BoxesAndButtonsStandAtTheirPlaces) {
    openComposer();
    for (const char* name :
         {"txtMailTO", "txtMailFROM", "txtMSG", "preview", "cmdCANCEL", "cmdSEND"})
        EXPECT_EQ(control<QWidget>(name)->geometry(), postcardRect(name)) << name;
    EXPECT_EQ(control<QPushButton>("cmdCANCEL")->text(), "Cancel");
    EXPECT_EQ(control<QPushButton>("cmdSEND")->text(), "Send");
    EXPECT_EQ(message()->font().pointSize(), 12);
    EXPECT_TRUE(message()->font().bold());
}

TEST_F(PostcardComposerTest, OpensWithPlaceholdersAndAnEmptyMessageInFocus) {
    openActive();
    EXPECT_EQ(to()->text(), kPlaceholder);
    EXPECT_EQ(from()->text(), kPlaceholder);
    EXPECT_TRUE(message()->toPlainText().isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), message());
}

TEST_F(PostcardComposerTest, TabGoesMessageToFromSendCancel) {
    openActive();
    QWidget* expected[] = {to(), from(), control<QPushButton>("cmdSEND"),
                           control<QPushButton>("cmdCANCEL"), message()};
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
    }
}

TEST_F(PostcardComposerTest, ClickingIntoAPlaceholderBoxEmptiesIt) {
    openActive();
    QTest::mouseClick(to(), Qt::LeftButton);
    EXPECT_EQ(to()->text(), "");
    EXPECT_EQ(from()->text(), kPlaceholder) << "only the box that gains the focus changes";
    QTest::mouseClick(from(), Qt::LeftButton);
    EXPECT_EQ(from()->text(), "");
    QTest::mouseClick(message()->viewport(), Qt::LeftButton);
    EXPECT_EQ(to()->text(), "") << "an emptied box is not filled again";
}

TEST_F(PostcardComposerTest, TypedAddressesAreKeptWhenTheBoxGainsTheFocusAgain) {
    openActive();
    QTest::mouseClick(to(), Qt::LeftButton);
    QTest::keyClicks(to(), "gran@example.org");
    QTest::mouseClick(message()->viewport(), Qt::LeftButton);
    QTest::mouseClick(to(), Qt::LeftButton);
    EXPECT_EQ(to()->text(), "gran@example.org");
}

TEST_F(PostcardComposerTest, AlmostThePlaceholderIsNotEmptied) {
    openActive();
    to()->setText(kPlaceholder + "x");
    from()->setText(kPlaceholder.toUpper());
    QTest::mouseClick(to(), Qt::LeftButton);
    QTest::mouseClick(from(), Qt::LeftButton);
    EXPECT_EQ(to()->text(), kPlaceholder + "x");
    EXPECT_EQ(from()->text(), kPlaceholder.toUpper());
}

TEST_F(PostcardComposerTest, MessageTakesLineBreaksAndStopsAt200Characters) {
    openActive();
    QTest::keyClicks(message(), "Dear gran,");
    QTest::keyClick(message(), Qt::Key_Return);
    QTest::keyClicks(message(), QString(250, 'x'));
    EXPECT_EQ(message()->toPlainText(), "Dear gran,\n" + QString(189, 'x'));
    QTest::keyClick(message(), Qt::Key_Return);
    EXPECT_EQ(message()->toPlainText().size(), 200) << "a line break is a character too";
    QTest::keyClick(message(), Qt::Key_Backspace);
    QTest::keyClicks(message(), "yz");
    EXPECT_EQ(message()->toPlainText(), "Dear gran,\n" + QString(188, 'x') + "y");
}

TEST_F(PostcardComposerTest, PastingInsertsOnlyWhatFits) {
    openActive();
    QTest::keyClicks(message(), QString(190, 'a'));
    QApplication::clipboard()->setText("0123456789ABCDEF");
    message()->paste();
    EXPECT_EQ(message()->toPlainText(), QString(190, 'a') + "0123456789");
    // Over a selection, the selected characters make room.
    message()->selectAll();
    QApplication::clipboard()->setText("line one\r\nline two");
    message()->paste();
    EXPECT_EQ(message()->toPlainText(), "line one\nline two");
}

TEST_F(PostcardComposerTest, PreviewShowsTheWholePictureStretched) {
    canvas_ = quarters(400, 100); // far wider than the preview: proportions are not kept
    openComposer();
    const QImage shown = previewPicture();
    const QSize area = control<QLabel>("preview")->contentsRect().size();
    ASSERT_EQ(shown.size(), area);
    const int w = area.width(), h = area.height();
    EXPECT_EQ(shown.pixel(w / 4, h / 4), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(3 * w / 4, h / 4), qRgb(0, 0, 255));
    EXPECT_EQ(shown.pixel(w / 4, 3 * h / 4), qRgb(0, 255, 0));
    EXPECT_EQ(shown.pixel(3 * w / 4, 3 * h / 4), qRgb(255, 255, 0));
    EXPECT_EQ(shown.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(w - 2, h - 2), qRgb(255, 255, 0));
}

TEST_F(PostcardComposerTest, PreviewKeepsThePictureOfItsOpening) {
    canvas_ = quarters(200, 200);
    openComposer();
    const QImage first = previewPicture();
    canvas_.fill(Qt::black); // the child colours on
    composer_->hide();
    openComposer();
    EXPECT_EQ(previewPicture(), first);
}

TEST_F(PostcardComposerTest, ShowingAgainKeepsTheSameComposerAndItsTexts) {
    frmPostcard* first = openComposer();
    message()->setPlainText("Hello");
    to()->setText("gran@example.org");
    first->hide();
    EXPECT_EQ(openComposer(), first);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(message()->toPlainText(), "Hello");
    EXPECT_EQ(to()->text(), "gran@example.org");
}

TEST_F(PostcardComposerTest, CancelUnloadsAndTheNextOpeningStartsAfresh) {
    openComposer();
    message()->setPlainText("Hello");
    to()->setText("gran@example.org");
    QTest::mouseClick(control<QPushButton>("cmdCANCEL"), Qt::LeftButton);
    settle();
    EXPECT_TRUE(composer_.isNull()) << "the owner must learn the composer is gone";

    canvas_ = quarters(100, 100);
    openComposer();
    EXPECT_EQ(to()->text(), kPlaceholder);
    EXPECT_EQ(from()->text(), kPlaceholder);
    EXPECT_TRUE(message()->toPlainText().isEmpty());
    EXPECT_EQ(previewPicture().pixel(2, 2), qRgb(255, 0, 0)) << "the preview shows the picture now";
}

TEST_F(PostcardComposerTest, ClosingTheWindowUnloadsItToo) {
    openComposer()->close();
    settle();
    EXPECT_TRUE(composer_.isNull());
}

TEST_F(PostcardComposerTest, WithoutItsPictureTheComposerCannotOpen) {
    QFile::remove(dataFile(DataFiles::PostcardBackground));
    EXPECT_THROW(openComposer(), FileError);
    EXPECT_TRUE(composer_.isNull());
    EXPECT_TRUE(owner_.findChildren<frmPostcard*>().isEmpty());
}

TEST_F(PostcardComposerTest, StatusWindowStartsWithSendingInWhiteCentredText) {
    frmSTATUS status(&owner_, dataFolder());
    EXPECT_TRUE(status.windowTitle().isEmpty());
    EXPECT_EQ(status.size(), postcardRect("frmSTATUS").size());
    EXPECT_EQ(status.minimumSize(), status.maximumSize());
    EXPECT_TRUE(status.isWindow());
    EXPECT_EQ(status.parentWidget(), &owner_);
    EXPECT_EQ(status.statusText(), "Sending...");
    auto* label = status.findChild<QLabel*>("lblStatus");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->geometry(), postcardRect("lblStatus"));
    EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::white));
    EXPECT_TRUE(label->font().bold());
    EXPECT_EQ(label->font().pointSize(), 12);
}

TEST_F(PostcardComposerTest, EveryStatusTextFitsItsLabel) {
    frmSTATUS status(&owner_, dataFolder());
    auto* label = status.findChild<QLabel*>("lblStatus");
    for (const char* text : {StatusSending, StatusPreparing, StatusChecking, StatusSendingPostcard,
                             StatusSent, StatusFailed}) {
        const QRect needed = label->fontMetrics().boundingRect(
            QRect(0, 0, label->width(), 1000), Qt::TextWordWrap | Qt::AlignHCenter, text);
        EXPECT_LE(needed.height(), label->height()) << text;
        EXPECT_LE(needed.width(), label->width()) << text;
    }
}
