#include "scene/scene_clock.h"

#include "platform/platform.h"
#include "scene/scene_state.h"

int32_t SceneTimeBetween(int64_t now, int64_t start, int64_t frequency) {
    const int64_t milliseconds = (now - start) * 1000 / frequency;
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(milliseconds)));
}

int32_t ReadSceneTime() {
    return SceneTimeBetween(ReadPerformanceCounter(), sceneState.startCounter,
                            ReadPerformanceFrequency());
}
