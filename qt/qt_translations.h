#pragma once

namespace fuel::qt {

// The window speaks Chinese whatever the machine's locale, so Qt's own texts (a field's context
// menu, the buttons of a message box) should too. False where the translations are not on the
// machine, and Qt's English texts remain.
bool installChineseQtTexts();

} // namespace fuel::qt
