#pragma once
// The desktop capture at one sixth of its brightness, built once so that every frame from the tree
// drag-in on starts with a single block copy instead of a per-byte computation.
#include <cstdint>
#include <memory>

// screenWidth x screenHeight pixels of B, G, R, laid out like the screen capture and the frame buffer.
struct DimmedBackdrop {
    std::unique_ptr<uint8_t[]> pixels;
};

extern DimmedBackdrop dimmedBackdrop;

// Each byte is the capture's byte at the same offset divided by 6. Raises FatalError when the block
// cannot be allocated.
void BuildDimmedBackdrop();

// The whole backdrop over the whole frame buffer.
void CopyBackdrop();

// Frees the dimmed backdrop; the shell calls it at shutdown.
void ReleaseDimmedBackdrop();
