#pragma once
// The fuzzer's bytes as the ByteBuffer a decoder takes, or none when they would not fit its size.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>

#include "codec/codec_context.h"
#include "codec/containers.h"

inline std::unique_ptr<ByteBuffer> FuzzInput(const uint8_t* data, size_t size) {
    if (size > INT32_MAX) return nullptr;
    SetLogCallback(nullptr);
    std::unique_ptr<ByteBuffer> buffer = CreateByteBuffer(static_cast<int32_t>(size));
    if (buffer && size > 0) std::memcpy(buffer->data.get(), data, size);
    return buffer;
}
