"""The rope segment and the step ladder."""
from PIL import Image

from sketch import INK, Sketch, finish, mix, shade

ROPE_LIGHT = (236, 204, 142)
ROPE_MID = (196, 150, 86)
ROPE_DARK = (128, 86, 44)


def make_rope():
    """8 x 8, four pixels wide in columns 2 to 5; strands wind diagonally with a period of 4 rows,
    so the picture tiles seamlessly every 8 rows (and every 4)."""
    img = Image.new("RGB", (8, 8), (0, 0, 0))
    shape = Image.new("L", (8, 8), 0)
    shape.paste(255, (2, 0, 6, 8))
    px = img.load()
    strand = [ROPE_LIGHT, ROPE_MID, ROPE_DARK, ROPE_MID]
    roundness = [0.78, 1.0, 0.92, 0.7]     # a cylinder lit from the left
    for y in range(8):
        for c in range(4):
            px[2 + c, y] = shade(strand[(y + c) % 4], roundness[c])
    return img, shape


WOOD = (186, 126, 66)
WOOD_LIGHT = (226, 172, 104)
WOOD_DARK = (118, 74, 36)


def make_ladder():
    """65 x 100, seen from the side: apex at the top centre, the climbing leg from the
    bottom-right corner to the apex carrying the steps, a rear leg mirrored, a spreader."""
    w, h = 65, 100
    sk = Sketch(w, h)
    apex = (32.5, 2.6)
    rear = [(apex[0] - 2.6, apex[1] + 1), (apex[0] + 0.6, apex[1] + 1), (4.6, h - 0.3), (0.3, h - 0.3)]
    front = [(apex[0] - 0.6, apex[1] + 1), (apex[0] + 2.6, apex[1] + 1), (w - 0.3, h - 0.3), (w - 4.6, h - 0.3)]
    # Spreader bar, half way down, behind the legs.
    sk.line([(13, 62), (52, 62)], mix(WOOD_DARK, (150, 150, 160), 0.5), 1.8)
    sk.circle(32.5, 62, 1.3, (190, 190, 200))
    sk.polygon(rear, shade(WOOD, 0.78), outline=WOOD_DARK, width=0.6)
    # Steps: treads on the climbing leg, reaching inward.
    for i in range(5):
        y = 20 + i * 17
        x_leg = apex[0] + (w - 2.4 - apex[0]) * (y - apex[1]) / (h - apex[1])
        sk.rect(x_leg - 13, y - 1.6, x_leg + 0.5, y + 1.6, WOOD, outline=WOOD_DARK, width=0.6, radius=0.6)
        sk.line([(x_leg - 12, y - 0.6), (x_leg - 1, y - 0.6)], WOOD_LIGHT, 0.8)
    sk.polygon(front, WOOD, outline=WOOD_DARK, width=0.6)
    sk.line([(apex[0] + 0.2, apex[1] + 3), (w - 3.4, h - 2)], WOOD_LIGHT, 0.9)
    # Top cap with a hinge.
    sk.rect(apex[0] - 5, 0.3, apex[0] + 5, 5.2, shade(WOOD, 0.9), outline=WOOD_DARK, width=0.6, radius=1.4)
    sk.circle(apex[0], 2.8, 1.1, (196, 196, 206))
    # Rubber feet.
    sk.rect(w - 5, h - 2.2, w - 0.2, h - 0.2, (52, 48, 44))
    sk.rect(0.2, h - 2.2, 5, h - 0.2, (52, 48, 44))
    return finish(sk, ink=INK, outline=0.7)
