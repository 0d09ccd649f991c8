#pragma once
// The work done once before the first frame: the dimmed backdrop, the masked pictures and the
// decoration slots.
#include <cstdint>

#include "scene/dimmed_backdrop.h"

// Needs the screen capture and the loaded asset set. Seeds rand with the tick count.
void PrepareScene();

// PrepareScene with a seed of the caller's choice: the same seed gives the same decorations.
void PrepareSceneSeeded(uint32_t seed);
