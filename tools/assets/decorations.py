"""The nine things the elves hang on the tree."""
import math

from sketch import Sketch, bezier, finish, mix, polar, shade

WHITE = (252, 250, 244)
GOLD = (244, 196, 60)
GOLD_DARK = (170, 112, 26)
SILVER = (214, 218, 228)


def bauble(sk, cx, cy, r, color, cap=True):
    """A glass ball with a metal cap, lit from the upper left."""
    if cap:
        sk.rect(cx - r * 0.32, cy - r - 2.2, cx + r * 0.32, cy - r + 1.2, GOLD, outline=GOLD_DARK, width=0.4, radius=0.5)
        sk.arc(cx, cy - r - 2.6, 1.3, 1.3, 180, 360, GOLD_DARK, 0.6)
    ball = sk.layer()
    ball.circle(cx, cy, r, color, outline=shade(color, 0.5), width=0.5)
    sk.over(ball)
    light = sk.layer()
    light.circle(cx + r * 0.35, cy + r * 0.35, r * 0.95, shade(color, 0.72))
    light.circle(cx - r * 0.1, cy - r * 0.1, r * 0.7, color)
    light.circle(cx - r * 0.25, cy - r * 0.25, r * 0.45, shade(color, 1.25))
    sk.paste_clipped(light, ball)
    sk.ellipse(cx - r * 0.4, cy - r * 0.42, r * 0.2, r * 0.14, WHITE)


def sweet():
    """47 x 23: a wrapped sweet with twisted ends."""
    sk = Sketch(47, 23)
    red, wrap = (214, 36, 48), (246, 196, 56)
    for side in (-1, 1):
        x0 = 23.5 + side * 9
        fan = [(x0, 11.5), (x0 + side * 13, 3.5), (x0 + side * 11.5, 7.5), (x0 + side * 14, 11.5),
               (x0 + side * 11.5, 15.5), (x0 + side * 13, 19.5)]
        sk.polygon(fan, wrap, outline=shade(wrap, 0.55), width=0.5)
        sk.line([(x0 + side * 2, 11.5), (x0 + side * 11, 9.5)], shade(wrap, 1.3), 0.8)
        sk.rect(x0 - 1.8, 8.5, x0 + 1.8, 14.5, shade(wrap, 0.8), outline=shade(wrap, 0.5), width=0.4, radius=1)
    body = sk.layer()
    body.ellipse(23.5, 11.5, 10.5, 8.5, WHITE, outline=shade(red, 0.55), width=0.5)
    sk.over(body)
    stripes = sk.layer()
    for i in range(-4, 5):
        x = 23.5 + i * 4.2
        stripes.polygon([(x - 1.2, 2), (x + 1.2, 2), (x + 5.2, 21), (x + 2.8, 21)], red)
    sk.paste_clipped(stripes, body)
    shadow = sk.layer()
    shadow.ellipse(27, 15.5, 9, 6, (0, 0, 0, 46))
    sk.paste_clipped(shadow, body)
    sk.ellipse(19.5, 7.5, 4, 1.6, (255, 255, 255))
    return finish(sk)


def star():
    """29 x 28: a golden five-pointed star."""
    sk = Sketch(29, 28)
    cx, cy = 14.5, 15
    outer = [polar(cx, cy, 13.6, -90 + 72 * i) for i in range(5)]
    inner = [polar(cx, cy, 5.8, -54 + 72 * i) for i in range(5)]
    pts = [p for pair in zip(outer, inner) for p in pair]
    sk.polygon(pts, GOLD, outline=GOLD_DARK, width=0.6)
    for i in range(5):      # facets: one half of each point in shadow
        o, n = outer[i], inner[i]
        sk.polygon([(cx, cy), o, n], shade(GOLD, 0.8))
    for i in range(5):
        sk.line([(cx, cy), outer[i]], shade(GOLD, 1.35), 0.5)
    sk.circle(cx - 2, cy - 3.2, 1.4, WHITE)
    return finish(sk)


