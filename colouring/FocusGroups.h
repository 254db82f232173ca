#pragma once
// The window's controls in the keyboard's order: Tab and Shift+Tab go from
// group to group, the arrows within one. A hidden control (a button the
// settings switch off, the crayons in paint mode) is passed over, and a
// group with nothing shown with it.
#include <vector>

class QWidget;

class FocusGroups {
public:
    using Group = std::vector<QWidget*>;
    explicit FocusGroups(std::vector<Group> groups) : groups_(std::move(groups)) {}

    const std::vector<Group>& groups() const { return groups_; }
    // The shown controls of a group, in order.
    Group shown(int group) const;
    // The group holding control, or -1.
    int groupOf(const QWidget* control) const;

    // From control (none: before the first group or after the last) to the
    // first shown control of the next group in step's direction, round the
    // end; nullptr when nothing is shown.
    QWidget* nextGroup(const QWidget* control, int step) const;
    // The shown control step places along in control's group, round its end.
    QWidget* withinGroup(const QWidget* control, int step) const;

private:
    std::vector<Group> groups_;
};
