#pragma once
// Which reader decodes a file, chosen by the file name's extension (ignoring letter case).
#include <memory>

#include "codec/containers.h"
#include "tools/decode/netpbm_picture.h"

struct PictureDecoder {
    const char* extension;  // with its dot, lower case
    int (*decode)(const ByteBuffer& file, NetpbmPicture& picture);
};

// The decoder for `name`'s extension, or nullptr when no reader takes it.
const PictureDecoder* FindPictureDecoder(const char* name);

// The whole disk file, or none when it cannot be read or does not fit a ByteBuffer.
std::unique_ptr<ByteBuffer> ReadWholeFile(const char* name);
