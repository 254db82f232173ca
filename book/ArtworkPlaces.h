#pragma once
// The pictures that sit straight on the desk (the window's background), by the name of
// their SVG source, with the control that shows each. Their transparent parts
// are filled with the desk from the control's place, so they blend into
// the desk behind; the artwork generator and the program's own rendering for
// finer screens share this one table.
#include "book/ControlPlaces.h"

#include <QPoint>
#include <QString>
#include <optional>
#include <string_view>
#include <utility>

inline constexpr std::pair<std::string_view, std::string_view> kArtworkControls[] = {
    {"stix", "imgCRAYONS"},
    {"brsh", "imgBRUSHES"},
    {"Image1", "Image1"},
    {"cmdERASER", "cmdERASER"},
    {"cmdERASER_OFF", "cmdERASER_OFF"},
    {"cmdNEXT", "cmdNEXT"},
    {"cmdPREV", "cmdPREV"},
    {"cmdSAVE", "cmdSAVE"},
    {"cmdSEND", "cmdSEND"},
    {"cmdPAINT", "cmdPAINT"},
    {"cmdDRAW", "cmdDRAW"},
    {"cmdUNDO", "cmdUNDO"},
    {"cmdREDO", "cmdREDO"},
    {"cmdPRINT", "cmdPRINT"},
};

// The window pixel where the picture of that name lies; none for pictures
// that do not sit on the desk (they are drawn over white).
inline std::optional<QPoint> artworkPlace(const QString& name) {
    for (const auto& [picture, control] : kArtworkControls)
        if (name == QLatin1String(picture.data(), qsizetype(picture.size())))
            return controlRect(control).topLeft();
    return std::nullopt;
}
