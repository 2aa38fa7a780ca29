#include "message_loop.h"

namespace fuel::win32 {

void dispatch(HWND window, MSG &message)
{
    if (IsWindow(window) && IsDialogMessageW(window, &message))
        return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int runMessageLoop(HWND window)
{
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        dispatch(window, message);
    return static_cast<int>(message.wParam);
}

} // namespace fuel::win32
