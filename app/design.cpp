#include "design.h"

#include <cmath>

namespace fuel::app::design {

namespace {

// Two designed values are not whole pixels (400 and 640 twips); they go to the nearest one.
int twipsToPixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }

} // namespace

QRect toPixels(const Twips &twips)
{
    return {twipsToPixels(twips.left), twipsToPixels(twips.top), twipsToPixels(twips.width),
            twipsToPixels(twips.height)};
}

} // namespace fuel::app::design
