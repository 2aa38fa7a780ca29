#pragma once

#include <windows.h>

namespace fuel::win32 {

// Hands one queued message to the window, letting the dialog manager take Tab, Shift+Tab,
// Space on a button and the arrow keys first, as in any Windows dialog.
void dispatch(HWND window, MSG &message);

// Runs until the window is closed; returns the program's exit code.
int runMessageLoop(HWND window);

} // namespace fuel::win32
