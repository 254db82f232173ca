#pragma once
// An image button with three small one-colour pictures, shown on its own,
// and mouse events sent straight to its face with explicit button states.
#include "controls/ucButtonA.h"
#include "tests/support/FaceState.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

inline QPixmap solidPicture(QColor colour, QSize size) {
    QPixmap picture(size);
    picture.fill(colour);
    return picture;
}

class ButtonHarness : public ::testing::Test {
protected:
    static constexpr int kWidth = 40;
    static constexpr int kHeight = 30;

    void SetUp() override {
        button.setImg_NORM(norm);
        button.setImg_ROLL(roll);
        button.setImg_DOWN(down);
        button.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
        ASSERT_EQ(faceState(), "normal");
    }

    std::string faceState() const { return ::faceState(button); }

    void mouse(QEvent::Type type, QPointF at, Qt::MouseButton button_, Qt::MouseButtons held) {
        QWidget* face = button.face();
        QMouseEvent event(type, at, face->mapToGlobal(at), button_, held, Qt::NoModifier);
        QApplication::sendEvent(face, &event);
    }
    void move(double x, double y, Qt::MouseButtons held = Qt::NoButton) {
        mouse(QEvent::MouseMove, {x, y}, Qt::NoButton, held);
    }
    void press(double x, double y, Qt::MouseButton which = Qt::LeftButton) {
        mouse(QEvent::MouseButtonPress, {x, y}, which, which);
    }
    void release(double x, double y, Qt::MouseButton which = Qt::LeftButton) {
        mouse(QEvent::MouseButtonRelease, {x, y}, which, Qt::NoButton);
    }

    QPixmap norm = solidPicture(Qt::red, {kWidth, kHeight});
    QPixmap roll = solidPicture(Qt::green, {kWidth, kHeight});
    QPixmap down = solidPicture(Qt::blue, {kWidth, kHeight});
    ucButtonA button;
    QSignalSpy moves{&button, &ucButtonA::MouseMove};
    QSignalSpy clicks{&button, &ucButtonA::Click};
};
