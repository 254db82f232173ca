#pragma once
// Where each control of the main window lies, by control name, in twips as
// the layout was drawn. The window, the artwork generator, the tests and,
// through vellumix-places, the scripts all read this one table.
#include "controls/Twips.h"

#include <QRect>
#include <array>
#include <stdexcept>
#include <string_view>

struct ControlPlace {
    std::string_view name;
    int left, top, width, height; // twips
};

inline constexpr std::array kControlPlaces = {
    ControlPlace{"imgBRUSHES", 1890, 6510, 6555, 2490},
    ControlPlace{"imgCRAYONS", 1890, 6510, 6555, 2490},
    ControlPlace{"cmdERASER", 8610, 6525, 1275, 2475},
    ControlPlace{"cmdERASER_OFF", 8610, 6525, 1275, 2475},
    ControlPlace{"cmdCOLOR", 2115, 6855, 510,
                 2115}, // the first slot; the others follow edge to edge
    ControlPlace{"imgNONE", 12330, 6525, 525, 2475},
    ControlPlace{"Image1", 210, 465, 1710, 1230},
    ControlPlace{"picOrig", 975, 5850, 330, 240},
    ControlPlace{"cmdDRAW", 1005, 7305, 900, 1305},
    ControlPlace{"cmdPREV", 315, 2565, 1020, 1815},
    ControlPlace{"cmdNEXT", 10515, 2550, 1020, 1815},
    ControlPlace{"cmdPAINT", 75, 7320, 900, 1305},
    ControlPlace{"cmdSAVE", 10125, 7290, 900, 1305},
    ControlPlace{"cmdSEND", 10995, 7305, 900, 1305},
    ControlPlace{"cmdUNDO", 75, 4500, 900, 1305},
    ControlPlace{"cmdREDO", 1005, 4500, 900, 1305},
    ControlPlace{"cmdPRINT", 10575, 4650, 900, 1305},
    ControlPlace{"canvas", 2145, 540, 7845, 5895},
};

// A name that is not in the table is a fault in the program, not in its input.
constexpr const ControlPlace& controlPlace(std::string_view name) {
    for (const ControlPlace& place : kControlPlaces)
        if (place.name == name)
            return place;
    throw std::out_of_range("no such control in the window's layout");
}

// The control's place in the window's pixels.
constexpr QRect controlRect(std::string_view name) {
    const ControlPlace& p = controlPlace(name);
    return layoutRect(p.left, p.top, p.width, p.height);
}
