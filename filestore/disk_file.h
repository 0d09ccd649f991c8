#pragma once
// Files on the disk, for names that are not embedded. Names are taken relative to the current
// directory, exactly as given.
#include <cstdint>
#include <cstdio>
#include <memory>

// The file's size in bytes, or -1 when the file system cannot tell.
int64_t DiskFileSize(const char* name);

// The whole file in a new heap block of `size` bytes, or nullptr when it cannot be opened, its size does
// not fit 32 bits, or the block cannot be allocated. A file that yields fewer bytes than its size said
// leaves the rest of the block zero, so no caller ever sees uninitialised bytes.
std::unique_ptr<uint8_t[]> ReadDiskFile(const char* name, int32_t& size);

// Reads up to `size` bytes of `file` into `block` and zeroes whatever the file did not fill.
void FillBlockFromFile(std::FILE* file, uint8_t* block, size_t size);
