"""docs/contact_sheet.png: every picture as the scene shows it, enlarged, labelled with its file name."""
import os

from PIL import Image, ImageDraw, ImageFont

from formats import read_msk, read_tga

GREY = (128, 128, 128)
FONT = "/usr/share/fonts/opentype/urw-base35/NimbusSans-Bold.otf"
ROWS = [
    [("tree.jpg", 4)],
    [("banner.jpg", 4)],
    [("elf1.tga", 4), ("elf2.tga", 4), ("elf3.tga", 4), ("elf3_right.tga", 4), ("ladder.tga", 4), ("rope.tga", 4)],
    [("decoration1.tga", 4), ("decoration2.tga", 4), ("decoration3.tga", 4), ("decoration4.tga", 4),
     ("decoration5.tga", 4), ("decoration6.tga", 4), ("decoration7.tga", 4)],
    [("decoration8.tga", 4), ("decoration9.tga", 4), ("press_a_key.tga", 4)],
]
GAP, LABEL = 24, 26


def load(files, name):
    path = os.path.join(files, name)
    if name.endswith(".jpg"):
        img = Image.open(path).convert("RGB")
        mask = read_msk(open(path[:-4] + "_mask.msk", "rb").read())
        return Image.composite(img, Image.new("RGB", img.size, (0, 0, 0)), mask)
    return read_tga(open(path, "rb").read())


def make_contact_sheet(files):
    font = ImageFont.truetype(FONT, 16)
    placed, y, width = [], GAP, 0
    for row in ROWS:
        x, tallest = GAP, 0
        for name, zoom in row:
            img = load(files, name)
            big = img.resize((img.width * zoom, img.height * zoom), Image.NEAREST)
            placed.append((big, x, y + LABEL, "%s  %dx%d  (%dx)" % (name, img.width, img.height, zoom)))
            x += max(big.width, 200) + GAP
            tallest = max(tallest, big.height)
        width = max(width, x)
        y += LABEL + tallest + GAP
    sheet = Image.new("RGB", (width, y), GREY)
    d = ImageDraw.Draw(sheet)
    for big, x, top, label in placed:
        d.text((x, top - LABEL + 4), label, font=font, fill=(255, 255, 255))
        sheet.paste(big, (x, top))
    return sheet
