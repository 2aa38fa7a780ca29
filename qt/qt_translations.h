#pragma once

namespace fuel::qt {

// The window speaks Chinese whatever the machine's locale, so Qt's own texts (a field's context
// menu, the buttons of a message box) should too. Where the translations are not on the machine,
// Qt's English texts remain.
void installChineseQtTexts();

} // namespace fuel::qt
