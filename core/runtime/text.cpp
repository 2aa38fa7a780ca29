#include "text.h"

namespace fuel::runtime {

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::size_t utf16Length(std::string_view utf8)
{
    std::size_t units = 0;
    for (const char c : utf8) {
        const auto byte = static_cast<unsigned char>(c);
        const bool continuation = (byte & 0xC0) == 0x80;
        if (continuation)
            continue;
        // A four-byte sequence lies outside the basic plane and takes a surrogate pair.
        units += (byte >= 0xF0) ? 2 : 1;
    }
    return units;
}

} // namespace fuel::runtime
