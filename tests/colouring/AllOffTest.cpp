// The window putting its image buttons back to their normal picture.
#include "tests/support/FaceState.h"
#include "tests/support/WindowTest.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

class AllOffTest : public ShownWindowTest {
protected:
    std::vector<ucButtonA*> buttons() const {
        return {window->cmdNEXT, window->cmdPREV,  window->cmdSAVE,
                window->cmdSEND, window->cmdPAINT, window->cmdDRAW};
    }

    // A press straight on the face, with no release: it shows its pressed
    // picture and tells the window nothing.
    static void pressFace(ucButtonA* button) {
        QWidget* face = button->face();
        const QPointF at = face->rect().center();
        QMouseEvent press(QEvent::MouseButtonPress, at, face->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(face, &press);
    }

    void pressAllFaces() {
        for (ucButtonA* button : buttons())
            pressFace(button);
        for (ucButtonA* button : buttons())
            ASSERT_EQ(faceState(*button), "pressed") << button->objectName().toStdString();
    }

    // Each button's state, in AllOff's order, for readable failures.
    std::vector<std::string> states() const {
        std::vector<std::string> all;
        for (ucButtonA* button : buttons())
            all.push_back(button->objectName().toStdString() + " " + faceState(*button));
        return all;
    }
    std::vector<std::string> allBut(const QString& name, const std::string& itsState,
                                    const std::string& others) const {
        std::vector<std::string> all;
        for (ucButtonA* button : buttons())
            all.push_back(button->objectName().toStdString() + " " +
                          (button->objectName() == name ? itsState : others));
        return all;
    }

    std::vector<std::string> allIn(const std::string& state) const {
        return allBut(QString(), {}, state);
    }

    // A place on the window's own surface with no control over it.
    const QPoint bareBackground{400, 12};
};

TEST_F(AllOffTest, EmptyNameResetsAllSix) {
    pressAllFaces();
    window->AllOff("");
    EXPECT_EQ(states(), allIn("normal"));
}

TEST_F(AllOffTest, NamedButtonKeepsItsRolloverAndTheOthersReset) {
    moveTo(centreOf(window->cmdSAVE->face()));
    ASSERT_EQ(faceState(*window->cmdSAVE), "rollover");
    for (ucButtonA* button : buttons())
        if (button != window->cmdSAVE)
            pressFace(button);

    window->AllOff("cmdSAVE");
    EXPECT_EQ(states(), allBut("cmdSAVE", "rollover", "normal"));

    window->AllOff("cmdsave"); // names compare exactly, case included
    EXPECT_EQ(faceState(*window->cmdSAVE), "normal");
}

TEST_F(AllOffTest, PointerOverBareBackgroundResetsRolloverAndPressedButtons) {
    ASSERT_EQ(window->childAt(bareBackground), nullptr);
    moveTo(centreOf(window->cmdNEXT->face()));
    ASSERT_EQ(faceState(*window->cmdNEXT), "rollover");
    moveTo(bareBackground);
    EXPECT_EQ(faceState(*window->cmdNEXT), "normal");

    pressAllFaces();
    moveTo(bareBackground + QPoint(7, 3));
    EXPECT_EQ(states(), allIn("normal"));
}

TEST_F(AllOffTest, PointerOverCanvasResetsEveryButton) {
    pressAllFaces();
    moveTo(pixel(200, 150));
    EXPECT_EQ(states(), allIn("normal"));
}

TEST_F(AllOffTest, ModeSaveAndSendButtonsResetTheOthersWhenThePointerMovesOverThem) {
    for (ucButtonA* hovered :
         {window->cmdDRAW, window->cmdPAINT, window->cmdSAVE, window->cmdSEND}) {
        SCOPED_TRACE(hovered->objectName().toStdString());
        pressAllFaces();
        moveTo(centreOf(hovered->face()));
        EXPECT_EQ(states(), allBut(hovered->objectName(), "rollover", "normal"));
    }
}

TEST_F(AllOffTest, PageButtonsLeaveTheOthersAlone) {
    for (ucButtonA* hovered : {window->cmdNEXT, window->cmdPREV}) {
        SCOPED_TRACE(hovered->objectName().toStdString());
        pressAllFaces();
        moveTo(centreOf(hovered->face()));
        EXPECT_EQ(states(), allBut(hovered->objectName(), "rollover", "pressed"));
    }
}

} // namespace
