"""The greeting banner: a red ribbon with a gold edge and forked tails, lettered in a festive script."""
from PIL import ImageFont

from sketch import SCALE, Sketch, finish, mix, shade

SIZE = (591, 130)
INK = (46, 8, 14)                  # outline, and the colour around the ribbon in the JPEG
RED = (200, 28, 40)
RED_LIGHT = (232, 64, 66)
RED_DARK = (128, 14, 26)
GOLD = (246, 200, 84)
GOLD_DARK = (176, 120, 36)
CREAM = (255, 240, 206)
SCRIPT = "/usr/share/fonts/opentype/urw-base35/Z003-MediumItalic.otf"
TOP, BOTTOM = 3, 102               # the front band's rows
LEFT, RIGHT = 46, 545              # its columns
TAIL_TOP, TAIL_BOTTOM = 28, 127


def make_banner():
    sk = Sketch(*SIZE)
    for side in (-1, 1):
        draw_tail(sk, side)
    band = sk.layer()
    band.rect(LEFT, TOP, RIGHT, BOTTOM, RED, radius=2)
    sk.over(band)
    light = sk.layer()
    steps = 24
    for i in range(steps):          # soft vertical gradient: lit from above
        t = i / (steps - 1)
        y0 = TOP + (BOTTOM - TOP) * i / steps
        light.rect(0, y0, SIZE[0], y0 + (BOTTOM - TOP) / steps + 1, mix(RED_LIGHT, RED_DARK, t ** 1.3))
    for y in (TOP + 3.2, BOTTOM - 3.2):
        light.rect(0, y - 1.4, SIZE[0], y + 1.4, GOLD)
        light.rect(0, y + 0.6, SIZE[0], y + 1.4, GOLD_DARK)
    light.rect(0, TOP + 7, SIZE[0], TOP + 8, shade(RED_LIGHT, 1.2))
    sk.paste_clipped(light, band)
    lettering(sk)
    return finish(sk, ink=INK, outline=1.0)


def draw_tail(sk, side):
    """A tail behind the band's end, hanging lower, with a V notch and a fold."""
    if side < 0:
        outer, inner = 2, LEFT + 26
    else:
        outer, inner = SIZE[0] - 2, RIGHT - 26
    notch = outer - side * 18
    mid = (TAIL_TOP + TAIL_BOTTOM) / 2
    tail = sk.layer()
    tail.polygon([(outer, TAIL_TOP), (inner, TAIL_TOP), (inner, TAIL_BOTTOM), (outer, TAIL_BOTTOM), (notch, mid)],
                 shade(RED, 0.82))
    sk.over(tail)
    trim = sk.layer()
    for y in (TAIL_TOP + 3.2, TAIL_BOTTOM - 3.2):
        trim.rect(0, y - 1.4, SIZE[0], y + 1.4, shade(GOLD, 0.85))
    trim.rect(0, mid + 10, SIZE[0], TAIL_BOTTOM, (60, 0, 10, 60))
    sk.paste_clipped(trim, tail)
    edge = LEFT if side < 0 else RIGHT
    sk.polygon([(edge, BOTTOM - 1), (inner, BOTTOM - 1), (inner, TAIL_BOTTOM - 0.5)], RED_DARK)


def lettering(sk):
    draw = sk.draw
    cx = SIZE[0] / 2 * SCALE
    lines = [("Merry Christmas", 62, 44, GOLD), ("and a Happy New Year", 31, 82, CREAM)]
    for text, size, mid_y, color in lines:
        font = ImageFont.truetype(SCRIPT, size * SCALE)
        x0, y0, x1, y1 = draw.textbbox((0, 0), text, font=font)
        x = cx - (x0 + x1) / 2
        y = mid_y * SCALE - (y0 + y1) / 2
        stroke = round(0.9 * SCALE)
        draw.text((x + 1.6 * SCALE, y + 2.0 * SCALE), text, font=font, fill=(70, 6, 16, 255),
                  stroke_width=stroke, stroke_fill=(70, 6, 16, 255))
        draw.text((x, y), text, font=font, fill=color + (255,), stroke_width=stroke,
                  stroke_fill=shade(color, 0.45) + (255,))
        draw.text((x, y), text, font=font, fill=color + (255,))
