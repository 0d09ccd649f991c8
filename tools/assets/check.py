"""Re-reads every generated file and asserts the rules the program depends on. Fails loudly."""
import io
import os
import shutil
import struct
import subprocess
import sys

from PIL import Image, ImageOps

from formats import TGA_FOOTER, check_jpeg_structure, read_msk, read_tga

SPRITES = {
    "elf1.tga": (60, 67), "elf2.tga": (70, 74), "elf3.tga": (60, 79), "elf3_right.tga": (60, 79),
    "rope.tga": (8, 8), "ladder.tga": (65, 100),
    "decoration1.tga": (47, 23), "decoration2.tga": (29, 28), "decoration3.tga": (27, 27),
    "decoration4.tga": (17, 16), "decoration5.tga": (17, 16), "decoration6.tga": (17, 16),
    "decoration7.tga": (17, 16), "decoration8.tga": (23, 47), "decoration9.tga": (35, 29),
    "press_a_key.tga": (103, 10),
}
MASKED = {"tree": (416, 480), "banner": (591, 130)}


def fail(msg):
    raise SystemExit("asset check failed: " + msg)


def require(cond, msg):
    if not cond:
        fail(msg)


def check_tga(path, size, shape=None):
    data = open(path, "rb").read()
    w, h = size
    name = os.path.basename(path)
    require(len(data) == 18 + w * h * 3 + 26, "%s: file size %d" % (name, len(data)))
    require(data[:18] == struct.pack("<BBB5sHHHHBB", 0, 0, 2, b"\0" * 5, 0, 0, w, h, 24, 0), name + ": header")
    require(data[-26:] == TGA_FOOTER, name + ": TGA 2.0 footer")
    img = read_tga(data)
    px = img.load()
    require(any(px[x, y] == (0, 0, 0) for x, y in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1))),
            name + ": no transparent corner")
    require(any(px[x, y] != (0, 0, 0) for y in range(h) for x in range(w)), name + ": empty")
    if shape is not None:
        m = shape.load()
        for y in range(h):
            for x in range(w):
                require((px[x, y] == (0, 0, 0)) == (m[x, y] == 0),
                        "%s: pixel (%d,%d) transparency differs from its shape" % (name, x, y))
    return img


def check_msk_runs(data, name):
    runs = data[10:]
    for i, b in enumerate(runs):
        if b == 0 and i > 0:
            require(runs[i - 1] == 255, "%s: empty run at %d not after a 255" % (name, i))
    require(len(runs) == 1 or runs[-1] != 0, name + ": trailing empty run")


def decode_all_ways(path):
    """The JPEG decoded by Pillow and, when it is installed, by djpeg."""
    out = [Image.open(path).convert("RGB")]
    if shutil.which("djpeg"):
        ppm = subprocess.run(["djpeg", "-pnm", path], check=True, capture_output=True).stdout
        out.append(Image.open(io.BytesIO(ppm)).convert("RGB"))
    return out


def check_masked(files, stem, size, shape=None):
    jpg, msk = os.path.join(files, stem + ".jpg"), os.path.join(files, stem + "_mask.msk")
    data = open(jpg, "rb").read()
    check_jpeg_structure(data, size)
    mdata = open(msk, "rb").read()
    mask = read_msk(mdata)
    require(mask.size == size, stem + "_mask: size")
    check_msk_runs(mdata, stem + "_mask")
    if shape is not None:
        require(list(mask.getdata()) == list(shape.getdata()), stem + "_mask: differs from the drawn shape")
    m = mask.load()
    darkest = 255
    for img in decode_all_ways(jpg):
        require(img.size == size, stem + ".jpg: decoded size")
        px = img.load()
        for y in range(size[1]):
            for x in range(size[0]):
                if m[x, y]:
                    darkest = min(darkest, max(px[x, y]))
    require(darkest > 0, stem + ".jpg: pure black inside the mask")
    return darkest


def check_icon(path):
    data = open(path, "rb").read()
    require(struct.unpack_from("<HHH", data) == (0, 1, 2), "icon: header")
    for i, size in enumerate((32, 16)):
        w, h, colors, res, planes, bits, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        require((w, h, colors, res, planes, bits) == (size, size, 16, 0, 1, 4), "icon: entry %d" % i)
        require(offset + length <= len(data), "icon: entry %d out of the file" % i)
        bi = struct.unpack_from("<IiiHH", data, offset)
        require(bi == (40, size, 2 * size, 1, 4), "icon: bitmap header %d" % i)
        xor_stride, and_stride = ((size * 4 + 31) // 32) * 4, ((size + 31) // 32) * 4
        require(length == 40 + 64 + (xor_stride + and_stride) * size, "icon: image %d length" % i)


def check_all(root, shapes=None):
    """root: repository root. shapes: optional {file name: 'L' mask} from the drawing, to compare against."""
    shapes = shapes or {}
    files = os.path.join(root, "resources", "files")
    names = sorted(os.listdir(files))
    want = sorted(list(SPRITES) + [s + ".jpg" for s in MASKED] + [s + "_mask.msk" for s in MASKED])
    require(names == want, "resources/files holds %s" % names)
    imgs = {name: check_tga(os.path.join(files, name), size, shapes.get(name)) for name, size in SPRITES.items()}
    require(list(imgs["elf3_right.tga"].getdata()) == list(ImageOps.mirror(imgs["elf3.tga"]).getdata()),
            "elf3_right is not elf3 mirrored")
    rope = imgs["rope.tga"].load()
    for y in range(8):
        require(all(rope[x, y] == (0, 0, 0) for x in (0, 1, 6, 7)), "rope: row %d wider than its 4 centre columns" % y)
        require(all(rope[x, y] != (0, 0, 0) for x in range(2, 6)), "rope: gap in row %d" % y)
        require(all(rope[x, y] == rope[x, (y + 4) % 8] for x in range(8)), "rope: does not repeat every 4 rows")
    for name in ("elf1.tga", "elf2.tga", "elf3.tga"):
        img = imgs[name].load()
        w, h = SPRITES[name]
        require(any(img[x, h - 1] != (0, 0, 0) for x in range(w)), name + ": feet do not reach the bottom row")
    darkest = {stem: check_masked(files, stem, size, shapes.get(stem)) for stem, size in MASKED.items()}
    check_icon(os.path.join(root, "resources", "tinselwick.ico"))
    for name, size in (("desktop.png", (1280, 720)), ("desktop_800x600.png", (800, 600))):
        require(Image.open(os.path.join(root, "resources", "demo", name)).size == size, name + ": size")
    return darkest


if __name__ == "__main__":
    sys.dont_write_bytecode = True
    root = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
    print("all assets valid; darkest decoded pixel inside each mask:", check_all(root))
    sys.exit(0)
