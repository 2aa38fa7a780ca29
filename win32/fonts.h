#pragma once

#include "form/design.h"

#include <windows.h>

namespace fuel::win32 {

// The designed window font and the bold one of the result labels, at one monitor's dots per
// inch. Made again when the window moves to a monitor of another density.
class Fonts {
public:
    explicit Fonts(UINT dpi);
    ~Fonts();
    Fonts(const Fonts &) = delete;
    Fonts &operator=(const Fonts &) = delete;

    HFONT forLook(const form::Look &look) const { return look.bold ? m_bold : m_regular; }

private:
    HFONT m_regular;
    HFONT m_bold;
};

} // namespace fuel::win32
