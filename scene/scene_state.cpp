#include "scene/scene_state.h"

SceneState sceneState = {};

namespace {

constexpr const char* kPhaseNames[] = {
    "NotStarted",  "FadeDesktop",    "DragTree",        "DropRopes",   "ElfDescends",
    "ElfWalksToTree", "RaiseTree",   "PullRopeAway",    "BringLadder", "HangDecorations",
    "LowerBanner", "UnrollBanner",   "Finale",
};
static_assert(sizeof kPhaseNames / sizeof kPhaseNames[0] == kLastPhase + 1, "one name a phase");

}  // namespace

const char* ScenePhaseName(uint32_t phase) {
    return phase <= kLastPhase ? kPhaseNames[phase] : "Invalid";
}
