#include "platform/fatal_error.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string MessageOf(void (*raise)()) {
    try {
        raise();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    ADD_FAILURE() << "nothing was thrown";
    return {};
}

TEST(FatalError, ThrowsTheFormattedMessageAsARuntimeError) {
    EXPECT_EQ(MessageOf([] { FatalError("Unable to open file: '%s'", "files\\elf1.tga"); }),
              "Unable to open file: 'files\\elf1.tga'");
}

TEST(FatalError, CutsALongMessageAt1023Characters) {
    EXPECT_EQ(MessageOf([] { FatalError("%s", std::string(3000, 'e').c_str()); }),
              std::string(1023, 'e'));
}

}  // namespace
