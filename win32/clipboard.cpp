#include "clipboard.h"

#include <cstring>

namespace fuel::win32 {

namespace {

HGLOBAL globalCopy(std::wstring_view text)
{
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return nullptr;
    auto *target = static_cast<wchar_t *>(GlobalLock(memory));
    std::memcpy(target, text.data(), text.size() * sizeof(wchar_t));
    target[text.size()] = L'\0';
    GlobalUnlock(memory);
    return memory;
}

} // namespace

bool putOnClipboard(HWND owner, std::wstring_view text)
{
    if (!OpenClipboard(owner))
        return false;
    EmptyClipboard();
    const HGLOBAL memory = globalCopy(text);
    // Once placed, the memory is the clipboard's; only a refused one is ours to free.
    const bool placed = memory && SetClipboardData(CF_UNICODETEXT, memory);
    if (memory && !placed)
        GlobalFree(memory);
    CloseClipboard();
    return placed;
}

} // namespace fuel::win32
