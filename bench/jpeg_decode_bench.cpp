// The program's two JPEG pictures decoded by DecodeJpeg and, as the reference, by libjpeg-turbo's
// TurboJPEG API from the same bytes into the same B, G, R layout.
#include <benchmark/benchmark.h>
#include <turbojpeg.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "codec/codec_context.h"
#include "codec/decoders.h"

namespace {

std::vector<unsigned char> ReadPicture(const char* name) {
    std::ifstream file(std::string(TINSELWICK_SOURCE_DIR) + "/resources/files/" + name, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
}

void DecodeWithTinselwick(benchmark::State& state, const char* name) {
    const std::vector<unsigned char> bytes = ReadPicture(name);
    ByteBuffer buffer;
    buffer.size = static_cast<int32_t>(bytes.size());
    buffer.data.reset(new uint8_t[bytes.size()]);
    std::memcpy(buffer.data.get(), bytes.data(), bytes.size());
    SetLogCallback(nullptr);
    SetBgrOrder(1);
    for (auto _ : state) {
        std::unique_ptr<RgbImage> image;
        if (DecodeJpeg(buffer, image) != 1) {
            state.SkipWithError("DecodeJpeg failed");
            return;
        }
        benchmark::DoNotOptimize(image->pixels.get());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
}

void DecodeWithTurboJpeg(benchmark::State& state, const char* name) {
    std::vector<unsigned char> bytes = ReadPicture(name);
    tjhandle handle = tjInitDecompress();
    int width = 0, height = 0, subsampling = 0, colourspace = 0;
    if (tjDecompressHeader3(handle, bytes.data(), static_cast<unsigned long>(bytes.size()), &width, &height,
                            &subsampling, &colourspace) != 0) {
        state.SkipWithError(tjGetErrorStr2(handle));
        tjDestroy(handle);
        return;
    }
    std::vector<unsigned char> pixels(size_t(width) * height * 3);
    for (auto _ : state) {
        if (tjDecompress2(handle, bytes.data(), static_cast<unsigned long>(bytes.size()), pixels.data(), width, 0,
                          height, TJPF_BGR, TJFLAG_FASTUPSAMPLE) != 0) {
            state.SkipWithError(tjGetErrorStr2(handle));
            break;
        }
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(bytes.size()));
    tjDestroy(handle);
}

BENCHMARK_CAPTURE(DecodeWithTinselwick, tree, "tree.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodeWithTurboJpeg, tree, "tree.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodeWithTinselwick, banner, "banner.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodeWithTurboJpeg, banner, "banner.jpg")->Unit(benchmark::kMillisecond);

}  // namespace
