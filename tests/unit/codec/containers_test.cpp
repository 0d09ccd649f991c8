#include "codec/containers.h"

#include <gtest/gtest.h>

namespace {

TEST(Containers, HoldTheirSizeAndABlockOfThatManyBytes) {
    const auto buffer = CreateByteBuffer(5);
    ASSERT_TRUE(buffer);
    EXPECT_EQ(buffer->size, 5);
    const auto image = CreateRgbImage(3, 2);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    image->pixels[3 * 2 * 3 - 1] = 1;  // the last byte is inside the block (ASan checks it)
    const auto mask = CreateMaskImage(4, 1);
    ASSERT_TRUE(mask);
    mask->pixels[3] = 255;
}

TEST(Containers, EmptyOnesAreValid) {
    EXPECT_TRUE(CreateByteBuffer(0));
    EXPECT_TRUE(CreateRgbImage(0, 7));
    EXPECT_TRUE(CreateMaskImage(7, 0));
}

TEST(Containers, RefuseSizesThatCannotBeHad) {
    EXPECT_FALSE(CreateByteBuffer(-1));
    EXPECT_FALSE(CreateRgbImage(-1, 1));
    EXPECT_FALSE(CreateMaskImage(1, -1));
}

}  // namespace
