#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace fuel::form {

namespace {

constexpr Rgb black{0, 0, 0};
constexpr Rgb white{255, 255, 255};

double linear(std::uint8_t channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(Rgb colour)
{
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

bool isDark(Rgb background)
{
    return contrastRatio(white, background) > contrastRatio(black, background);
}

std::uint8_t towardsWhite(std::uint8_t channel, double share)
{
    return static_cast<std::uint8_t>(std::lround(channel + (255 - channel) * share));
}

} // namespace

double contrastRatio(Rgb foreground, Rgb background)
{
    const double a = luminance(foreground);
    const double b = luminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

Rgb textColourOn(Rgb designed, Rgb background)
{
    if (!isDark(background))
        return designed;
    constexpr int steps = 64;
    for (int step = 0; step <= steps; ++step) {
        const double share = static_cast<double>(step) / steps;
        const Rgb lighter{towardsWhite(designed.red, share), towardsWhite(designed.green, share),
                          towardsWhite(designed.blue, share)};
        if (contrastRatio(lighter, background) >= readableContrast)
            return lighter;
    }
    return white;
}

Rgb plainTextOn(Rgb background) { return isDark(background) ? white : black; }

std::optional<Colours> designedColoursOn(const Look &look, Rgb window)
{
    if (!look.text && !look.background)
        return std::nullopt;
    const Rgb background = look.background.value_or(window);
    return Colours{look.text ? textColourOn(*look.text, background) : plainTextOn(background),
                   background};
}

} // namespace fuel::form
