#include "fonts.h"

#include "utf.h"

namespace fuel::win32 {

namespace {

// Windows has the design's first family, 宋体 under its Latin name; where it is missing, the
// font mapper picks what the system has for the GB2312 character set.
HFONT designedFont(UINT dpi, int weight)
{
    const form::WindowDesign &design = form::windowDesign();
    const int pixels = -MulDiv(design.fontPoints, static_cast<int>(dpi), 72);
    const std::wstring family = toUtf16(design.fontFamilies.front());
    return CreateFontW(pixels, 0, 0, 0, weight, FALSE, FALSE, FALSE,
                       static_cast<DWORD>(design.fontCharset), OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                       family.c_str());
}

} // namespace

Fonts::Fonts(UINT dpi)
    : m_regular(designedFont(dpi, FW_NORMAL)),
      m_bold(designedFont(dpi, FW_BOLD))
{
}

Fonts::~Fonts()
{
    DeleteObject(m_regular);
    DeleteObject(m_bold);
}

} // namespace fuel::win32
