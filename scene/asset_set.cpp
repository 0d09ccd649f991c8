#include "scene/asset_set.h"

void LoadAssets() {}

void ReleaseAssets() {}
