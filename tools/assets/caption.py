"""The closing caption, set 1:1 in a small hand-made bitmap font with a dark outline."""
from PIL import Image

from sketch import INK

TEXT = "Press any key to quit"
SIZE = (103, 10)
COLOR = (255, 240, 200)
BASELINE = 7       # last row of the x-height; descenders use rows 8 and 9

# Each glyph: rows from the cap line (row 1) to the lowest descender row (row 9), '#' = ink.
GLYPHS = {
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#....", ".....", "....."],
    "r": ["...", "...", "#.#", "##.", "#..", "#..", "#..", "...", "..."],
    "e": ["....", "....", ".##.", "#..#", "####", "#...", ".###", "....", "...."],
    "s": ["....", "....", ".###", "#...", ".##.", "...#", "###.", "....", "...."],
    "a": ["....", "....", ".##.", "...#", ".###", "#..#", ".###", "....", "...."],
    "n": ["....", "....", "#.#.", "##.#", "#..#", "#..#", "#..#", "....", "...."],
    "y": ["....", "....", "#..#", "#..#", "#..#", "#..#", ".###", "...#", ".##."],
    "k": ["#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#", "....", "...."],
    "t": ["...", ".#.", "###", ".#.", ".#.", ".#.", "..#", "...", "..."],
    "o": ["....", "....", ".##.", "#..#", "#..#", "#..#", ".##.", "....", "...."],
    "q": ["....", "....", ".###", "#..#", "#..#", "#..#", ".###", "...#", "...#"],
    "u": ["....", "....", "#..#", "#..#", "#..#", "#..#", ".###", "....", "...."],
    "i": [".", "#", ".", "#", "#", "#", "#", ".", "."],
}
SPACE = 3


def text_width(text):
    widths = [SPACE if ch == " " else len(GLYPHS[ch][0]) for ch in text]
    return sum(widths) + len(text) - 1


def make_caption():
    w, h = SIZE
    ink = [[False] * w for _ in range(h)]
    x = w - 1 - text_width(TEXT)          # right-aligned, one column of outline to the right
    for ch in TEXT:
        if ch == " ":
            x += SPACE + 1
            continue
        rows = GLYPHS[ch]
        for r, row in enumerate(rows):
            for c, bit in enumerate(row):
                if bit == "#":
                    ink[1 + r][x + c] = True
        x += len(rows[0]) + 1
    img = Image.new("RGB", SIZE, (0, 0, 0))
    shape = Image.new("L", SIZE, 0)
    px, sp = img.load(), shape.load()
    for y in range(h):
        for x in range(w):
            if ink[y][x]:
                px[x, y] = COLOR
                sp[x, y] = 255
            elif any(ink[yy][xx] for yy in range(max(0, y - 1), min(h, y + 2))
                     for xx in range(max(0, x - 1), min(w, x + 2))):
                px[x, y] = INK
                sp[x, y] = 255
    return img, shape
