#pragma once
// Hand-made JPEG streams for the decoder's tests: the segments byte by byte, and an entropy coder with
// two fixed tables whose codes are easy to write. DC table: 4-bit codes equal to the category (0 to 11).
// AC table: 8-bit codes equal to the run/size symbol (0 to 254).
#include <cstdint>
#include <string>
#include <vector>

#include "codec/containers.h"

using Bytes = std::vector<uint8_t>;

class BitWriter {
public:
    void Put(uint32_t value, int count);
    void PutDc(int32_t diff);                   // category code and the extra bits
    void PutAc(int32_t run, int32_t value);     // run/size code and the extra bits
    void PutEob() { Put(0x00, 8); }
    void PutZrl() { Put(0xF0, 8); }
    // Pads the last byte with ones and returns the bytes with every 0xFF followed by a stuffed 0.
    Bytes Finish();

private:
    Bytes bytes_;
    uint32_t current_ = 0;
    int used_ = 0;
};

struct ComponentSpec {
    int hFactor = 1;
    int vFactor = 1;
    int quantId = 0;
};

class JpegStreamWriter {
public:
    JpegStreamWriter& Raw(const Bytes& bytes);
    JpegStreamWriter& Marker(uint8_t code);
    JpegStreamWriter& Soi() { return Marker(0xD8); }
    JpegStreamWriter& Eoi() { return Marker(0xD9); }
    JpegStreamWriter& App0(uint8_t major = 1, uint8_t minor = 1, const char identifier[5] = "JFIF");
    // A segment with a correct length word in front of the body.
    JpegStreamWriter& Segment(uint8_t code, const Bytes& body);
    JpegStreamWriter& Dqt(int id, uint8_t value);            // one table of 64 equal values
    JpegStreamWriter& FixedDht();                            // DC and AC table 0 of the fixed codes
    JpegStreamWriter& Sof0(int width, int height, const ComponentSpec (&components)[3] = kPlain);
    JpegStreamWriter& Sos(uint8_t dcTable = 0, uint8_t acTable = 0);
    JpegStreamWriter& Dri(int interval);

    // SOI, JFIF APP0, DQT 0 of ones, the fixed tables and a SOF0 of the given size.
    JpegStreamWriter& Header(int width, int height, const ComponentSpec (&components)[3] = kPlain);

    const Bytes& bytes() const { return bytes_; }
    ByteBuffer Buffer() const;

    static const ComponentSpec kPlain[3];

private:
    Bytes bytes_;
};

Bytes FixedDcTableBody(int id);
Bytes FixedAcTableBody(int id);

// Entropy-coded data of `mcus` MCUs of 1x1 sampling in which every block is flat: the Y blocks take
// the DC values of `yDc` in turn (absolute, coded as differences), Cb and Cr stay at DC 0.
Bytes FlatMcus(int mcus, int32_t yDc);

ByteBuffer ToBuffer(const Bytes& bytes);

// Collects every text the codec library logs.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    static const std::string& Text();
};
