#pragma once
// The platform side of the frame buffer: a DIB section whose pixel memory is frameBuffer.bits, so the
// scene draws straight into memory that is copied to the window without conversion.
#include <windows.h>

// Creates the DIB section for screenWidth x screenHeight; FatalError when the system refuses it.
void CreateFrameBuffer();

// Copies the whole frame 1:1 to the device context; false when the platform reports failure.
bool PresentFrame(HDC deviceContext);

// Deletes the DIB section and its pixels; does nothing when there is none.
void ReleaseFrameBuffer();
