#pragma once
// The twenty decoded pictures of the scene, loaded once at start-up and kept for the whole run.
#include <array>
#include <memory>

#include "codec/containers.h"

constexpr int kDecorationPictures = 9;

// Members are named after their files. Every RgbImage is B, G, R, the frame buffer's byte order.
struct AssetSet {
    std::unique_ptr<RgbImage> elf1;
    std::unique_ptr<RgbImage> elf2;
    std::unique_ptr<RgbImage> elf3;
    std::unique_ptr<RgbImage> elf3_right;
    std::unique_ptr<RgbImage> tree;
    std::unique_ptr<MaskImage> tree_mask;
    std::unique_ptr<RgbImage> rope;
    std::unique_ptr<RgbImage> ladder;
    // Indexed by the number in the file name, 1 to 9; entry 0 stays empty.
    std::unique_ptr<RgbImage> decoration[kDecorationPictures + 1];
    std::unique_ptr<RgbImage> banner;
    std::unique_ptr<MaskImage> banner_mask;
    std::unique_ptr<RgbImage> press_a_key;
};

extern AssetSet assetSet;

// The files LoadAssets reads, in the order it reads them.
enum AssetFile {
    kElf1File,
    kElf2File,
    kElf3File,
    kElf3RightFile,
    kTreeFile,
    kTreeMaskFile,
    kRopeFile,
    kLadderFile,
    kDecoration1File,  // followed by the files of decoration 2 to 9
    kBannerFile = kDecoration1File + kDecorationPictures,
    kBannerMaskFile,
    kPressAKeyFile,
    kAssetFileCount,
};

using AssetFileNames = std::array<const char*, kAssetFileCount>;

// The names of the embedded files, as the file store's table knows them.
extern const AssetFileNames kAssetFileNames;

// Loads every picture, raising FatalError naming the file that is missing or bad.
void LoadAssets();

// LoadAssets with other names for the same pictures: lets a test put files of its own in their place.
void LoadAssetsNamed(const AssetFileNames& names);

// Releases whatever LoadAssets has loaded, also after it stopped half-way.
void ReleaseAssets();

// Each reads the named file through the file store and decodes it, raising FatalError that names
// the file when it cannot be read or decoded. The caller owns the result.
std::unique_ptr<RgbImage> LoadTgaAsset(const char* name);
std::unique_ptr<RgbImage> LoadJpegAsset(const char* name);
std::unique_ptr<MaskImage> LoadMskAsset(const char* name);
