#pragma once

#include <string>
#include <string_view>

namespace fuel::win32 {

// The controls speak UTF-16 and the core UTF-8. Anything that is not a character (an unpaired
// surrogate, a broken byte sequence) becomes U+FFFD, which the core then names as unreadable.
std::wstring toUtf16(std::string_view utf8);
std::string toUtf8(std::wstring_view utf16);

} // namespace fuel::win32
