"""The fir tree: six layered tiers of drooping boughs over a short trunk, lit from the upper left."""
import math
import random

from sketch import Sketch, bezier, finish, mix, shade

SIZE = (416, 480)
INK = (14, 38, 22)                 # outline, and the colour around the tree in the JPEG
NEEDLE = (44, 122, 58)
NEEDLE_DARK = (24, 78, 38)
NEEDLE_LIGHT = (104, 176, 88)
SNOW = (240, 246, 252)
SNOW_SHADE = (184, 204, 226)
BARK = (120, 74, 40)
BARK_DARK = (78, 46, 24)
# (apex row, bottom row, half width at the bottom, lobes along the bottom edge)
TIERS = [(2, 92, 60, 4), (46, 164, 100, 6), (104, 238, 138, 7), (168, 312, 168, 8),
         (236, 382, 190, 9), (300, 450, 206, 10)]
CX = 208


def tier_outline(apex, bottom, half, lobes):
    left = bezier((CX, apex), (CX - half * 0.35, apex + (bottom - apex) * 0.55), (CX - half, bottom - 6), 20)
    pts = list(left)
    span = 2 * half
    for i in range(lobes):
        x0 = CX - half + span * i / lobes
        x1 = CX - half + span * (i + 1) / lobes
        droop = 9 + 4 * math.sin(i * 1.7)
        mid = (x0 + x1) / 2
        pts += bezier((x0, bottom - 6), (mid, bottom + droop), (x1, bottom - 6), 8)[1:]
    right = bezier((CX + half, bottom - 6), (CX + half * 0.35, apex + (bottom - apex) * 0.55), (CX, apex), 20)
    return pts + right[1:]


def make_tree():
    rng = random.Random(1225)
    sk = Sketch(*SIZE)
    draw_trunk(sk)
    for n, tier in reversed(list(enumerate(TIERS))):
        shape = tier_outline(*tier)
        # The tier casts a soft shadow on the one below it.
        shadow = sk.layer()
        shadow.polygon([(x + 3, y + 9) for x, y in shape], (8, 30, 14, 120))
        below = sk.layer()
        below.image = sk.image.copy()
        sk.paste_clipped(shadow, below)
        body = sk.layer()
        body.polygon(shape, NEEDLE)
        sk.over(body)
        sk.paste_clipped(tier_texture(sk, tier, rng), body)
        snow(sk, tier, rng, n)
    return finish(sk, ink=INK, outline=1.2)


def tier_texture(sk, tier, rng):
    apex, bottom, half, lobes = tier
    tex = sk.layer()
    # Broad light on a cone lit from the upper left: vertical strips from bright to deep.
    strips = 48
    for i in range(strips):
        t = i / (strips - 1)
        x0 = CX - half - 14 + (2 * half + 28) * i / strips
        tex.rect(x0, apex - 2, x0 + (2 * half + 28) / strips + 1, bottom + 20,
                 shade(NEEDLE, 1.1 - 0.42 * t ** 1.2))
    # The underside of the boughs, just above the drooping tips, lies in shade.
    for k in range(6):
        y0 = bottom - 22 + k * 3
        tex.rect(CX - half - 14, y0, CX + half + 14, bottom + 20, (10, 44, 22, 22))
    # Needles: short strokes fanning out and down from the tier's centre line.
    height = bottom - apex
    count = int(half * height / 8)
    for _ in range(count):
        t = rng.random() ** 0.8
        y = apex + 6 + t * (height + 4)
        reach = half * (0.1 + 0.9 * t)
        x = CX + rng.uniform(-reach, reach)
        side = -1 if x < CX else 1
        ang = math.radians(rng.uniform(25, 55))
        length = rng.uniform(3, 7)
        dx, dy = side * math.cos(ang) * length, math.sin(ang) * length
        lit = (CX - x) / max(half, 1) * 0.8 - (y - apex) / height * 0.5 + 0.1
        r = rng.uniform(-0.6, 0.6) + lit
        base = NEEDLE_LIGHT if r > 0.35 else (NEEDLE_DARK if r < -0.2 else NEEDLE)
        tex.line([(x, y), (x + dx, y + dy)], mix(base, NEEDLE, rng.uniform(0, 0.4)), rng.uniform(0.6, 1.0))
    return tex


def snow(sk, tier, rng, n):
    """A few drifts lying along the upper side of the drooping bough tips, more on the lit left."""
    apex, bottom, half, lobes = tier
    span = 2 * half
    for i in range(lobes):
        if rng.random() < 0.25 + 0.5 * i / lobes:
            continue
        x0 = CX - half + span * i / lobes
        x1 = CX - half + span * (i + 1) / lobes
        droop = 9 + 4 * math.sin(i * 1.7)
        lift = rng.uniform(8, 11)
        curve = bezier((x0, bottom - 6 - lift), ((x0 + x1) / 2, bottom + droop - lift), (x1, bottom - 6 - lift), 12)
        a, b = rng.randint(1, 3), rng.randint(9, 11)
        part = curve[a:b]
        sk.line([(x + 0.6, y + 1.6) for x, y in part], SNOW_SHADE, 5.2)
        sk.line(part, SNOW, 4.2)
        sk.line([(x - 0.4, y - 0.8) for x, y in part[1:-2]], (255, 255, 255), 1.4)


def draw_trunk(sk):
    trunk = sk.layer()
    trunk.polygon([(CX - 20, 420), (CX + 20, 420), (CX + 24, 479.6), (CX - 24, 479.6)], BARK)
    sk.over(trunk)
    bark = sk.layer()
    bark.polygon([(CX + 6, 420), (CX + 30, 420), (CX + 30, 480), (CX + 8, 480)], BARK_DARK)
    bark.polygon([(CX - 30, 420), (CX - 12, 420), (CX - 15, 480), (CX - 30, 480)], shade(BARK, 1.25))
    for x in (-14, -5, 3, 12):
        bark.line([(CX + x, 452), (CX + x * 1.1, 479)], shade(BARK, 0.7), 1.2)
    sk.paste_clipped(bark, trunk)
