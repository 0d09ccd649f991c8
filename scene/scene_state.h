#pragma once
// Which phase of the greeting is running and when the later phases started. Start times are computed
// from the scene's geometry, never read off the clock, so the timeline does not depend on frame rate.
#include <cstdint>

enum ScenePhase : uint32_t {
    NotStarted = 0,
    FadeDesktop = 1,
    DragTree = 2,
    DropRopes = 3,
    ElfDescends = 4,
    ElfWalksToTree = 5,
    RaiseTree = 6,
    PullRopeAway = 7,
    BringLadder = 8,
    HangDecorations = 9,
    LowerBanner = 10,
    UnrollBanner = 11,
    Finale = 12,
};

constexpr uint32_t kLastPhase = Finale;

// The phase's name as written above, or "Invalid" for a number past the last phase.
const char* ScenePhaseName(uint32_t phase);

struct SceneState {
    int64_t startCounter;
    uint32_t phase;
    int32_t phase3Start;
    int32_t phase4Start;
    int32_t phase5Start;
    int32_t phase6Start;
    int32_t phase8Start;
    int32_t phase9Start;
    int32_t phase10Start;
    int32_t phase11Start;
};

extern SceneState sceneState;
