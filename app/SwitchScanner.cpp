#include "app/SwitchScanner.h"

#include "app/KeyboardAccess.h"
#include "colouring/AccessOverlay.h"
#include "colouring/PictureBox.h"
#include "colouring/ProgramState.h"

#include <QKeyEvent>
#include <QWidget>

namespace {
constexpr int kSweepStep = 8; // page pixels between the sweep's lines
}

SwitchScanner::SwitchScanner(const AccessSettings& settings, QWidget* window,
                             KeyboardAccess& keyboard, AccessOverlay& overlay, PictureBox& page,
                             const ProgramState& state)
    : scanning_(settings.scanning), window_(window), keyboard_(keyboard), overlay_(overlay),
      page_(page), state_(state) {
    if (!on())
        return;
    if (scanning_ == AccessSettings::Scanning::OneSwitch) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { step(); });
        timer_.start(int(settings.scanSeconds * 1000));
    }
    enter(Level::Groups);
}

bool SwitchScanner::keyPress(QKeyEvent* event) {
    if (!on() || event->isAutoRepeat())
        return on();
    const bool space = event->key() == Qt::Key_Space;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (scanning_ == AccessSettings::Scanning::OneSwitch && space)
        pick();
    else if (scanning_ == AccessSettings::Scanning::TwoSwitches && space)
        step();
    else if (scanning_ == AccessSettings::Scanning::TwoSwitches && enter)
        pick();
    else
        return false;
    return true;
}

std::vector<int> SwitchScanner::shownGroups() const {
    std::vector<int> groups;
    for (int g = 0; g < int(keyboard_.groups().groups().size()); ++g)
        if (!keyboard_.groups().shown(g).empty())
            groups.push_back(g);
    return groups;
}

// The last entry of every level but the first is "up".
int SwitchScanner::entries() const {
    const QRect page = page_.clientRect();
    switch (level_) {
    case Level::Groups:
        return int(shownGroups().size());
    case Level::Controls:
        return int(keyboard_.groups().shown(group_).size()) + 1;
    case Level::Areas:
        return int(areas_.size()) + 1;
    case Level::Rows:
        return page.height() / kSweepStep + 1;
    case Level::Columns:
        return page.width() / kSweepStep + 1;
    }
    return 1;
}

void SwitchScanner::step() {
    index_ = (index_ + 1) % std::max(entries(), 1);
    show();
}

void SwitchScanner::enter(Level level) {
    level_ = level;
    index_ = 0;
    if (level == Level::Areas)
        areas_ = colourableAreas(page_.Image());
    show();
}

void SwitchScanner::pick() {
    const bool up = level_ != Level::Groups && index_ == entries() - 1;
    switch (level_) {
    case Level::Groups: {
        const auto groups = shownGroups();
        if (groups.empty())
            return;
        group_ = groups[std::size_t(index_) % groups.size()];
        const QWidget* only = keyboard_.groups().shown(group_).front();
        if (only == &page_)
            enter(state_.ToolKind == ToolKinds::PaintMode ? Level::Areas : Level::Rows);
        else
            enter(Level::Controls);
        return;
    }
    case Level::Controls:
        if (!up)
            keyboard_.press(keyboard_.groups().shown(group_).at(std::size_t(index_)));
        enter(Level::Groups);
        return;
    case Level::Areas:
        if (up)
            return enter(Level::Groups);
        keyboard_.pressPageAt(areas_.at(std::size_t(index_)).seed);
        areas_ = colourableAreas(page_.Image());
        index_ = 0;
        return show();
    case Level::Rows:
        if (up)
            return enter(Level::Groups);
        row_ = index_ * kSweepStep;
        return enter(Level::Columns);
    case Level::Columns:
        if (!up)
            keyboard_.pressPageAt({index_ * kSweepStep, row_});
        return enter(Level::Rows);
    }
}

QRect SwitchScanner::placeOf(const std::vector<QWidget*>& controls) const {
    QRect place;
    for (const QWidget* control : controls)
        place |= QRect(control->mapTo(window_, QPoint()), control->size());
    return place;
}

void SwitchScanner::show() {
    const QPoint origin = page_.mapTo(window_, page_.clientRect().topLeft());
    const QRect page(origin, page_.clientRect().size());
    const bool up = level_ != Level::Groups && index_ == entries() - 1;
    overlay_.showAreaEdge({}, origin);
    overlay_.showSweep(AccessOverlay::Sweep::None, 0, page);
    overlay_.showPointer(std::nullopt);
    if (level_ == Level::Groups) {
        const auto groups = shownGroups();
        if (!groups.empty())
            overlay_.markAround(
                placeOf(keyboard_.groups().shown(groups[std::size_t(index_) % groups.size()])));
        return;
    }
    if (up) {
        // "up": the whole group, to leave it.
        overlay_.markAround(placeOf(keyboard_.groups().shown(group_)));
        return;
    }
    overlay_.markAround({});
    switch (level_) {
    case Level::Controls:
        overlay_.markAround(placeOf({keyboard_.groups().shown(group_).at(std::size_t(index_))}));
        break;
    case Level::Areas:
        overlay_.showAreaEdge(areaEdge(page_.Image(), areas_.at(std::size_t(index_)).seed), origin);
        break;
    case Level::Rows:
        overlay_.showSweep(AccessOverlay::Sweep::Row, origin.y() + index_ * kSweepStep, page);
        break;
    case Level::Columns:
        overlay_.showSweep(AccessOverlay::Sweep::Column, origin.x() + index_ * kSweepStep, page);
        overlay_.showPointer(QPoint(origin.x() + index_ * kSweepStep, origin.y() + row_));
        break;
    case Level::Groups:
        break;
    }
}
