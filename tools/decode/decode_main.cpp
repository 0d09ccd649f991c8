// tinselwick-decode [--log] INPUT OUTPUT: decodes a picture file with the program's own readers and
// writes it as binary PPM (colour) or PGM (mask). Exit 0 on success; on failure one line on standard
// error naming the file and the reason, and exit 1.
#include <cstdio>
#include <cstring>
#include <string>

#include "codec/codec_context.h"
#include "tools/decode/netpbm_picture.h"
#include "tools/decode/picture_decoders.h"

namespace {

struct Arguments {
    bool log = false;
    const char* input = nullptr;
    const char* output = nullptr;
};

bool ParseArguments(int argc, char** argv, Arguments& arguments) {
    int next = 1;
    if (next < argc && std::strcmp(argv[next], "--log") == 0) {
        arguments.log = true;
        ++next;
    }
    if (argc - next != 2) return false;
    arguments.input = argv[next];
    arguments.output = argv[next + 1];
    return true;
}

int Fail(const char* input, const char* reason) {
    std::fprintf(stderr, "Error decoding file '%s': %s\n", input, reason);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    Arguments arguments;
    if (!ParseArguments(argc, argv, arguments)) {
        std::fprintf(stderr, "usage: tinselwick-decode [--log] INPUT OUTPUT\n"
                             "  INPUT .tga, .msk or a JPEG; OUTPUT is written as PPM (colour) or PGM (mask)\n");
        return 1;
    }
    SetLogCallback(arguments.log ? LogToStdout : nullptr);
    // PPM and PGM store red first.
    SetBgrOrder(0);
    const PictureDecoder* decoder = FindPictureDecoder(arguments.input);
    if (!decoder) return Fail(arguments.input, StatusText(InvalidParameter));
    std::unique_ptr<ByteBuffer> file = ReadWholeFile(arguments.input);
    if (!file) return Fail(arguments.input, StatusText(FileNotFound));
    NetpbmPicture picture;
    if (decoder->decode(*file, picture) != 1) return Fail(arguments.input, StatusText(GetStatus()));
    if (!WriteNetpbm(picture, arguments.output)) {
        std::fprintf(stderr, "Error writing file '%s'\n", arguments.output);
        return 1;
    }
    return 0;
}
