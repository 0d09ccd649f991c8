#include "filestore/disk_file.h"

#include <cstring>
#include <filesystem>
#include <limits>
#include <new>
#include <system_error>

namespace {

bool CanOpen(const char* name) {
    std::FILE* file = std::fopen(name, "rb");
    if (!file) return false;
    std::fclose(file);
    return true;
}

}  // namespace

int64_t DiskFileSize(const char* name) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(name, error);
    if (error || size > static_cast<std::uintmax_t>(std::numeric_limits<int64_t>::max())) return -1;
    return static_cast<int64_t>(size);
}

void FillBlockFromFile(std::FILE* file, uint8_t* block, size_t size) {
    const size_t read = std::fread(block, 1, size, file);
    std::memset(block + read, 0, size - read);
}

std::unique_ptr<uint8_t[]> ReadDiskFile(const char* name, int32_t& size) {
    if (!CanOpen(name)) return nullptr;
    // An unknown size reads as an empty file, as the first open proved the file is there.
    const int64_t knownSize = DiskFileSize(name);
    const int64_t diskSize = knownSize < 0 ? 0 : knownSize;
    if (diskSize > std::numeric_limits<int32_t>::max()) return nullptr;
    std::FILE* file = std::fopen(name, "rb");
    if (!file) return nullptr;
    std::unique_ptr<uint8_t[]> block(new (std::nothrow) uint8_t[static_cast<size_t>(diskSize)]);
    if (block) FillBlockFromFile(file, block.get(), static_cast<size_t>(diskSize));
    std::fclose(file);
    if (block) size = static_cast<int32_t>(diskSize);
    return block;
}
