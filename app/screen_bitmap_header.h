#pragma once
// The one description of a screen-sized 24-bit picture, shared by the desktop capture and the frame
// buffer so that both read and write the same gap-free, top-down B, G, R rows.
#include <windows.h>

// Fills every field for screenWidth x screenHeight; the caller zeroes anything around the header.
void FillScreenBitmapHeader(BITMAPINFOHEADER& header);
