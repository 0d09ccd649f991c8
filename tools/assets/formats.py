"""Byte-exact writers (and the readers the checks use) for the program's file formats.

TGA, MSK and ICO are written by hand so that every header byte is the one the
program's readers expect; JPEG goes through libjpeg (Pillow) with pinned settings
and is then inspected marker by marker.
"""
import io
import struct

from PIL import Image

TGA_FOOTER = b"\0\0\0\0" + b"\0\0\0\0" + b"TRUEVISION-XFILE" + b".\0"


def tga_bytes(img):
    """Uncompressed 24-bit TGA, rows bottom-up, B,G,R, with the TGA 2.0 footer."""
    img = img.convert("RGB")
    w, h = img.size
    header = struct.pack("<BBB5sHHHHBB", 0, 0, 2, b"\0" * 5, 0, 0, w, h, 24, 0)
    px = img.load()
    rows = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b = px[x, y]
            rows += bytes((b, g, r))
    return header + bytes(rows) + TGA_FOOTER


def read_tga(data):
    """Reads the subset written by tga_bytes; returns an RGB image."""
    idlen, cmtype, itype = data[0], data[1], data[2]
    w, h = struct.unpack_from("<HH", data, 12)
    assert (idlen, cmtype, itype, data[16], data[17]) == (0, 0, 2, 24, 0), "unexpected TGA header"
    assert data[8:12] == b"\0\0\0\0", "TGA origin not zero"
    img = Image.new("RGB", (w, h))
    px = img.load()
    o = 18
    for y in range(h - 1, -1, -1):
        for x in range(w):
            b, g, r = data[o:o + 3]
            px[x, y] = (r, g, b)
            o += 3
    return img


def mask_runs(mask):
    """Run lengths of a 0/255 mask in raster order, alternating from value 0."""
    values = list(mask.getdata())
    runs, current, count = [], 0, 0
    for v in values:
        assert v in (0, 255), "mask values must be 0 or 255"
        if v == current:
            count += 1
        else:
            runs.append(count)
            current, count = v, 1
    runs.append(count)
    return runs


def msk_bytes(mask):
    """MSK v1.00: header, then one byte per run; long runs split 255, 0, 255, ... from the front."""
    w, h = mask.size
    out = bytearray(b"MSK\x01\x00\x00" + struct.pack(">HH", w, h))
    for run in mask_runs(mask):
        while run > 255:
            out += bytes((255, 0))
            run -= 255
        out.append(run)
    return bytes(out)


def read_msk(data):
    """Decodes an MSK stream exactly as the program's reader does; returns an 'L' image."""
    assert data[:6] == b"MSK\x01\x00\x00", "bad MSK header"
    w, h = struct.unpack_from(">HH", data, 6)
    total = w * h
    values = bytearray()
    current = 0
    for run in data[10:]:
        assert len(values) + run <= total, "MSK stream goes past end of image"
        values += bytes((current,)) * run
        current ^= 255
    assert len(values) == total, "MSK stream does not fill the image"
    return Image.frombytes("L", (w, h), bytes(values))


def jpeg_bytes(img):
    """Baseline JFIF, 4:4:4, quality 90, standard tables."""
    buf = io.BytesIO()
    img.convert("RGB").save(buf, "JPEG", quality=90, subsampling=0,
                            optimize=False, progressive=False)
    return buf.getvalue()


ALLOWED_JPEG_MARKERS = {0xC4, 0xDB, 0xDA, 0xDD, 0xFE} | set(range(0xE0, 0xF0))


def check_jpeg_structure(data, size):
    """Asserts the stream is the baseline subset the program decodes."""
    assert data[:2] == b"\xff\xd8", "JPEG: no SOI"
    assert data[2:4] == b"\xff\xe0" and data[6:11] == b"JFIF\0", "JPEG: SOI not followed by JFIF APP0"
    pos, frames = 2, 0
    while True:
        assert data[pos] == 0xFF, "JPEG: marker expected at %d" % pos
        marker = data[pos + 1]
        if marker == 0xD9:
            assert pos + 2 == len(data), "JPEG: bytes after EOI"
            break
        length = struct.unpack_from(">H", data, pos + 2)[0]
        seg = data[pos + 4:pos + 2 + length]
        if marker == 0xC0:
            frames += 1
            precision, h, w, ncomp = struct.unpack_from(">BHHB", seg)
            assert precision == 8, "JPEG: precision %d" % precision
            assert (w, h) == size, "JPEG: size %sx%s, want %sx%s" % (w, h, *size)
            assert ncomp == 3, "JPEG: %d components" % ncomp
            comps = [seg[6 + 3 * i:9 + 3 * i] for i in range(3)]
            assert [c[0] for c in comps] == [1, 2, 3], "JPEG: component ids"
            assert all(c[1] == 0x11 for c in comps), "JPEG: sampling factors not 1x1"
        else:
            assert marker in ALLOWED_JPEG_MARKERS, "JPEG: unexpected marker FF%02X" % marker
        pos += 2 + length
        if marker == 0xDA:
            # Skip entropy-coded data: stuffed zeros and restart markers belong to it.
            while not (data[pos] == 0xFF and data[pos + 1] not in (0x00,) and not 0xD0 <= data[pos + 1] <= 0xD7):
                pos += 1
    assert frames == 1, "JPEG: %d SOF0 frames" % frames


def ico_bytes(images):
    """ICO with 4-bit images. images: list of (width, height, palette16 [(r,g,b)], indices, opaque)."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for w, h, palette, indices, opaque in images:
        xor_stride = ((w * 4 + 31) // 32) * 4
        and_stride = ((w + 31) // 32) * 4
        dib = bytearray(struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 4, 0,
                                    (xor_stride + and_stride) * h, 0, 0, 16, 0))
        for r, g, b in palette:
            dib += bytes((b, g, r, 0))
        for y in range(h - 1, -1, -1):
            row = bytearray(xor_stride)
            for x in range(w):
                v = indices[y * w + x] if opaque[y * w + x] else 0
                row[x // 2] |= v << 4 if x % 2 == 0 else v
            dib += row
        for y in range(h - 1, -1, -1):
            row = bytearray(and_stride)
            for x in range(w):
                if not opaque[y * w + x]:
                    row[x // 8] |= 0x80 >> (x % 8)
            dib += row
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 16, 0, 1, 4, len(dib), offset))
        blobs.append(bytes(dib))
        offset += len(dib)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)
