#pragma once
// The twenty decoded pictures of the scene, loaded once at start-up.

// Loads every picture, raising FatalError naming the file that is missing or bad.
void LoadAssets();

// Releases whatever LoadAssets has loaded, also after it stopped half-way.
void ReleaseAssets();
