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

} // namespace fuel::form
