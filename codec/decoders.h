#pragma once
// The library's three entry points. Each sets `out` to none, runs its reader on the whole file in
// `buffer` and returns 1 with a new image in `out`, or 0 with `out` still none, the failure's code
// recorded with SetStatus and a text naming the fault passed to Log.
#include <memory>

#include "codec/containers.h"

int DecodeJpeg(const ByteBuffer& buffer, std::unique_ptr<RgbImage>& out);
int DecodeTga(const ByteBuffer& buffer, std::unique_ptr<RgbImage>& out);
int DecodeMsk(const ByteBuffer& buffer, std::unique_ptr<MaskImage>& out);
