#pragma once

// The rate boxes lie over runs of spaces in the rates caption. The design places them for its
// font at 96 dpi; at other densities the font's advances do not scale exactly, so a front-end
// measures where each run is drawn and puts its box on the same share of the run.

#include "design.h"

#include <optional>
#include <string_view>

namespace fuel::form {

// The run of spaces that a box lies over, within the caption of the label beneath it.
struct SpaceRun {
    const Control *label;
    std::string_view captionBefore; // UTF-8, the caption up to the run
    std::string_view spaces;
    bool operator==(const SpaceRun &) const = default;
};

// The run under the text box's designed left edge, if it lies over a caption's spaces.
std::optional<SpaceRun> runUnder(const Control &box);

struct PixelSpan {
    int left;
    int width;
    bool operator==(const PixelSpan &) const = default;
};

// Where the box goes when the run is drawn from runLeft to runRight device pixels: the same
// share of the run as the design gives it, where each CJK character is drawn two spaces wide.
PixelSpan placeOverRun(const Control &box, const SpaceRun &run, int runLeft, int runRight);

} // namespace fuel::form
