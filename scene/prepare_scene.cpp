#include "scene/prepare_scene.h"

void PrepareScene() {}

void ReleaseDimmedBackdrop() {}
