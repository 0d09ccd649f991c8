#pragma once
// A file's bytes by name: an embedded file when the name is in the EmbeddedFileTable (ignoring ASCII
// letter case), else the disk file of that name relative to the current directory. Failures give none;
// nothing here raises or writes messages.
#include <cstdint>
#include <memory>

#include "codec/containers.h"

// The file's bytes, read-only, or nullptr when it cannot be found or read. Give it back with
// ReleaseFileBytes; its length comes from FileSizeOf. An embedded file whose resource is missing gives
// nullptr, with no second try on the disk.
const uint8_t* LoadFileBytes(const char* name);

// The table's size for an embedded name, else the disk file's size, else 0 (also for a disk file too
// large for 32 bits).
int32_t FileSizeOf(const char* name);

// Releases a block from LoadFileBytes; a pointer that is not registered is ignored.
void ReleaseFileBytes(const uint8_t* bytes);

// An owned copy of the whole file, or none when it cannot be read or the copy cannot be allocated.
std::unique_ptr<ByteBuffer> ReadFileToBuffer(const char* name);
