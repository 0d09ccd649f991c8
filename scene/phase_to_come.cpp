// The steps of a phase whose scene has not been written yet. The phase machine runs with any subset
// of the phases built; such a phase never finishes and leaves the frame buffer as it was.
#include "scene/scene_phase.h"

bool PhaseNeverEnds(int32_t) { return false; }

void DrawNothing(int32_t) {}
