#pragma once
// The registry of every block the file store has handed out, so that a caller can give a block back by
// its pointer alone, whatever its origin. Newest first; one node per hand-out, even of the same block.
#include <cstdint>

struct LoadedBlock {
    const uint8_t* bytes;
    LoadedBlock* next;
    int32_t fromResource;  // 1: lies in the program's resources and is never freed; 0: a heap copy
    int32_t size;          // bytes in the block
};

// Puts a node at the head; false (nothing registered) when the node cannot be allocated.
bool RegisterLoadedBlock(const uint8_t* bytes, int32_t size, int32_t fromResource);

// The newest node holding `bytes`, or nullptr.
const LoadedBlock* FindLoadedBlock(const uint8_t* bytes);

// Unlinks and frees the newest node holding `bytes`, freeing a heap block too; an unknown pointer is
// ignored.
void UnregisterLoadedBlock(const uint8_t* bytes);

// The head of the registry, for walking it.
const LoadedBlock* FirstLoadedBlock();
