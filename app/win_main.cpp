// The entry point: checks the desktop, has every subsystem build what the scene needs, opens the
// window, runs the loop and releases everything in a fixed order. Every fatal condition on the way
// ends in one error box and exit code 0.
#include <windows.h>

#include <stdexcept>

#include "app/frame_buffer.h"
#include "app/main_window.h"
#include "app/message_loop.h"
#include "app/screen_capture.h"
#include "codec/codec_context.h"
#include "platform/fatal_error.h"
#include "platform/platform.h"
#include "platform/screen.h"
#include "scene/asset_set.h"
#include "scene/prepare_scene.h"
#include "scene/scene_state.h"

namespace {

constexpr int32_t kMinimumWidth = 800;
constexpr int32_t kMinimumHeight = 600;

// Rows of a width that is a multiple of 4 need no padding, so the platform's bitmaps and the
// scene's gap-free pixel stores coincide.
void CheckScreenSize() {
    if (screenWidth % 4 != 0) FatalError("Can't support screen of width not a multiple of 4");
    if (screenWidth < kMinimumWidth || screenHeight < kMinimumHeight) {
        FatalError("Your screen resolution must be at least 800 x 600");
    }
}

void StartUp(HINSTANCE instance) {
    // The decoders' progress texts go nowhere while the program runs.
    SetLogCallback(nullptr);
    if (!CaptureScreen()) FatalError("Error capturing screen");
    CheckScreenSize();
    LoadAssets();
    PrepareScene();
    CreateFrameBuffer();
    OpenMainWindow(instance);
    // Nothing has been drawn yet: the first frame is painted inside the loop at scene time ~0.
    sceneState.startCounter = ReadPerformanceCounter();
}

// Each release does nothing for what was never made, so this also serves after a fatal error.
void ShutDown() {
    CloseMainWindow();
    ReleaseDimmedBackdrop();
    ReleaseAssets();
    ReleaseScreenCapture();
    ReleaseFrameBuffer();
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    try {
        StartUp(instance);
        const int exitCode = RunMessageLoop();
        ShutDown();
        return exitCode;
    } catch (const std::runtime_error& error) {
        // The window goes first, so the box stands over the desktop rather than a frozen frame.
        ShutDown();
        MessageBoxA(nullptr, error.what(), "Error", MB_ICONERROR);
        return 0;
    }
}
