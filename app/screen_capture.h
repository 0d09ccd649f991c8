#pragma once
// The desktop picture, taken once at start-up before the program's own window exists.

// Sets screenWidth and screenHeight and fills screenCapture.pixels with gap-free B, G, R rows.
// Returns false on any failure, leaving no capture block and no device contexts behind.
bool CaptureScreen();
