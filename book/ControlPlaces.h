#pragma once
// Where each control of the windows lies, by control name, in twips as the
// layouts were drawn. The windows, the artwork generator, the tests and,
// through vellumix-places, the scripts all read these tables.
#include <QRect>
#include <array>
#include <stdexcept>
#include <string_view>

// The layouts were drawn at 96 dots per inch: 15 twips to the pixel.
constexpr int kLayoutTwipsPerPixel = 15;

constexpr QRect layoutRect(int left, int top, int width, int height) {
    return QRect(left / kLayoutTwipsPerPixel, top / kLayoutTwipsPerPixel,
                 width / kLayoutTwipsPerPixel, height / kLayoutTwipsPerPixel);
}

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

// The postcard's composer and its status window; a window's own entry is
// its client area.
inline constexpr std::array kPostcardPlaces = {
    ControlPlace{"frmPostcard", 0, 0, 7770, 3165},
    ControlPlace{"Label1", 2985, 105, 300, 240},
    ControlPlace{"txtMailTO", 3345, 105, 4140, 285},
    ControlPlace{"Label2", 2730, 465, 555, 240},
    ControlPlace{"txtMailFROM", 3345, 450, 4140, 285},
    ControlPlace{"Label3", 2370, 825, 885, 240},
    ControlPlace{"txtMSG", 3345, 810, 4140, 1620},
    ControlPlace{"Label4", 615, 240, 780, 240},
    ControlPlace{"preview", 120, 540, 1965, 1710},
    ControlPlace{"Label5", 360, 2310, 1500, 240},
    ControlPlace{"cmdCANCEL", 3360, 2565, 1710, 390},
    ControlPlace{"cmdSEND", 5790, 2565, 1710, 390},
    ControlPlace{"frmSTATUS", 0, 0, 6735, 1125},
    ControlPlace{"lblStatus", 150, 195, 6405, 720},
};

// A name that is not in the table is a fault in the program, not in its input.
template <std::size_t N>
constexpr const ControlPlace& placeIn(const std::array<ControlPlace, N>& table,
                                      std::string_view name) {
    for (const ControlPlace& place : table)
        if (place.name == name)
            return place;
    throw std::out_of_range("no such control in the window's layout");
}

constexpr QRect pixelRect(const ControlPlace& p) {
    return layoutRect(p.left, p.top, p.width, p.height);
}

constexpr const ControlPlace& controlPlace(std::string_view name) {
    return placeIn(kControlPlaces, name);
}

// The control's place in the main window's pixels.
constexpr QRect controlRect(std::string_view name) {
    return pixelRect(controlPlace(name));
}

// The control's place in the postcard's windows, in pixels.
constexpr QRect postcardRect(std::string_view name) {
    return pixelRect(placeIn(kPostcardPlaces, name));
}
