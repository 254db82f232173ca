#pragma once
// Colouring with one or two switches: a highlight steps through the groups,
// then through the controls of the group picked, each group ending in an
// "up" entry. On the page it steps through the colourable areas, largest
// first (paint mode), or sweeps a line down and then across (draw mode).
// One switch: the highlight moves by itself and Space picks; two: Space
// steps and Enter picks. Nothing is ever done by waiting.
#include "colouring/AccessSettings.h"
#include "pixels/PageAreas.h"

#include <QTimer>
#include <vector>

class AccessOverlay;
class CanvasLatch;
class KeyboardAccess;
class PictureBox;
class QKeyEvent;
class QWidget;
struct ProgramState;

class SwitchScanner {
public:
    SwitchScanner(const AccessSettings& settings, QWidget* window, KeyboardAccess& keyboard,
                  AccessOverlay& overlay, PictureBox& page, const ProgramState& state);

    bool on() const { return scanning_ != AccessSettings::Scanning::Off; }
    // True when the key was a switch.
    bool keyPress(QKeyEvent* event);

private:
    enum class Level { Groups, Controls, Areas, Rows, Columns };
    int entries() const;
    void step();
    void pick();
    void enter(Level level);
    void show();
    std::vector<int> shownGroups() const;
    QRect placeOf(const std::vector<QWidget*>& controls) const;

    AccessSettings::Scanning scanning_;
    QWidget* window_;
    KeyboardAccess& keyboard_;
    AccessOverlay& overlay_;
    PictureBox& page_;
    const ProgramState& state_;
    QTimer timer_;
    Level level_ = Level::Groups;
    int index_ = 0;
    int group_ = 0;
    int row_ = 0;
    std::vector<PageArea> areas_;
};
