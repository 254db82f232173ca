#pragma once
// What a screen reader sees of the main window: its controls alone, in the
// keyboard's order, each with its role (buttons, the crayons as radio
// buttons that report the one picked, the page as a graphic), its name and
// a press action that does what a click does.
#include <QAccessible>
#include <functional>
#include <vector>

class QWidget;

struct AccessibleWindowModel {
    std::function<std::vector<QWidget*>()> controls; // shown and named, in order
    std::function<bool(const QWidget*)> picked;      // checked state
    std::function<void(QWidget*)> press;             // as a click
};

// Installs the factory once; the window hands in its model.
void installAccessibleControls(QWidget* window, AccessibleWindowModel model);
// Tells a screen reader that control's checked state may have changed.
void announceStateChange(QWidget* control);
