#pragma once

namespace fuel::qt {

// Sets QT_QPA_PLATFORM to what the core chooses for this session, read from the environment and
// Qt's installed plugins, or, when no window system can start, prints the one line that says
// what is missing and returns false. Runs before QApplication, which picks its platform when it
// is constructed.
bool prepareWindowSystem();

} // namespace fuel::qt
