#include <cstdint>

#include "codec/codec_context.h"
#include "codec/decoders.h"
#include "filestore/file_store.h"
#include "platform/fatal_error.h"
#include "scene/asset_set.h"

const AssetFileNames kAssetFileNames = {
    "files\\elf1.tga",        "files\\elf2.tga",        "files\\elf3.tga",
    "files\\elf3_right.tga",  "files\\tree.jpg",        "files\\tree_mask.msk",
    "files\\rope.tga",        "files\\ladder.tga",      "files\\decoration1.tga",
    "files\\decoration2.tga", "files\\decoration3.tga", "files\\decoration4.tga",
    "files\\decoration5.tga", "files\\decoration6.tga", "files\\decoration7.tga",
    "files\\decoration8.tga", "files\\decoration9.tga", "files\\banner.jpg",
    "files\\banner_mask.msk", "files\\press_a_key.tga",
};

namespace {

template <typename Image>
using Decoder = int (*)(const ByteBuffer&, std::unique_ptr<Image>&);

// The buffer lives only for the one decode; the image goes to the caller.
template <typename Image>
std::unique_ptr<Image> LoadAsset(const char* name, Decoder<Image> decode) {
    const std::unique_ptr<ByteBuffer> buffer = ReadFileToBuffer(name);
    if (!buffer) {
        FatalError("Unable to open file: '%s'", name);
    }
    std::unique_ptr<Image> image;
    if (decode(*buffer, image) != 1) {
        FatalError("Error decoding file '%s': %s", name, StatusText(GetStatus()));
    }
    return image;
}

struct SizeMismatchMessages {
    const char* width;
    const char* height;
};

constexpr SizeMismatchMessages kTreeMismatch = {"Tree mask must have same width as tree",
                                                "Tree mask must have same height as tree"};
constexpr SizeMismatchMessages kBannerMismatch = {"Banner mask must have same width as banner",
                                                  "Banner mask must have same height as banner"};

// Width first: a mask wrong in both is reported for its width.
void RequireMaskFits(const MaskImage& mask, const RgbImage& picture,
                     const SizeMismatchMessages& messages) {
    if (mask.width != picture.width) {
        FatalError("%s", messages.width);
    }
    if (mask.height != picture.height) {
        FatalError("%s", messages.height);
    }
}

}  // namespace

std::unique_ptr<RgbImage> LoadTgaAsset(const char* name) { return LoadAsset(name, DecodeTga); }

std::unique_ptr<RgbImage> LoadJpegAsset(const char* name) { return LoadAsset(name, DecodeJpeg); }

std::unique_ptr<MaskImage> LoadMskAsset(const char* name) { return LoadAsset(name, DecodeMsk); }

void LoadAssetsNamed(const AssetFileNames& names) {
    // The sprites are copied byte for byte into the B, G, R frame buffer.
    SetBgrOrder(1);
    AssetSet& set = assetSet;
    set.elf1 = LoadTgaAsset(names[kElf1File]);
    set.elf2 = LoadTgaAsset(names[kElf2File]);
    set.elf3 = LoadTgaAsset(names[kElf3File]);
    set.elf3_right = LoadTgaAsset(names[kElf3RightFile]);
    set.tree = LoadJpegAsset(names[kTreeFile]);
    set.tree_mask = LoadMskAsset(names[kTreeMaskFile]);
    RequireMaskFits(*set.tree_mask, *set.tree, kTreeMismatch);
    set.rope = LoadTgaAsset(names[kRopeFile]);
    set.ladder = LoadTgaAsset(names[kLadderFile]);
    for (int k = 1; k <= kDecorationPictures; ++k) {
        set.decoration[k] = LoadTgaAsset(names[kDecoration1File + k - 1]);
    }
    set.banner = LoadJpegAsset(names[kBannerFile]);
    set.banner_mask = LoadMskAsset(names[kBannerMaskFile]);
    RequireMaskFits(*set.banner_mask, *set.banner, kBannerMismatch);
    set.press_a_key = LoadTgaAsset(names[kPressAKeyFile]);
}

void LoadAssets() { LoadAssetsNamed(kAssetFileNames); }
