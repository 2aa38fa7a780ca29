#include "space_runs.h"

#include <algorithm>
#include <cmath>

namespace fuel::form {

namespace {

// The design's font: an ASCII character is one cell of 90 twips (6 px at 96 dpi), any other
// character two.
constexpr int twipsPerCell = 90;

bool startsCharacter(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) != 0x80; }

int cells(std::string_view utf8)
{
    int count = 0;
    for (const char byte : utf8) {
        if (startsCharacter(byte))
            count += static_cast<unsigned char>(byte) < 0x80 ? 1 : 2;
    }
    return count;
}

bool overlapsVertically(const Twips &a, const Twips &b)
{
    return a.top < b.top + b.height && b.top < a.top + a.height;
}

// The run of spaces in the caption whose designed extent holds the x, measured from the
// caption's left.
std::optional<SpaceRun> runAt(const Control &label, int x)
{
    const std::string_view caption = label.text;
    std::size_t start = 0;
    while (start < caption.size()) {
        const std::size_t first = caption.find(' ', start);
        if (first == std::string_view::npos)
            break;
        const std::size_t end = std::min(caption.find_first_not_of(' ', first), caption.size());
        const int left = cells(caption.substr(0, first)) * twipsPerCell;
        const int right = left + static_cast<int>(end - first) * twipsPerCell;
        if (left <= x && x < right)
            return SpaceRun{&label, caption.substr(0, first), caption.substr(first, end - first)};
        start = end;
    }
    return std::nullopt;
}

int twipsLeftOf(const SpaceRun &run)
{
    return run.label->place.left + cells(run.captionBefore) * twipsPerCell;
}

} // namespace

std::optional<SpaceRun> runUnder(const Control &box)
{
    if (box.kind != Kind::TextBox)
        return std::nullopt;
    for (const Control &label : controls()) {
        if (label.kind != Kind::Label || label.container != box.container ||
            !overlapsVertically(label.place, box.place))
            continue;
        if (auto run = runAt(label, box.place.left - label.place.left))
            return run;
    }
    return std::nullopt;
}

PixelSpan placeOverRun(const Control &box, const SpaceRun &run, int runLeft, int runRight)
{
    const double pixelsPerTwip =
        (runRight - runLeft) / static_cast<double>(cells(run.spaces) * twipsPerCell);
    const auto pixels = [pixelsPerTwip](int twips) {
        return static_cast<int>(std::lround(twips * pixelsPerTwip));
    };
    return {runLeft + pixels(box.place.left - twipsLeftOf(run)), pixels(box.place.width)};
}

} // namespace fuel::form
