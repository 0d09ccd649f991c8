#pragma once
// A small screen for the scene's tests: the frame buffer pre-filled with a marker so that untouched
// pixels show, and pictures whose every pixel is distinct and opaque.
#include <cstdint>
#include <memory>
#include <vector>

#include "codec/containers.h"
#include "platform/screen.h"

constexpr uint8_t kMarker = 0x5A;

// Points the program-wide screen stores at its own blocks for as long as it lives.
class TestScreen {
public:
    TestScreen(int32_t width, int32_t height)
        : width_(width),
          height_(height),
          frame_(static_cast<size_t>(width) * height * 3, kMarker),
          capture_(frame_.size(), 0) {
        Activate();
    }
    ~TestScreen() {
        frameBuffer.bits = nullptr;
        screenCapture.pixels = nullptr;
        screenWidth = 0;
        screenHeight = 0;
    }
    TestScreen(const TestScreen&) = delete;
    TestScreen& operator=(const TestScreen&) = delete;

    // Makes this screen the one the primitives draw into (when a test uses more than one).
    void Activate() {
        screenWidth = width_;
        screenHeight = height_;
        frameBuffer.bits = frame_.data();
        screenCapture.pixels = capture_.data();
    }

    const uint8_t* Pixel(int32_t x, int32_t y) const {
        return &frame_[(static_cast<size_t>(y) * width_ + x) * 3];
    }
    bool Untouched(int32_t x, int32_t y) const {
        const uint8_t* p = Pixel(x, y);
        return p[0] == kMarker && p[1] == kMarker && p[2] == kMarker;
    }

    // The w x h window whose top-left pixel is (x, y), row by row.
    std::vector<uint8_t> Crop(int32_t x, int32_t y, int32_t w, int32_t h) const {
        std::vector<uint8_t> out;
        for (int32_t row = y; row < y + h; ++row) {
            out.insert(out.end(), Pixel(x, row), Pixel(x, row) + static_cast<size_t>(w) * 3);
        }
        return out;
    }
    bool AllUntouched() const {
        return frame_ == std::vector<uint8_t>(frame_.size(), kMarker);
    }

    std::vector<uint8_t>& frame() { return frame_; }
    std::vector<uint8_t>& capture() { return capture_; }

private:
    int32_t width_;
    int32_t height_;
    std::vector<uint8_t> frame_;
    std::vector<uint8_t> capture_;
};

// Pixel (x, y) is (x + 1, y + 1, 200) in B, G, R: opaque, and different from every other pixel
// and from the marker.
inline std::unique_ptr<RgbImage> MakeNumberedImage(int32_t width, int32_t height) {
    auto image = CreateRgbImage(width, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint8_t* p = &image->pixels[(static_cast<size_t>(y) * width + x) * 3];
            p[0] = static_cast<uint8_t>(x + 1);
            p[1] = static_cast<uint8_t>(y + 1);
            p[2] = 200;
        }
    }
    return image;
}

inline const uint8_t* ImageAt(const RgbImage& image, int32_t x, int32_t y) {
    return &image.pixels[(static_cast<size_t>(y) * image.width + x) * 3];
}

inline bool SamePixel(const uint8_t* a, const uint8_t* b) {
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}
