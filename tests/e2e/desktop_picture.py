"""A desktop picture in which any offset, flip, channel swap or scaling of the screen shows: every
pixel differs from its neighbours and the three channels follow different patterns."""


def desktop_pixels(width, height):
    """R, G, B bytes, rows top-down."""
    rows = []
    for y in range(height):
        row = bytearray(width * 3)
        for x in range(width):
            row[3 * x] = (x * 7 + y * 3) & 255
            row[3 * x + 1] = (x * 13 + y * y * 5) & 255
            row[3 * x + 2] = ((x ^ y) * 11 + (x * y >> 4)) & 255
        rows.append(bytes(row))
    return b"".join(rows)


def write_ppm(path, width, height, pixels):
    with open(path, "wb") as picture:
        picture.write(b"P6 %d %d 255\n" % (width, height))
        picture.write(pixels)
