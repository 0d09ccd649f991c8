#include "filestore/loaded_blocks.h"

#include <new>

namespace {

LoadedBlock* loadedBlocks = nullptr;

}  // namespace

bool RegisterLoadedBlock(const uint8_t* bytes, int32_t size, int32_t fromResource) {
    LoadedBlock* node = new (std::nothrow) LoadedBlock{bytes, loadedBlocks, fromResource, size};
    if (!node) return false;
    loadedBlocks = node;
    return true;
}

const LoadedBlock* FindLoadedBlock(const uint8_t* bytes) {
    for (const LoadedBlock* node = loadedBlocks; node; node = node->next) {
        if (node->bytes == bytes) return node;
    }
    return nullptr;
}

void UnregisterLoadedBlock(const uint8_t* bytes) {
    LoadedBlock** link = &loadedBlocks;
    while (*link && (*link)->bytes != bytes) link = &(*link)->next;
    LoadedBlock* node = *link;
    if (!node) return;
    if (node->fromResource == 0) delete[] node->bytes;
    *link = node->next;
    delete node;
}

const LoadedBlock* FirstLoadedBlock() { return loadedBlocks; }
