// Names match whole, ignoring the case of ASCII letters only: the table says "Files\" where callers say
// "files\". The comparison is written out because the C library's case folding follows the locale.
#include "filestore/embedded_file_table.h"

namespace {

char FoldAsciiLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameNameIgnoringAsciiCase(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        if (FoldAsciiLetter(*a) != FoldAsciiLetter(*b)) return false;
    }
    return *a == *b;
}

}  // namespace

const EmbeddedFileEntry* FindEmbeddedFile(const char* name) {
    for (int32_t row = 1; row < kEmbeddedFileRows; ++row) {
        if (SameNameIgnoringAsciiCase(EmbeddedFileTable[row].fileName, name)) return &EmbeddedFileTable[row];
    }
    return nullptr;
}
