#include "clipboard.h"

#include <cstring>
#include <string>

namespace fuel::win32 {

namespace {

// Clipboard history, remote-desktop clipboard sharing and Office hold the clipboard open for a
// few milliseconds at a time; a copy waits that out, but not for a program that keeps it.
constexpr ULONGLONG waitForClipboardMs = 1000;
constexpr DWORD retryAfterMs = 15;

// Chinese (PRC): a program that reads the text as ANSI gets it in code page 936, not as "?".
constexpr LCID textLocale = 0x0804;

HGLOBAL globalCopy(const void *data, std::size_t bytes)
{
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return nullptr;
    std::memcpy(GlobalLock(memory), data, bytes);
    GlobalUnlock(memory);
    return memory;
}

// Once placed, the memory is the clipboard's; only a refused one is ours to free.
bool place(UINT format, const void *data, std::size_t bytes)
{
    const HGLOBAL memory = globalCopy(data, bytes);
    const bool placed = memory && SetClipboardData(format, memory);
    if (memory && !placed)
        GlobalFree(memory);
    return placed;
}

bool openWhenFree(HWND owner)
{
    const ULONGLONG giveUpAt = GetTickCount64() + waitForClipboardMs;
    while (!OpenClipboard(owner)) {
        if (GetTickCount64() >= giveUpAt)
            return false;
        Sleep(retryAfterMs);
    }
    return true;
}

} // namespace

bool putOnClipboard(HWND owner, std::wstring_view text)
{
    if (!openWhenFree(owner))
        return false;
    EmptyClipboard();
    const std::wstring terminated(text);
    const bool placed =
        place(CF_UNICODETEXT, terminated.c_str(), (terminated.size() + 1) * sizeof(wchar_t));
    if (placed)
        place(CF_LOCALE, &textLocale, sizeof textLocale);
    CloseClipboard();
    return placed;
}

} // namespace fuel::win32
