#include "platform/host_file_resource.h"

#include "platform/platform.h"

const uint8_t* LockFileResource(int id) {
    for (int i = 0; i < kHostFileResourceCount; ++i) {
        if (kHostFileResources[i].bytes && kHostFileResources[i].id == id) return kHostFileResources[i].bytes;
    }
    return nullptr;
}
