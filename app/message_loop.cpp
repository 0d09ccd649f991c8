#include "app/message_loop.h"

#include "app/main_window.h"

namespace {

// UpdateWindow paints at once, so each idle pass draws and presents exactly one frame. There is no
// sleep or timer: frames come as fast as the machine allows, and the scene's time keeps its speed.
void PaintNextFrame() {
    InvalidateRect(mainWindow, nullptr, FALSE);
    UpdateWindow(mainWindow);
    RaisePendingWindowError();
}

}  // namespace

int RunMessageLoop() {
    MSG message = {};
    for (;;) {
        if (!PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE)) {
            PaintNextFrame();
            continue;
        }
        if (GetMessageA(&message, nullptr, 0, 0) <= 0) break;
        TranslateMessage(&message);
        DispatchMessageA(&message);
        RaisePendingWindowError();
    }
    return static_cast<int>(message.wParam);
}
