// What the grown-ups set in Vellumix.conf, seen in the real program: the
// kiosk held behind the grown-up question, the postcard switched off, the
// listed recipients, the book kept from one run to the next.
#include "app/FullScreenLayout.h"
#include "app/NumberWords.h"
#include "book/ControlPlaces.h"
#include "pixels/BitmapFile.h"
#include "tests/support/FullScreenPoints.h"
#include "tests/support/ProgramHarness.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

namespace {

const QString kQuestion = QStringLiteral("Grown-ups only");
const QPoint kPagePixel(260, 30); // white on page 1, inside its frame
const QRgb kBlue = qRgb(0, 0, 255);

class GrownUpsTest : public testing::Test {
protected:
    void configure(const QByteArray& text) {
        QDir().mkpath(program_.configFolder() + "/Vellumix");
        QFile conf(program_.configFolder() + "/Vellumix/Vellumix.conf");
        ASSERT_TRUE(conf.open(QIODevice::WriteOnly));
        conf.write(text);
    }

    // From a layout point to where it is on the screen the program uses.
    QPoint at(QPointF layoutPoint) const {
        return layout_ ? screenPointOf(*layout_, layoutPoint).toPoint() : layoutPoint.toPoint();
    }

    // A blue fill at kPagePixel of page 1.
    void fillPage() {
        const QRect slot = controlRect("cmdCOLOR");
        program_.click(at(QPointF(slot.left() + slot.width() * 2.5, slot.top() + 100)));
        program_.click(at(controlRect("canvas").topLeft() + QPoint(2, 2) + kPagePixel));
    }

    QRgb storedPixel() { return loadPicture(scratch_.file("pages/1.bmp")).pixel(kPagePixel); }

    // Reads the words off the question (selected and copied, as a grown-up
    // may), answers them in digits and presses Enter.
    void answerQuestion(const QString& window) {
        ASSERT_TRUE(program_.focusWindow(window));
        program_.key("shift+Tab");
        const QString words = program_.copyFocusedText();
        int number = 0;
        for (int n = 1; n <= 999 && !number; ++n)
            number = numberInWords(n, "en") == words ? n : 0;
        ASSERT_NE(number, 0) << "no number reads \"" << words.toStdString() << '"';
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
    configure("[window]\nkiosk=true\n");
    ASSERT_TRUE(program_.start());
    const QRect screen = program_.windowGeometry();
    layout_ = FullScreenLayout{screen.size(), kWindowSize};
    fillPage();
    program_.key("F11");
    EXPECT_EQ(program_.windowGeometry(), screen) << "F11 left the kiosk";

    program_.close();
    QString question = program_.waitForOtherWindow(kQuestion, 10000);
    ASSERT_FALSE(question.isEmpty()) << "a desktop close did not ask";
    ASSERT_TRUE(program_.focusWindow(question));
    program_.key("Escape");
    EXPECT_TRUE(program_.waitUntilGone(kQuestion, 5000));
    EXPECT_TRUE(program_.running()) << "Escape closed the book";

    program_.close();
    question = program_.waitForOtherWindow(kQuestion, 10000);
    ASSERT_FALSE(question.isEmpty());
    answerQuestion(question);
    EXPECT_EQ(program_.waitForExit(), 0);
    EXPECT_EQ(storedPixel(), kBlue) << "the page was not stored as the book closed";
}

TEST_F(GrownUpsTest, WithPostcardsOffTheEnvelopeOpensNothing) {
    configure("[postcard]\nenabled=off\n");
    ASSERT_TRUE(program_.start());
    program_.click(controlRect("cmdSEND").center());
    EXPECT_TRUE(program_.waitForOtherWindow("Send Drawing", 3000).isEmpty());
    program_.close();
    EXPECT_EQ(program_.waitForExit(), 0);
}

TEST_F(GrownUpsTest, AListedNameIsSentToAndAnyOtherAddressIsRefused) {
    // The service: whatever asks is counted and answered with nothing.
    QTcpServer service;
    ASSERT_TRUE(service.listen(QHostAddress::LocalHost));
    configure("[postcard]\nrecipients=Gran <gran@example.org>, Tom <tom@example.org>\n"
              "sender=tom@example.org\nservice=http://127.0.0.1:" +
              QByteArray::number(service.serverPort()) + "\n");
    ASSERT_TRUE(program_.start());
    const auto send = [this](const QString& to) {
        program_.click(controlRect("cmdSEND").center());
        const QString composer = program_.waitForOtherWindow("Send Drawing", 10000);
        ASSERT_TRUE(program_.focusWindow(composer));
        program_.key("Tab"); // from the message to the recipient
        program_.type(to);
        program_.key("Return");
        program_.key("Tab");
        program_.key("Tab");
        program_.key("space"); // Send
    };
    send("gr");
    ASSERT_TRUE(service.waitForNewConnection(15000)) << "the listed name was not sent to";
    QTcpSocket* request = service.nextPendingConnection();
    request->waitForReadyRead(5000);
    EXPECT_TRUE(request->readAll().contains("mailTo=gran%40example.org"));
    request->close();
    ASSERT_TRUE(program_.waitUntilGone("Send Drawing", 30000));
    program_.settle(4000); // the outcome shows for three seconds

    send("stranger@example.org");
    const QString trouble = program_.waitForOtherWindow("Trouble", 10000);
    EXPECT_FALSE(trouble.isEmpty()) << "an address not listed was not refused";
    EXPECT_FALSE(service.waitForNewConnection(2000)) << "an address not listed was sent to";
    program_.key("Return");
    program_.close();
    EXPECT_EQ(program_.waitForExit(), 0);
}

TEST_F(GrownUpsTest, AKeptBookShowsLastRunsColouring) {
    configure("[book]\nkeep=yes\n");
    ASSERT_TRUE(program_.start());
    fillPage();
    program_.close();
    ASSERT_EQ(program_.waitForExit(), 0);
    ASSERT_TRUE(program_.start());
    const QPoint shown = controlRect("canvas").topLeft() + QPoint(2, 2) + kPagePixel;
    EXPECT_EQ(program_.windowShot().pixel(shown), kBlue);
    program_.close();
    EXPECT_EQ(program_.waitForExit(), 0);
}
