#pragma once

// What the fuzz targets share: reading the fuzzer's bytes, and a check that holds in every build
// type (assert() is gone under NDEBUG, and a broken property must stop the fuzzer like a crash).

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace fuel::fuzz {

inline std::string_view asText(const std::uint8_t *data, std::size_t size)
{
    return {reinterpret_cast<const char *>(data), size};
}

inline void require(bool holds, const char *property, std::string_view input = {})
{
    if (holds)
        return;
    std::fprintf(stderr, "property broken: %s\ninput: \"%.*s\"\n", property,
                 static_cast<int>(input.size()), input.data());
    std::abort();
}

// The full-width forms the conversions read as ASCII, replaced text by text, where runtime/
// decodes characters.
inline std::string asciiFormsOf(std::string_view text)
{
    constexpr std::pair<std::string_view, char> forms[] = {
        {"０", '0'}, {"１", '1'}, {"２", '2'}, {"３", '3'}, {"４", '4'},
        {"５", '5'}, {"６", '6'}, {"７", '7'}, {"８", '8'}, {"９", '9'},
        {"：", ':'}, {"－", '-'}, {"＋", '+'}, {"／", '/'}, {"\u3000", ' '}};
    std::string result(text);
    for (const auto &[form, ascii] : forms) {
        for (auto at = result.find(form); at != std::string::npos; at = result.find(form, at + 1))
            result.replace(at, form.size(), 1, ascii);
    }
    return result;
}

// Surrounding spaces, the only blank the conversions forgive.
inline std::string_view withoutSpaces(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

inline bool allAsciiDigits(std::string_view text)
{
    return text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A shown amount read back as a number, to compare with an independent computation.
inline std::optional<double> amountOf(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        return std::nullopt;
    double value = 0.0;
    const auto *end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop != end)
        return std::nullopt;
    return value;
}

} // namespace fuel::fuzz
