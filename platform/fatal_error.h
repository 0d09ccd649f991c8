#pragma once
// The program's one failure path: a printf-style message carried by a std::runtime_error, caught once
// by the entry point, which shows it in the error box.
#include <stdexcept>

// The formatted message is at most this many characters; a longer one is cut there.
constexpr int kFatalMessageChars = 1023;

[[noreturn]] void FatalError(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
