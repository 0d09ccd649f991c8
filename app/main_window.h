#pragma once
// The one borderless window that covers the desktop and shows every frame.
#include <windows.h>

extern HWND mainWindow;

// Registers "Tinselwick Class", creates the window centred on the screen at the desktop's size and
// shows it. FatalError when the class or the window cannot be made.
void OpenMainWindow(HINSTANCE instance);

// Destroys mainWindow if it exists.
void CloseMainWindow();

// A fatal error that arose inside the window procedure, where it cannot be thrown across the system's
// frames: raises it here, after the dispatching call has returned, and does nothing when there is none.
void RaisePendingWindowError();
