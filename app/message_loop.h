#pragma once
// The loop that runs the scene: messages first; whenever none is waiting, one frame.
#include <windows.h>

// Returns the quit message's wParam (or that of the message that failed to arrive).
int RunMessageLoop();
