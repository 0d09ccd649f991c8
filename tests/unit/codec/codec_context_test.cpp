#include "codec/codec_context.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string lastLine;
int lineCount = 0;

void RecordLine(const char* text) {
    lastLine = text;
    ++lineCount;
}

TEST(StatusText, GivesTheFixedTextOfEveryCode) {
    const struct {
        int32_t code;
        const char* text;
    } cases[] = {
        {0, "No error"},
        {1, "Insufficient memory"},
        {2, "File not found"},
        {3, "File data is invalid or corrupt"},
        {4, "File format not supported by this version of PIQ"},
        {5, "Invalid number of colours requested for palette generation"},
        {6, "Invalid dithering type requested"},
        {7, "Invalid function parameter"},
        {8, "Unrecognised error code"},
        {-1, "Unrecognised error code"},
        {INT32_MIN, "Unrecognised error code"},
    };
    for (const auto& c : cases) EXPECT_STREQ(StatusText(c.code), c.text) << c.code;
}

TEST(CodecContext, StartsWithStatusZeroAndRgbOrderAndLogsToStandardOutput) {
    EXPECT_EQ(GetStatus(), 0);
    EXPECT_EQ(GetBgrOrder(), 0);
    testing::internal::CaptureStdout();
    Log("decoding %d%%\n", 50);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "decoding 50%\n");
}

TEST(CodecContext, KeepsWhatItIsGiven) {
    SetStatus(4);
    SetBgrOrder(1);
    EXPECT_EQ(GetStatus(), 4);
    EXPECT_EQ(GetBgrOrder(), 1);
}

TEST(Log, FormatsIntoTheCallbackWithoutAddingALineEnd) {
    SetLogCallback(RecordLine);
    Log("%s %d", "block", 7);
    EXPECT_EQ(lastLine, "block 7");
    EXPECT_EQ(lineCount, 1);
}

TEST(Log, WithNoCallbackCallsNothing) {
    SetLogCallback(RecordLine);
    SetLogCallback(nullptr);
    testing::internal::CaptureStdout();
    Log("silent %d\n", 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(lineCount, 0);
}

TEST(Log, CutsALongTextAt1023Characters) {
    SetLogCallback(RecordLine);
    const std::string text(5000, 'x');
    Log("%s", text.c_str());
    EXPECT_EQ(lastLine, std::string(1023, 'x'));
}

TEST(Refuse, LogsTheTextRecordsTheStatusAndFails) {
    SetLogCallback(RecordLine);
    EXPECT_EQ(Refuse(InvalidData, "Error - found 0x%02X\n", 0xE1), 0);
    EXPECT_EQ(lastLine, "Error - found 0xE1\n");
    EXPECT_EQ(GetStatus(), InvalidData);
    SetLogCallback(nullptr);
    EXPECT_EQ(Refuse(UnsupportedFormat, "silent\n"), 0);
    EXPECT_EQ(lineCount, 1);
    EXPECT_EQ(GetStatus(), UnsupportedFormat);
}

TEST(LogToStdout, WritesTheTextLiterally) {
    testing::internal::CaptureStdout();
    LogToStdout("100% done %d %s\n");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "100% done %d %s\n");
}

}  // namespace
