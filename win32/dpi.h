#pragma once

#include <windows.h>

#ifndef WM_DPICHANGED // newer than the Windows 7 headers
#define WM_DPICHANGED 0x02E0
#endif

namespace fuel::win32 {

// The dots per inch of the monitor the window is on (Windows 10 1607 and later), or the
// system's on older Windows.
UINT dpiOf(HWND window);

// Lets the system scale the window's frame with its client when it moves between monitors of
// different density. Only Windows 10 1607 needs asking (later versions do it by themselves for a
// per-monitor v2 window); Windows before 10 lack the entry.
void scaleFrameWithDpi(HWND window);

// A system metric, such as an icon's size, at the given dots per inch.
int systemMetricAt(int index, UINT dpi);

// The program's icon resource at the size: the image drawn for it, or the next larger one
// scaled down, never a blurred enlargement of a smaller one.
HICON programIconAt(int resource, int size);

// The outer size of a window with this style whose client area is clientWidth × clientHeight
// pixels on a monitor of the given dots per inch.
SIZE windowSizeFor(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, UINT dpi);

} // namespace fuel::win32
