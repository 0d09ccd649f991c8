#include "scene/draw_scene_frame.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/screen.h"
#include "scene/scene_state.h"

namespace {

// A 4 x 2 screen whose capture holds every interesting byte value, and a frame buffer filled with a
// marker so that untouched bytes show.
class SceneFrame : public testing::Test {
protected:
    void SetUp() override {
        screenWidth = 4;
        screenHeight = 2;
        capture = {0, 1, 2, 5, 6, 100, 128, 200, 254, 255, 255, 255,
                   7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
        frame.assign(capture.size(), 0xA5);
        screenCapture.pixels = capture.data();
        frameBuffer.bits = frame.data();
    }

    std::vector<uint8_t> capture;
    std::vector<uint8_t> frame;
};

TEST_F(SceneFrame, FirstFrameSwitchesToTheFadeAndDrawsTheCaptureUnchangedAtTimeZero) {
    DrawSceneFrameAt(0);
    EXPECT_EQ(sceneState.phase, FadeDesktop);
    EXPECT_EQ(frame, capture);
}

TEST_F(SceneFrame, FadeScalesEveryByteByOneFactor) {
    const struct {
        int32_t t;
        int factor;
    } cases[] = {{1, 256}, {14, 256}, {15, 255}, {1500, 149}, {2999, 43}, {3000, 42}};
    for (const auto& c : cases) {
        DrawSceneFrameAt(c.t);
        ASSERT_EQ(sceneState.phase, FadeDesktop) << c.t;
        for (size_t i = 0; i < capture.size(); ++i) {
            ASSERT_EQ(frame[i], (capture[i] * c.factor) >> 8) << "t " << c.t << " byte " << i;
        }
    }
    EXPECT_EQ(frame[9], 41);  // 255 at f = 42
}

TEST_F(SceneFrame, AFrameAfterTheFadeHandsOverWithoutDrawingIt) {
    DrawSceneFrameAt(100);
    frame.assign(capture.size(), 0xA5);
    DrawSceneFrameAt(3001);
    EXPECT_EQ(sceneState.phase, DragTree);
    EXPECT_EQ(frame, std::vector<uint8_t>(capture.size(), 0xA5));
}

TEST_F(SceneFrame, ALateFirstFramePassesSeveralPhasesInOneCall) {
    DrawSceneFrameAt(50000);
    EXPECT_EQ(sceneState.phase, DragTree);
}

TEST_F(SceneFrame, APhaseBeyondTheLastGivesABlackFrameAndStays) {
    sceneState.phase = 13;
    DrawSceneFrameAt(5);
    EXPECT_EQ(frame, std::vector<uint8_t>(capture.size(), 0));
    EXPECT_EQ(sceneState.phase, 13u);
    sceneState.phase = 0xFFFFFFFFu;
    frame.assign(capture.size(), 0xA5);
    DrawSceneFrameAt(5);
    EXPECT_EQ(frame, std::vector<uint8_t>(capture.size(), 0));
}

TEST(ScenePhaseName, NamesEveryPhase) {
    EXPECT_STREQ(ScenePhaseName(NotStarted), "NotStarted");
    EXPECT_STREQ(ScenePhaseName(HangDecorations), "HangDecorations");
    EXPECT_STREQ(ScenePhaseName(Finale), "Finale");
    EXPECT_STREQ(ScenePhaseName(13), "Invalid");
}

}  // namespace
