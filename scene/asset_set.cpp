#include "scene/asset_set.h"

AssetSet assetSet;

void ReleaseAssets() {
    // The order in which LoadAssets fills the slots; an empty slot resets to empty harmlessly.
    assetSet.elf1.reset();
    assetSet.elf2.reset();
    assetSet.elf3.reset();
    assetSet.elf3_right.reset();
    assetSet.tree.reset();
    assetSet.tree_mask.reset();
    assetSet.rope.reset();
    assetSet.ladder.reset();
    for (auto& decoration : assetSet.decoration) {
        decoration.reset();
    }
    assetSet.banner.reset();
    assetSet.banner_mask.reset();
    assetSet.press_a_key.reset();
}
