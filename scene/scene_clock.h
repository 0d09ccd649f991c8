#pragma once
// Scene time: 32-bit signed milliseconds since sceneState.startCounter.
#include <cstdint>

// (now - start) x 1000 / frequency in 64-bit arithmetic, keeping the low 32 bits of the quotient.
// The frequency must be positive; the platform guarantees it.
int32_t SceneTimeBetween(int64_t now, int64_t start, int64_t frequency);

// Reads the performance counter and its frequency on every call.
int32_t ReadSceneTime();
