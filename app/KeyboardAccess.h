#pragma once
// The main window without a mouse: Tab and Shift+Tab between the groups of
// controls, the arrows within a group and over the page, Space and Enter to
// press; the focus mark drawn over the window. A press on a control goes
// through the window's event dispatch to whatever a click at its centre
// would land on, so it does exactly what the click does.
#include "colouring/FocusGroups.h"

#include <QPointer>
#include <functional>

class AccessOverlay;
class CanvasLatch;
class QKeyEvent;
class QWidget;

class KeyboardAccess {
public:
    KeyboardAccess(QWidget* window, FocusGroups groups, QWidget* page, CanvasLatch& latch,
                   AccessOverlay& overlay, std::function<void()> afterPagePress);

    const FocusGroups& groups() const { return groups_; }
    // Tab's move: true when it was taken.
    bool moveGroup(bool forward);
    // True when the key was taken.
    bool keyPress(QKeyEvent* event);
    // A press on control, as a click at its centre.
    void press(QWidget* control);
    // The page's pointer at a page pixel (a press there follows).
    void pressPageAt(QPoint pixel);
    // Redraws the marks after the focus or the page changed.
    void showMarks();

private:
    void focus(QWidget* control);

    QWidget* window_;
    FocusGroups groups_;
    QWidget* page_;
    CanvasLatch& latch_;
    AccessOverlay& overlay_;
    std::function<void()> afterPagePress_;
};

// A left click at the centre of control, sent to what lies on top there.
void clickCentreOf(QWidget* window, QWidget* control);
