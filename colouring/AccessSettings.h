#pragma once
// How a child who cannot drag, or who uses switches, colours: read from
// [access] in Vellumix.conf and handed to the window.
struct AccessSettings {
    // A click puts the crayon down, the next lifts it.
    bool clickToDraw = false;
    enum class Scanning { Off, OneSwitch, TwoSwitches };
    Scanning scanning = Scanning::Off;
    double scanSeconds = 1.5;
};
