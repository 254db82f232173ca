#pragma once
// Where the main window shows the pictures that sit straight on its
// background. Their transparent parts are filled with the background picture
// from that place, so every picture blends into the desk behind it.
#include <QPoint>
#include <QString>
#include <array>
#include <optional>

struct WindowPlace {
    const char* name;
    QPoint topLeft;
};

inline constexpr std::array<WindowPlace, 11> kWindowPlaces = {{
    {"stix", {126, 434}},
    {"brsh", {126, 434}},
    {"Image1", {14, 31}},
    {"cmdERASER", {574, 435}},
    {"cmdERASER_OFF", {574, 435}},
    {"cmdNEXT", {701, 170}},
    {"cmdPREV", {21, 171}},
    {"cmdSAVE", {675, 486}},
    {"cmdSEND", {733, 487}},
    {"cmdPAINT", {5, 488}},
    {"cmdDRAW", {67, 487}},
}};

inline std::optional<QPoint> windowPlace(const QString& name) {
    for (const WindowPlace& place : kWindowPlaces) {
        if (name == QLatin1String(place.name))
            return place.topLeft;
    }
    return std::nullopt;
}
