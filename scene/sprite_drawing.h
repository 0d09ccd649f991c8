#pragma once
// The four ways the scene puts a picture into the frame buffer. All work in whole screen pixels,
// treat pure black (0, 0, 0) as transparent, clip against the screen edges, allocate nothing and
// write only frameBuffer.bits (screenWidth x screenHeight, platform/screen.h). Coordinates may lie
// anywhere, on or off the screen.
#include <cstdint>

#include "codec/containers.h"

// The image unchanged, its top-left pixel at (centreX - width / 2, centreY - height / 2).
void DrawSprite(const RgbImage& image, int32_t centreX, int32_t centreY);

// The image turned about its centre; a positive angle (radians) turns it anticlockwise on screen.
void DrawSpriteRotated(const RgbImage& image, int32_t centreX, int32_t centreY, float angle);

// The image with its height multiplied by scaleY, its top edge where DrawSprite would put it.
void DrawSpriteScaledY(const RgbImage& image, int32_t centreX, int32_t centreY, float scaleY);

// Rotated copies of assetSet.rope every 8 pixels from the first point towards the second, which
// the rope never quite reaches.
void DrawRope(int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);
