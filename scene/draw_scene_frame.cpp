#include "scene/draw_scene_frame.h"

#include <cstring>

#include "platform/screen.h"
#include "scene/scene_clock.h"
#include "scene/scene_phase.h"
#include "scene/scene_state.h"

namespace {

// Indexed by ScenePhase; phase 0 has no steps because it always hands over at once.
constexpr ScenePhaseSteps kPhaseSteps[] = {
    {nullptr, nullptr},                  // NotStarted
    {FadeDesktopEnded, DrawFadeDesktop}, // FadeDesktop
    {PhaseNeverEnds, DrawNothing},       // DragTree
    {PhaseNeverEnds, DrawNothing},       // DropRopes
    {PhaseNeverEnds, DrawNothing},       // ElfDescends
    {PhaseNeverEnds, DrawNothing},       // ElfWalksToTree
    {PhaseNeverEnds, DrawNothing},       // RaiseTree
    {PhaseNeverEnds, DrawNothing},       // PullRopeAway
    {PhaseNeverEnds, DrawNothing},       // BringLadder
    {PhaseNeverEnds, DrawNothing},       // HangDecorations
    {PhaseNeverEnds, DrawNothing},       // LowerBanner
    {PhaseNeverEnds, DrawNothing},       // UnrollBanner
    {PhaseNeverEnds, DrawNothing},       // Finale
};
static_assert(sizeof kPhaseSteps / sizeof kPhaseSteps[0] == kLastPhase + 1, "steps for every phase");

}  // namespace

void DrawSceneFrameAt(int32_t t) {
    for (;;) {
        if (sceneState.phase > kLastPhase) {
            std::memset(frameBuffer.bits, 0, ScreenBytes());
            return;
        }
        if (sceneState.phase == NotStarted) {
            sceneState.phase = FadeDesktop;
            continue;
        }
        const ScenePhaseSteps& steps = kPhaseSteps[sceneState.phase];
        if (!steps.hasEnded(t)) {
            steps.draw(t);
            return;
        }
        ++sceneState.phase;
    }
}

void DrawSceneFrame() { DrawSceneFrameAt(ReadSceneTime()); }
