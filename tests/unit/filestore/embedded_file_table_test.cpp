// The generated table against the resource script and the committed pictures, and every picture read
// through the store and decoded.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "codec/codec_context.h"
#include "codec/decoders.h"
#include "filestore/embedded_file_table.h"
#include "filestore/file_store.h"
#include "platform/platform.h"

namespace {

const std::string kSourceDir = TINSELWICK_SOURCE_DIR;

struct ScriptLine {
    int id;
    std::string file;
};

std::vector<ScriptLine> ReadResourceScriptFiles() {
    std::ifstream in(kSourceDir + "/resources/tinselwick.rc");
    const std::regex filesLine(R"(^\s*(\d+)\s+FILES\s+"files/([^"]+)\")");
    std::vector<ScriptLine> lines;
    std::smatch match;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_search(line, match, filesLine)) lines.push_back({std::stoi(match[1]), match[2]});
    }
    return lines;
}

int32_t DiskSize(const std::string& file) {
    return static_cast<int32_t>(std::filesystem::file_size(kSourceDir + "/resources/files/" + file));
}

TEST(EmbeddedFileTable, MatchesTheResourceScriptAndTheFilesOnDisk) {
    const std::vector<ScriptLine> script = ReadResourceScriptFiles();
    ASSERT_EQ(script.size(), 20u);
    EXPECT_EQ(EmbeddedFileTable[0].resourceId, 0);
    EXPECT_EQ(EmbeddedFileTable[0].fileSize, 0);
    EXPECT_STREQ(EmbeddedFileTable[0].fileName, "");
    for (int row = 1; row < kEmbeddedFileRows; ++row) {
        const EmbeddedFileEntry& entry = EmbeddedFileTable[row];
        const ScriptLine& line = script[row - 1];  // the script lists the files sorted by name
        EXPECT_EQ(entry.resourceId, 499 + row) << row;
        EXPECT_EQ(entry.resourceId, line.id) << row;
        EXPECT_EQ(std::string(entry.fileName), "Files\\" + line.file) << row;
        EXPECT_EQ(entry.fileSize, DiskSize(line.file)) << entry.fileName;
        if (row > 1) {
            EXPECT_LT(std::string(EmbeddedFileTable[row - 1].fileName), entry.fileName);
        }
    }
}

TEST(EmbeddedFileTable, EveryResourceHoldsItsFileByteForByte) {
    for (const ScriptLine& line : ReadResourceScriptFiles()) {
        std::ifstream in(kSourceDir + "/resources/files/" + line.file, std::ios::binary);
        const std::vector<char> expected((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const uint8_t* bytes = LockFileResource(line.id);
        ASSERT_NE(bytes, nullptr) << line.file;
        EXPECT_TRUE(std::equal(expected.begin(), expected.end(), reinterpret_cast<const char*>(bytes))) << line.file;
    }
    EXPECT_EQ(LockFileResource(499), nullptr);
    EXPECT_EQ(LockFileResource(520), nullptr);
}

// The sprites' sizes are what the scene's layout is built around.
TEST(EmbeddedPictures, EverySpriteDecodesAtItsSizeWithItsFooter) {
    const struct {
        const char* name;
        int32_t width, height;
    } sprites[] = {
        {"files\\decoration1.tga", 47, 23}, {"files\\decoration2.tga", 29, 28}, {"files\\decoration3.tga", 27, 27},
        {"files\\decoration4.tga", 17, 16}, {"files\\decoration5.tga", 17, 16}, {"files\\decoration6.tga", 17, 16},
        {"files\\decoration7.tga", 17, 16}, {"files\\decoration8.tga", 23, 47}, {"files\\decoration9.tga", 35, 29},
        {"files\\elf1.tga", 60, 67},        {"files\\elf2.tga", 70, 74},        {"files\\elf3.tga", 60, 79},
        {"files\\elf3_right.tga", 60, 79},  {"files\\ladder.tga", 65, 100},     {"files\\press_a_key.tga", 103, 10},
        {"files\\rope.tga", 8, 8},
    };
    SetBgrOrder(1);
    for (const auto& sprite : sprites) {
        auto buffer = ReadFileToBuffer(sprite.name);
        ASSERT_NE(buffer, nullptr) << sprite.name;
        EXPECT_EQ(buffer->size, 18 + sprite.width * sprite.height * 3 + 26) << sprite.name;
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(buffer->data.get()) + buffer->size - 18),
                  "TRUEVISION-XFILE.")
            << sprite.name;
        std::unique_ptr<RgbImage> image;
        ASSERT_EQ(DecodeTga(*buffer, image), 1) << sprite.name << ": " << StatusText(GetStatus());
        EXPECT_EQ(image->width, sprite.width) << sprite.name;
        EXPECT_EQ(image->height, sprite.height) << sprite.name;
    }
}

// Each picture decodes at the size the scene is laid out for, and its mask, filled with 0 and 255 only
// (both present), at the same size.
TEST(EmbeddedPictures, EachMaskDecodesFullAndMatchesItsPicture) {
    SetLogCallback(nullptr);
    const struct {
        const char* picture;
        const char* mask;
        int32_t width, height;
    } pairs[] = {{"files\\tree.jpg", "files\\tree_mask.msk", 416, 480},
                 {"files\\banner.jpg", "files\\banner_mask.msk", 591, 130}};
    for (const auto& pair : pairs) {
        auto pictureFile = ReadFileToBuffer(pair.picture);
        ASSERT_NE(pictureFile, nullptr) << pair.picture;
        std::unique_ptr<RgbImage> picture;
        ASSERT_EQ(DecodeJpeg(*pictureFile, picture), 1) << pair.picture << ": " << StatusText(GetStatus());
        EXPECT_EQ(picture->width, pair.width) << pair.picture;
        EXPECT_EQ(picture->height, pair.height) << pair.picture;

        auto maskFile = ReadFileToBuffer(pair.mask);
        ASSERT_NE(maskFile, nullptr) << pair.mask;
        std::unique_ptr<MaskImage> mask;
        ASSERT_EQ(DecodeMsk(*maskFile, mask), 1) << pair.mask << ": " << StatusText(GetStatus());
        EXPECT_EQ(mask->width, picture->width) << pair.mask;
        EXPECT_EQ(mask->height, picture->height) << pair.mask;
        const uint8_t* pixels = mask->pixels.get();
        const int64_t count = int64_t{mask->width} * mask->height;
        const int64_t shape = std::count(pixels, pixels + count, 255);
        EXPECT_EQ(shape + std::count(pixels, pixels + count, 0), count) << pair.mask;
        EXPECT_GT(shape, 0) << pair.mask;
        EXPECT_LT(shape, count) << pair.mask;
    }
}

}  // namespace
