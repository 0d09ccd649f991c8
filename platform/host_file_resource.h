#pragma once
// The host's stand-in for the program's "FILES" resources: a table the build generates from the
// resource script, holding each file's bytes.
#include <cstdint>

struct HostFileResource {
    int id;
    const uint8_t* bytes;
};

extern const HostFileResource kHostFileResources[];
extern const int kHostFileResourceCount;
