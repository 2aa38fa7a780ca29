#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace fuel::runtime {

constexpr bool isAsciiDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

std::string_view trimSpaces(std::string_view text);

// The text with the full-width forms that a Chinese input method types, or a Chinese document
// holds, turned into their ASCII ones: the digits, "：", "－", "＋", "／", and the ideographic
// space as a space. Every other byte stays as it is.
std::string withAsciiForms(std::string_view utf8);

// Length as a Windows-era string counts it: UTF-16 code units of the UTF-8 text.
std::size_t utf16Length(std::string_view utf8);

} // namespace fuel::runtime
