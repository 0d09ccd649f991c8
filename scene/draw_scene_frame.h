#pragma once
// The per-frame entry of the scene: advance through every phase that has finished by scene time t,
// then let the current phase draw the whole frame into the frame buffer.
#include <cstdint>

void DrawSceneFrameAt(int32_t t);

// DrawSceneFrameAt for the clock's current scene time.
void DrawSceneFrame();
