#pragma once
// The work done once before the first frame: the dimmed backdrop, the masked pictures and the
// decoration slots.

void PrepareScene();

// Frees the dimmed backdrop; the shell calls it at shutdown.
void ReleaseDimmedBackdrop();
