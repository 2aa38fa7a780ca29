#pragma once

// The core's values as Qt's and back: its texts are UTF-8, Qt's UTF-16; its colours are plain
// red, green and blue.

#include "form/design.h"

#include <QColor>
#include <QString>

#include <cstdint>
#include <string_view>

namespace fuel::qt {

inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QColor toQColor(form::Rgb rgb) { return {rgb.red, rgb.green, rgb.blue}; }

inline form::Rgb toRgb(const QColor &colour)
{
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

} // namespace fuel::qt
