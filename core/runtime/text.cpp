#include "text.h"

namespace fuel::runtime {

namespace {

constexpr char32_t ideographicSpace = U'\u3000';
// Between the full-width forms and ASCII lies one fixed distance: "０" is U+FF10, "0" is U+0030.
constexpr char32_t fullWidthOffset = U'０' - U'0';

bool hasFullWidthCounterpart(char32_t c)
{
    return (c >= U'０' && c <= U'：') || c == U'－' || c == U'＋' || c == U'／';
}

// The character a three-byte UTF-8 sequence at the start of the text encodes, or 0 when the text
// does not start with one.
char32_t leadingThreeByteCharacter(std::string_view utf8)
{
    if (utf8.size() < 3)
        return 0;
    const auto byte = [utf8](std::size_t i) { return static_cast<unsigned char>(utf8[i]); };
    const bool continued = (byte(1) & 0xC0) == 0x80 && (byte(2) & 0xC0) == 0x80;
    if ((byte(0) & 0xF0) != 0xE0 || !continued)
        return 0;
    return static_cast<char32_t>((byte(0) & 0x0F) << 12 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F));
}

} // namespace

std::string_view trimSpaces(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string withAsciiForms(std::string_view utf8)
{
    std::string ascii;
    ascii.reserve(utf8.size());
    while (!utf8.empty()) {
        const char32_t c = leadingThreeByteCharacter(utf8);
        if (c == ideographicSpace || hasFullWidthCounterpart(c)) {
            ascii += c == ideographicSpace ? ' ' : static_cast<char>(c - fullWidthOffset);
            utf8.remove_prefix(3);
        } else {
            ascii += utf8.front();
            utf8.remove_prefix(1);
        }
    }
    return ascii;
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
