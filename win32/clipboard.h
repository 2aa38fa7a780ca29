#pragma once

#include <windows.h>

#include <string_view>

namespace fuel::win32 {

// Replaces the clipboard's contents with the text; false when another program holds it open.
bool putOnClipboard(HWND owner, std::wstring_view text);

} // namespace fuel::win32
