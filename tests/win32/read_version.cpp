// Prints a file's version resource as Explorer's Properties → Details and inventory tools read it,
// one "Name=Value" line in UTF-8 for each string of its first translation: read_version FILE.

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::string utf8(const wchar_t *text)
{
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(size > 0 ? size - 1 : 0, '\0');
    if (size > 1)
        WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    if (argc != 2)
        return 2;
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(argv[1], &ignored);
    std::vector<unsigned char> info(size);
    if (size == 0 || !GetFileVersionInfoW(argv[1], 0, size, info.data()))
        return 1;
    struct Translation {
        WORD language;
        WORD codePage;
    } *translation = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation",
                        reinterpret_cast<void **>(&translation), &length) ||
        length < sizeof *translation)
        return 1;
    for (const wchar_t *name : {L"ProductName", L"FileDescription", L"ProductVersion",
                                L"FileVersion", L"CompanyName", L"LegalCopyright"}) {
        wchar_t path[128];
        std::swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translation->language,
                      translation->codePage, name);
        wchar_t *value = nullptr;
        if (VerQueryValueW(info.data(), path, reinterpret_cast<void **>(&value), &length) &&
            length > 0)
            std::printf("%s=%s\n", utf8(name).c_str(), utf8(value).c_str());
    }
    return 0;
}
