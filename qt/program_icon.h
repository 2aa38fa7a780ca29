#pragma once

#include <QIcon>

namespace fuel::qt {

// The designed images: 32 × 32 in 16 colours, 16 × 16 in 16 colours, and 32 × 32 in two colours
// for monochrome displays.
QIcon programIcon();

} // namespace fuel::qt
