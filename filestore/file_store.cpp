#include "filestore/file_store.h"

#include <cstring>
#include <limits>

#include "filestore/disk_file.h"
#include "filestore/embedded_file_table.h"
#include "filestore/loaded_blocks.h"
#include "platform/platform.h"

namespace {

const uint8_t* LoadEmbeddedBytes(const EmbeddedFileEntry& entry) {
    const uint8_t* bytes = LockFileResource(entry.resourceId & 0xFFFF);
    if (!bytes || !RegisterLoadedBlock(bytes, entry.fileSize, 1)) return nullptr;
    return bytes;
}

const uint8_t* LoadDiskBytes(const char* name) {
    int32_t size = 0;
    std::unique_ptr<uint8_t[]> block = ReadDiskFile(name, size);
    if (!block || !RegisterLoadedBlock(block.get(), size, 0)) return nullptr;
    return block.release();
}

}  // namespace

const uint8_t* LoadFileBytes(const char* name) {
    const EmbeddedFileEntry* entry = FindEmbeddedFile(name);
    return entry ? LoadEmbeddedBytes(*entry) : LoadDiskBytes(name);
}

int32_t FileSizeOf(const char* name) {
    if (const EmbeddedFileEntry* entry = FindEmbeddedFile(name)) return entry->fileSize;
    const int64_t size = DiskFileSize(name);
    return size < 0 || size > std::numeric_limits<int32_t>::max() ? 0 : static_cast<int32_t>(size);
}

void ReleaseFileBytes(const uint8_t* bytes) { UnregisterLoadedBlock(bytes); }

std::unique_ptr<ByteBuffer> ReadFileToBuffer(const char* name) {
    const uint8_t* bytes = LoadFileBytes(name);
    if (!bytes) return nullptr;
    const int32_t size = FileSizeOf(name);
    // A disk file that changed size since it was read must not make the copy run past its block.
    std::unique_ptr<ByteBuffer> buffer =
        size == FindLoadedBlock(bytes)->size ? CreateByteBuffer(size) : nullptr;
    if (buffer) std::memcpy(buffer->data.get(), bytes, static_cast<size_t>(size));
    ReleaseFileBytes(bytes);
    return buffer;
}
