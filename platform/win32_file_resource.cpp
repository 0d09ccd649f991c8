// The embedded files are resources of the string type "FILES" in the program's own module; a locked
// resource stays valid, read-only, for the whole run.
#include <windows.h>

#include "platform/platform.h"

const uint8_t* LockFileResource(int id) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC info = FindResourceA(module, MAKEINTRESOURCEA(id), "FILES");
    if (!info) return nullptr;
    HGLOBAL handle = LoadResource(module, info);
    if (!handle) return nullptr;
    return static_cast<const uint8_t*>(LockResource(handle));
}
