#include "platform/fatal_error.h"

#include <cstdarg>
#include <cstdio>
#include <string>

void FatalError(const char* format, ...) {
    char message[kFatalMessageChars + 1];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    throw std::runtime_error(std::string(message));
}
