#pragma once

#include "design.h"

namespace fuel::form {

// WCAG 2 contrast: from 1 (the same colour) to 21 (black on white).
double contrastRatio(Rgb foreground, Rgb background);

// The least contrast for readable text (WCAG AA).
inline constexpr double readableContrast = 4.5;

// A designed text colour as it is drawn on the given background. On a light background it is
// the designed colour, whatever its contrast: that is the design. On a dark one the same hue is
// lightened just enough to be readable.
Rgb textColourOn(Rgb designed, Rgb background);

// Black or white, whichever reads better on the background.
Rgb plainTextOn(Rgb background);

struct Colours {
    Rgb text;
    Rgb background;
    bool operator==(const Colours &) const = default;
};

// What a control with designed colours is drawn in, on the system's window colour: its designed
// background, or the window's; its designed text colour as textColourOn gives it, or, with a
// designed background alone, plain text. Empty for a control that the system colours.
std::optional<Colours> designedColoursOn(const Look &look, Rgb window);

} // namespace fuel::form
