#include "codec/codec_context.h"

#include <cstdarg>
#include <cstdio>

namespace {

CodecContext context = {LogToStdout, NoError, 0};

constexpr const char* kStatusTexts[] = {
    "No error",
    "Insufficient memory",
    "File not found",
    "File data is invalid or corrupt",
    "File format not supported by this version of PIQ",
    "Invalid number of colours requested for palette generation",
    "Invalid dithering type requested",
    "Invalid function parameter",
};
constexpr uint32_t kStatusCount = sizeof kStatusTexts / sizeof kStatusTexts[0];

}  // namespace

void SetLogCallback(LogCallback callback) { context.logCallback = callback; }
void SetStatus(int32_t status) { context.status = status; }
int32_t GetStatus() { return context.status; }
void SetBgrOrder(int32_t bgrOrder) { context.bgrOrder = bgrOrder; }
int32_t GetBgrOrder() { return context.bgrOrder; }

namespace {

void LogArguments(const char* format, va_list args) {
    if (!context.logCallback) return;
    char line[kLogLineBytes];
    std::vsnprintf(line, sizeof line, format, args);
    context.logCallback(line);
}

}  // namespace

void Log(const char* format, ...) {
    va_list args;
    va_start(args, format);
    LogArguments(format, args);
    va_end(args);
}

int Refuse(int32_t status, const char* format, ...) {
    va_list args;
    va_start(args, format);
    LogArguments(format, args);
    va_end(args);
    SetStatus(status);
    return 0;
}

const char* StatusText(int32_t status) {
    const uint32_t code = static_cast<uint32_t>(status);
    return code < kStatusCount ? kStatusTexts[code] : "Unrecognised error code";
}

void LogToStdout(const char* text) {
    std::fputs(text, stdout);
    std::fflush(stdout);
}
