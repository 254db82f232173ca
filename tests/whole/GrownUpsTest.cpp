// What the grown-ups set in Vellumix.conf, seen in the real program: the
// kiosk held behind the grown-up question, the postcard switched off, the
// listed recipients, the book kept from one run to the next.
#include "app/FullScreenLayout.h"
#include "app/NumberWords.h"
#include "tests/support/Facts.h"
#include "tests/support/FullScreenPoints.h"
#include "tests/whole/CanvasShots.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

const QString kQuestion = QStringLiteral("Grown-ups only");
const QString kComposer = QStringLiteral("Send Drawing");
const QPoint kPagePixel(260, 30); // white on page 1, inside its frame

class GrownUpsTest : public testing::Test {
protected:
    // Writes the user's Vellumix.conf and starts the program on it.
    void startWith(const QByteArray& conf) {
        QDir().mkpath(program_.configFolder() + "/Vellumix");
        QFile file(program_.configFolder() + "/Vellumix/Vellumix.conf");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(conf) == conf.size());
        file.close();
        ASSERT_TRUE(program_.start());
    }

    // A blue fill at kPagePixel of page 1, aimed through the kiosk's layout
    // when there is one.
    void fillPage() {
        for (const QPoint p : {paletteSlot(kBlueSlot), onCanvas(kPagePixel)})
            program_.click(layout_ ? screenPointOf(*layout_, p).toPoint() : p);
    }

    int closeAndWait() {
        program_.close();
        return program_.waitForExit();
    }

    // Asks to close and reads the words off the question (selected and
    // copied, as a grown-up may); answers them in digits when answer is set.
    void closeAndAsk(bool answer) {
        program_.close();
        const QString question = program_.waitForOtherWindow(kQuestion, 10000);
        ASSERT_FALSE(question.isEmpty()) << "a desktop close did not ask";
        ASSERT_TRUE(program_.focusWindow(question));
        if (!answer)
            return program_.key("Escape");
        program_.key("shift+Tab");
        const QString words = program_.copyFocusedText();
        int number = 1;
        while (number <= 999 && numberInWords(number, "en") != words)
            ++number;
        ASSERT_LE(number, 999) << "no number reads \"" << words.toStdString() << '"';
        program_.key("Tab");
        program_.type(QString::number(number));
        program_.key("Return");
    }

    ScratchDataFolder scratch_;
    RunningProgram program_{scratch_};
    std::optional<FullScreenLayout> layout_;
};

} // namespace

TEST_F(GrownUpsTest, TheKioskStaysUntilAGrownUpAnswersAndThenStoresThePage) {
    startWith("[window]\nkiosk=true\n");
    const QRect screen = program_.windowGeometry();
    layout_ = FullScreenLayout{screen.size(), kWindowSize};
    fillPage();
    program_.key("F11");
    EXPECT_EQ(program_.windowGeometry(), screen) << "F11 left the kiosk";

    closeAndAsk(false);
    EXPECT_TRUE(program_.waitUntilGone(kQuestion, 5000));
    EXPECT_TRUE(program_.running()) << "Escape closed the book";
    closeAndAsk(true);
    EXPECT_EQ(program_.waitForExit(), 0);
    EXPECT_EQ(loadPicture(scratch_.file(DataFiles::workingPage(1))).pixel(kPagePixel), kBlue)
        << "the page was not stored as the book closed";
}

TEST_F(GrownUpsTest, WithPostcardsOffTheEnvelopeOpensNothing) {
    startWith("[postcard]\nenabled=off\n");
    program_.click(controlCentre("cmdSEND"));
    EXPECT_TRUE(program_.waitForOtherWindow(kComposer, 3000).isEmpty());
    EXPECT_EQ(closeAndWait(), 0);
}

TEST_F(GrownUpsTest, AListedNameIsSentToAndAnyOtherAddressIsRefused) {
    // The service: whatever asks is counted and answered with nothing.
    QTcpServer service;
    ASSERT_TRUE(service.listen(QHostAddress::LocalHost));
    startWith("[postcard]\nrecipients=Gran <gran@example.org>, Tom <tom@example.org>\n"
              "sender=tom@example.org\nservice=http://127.0.0.1:" +
              QByteArray::number(service.serverPort()) + "\n");
    const auto send = [this](const QString& to) {
        program_.click(controlCentre("cmdSEND"));
        ASSERT_TRUE(program_.focusWindow(program_.waitForOtherWindow(kComposer, 10000)));
        program_.key("Tab"); // from the message to the recipient
        program_.type(to);
        for (const char* key : {"Return", "Tab", "Tab", "space"}) // the name taken; Send
            program_.key(key);
    };
    send("gr");
    ASSERT_TRUE(service.waitForNewConnection(15000)) << "the listed name was not sent to";
    QTcpSocket* request = service.nextPendingConnection();
    request->waitForReadyRead(5000);
    EXPECT_TRUE(request->readAll().contains("mailTo=gran%40example.org"));
    request->close();
    ASSERT_TRUE(program_.waitUntilGone(kComposer, 30000));
    program_.settle(4000); // the outcome shows for three seconds

    send("stranger@example.org");
    EXPECT_FALSE(program_.waitForOtherWindow("Trouble", 10000).isEmpty())
        << "an address not listed was not refused";
    EXPECT_FALSE(service.waitForNewConnection(2000)) << "an address not listed was sent to";
    program_.key("Return");
    EXPECT_EQ(closeAndWait(), 0);
}

TEST_F(GrownUpsTest, AKeptBookShowsLastRunsColouring) {
    startWith("[book]\nkeep=yes\n");
    fillPage();
    ASSERT_EQ(closeAndWait(), 0);
    ASSERT_TRUE(program_.start());
    EXPECT_EQ(program_.windowShot().pixel(onCanvas(kPagePixel)), kBlue);
    EXPECT_EQ(closeAndWait(), 0);
}
