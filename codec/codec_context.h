#pragma once
// The codec library's one context: where diagnostics go, the code of the last failure, and the pixel
// byte order the readers write. The library never throws; readers report through this context.
#include <cstdint>

using LogCallback = void (*)(const char* text);

enum CodecStatus : int32_t {
    NoError = 0,
    InsufficientMemory = 1,
    FileNotFound = 2,
    InvalidData = 3,
    UnsupportedFormat = 4,
    InvalidPaletteSize = 5,
    InvalidDitherType = 6,
    InvalidParameter = 7,
};

struct CodecContext {
    LogCallback logCallback;
    int32_t status;
    int32_t bgrOrder;
};

// A diagnostic line holds at most this many characters; a longer text is cut there.
constexpr int kLogLineBytes = 1024;

void SetLogCallback(LogCallback callback);
void SetStatus(int32_t status);
int32_t GetStatus();
void SetBgrOrder(int32_t bgrOrder);
int32_t GetBgrOrder();

void Log(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// A reader's refusal: logs the text, records the status, and gives the failing result 0.
int Refuse(int32_t status, const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 2, 3)))
#endif
    ;

const char* StatusText(int32_t status);

// Writes the text literally to standard output and flushes it.
void LogToStdout(const char* text);
