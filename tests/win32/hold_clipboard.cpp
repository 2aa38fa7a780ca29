// Another program that holds the clipboard open, as clipboard history, a remote-desktop session
// or Office do: hold_clipboard MILLISECONDS.

#include <windows.h>

#include <cwchar>

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 2 || !OpenClipboard(nullptr))
        return 1;
    Sleep(static_cast<DWORD>(std::wcstoul(argv[1], nullptr, 10)));
    CloseClipboard();
    return 0;
}
