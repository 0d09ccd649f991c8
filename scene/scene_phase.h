#pragma once
// What the phase machine asks of each phase: an end test that, when it reports the phase finished,
// has written the next phase's start time; and a drawing of the whole frame for scene time t.
#include <cstdint>

struct ScenePhaseSteps {
    bool (*hasEnded)(int32_t t);
    void (*draw)(int32_t t);
};

// Phase 1: the desktop fading to about one sixth of its brightness over three seconds.
bool FadeDesktopEnded(int32_t t);
void DrawFadeDesktop(int32_t t);

// The steps of a phase whose scene is still to come: it never ends and leaves the frame untouched.
bool PhaseNeverEnds(int32_t t);
void DrawNothing(int32_t t);
