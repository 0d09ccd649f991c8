#include "jpeg_stream_writer.h"

#include <algorithm>
#include <cstdlib>

#include "codec/codec_context.h"

namespace {

int Category(int32_t value) {
    int category = 0;
    for (int32_t magnitude = std::abs(value); magnitude != 0; magnitude >>= 1) ++category;
    return category;
}

// The extra bits of a value of the given category: negative values are stored as value - 1 in
// two's complement, cut to the category's width.
uint32_t ExtraBits(int32_t value, int category) {
    const int32_t stored = value < 0 ? value - 1 : value;
    return static_cast<uint32_t>(stored) & ((1u << category) - 1);
}

std::string capturedLog;

void Capture(const char* text) { capturedLog += text; }

}  // namespace

const ComponentSpec JpegStreamWriter::kPlain[3] = {{1, 1, 0}, {1, 1, 0}, {1, 1, 0}};

void BitWriter::Put(uint32_t value, int count) {
    for (int i = count - 1; i >= 0; --i) {
        current_ = (current_ << 1) | ((value >> i) & 1);
        if (++used_ == 8) {
            bytes_.push_back(static_cast<uint8_t>(current_));
            if (current_ == 0xFF) bytes_.push_back(0);
            current_ = 0;
            used_ = 0;
        }
    }
}

void BitWriter::PutDc(int32_t diff) {
    const int category = Category(diff);
    Put(category, 4);
    Put(ExtraBits(diff, category), category);
}

void BitWriter::PutAc(int32_t run, int32_t value) {
    const int category = Category(value);
    Put(static_cast<uint32_t>(run << 4 | category), 8);
    Put(ExtraBits(value, category), category);
}

Bytes BitWriter::Finish() {
    while (used_ != 0) Put(1, 1);
    return bytes_;
}

Bytes FixedDcTableBody(int id) {
    Bytes body = {static_cast<uint8_t>(0x00 | id)};
    for (int length = 1; length <= 16; ++length) body.push_back(length == 4 ? 12 : 0);
    for (uint8_t category = 0; category < 12; ++category) body.push_back(category);
    return body;
}

Bytes FixedAcTableBody(int id) {
    Bytes body = {static_cast<uint8_t>(0x10 | id)};
    for (int length = 1; length <= 16; ++length) body.push_back(length == 8 ? 255 : 0);
    for (int symbol = 0; symbol < 255; ++symbol) body.push_back(static_cast<uint8_t>(symbol));
    return body;
}

JpegStreamWriter& JpegStreamWriter::Raw(const Bytes& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

JpegStreamWriter& JpegStreamWriter::Marker(uint8_t code) { return Raw({0xFF, code}); }

JpegStreamWriter& JpegStreamWriter::Segment(uint8_t code, const Bytes& body) {
    const size_t length = body.size() + 2;
    Marker(code).Raw({static_cast<uint8_t>(length >> 8), static_cast<uint8_t>(length & 0xFF)});
    return Raw(body);
}

JpegStreamWriter& JpegStreamWriter::App0(uint8_t major, uint8_t minor, const char identifier[5]) {
    Bytes body(identifier, identifier + 5);
    body.insert(body.end(), {major, minor, 0, 0, 1, 0, 1, 0, 0});
    return Segment(0xE0, body);
}

JpegStreamWriter& JpegStreamWriter::Dqt(int id, uint8_t value) {
    Bytes body = {static_cast<uint8_t>(id)};
    body.insert(body.end(), 64, value);
    return Segment(0xDB, body);
}

JpegStreamWriter& JpegStreamWriter::FixedDht() {
    Bytes body = FixedDcTableBody(0);
    const Bytes ac = FixedAcTableBody(0);
    body.insert(body.end(), ac.begin(), ac.end());
    return Segment(0xC4, body);
}

JpegStreamWriter& JpegStreamWriter::Sof0(int width, int height, const ComponentSpec (&components)[3]) {
    Bytes body = {8, static_cast<uint8_t>(height >> 8), static_cast<uint8_t>(height & 0xFF),
                  static_cast<uint8_t>(width >> 8), static_cast<uint8_t>(width & 0xFF), 3};
    for (int c = 0; c < 3; ++c) {
        body.push_back(static_cast<uint8_t>(c + 1));
        body.push_back(static_cast<uint8_t>(components[c].hFactor << 4 | components[c].vFactor));
        body.push_back(static_cast<uint8_t>(components[c].quantId));
    }
    return Segment(0xC0, body);
}

JpegStreamWriter& JpegStreamWriter::Sos(uint8_t dcTable, uint8_t acTable) {
    const uint8_t tables = static_cast<uint8_t>(dcTable << 4 | acTable);
    return Segment(0xDA, {3, 1, tables, 2, tables, 3, tables, 0, 63, 0});
}

JpegStreamWriter& JpegStreamWriter::Dri(int interval) {
    return Segment(0xDD, {static_cast<uint8_t>(interval >> 8), static_cast<uint8_t>(interval & 0xFF)});
}

JpegStreamWriter& JpegStreamWriter::Header(int width, int height, const ComponentSpec (&components)[3]) {
    return Soi().App0().Dqt(0, 1).FixedDht().Sof0(width, height, components);
}

ByteBuffer JpegStreamWriter::Buffer() const { return ToBuffer(bytes_); }

Bytes FlatMcus(int mcus, int32_t yDc) {
    BitWriter bits;
    for (int i = 0; i < mcus; ++i) {
        bits.PutDc(i == 0 ? yDc : 0);
        bits.PutEob();
        for (int chroma = 0; chroma < 2; ++chroma) {
            bits.PutDc(0);
            bits.PutEob();
        }
    }
    return bits.Finish();
}

ByteBuffer ToBuffer(const Bytes& bytes) {
    ByteBuffer buffer;
    buffer.size = static_cast<int32_t>(bytes.size());
    buffer.data.reset(new uint8_t[std::max<size_t>(bytes.size(), 1)]);
    std::copy(bytes.begin(), bytes.end(), buffer.data.get());
    return buffer;
}

LogCapture::LogCapture() {
    capturedLog.clear();
    SetLogCallback(Capture);
}

LogCapture::~LogCapture() { SetLogCallback(LogToStdout); }

const std::string& LogCapture::Text() { return capturedLog; }
