#include "app/main_window.h"

#include <exception>
#include <stdexcept>

#include "app/frame_buffer.h"
#include "platform/fatal_error.h"
#include "platform/screen.h"
#include "scene/draw_scene_frame.h"

HWND mainWindow = nullptr;

namespace {

constexpr const char* kClassName = "Tinselwick Class";
constexpr const char* kWindowTitle = "Tinselwick";
constexpr int kIconId = 5;
constexpr int kWindowExtraBytes = 4;

std::exception_ptr pendingError;

// The update region is ignored: every paint draws and copies the whole frame.
void PaintFrame(HWND window) {
    PAINTSTRUCT paint;
    HDC deviceContext = BeginPaint(window, &paint);
    DrawSceneFrame();
    if (!PresentFrame(deviceContext)) FatalError("StretchDIBits() error");
    EndPaint(window, &paint);
}

// Exceptions cannot travel through the system's frames between here and the dispatching call, so the
// error waits for RaisePendingWindowError.
void HandlePaint(HWND window) {
    try {
        PaintFrame(window);
    } catch (const std::runtime_error&) {
        pendingError = std::current_exception();
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            HandlePaint(window);
            return 0;
        // The window is destroyed by the shutdown, not here.
        case WM_CLOSE:
        case WM_KEYDOWN:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcA(window, message, wParam, lParam);
    }
}

void RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = kWindowExtraBytes;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(kIconId));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // No background brush: the window is never erased, so frames do not flicker.
    windowClass.hbrBackground = nullptr;
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = kClassName;
    if (RegisterClassA(&windowClass) == 0) FatalError("Unable to register window class");
}

}  // namespace

void OpenMainWindow(HINSTANCE instance) {
    RegisterMainWindowClass(instance);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - screenWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - screenHeight) / 2;
    // A system menu without a caption keeps Alt+F4 working on a borderless window.
    mainWindow = CreateWindowExA(0, kClassName, kWindowTitle, WS_POPUP | WS_SYSMENU, x, y, screenWidth,
                                 screenHeight, nullptr, nullptr, instance, nullptr);
    if (!mainWindow) FatalError("Unable to create window");
    ShowWindow(mainWindow, SW_SHOW);
}

void CloseMainWindow() {
    if (mainWindow) DestroyWindow(mainWindow);
    mainWindow = nullptr;
}

void RaisePendingWindowError() {
    if (!pendingError) return;
    std::exception_ptr error = pendingError;
    pendingError = nullptr;
    std::rethrow_exception(error);
}
