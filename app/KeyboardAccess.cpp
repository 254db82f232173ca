#include "app/KeyboardAccess.h"

#include "colouring/AccessOverlay.h"
#include "colouring/CanvasLatch.h"
#include "colouring/PictureBox.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

KeyboardAccess::KeyboardAccess(QWidget* window, FocusGroups groups, QWidget* page,
                               CanvasLatch& latch, AccessOverlay& overlay,
                               std::function<void()> afterPagePress)
    : window_(window), groups_(std::move(groups)), page_(page), latch_(latch), overlay_(overlay),
      afterPagePress_(std::move(afterPagePress)) {
    for (const auto& group : groups_.groups())
        for (QWidget* control : group)
            control->setFocusPolicy(Qt::TabFocus);
}

void KeyboardAccess::focus(QWidget* control) {
    if (control)
        control->setFocus(Qt::TabFocusReason);
    showMarks();
}

bool KeyboardAccess::moveGroup(bool forward) {
    focus(groups_.nextGroup(window_->focusWidget(), forward ? 1 : -1));
    return true;
}

void KeyboardAccess::showMarks() {
    QWidget* focused = window_->focusWidget();
    const bool onControl = groups_.groupOf(focused) >= 0 && !focused->isHidden();
    overlay_.markAround(onControl ? QRect(focused->mapTo(window_, QPoint()), focused->size())
                                  : QRect());
    if (focused == page_) {
        const auto* box = static_cast<PictureBox*>(page_);
        overlay_.showPointer(page_->mapTo(window_, box->clientRect().topLeft() + latch_.pointer()),
                             latch_.down());
    } else {
        overlay_.showPointer(std::nullopt);
    }
}

bool KeyboardAccess::keyPress(QKeyEvent* event) {
    QWidget* focused = window_->focusWidget();
    if (groups_.groupOf(focused) < 0)
        return false;
    const bool fine = event->modifiers() & Qt::ShiftModifier;
    QPoint direction;
    switch (event->key()) {
    case Qt::Key_Left:
        direction = {-1, 0};
        break;
    case Qt::Key_Right:
        direction = {1, 0};
        break;
    case Qt::Key_Up:
        direction = {0, -1};
        break;
    case Qt::Key_Down:
        direction = {0, 1};
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->isAutoRepeat())
            return true; // a held key presses once
        press(focused);
        return true;
    default:
        return false;
    }
    if (focused == page_)
        latch_.step(direction, fine, event->isAutoRepeat());
    else
        focus(groups_.withinGroup(focused, direction.x() + direction.y()));
    showMarks();
    return true;
}

void KeyboardAccess::press(QWidget* control) {
    if (control == page_) {
        latch_.press();
        afterPagePress_();
    } else {
        clickCentreOf(window_, control);
    }
    // A press can hide the control (a mode's crayons); the focus then goes on.
    if (control->isHidden())
        focus(groups_.withinGroup(control, 1));
    showMarks();
}

void KeyboardAccess::pressPageAt(QPoint pixel) {
    latch_.moveTo(pixel);
    press(page_);
}

void clickCentreOf(QWidget* window, QWidget* control) {
    const QPoint centre = control->mapTo(window, control->rect().center());
    QWidget* target = window->childAt(centre);
    if (!target)
        return;
    const QPointF local = target->mapFrom(window, centre);
    const QPointF global = target->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}
