#pragma once

#include <windows.h>

#include <string_view>

namespace fuel::win32 {

// Replaces the clipboard's contents with the text, in Chinese (PRC) for programs that read it as
// ANSI text. Waits up to about a second while another program holds the clipboard open; false
// when it is still held then, or when the clipboard refuses the text.
bool putOnClipboard(HWND owner, std::wstring_view text);

} // namespace fuel::win32
