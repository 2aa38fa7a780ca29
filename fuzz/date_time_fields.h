#pragma once

// A second reading of dates and times for the fuzzers: full-width forms replaced and the text split
// at every separator first, then the pieces judged, where runtime/ reads field by field. The two
// must agree on every text.

#include "check.h"

#include <optional>
#include <vector>

namespace fuel::fuzz {

struct Piece {
    std::size_t minDigits;
    std::size_t maxDigits;
    int minValue;
    int maxValue;
};

inline std::optional<std::vector<int>> readPieces(std::string_view typed, char separator,
                                                  const std::vector<Piece> &pieces)
{
    const std::string ascii = asciiFormsOf(typed);
    std::string_view text = withoutSpaces(ascii);
    std::vector<std::string_view> parts;
    for (std::size_t at = text.find(separator); at != std::string_view::npos;
         at = text.find(separator)) {
        parts.push_back(text.substr(0, at));
        text.remove_prefix(at + 1);
    }
    parts.push_back(text);
    if (parts.size() != pieces.size())
        return std::nullopt;

    std::vector<int> values;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        const Piece &piece = pieces[i];
        if (part.size() < piece.minDigits || part.size() > piece.maxDigits || !allAsciiDigits(part))
            return std::nullopt;
        const int value = std::stoi(std::string(part));
        if (value < piece.minValue || value > piece.maxValue)
            return std::nullopt;
        values.push_back(value);
    }
    return values;
}

} // namespace fuel::fuzz
