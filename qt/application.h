#pragma once

namespace fuel::qt {

// What fuelcalc sets on its QApplication before it opens the window: its names, Qt's own texts
// in Chinese, and the window's face as the application's font. Without that font, what Qt lays
// out before a widget takes its parent's font (a line edit's first, empty text) would look up
// the platform's default face as well, with a fontconfig fallback search.
void setUpApplication();

} // namespace fuel::qt
