#include "colouring/FocusGroups.h"

#include <QWidget>
#include <algorithm>

FocusGroups::Group FocusGroups::shown(int group) const {
    Group controls;
    for (QWidget* control : groups_.at(std::size_t(group)))
        if (!control->isHidden())
            controls.push_back(control);
    return controls;
}

int FocusGroups::groupOf(const QWidget* control) const {
    for (std::size_t g = 0; g < groups_.size(); ++g)
        if (std::find(groups_[g].begin(), groups_[g].end(), control) != groups_[g].end())
            return int(g);
    return -1;
}

QWidget* FocusGroups::nextGroup(const QWidget* control, int step) const {
    const int count = int(groups_.size());
    int group = groupOf(control);
    if (group < 0)
        group = step > 0 ? -1 : count;
    for (int tried = 0; tried < count; ++tried) {
        group = ((group + step) % count + count) % count;
        if (const Group controls = shown(group); !controls.empty())
            return controls.front();
    }
    return nullptr;
}

QWidget* FocusGroups::withinGroup(const QWidget* control, int step) const {
    const int group = groupOf(control);
    if (group < 0)
        return nullptr;
    const Group controls = shown(group);
    const auto here = std::find(controls.begin(), controls.end(), control);
    if (here == controls.end())
        return controls.empty() ? nullptr : controls.front();
    const int n = int(controls.size());
    return controls[std::size_t(((int(here - controls.begin()) + step) % n + n) % n)];
}
