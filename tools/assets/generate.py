"""Draws every picture of the program, its icon and the demo desktops, then checks them.

Run from anywhere: /usr/bin/python3 tools/assets/generate.py
The output is the same, byte for byte, on every run.
"""
import os
import sys

from PIL import Image

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

from banner import INK as BANNER_INK, make_banner
from caption import make_caption
from check import check_all
from contact_sheet import make_contact_sheet
from decorations import make_decorations
from elves import make_elves
from formats import jpeg_bytes, msk_bytes, tga_bytes
from icon import make_icon
from props import make_ladder, make_rope
from tree import INK as TREE_INK, make_tree
from wallpaper import make_desktop

ROOT = os.path.abspath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))


def write(rel, data):
    path = os.path.join(ROOT, rel)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def masked_jpeg(picture, mask, surround):
    """The picture where the mask is set, the surround colour elsewhere (so no halo at the edge)."""
    return Image.composite(picture, Image.new("RGB", picture.size, surround), mask)


def main():
    sprites = {}
    sprites.update(make_elves())
    sprites["rope"] = make_rope()
    sprites["ladder"] = make_ladder()
    sprites.update(make_decorations())
    sprites["press_a_key"] = make_caption()
    shapes = {}
    for name, (img, shape) in sprites.items():
        write("resources/files/%s.tga" % name, tga_bytes(img))
        shapes[name + ".tga"] = shape

    for stem, make, ink in (("tree", make_tree, TREE_INK), ("banner", make_banner, BANNER_INK)):
        picture, mask = make()
        write("resources/files/%s.jpg" % stem, jpeg_bytes(masked_jpeg(picture, mask, ink)))
        write("resources/files/%s_mask.msk" % stem, msk_bytes(mask))
        shapes[stem] = mask

    write("resources/tinselwick.ico", make_icon())
    for name, size in (("desktop.png", (1280, 720)), ("desktop_800x600.png", (800, 600))):
        path = os.path.join(ROOT, "resources", "demo", name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        make_desktop(*size).save(path, "PNG", optimize=False, compress_level=9)

    darkest = check_all(ROOT, shapes)
    sheet = make_contact_sheet(os.path.join(ROOT, "resources", "files"))
    sheet.save(os.path.join(ROOT, "docs", "contact_sheet.png"), "PNG", compress_level=9)
    print("assets written and checked; darkest decoded pixel inside each mask:", darkest)


if __name__ == "__main__":
    main()