def big_bauble():
    """27 x 27: a blue bauble with a gold band."""
    sk = Sketch(27, 27)
    bauble(sk, 13.5, 15, 10.6, (40, 96, 206))
    band = sk.layer()
    band.rect(0, 14, 27, 17.2, GOLD)
    for i in range(6):
        band.circle(4 + i * 3.9, 15.6, 0.9, (220, 40, 50))
    clip = sk.layer()
    clip.circle(13.5, 15, 10.0, (255, 255, 255))
    sk.paste_clipped(band, clip)
    sk.ellipse(9.8, 10.6, 2.2, 1.5, WHITE)
    return finish(sk)


def small_bauble(color):
    """17 x 16."""
    sk = Sketch(17, 16)
    bauble(sk, 8.5, 9.2, 5.9, color)
    return finish(sk)


def candy_cane():
    """23 x 47: a red and white cane, hook at the top."""
    sk = Sketch(23, 47)
    path = [(14.5, 44.5), (14.5, 12)] + bezier((14.5, 12), (14.5, 3.5), (9, 3.5), 8)[1:] + \
        bezier((9, 3.5), (4, 3.5), (4.5, 10.5), 8)[1:]
    cane = sk.layer()
    cane.line(path, WHITE, 6.4)
    sk.over(cane)
    stripes = sk.layer()
    for i in range(-2, 14):
        y = i * 4.2
        stripes.polygon([(0, y), (23, y - 9), (23, y - 7), (0, y + 2)], (216, 30, 44))
    sk.paste_clipped(stripes, cane)
    shadow = sk.layer()
    shadow.line([(16.4, 44), (16.4, 12)] + bezier((16.4, 12), (16.4, 1.6), (9, 1.6), 8)[1:], (0, 0, 0, 56), 1.6)
    sk.paste_clipped(shadow, cane)
    sk.line([(12.4, 42), (12.4, 13)], (255, 255, 255, 170), 0.9)
    return finish(sk)


def bell():
    """35 x 29: a golden bell with a red bow and holly."""
    sk = Sketch(35, 29)
    body = [(17.5, 5.5)] + bezier((17.5, 5.5), (25.5, 5.5), (25.5, 15), 8)[1:] + \
        bezier((25.5, 15), (25.5, 21), (30, 24), 6)[1:] + [(30, 24.5), (5, 24.5), (5, 24)] + \
        bezier((5, 24), (9.5, 21), (9.5, 15), 6)[1:] + bezier((9.5, 15), (9.5, 5.5), (17.5, 5.5), 8)[1:]
    b = sk.layer()
    b.polygon(body, GOLD, outline=GOLD_DARK, width=0.6)
    sk.circle(17.5, 25.8, 2.6, GOLD_DARK, outline=shade(GOLD_DARK, 0.6), width=0.4)
    sk.over(b)
    light = sk.layer()
    light.polygon([(20, 4), (30, 4), (32, 26), (22, 26)], shade(GOLD, 0.8))
    light.polygon([(11, 10), (13.5, 10), (11, 22), (8, 22)], shade(GOLD, 1.45))
    light.rect(0, 21.2, 35, 22.6, shade(GOLD, 0.72))
    sk.paste_clipped(light, b)
    leaf = (40, 140, 60)
    for side in (-1, 1):
        tip = (17.5 + side * 13, 4.6)
        sk.polygon([(17.5, 5.8), (17.5 + side * 5, 1.8), tip, (17.5 + side * 7, 8.4)], leaf,
                   outline=shade(leaf, 0.5), width=0.5)
    red = (214, 30, 44)
    for side in (-1, 1):
        sk.polygon([(17.5, 5), (17.5 + side * 6.5, 1), (17.5 + side * 6.5, 9)], red, outline=shade(red, 0.5), width=0.5)
    sk.circle(17.5, 5, 2.1, shade(red, 1.15), outline=shade(red, 0.5), width=0.4)
    for dx in (-1.5, 1.5):
        sk.circle(17.5 + dx, 9.3, 1.3, (200, 24, 34))
    return finish(sk)


def make_decorations():
    return {
        "decoration1": sweet(),
        "decoration2": star(),
        "decoration3": big_bauble(),
        "decoration4": small_bauble((214, 34, 44)),
        "decoration5": small_bauble((238, 184, 40)),
        "decoration6": small_bauble((56, 112, 220)),
        "decoration7": small_bauble((150, 60, 190)),
        "decoration8": candy_cane(),
        "decoration9": bell(),
    }
