#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "codec/codec_context.h"
#include "codec/decoders.h"
#include "filestore/file_store.h"
#include "scene/asset_set.h"

namespace {

namespace fs = std::filesystem;

const fs::path kShippedFiles = fs::path(TINSELWICK_SOURCE_DIR) / "resources" / "files";

std::vector<uint8_t> ReadShipped(const char* file) {
    std::ifstream in(kShippedFiles / file, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// The mask header for width x height followed by runs of 0 that fill it exactly.
std::vector<uint8_t> BlankMask(int32_t width, int32_t height) {
    std::vector<uint8_t> file = {'M', 'S', 'K', 1, 0, 0, static_cast<uint8_t>(width >> 8),
                                 static_cast<uint8_t>(width), static_cast<uint8_t>(height >> 8),
                                 static_cast<uint8_t>(height)};
    for (int32_t left = width * height; left > 0; left -= 255) {
        file.push_back(static_cast<uint8_t>(std::min(left, 255)));
        file.push_back(0);  // an empty run of 255 keeps the next run at 0
    }
    return file;
}

// Whether each slot is filled, in loading order.
std::vector<bool> FilledSlots() {
    const AssetSet& a = assetSet;
    std::vector<bool> filled = {a.elf1 != nullptr, a.elf2 != nullptr,  a.elf3 != nullptr,
                                a.elf3_right != nullptr, a.tree != nullptr, a.tree_mask != nullptr,
                                a.rope != nullptr, a.ladder != nullptr};
    for (int k = 1; k <= kDecorationPictures; ++k) {
        filled.push_back(a.decoration[k] != nullptr);
    }
    filled.insert(filled.end(),
                  {a.banner != nullptr, a.banner_mask != nullptr, a.press_a_key != nullptr});
    return filled;
}

// A temporary directory, made current for the test, for files standing in for bad pictures.
class AssetLoading : public testing::Test {
protected:
    void SetUp() override {
        SetLogCallback(nullptr);
        char pattern[] = "/tmp/tinselwick-assets-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        directory = pattern;
        previous = fs::current_path();
        fs::current_path(directory);
    }
    void TearDown() override {
        ReleaseAssets();
        fs::current_path(previous);
        fs::remove_all(directory);
    }

    // The shipped pictures, read from the disk under names the embedded table does not know.
    static AssetFileNames ShippedFilesOnDisk(std::vector<std::string>& storage) {
        storage.clear();
        for (const char* name : kAssetFileNames) {
            storage.push_back((kShippedFiles / (std::string(name).substr(6))).string());
        }
        AssetFileNames names;
        for (size_t i = 0; i < names.size(); ++i) {
            names[i] = storage[i].c_str();
        }
        return names;
    }

    static void Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        std::ofstream(name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    fs::path directory;
    fs::path previous;
};

TEST_F(AssetLoading, LoadsEveryEmbeddedPictureWithoutTheDisk) {
    LoadAssets();  // the current directory is empty
    EXPECT_EQ(GetBgrOrder(), 1);
    const struct {
        const char* name;
        const RgbImage* image;
        int32_t width, height;
    } sprites[] = {
        {"elf1", assetSet.elf1.get(), 60, 67},          {"elf2", assetSet.elf2.get(), 70, 74},
        {"elf3", assetSet.elf3.get(), 60, 79},          {"elf3_right", assetSet.elf3_right.get(), 60, 79},
        {"rope", assetSet.rope.get(), 8, 8},            {"ladder", assetSet.ladder.get(), 65, 100},
        {"decoration1", assetSet.decoration[1].get(), 47, 23},
        {"decoration2", assetSet.decoration[2].get(), 29, 28},
        {"decoration3", assetSet.decoration[3].get(), 27, 27},
        {"decoration4", assetSet.decoration[4].get(), 17, 16},
        {"decoration5", assetSet.decoration[5].get(), 17, 16},
        {"decoration6", assetSet.decoration[6].get(), 17, 16},
        {"decoration7", assetSet.decoration[7].get(), 17, 16},
        {"decoration8", assetSet.decoration[8].get(), 23, 47},
        {"decoration9", assetSet.decoration[9].get(), 35, 29},
        {"press_a_key", assetSet.press_a_key.get(), 103, 10},
        {"tree", assetSet.tree.get(), 416, 480},        {"banner", assetSet.banner.get(), 591, 130},
    };
    for (const auto& s : sprites) {
        ASSERT_NE(s.image, nullptr) << s.name;
        EXPECT_EQ(s.image->width, s.width) << s.name;
        EXPECT_EQ(s.image->height, s.height) << s.name;
    }
    EXPECT_EQ(assetSet.tree_mask->width, 416);
    EXPECT_EQ(assetSet.tree_mask->height, 480);
    EXPECT_EQ(assetSet.banner_mask->width, 591);
    EXPECT_EQ(assetSet.banner_mask->height, 130);
    EXPECT_EQ(assetSet.decoration[0], nullptr);
}

TEST_F(AssetLoading, PicturesArriveInBlueGreenRedOrder) {
    SetBgrOrder(0);
    std::unique_ptr<RgbImage> redGreenBlue;
    ASSERT_EQ(DecodeJpeg(*ReadFileToBuffer("files\\tree.jpg"), redGreenBlue), 1);
    LoadAssets();
    const RgbImage& tree = *assetSet.tree;
    const size_t count = static_cast<size_t>(tree.width) * tree.height * 3;
    bool blueDiffersFromRed = false;
    for (size_t i = 0; i < count; i += 3) {
        ASSERT_EQ(tree.pixels[i], redGreenBlue->pixels[i + 2]) << i;
        ASSERT_EQ(tree.pixels[i + 1], redGreenBlue->pixels[i + 1]) << i;
        ASSERT_EQ(tree.pixels[i + 2], redGreenBlue->pixels[i]) << i;
        blueDiffersFromRed |= tree.pixels[i] != tree.pixels[i + 2];
    }
    EXPECT_TRUE(blueDiffersFromRed);
}

// Each case puts one file of its own in place of a shipped one; %s in the message is that file's
// name as asked for. Loading stops at the first failure, and the slots before it stay filled.
TEST_F(AssetLoading, EachFailureNamesItsFileAndStopsLoadingThere) {
    std::vector<uint8_t> colourMappedRope = ReadShipped("rope.tga");
    colourMappedRope[1] = 1;
    std::vector<uint8_t> overrunTreeMask = ReadShipped("tree_mask.msk");
    overrunTreeMask.push_back(1);
    const std::vector<uint8_t> notAJpeg = {'n', 'o', 't', ' ', 'a', ' ', 'J', 'P', 'E', 'G'};
    const struct {
        const char* what;
        AssetFile file;
        bool missing;
        std::vector<uint8_t> bytes;
        const char* message;
        int filledSlots;
    } cases[] = {
        {"first file missing", kElf1File, true, {}, "Unable to open file: '%s'", 0},
        {"fifth decoration missing", AssetFile(kDecoration1File + 4), true, {},
         "Unable to open file: '%s'", kDecoration1File + 4},
        {"rope with a colour map", kRopeFile, false, colourMappedRope,
         "Error decoding file '%s': File format not supported by this version of PIQ", kRopeFile},
        {"tree mask runs past its end", kTreeMaskFile, false, overrunTreeMask,
         "Error decoding file '%s': File data is invalid or corrupt", kTreeMaskFile},
        {"banner that is no JPEG", kBannerFile, false, notAJpeg, nullptr, kBannerFile},
        {"tree mask of the banner's size", kTreeMaskFile, false, ReadShipped("banner_mask.msk"),
         "Tree mask must have same width as tree", kTreeMaskFile + 1},
        {"tree mask one row short", kTreeMaskFile, false, BlankMask(416, 479),
         "Tree mask must have same height as tree", kTreeMaskFile + 1},
        {"banner mask of the tree's size", kBannerMaskFile, false, ReadShipped("tree_mask.msk"),
         "Banner mask must have same width as banner", kBannerMaskFile + 1},
        {"banner mask one row short", kBannerMaskFile, false, BlankMask(591, 129),
         "Banner mask must have same height as banner", kBannerMaskFile + 1},
        {"last file missing", kPressAKeyFile, true, {}, "Unable to open file: '%s'", kPressAKeyFile},
    };
    std::vector<std::string> storage;
    for (const auto& c : cases) {
        AssetFileNames names = ShippedFilesOnDisk(storage);
        const std::string standIn = std::string("stand-in-") + std::to_string(c.file);
        if (!c.missing) {
            Write(standIn, c.bytes);
        }
        names[c.file] = standIn.c_str();
        std::string expected;
        try {
            LoadAssetsNamed(names);
            ADD_FAILURE() << c.what << ": loaded";
            continue;
        } catch (const std::runtime_error& e) {
            // A JPEG's refusal carries the text of whatever status its decoder recorded.
            const std::string format = c.message ? c.message : "Error decoding file '%s': " +
                                                                   std::string(StatusText(GetStatus()));
            char buffer[512];
            std::snprintf(buffer, sizeof buffer, format.c_str(), standIn.c_str());
            EXPECT_EQ(std::string(e.what()), buffer) << c.what;
        }
        const std::vector<bool> filled = FilledSlots();
        for (int i = 0; i < kAssetFileCount; ++i) {
            EXPECT_EQ(filled[i], i < c.filledSlots) << c.what << ": slot " << i;
        }
        ReleaseAssets();
        EXPECT_EQ(FilledSlots(), std::vector<bool>(kAssetFileCount, false)) << c.what;
    }
}

TEST_F(AssetLoading, ReleasingTwiceAndOnAnEmptySetIsHarmless) {
    ReleaseAssets();
    LoadAssets();
    ReleaseAssets();
    ReleaseAssets();
    EXPECT_EQ(FilledSlots(), std::vector<bool>(kAssetFileCount, false));
}

}  // namespace
