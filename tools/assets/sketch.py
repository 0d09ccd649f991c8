"""A 4x supersampled drawing surface whose coordinates are final-size pixels.

Pictures are drawn on transparent RGBA at SCALE times their size, given a dark
outline around their whole silhouette, reduced with an area filter, and snapped:
coverage of half a pixel or more is inside, the rest becomes pure black, which
the program treats as transparent. Inside pixels are never pure black.
"""
import math

from PIL import Image, ImageChops, ImageDraw

SCALE = 4
INK = (12, 10, 8)          # outline colour: very dark, never pure black
NEAR_BLACK = (8, 8, 8)     # what an inside pixel that came out pure black becomes


class Sketch:
    def __init__(self, width, height):
        self.width, self.height = width, height
        self.image = Image.new("RGBA", (width * SCALE, height * SCALE), (0, 0, 0, 0))
        self.draw = ImageDraw.Draw(self.image)

    # Every coordinate below is in final pixels; (0, 0) is the top-left corner of the picture.
    def _pts(self, pts):
        return [(x * SCALE, y * SCALE) for x, y in pts]

    def polygon(self, pts, fill, outline=None, width=0.5):
        self.draw.polygon(self._pts(pts), fill=rgba(fill), outline=rgba(outline),
                          width=max(1, round(width * SCALE)) if outline else 0)

    def ellipse(self, cx, cy, rx, ry, fill, outline=None, width=0.5):
        box = [(cx - rx) * SCALE, (cy - ry) * SCALE, (cx + rx) * SCALE, (cy + ry) * SCALE]
        self.draw.ellipse(box, fill=rgba(fill), outline=rgba(outline),
                          width=max(1, round(width * SCALE)) if outline else 0)

    def circle(self, cx, cy, r, fill, outline=None, width=0.5):
        self.ellipse(cx, cy, r, r, fill, outline, width)

    def line(self, pts, fill, width):
        self.draw.line(self._pts(pts), fill=rgba(fill), width=max(1, round(width * SCALE)), joint="curve")
        r = width / 2
        for x, y in (pts[0], pts[-1]):   # round caps
            self.ellipse(x, y, r, r, fill)

    def rect(self, x0, y0, x1, y1, fill, outline=None, width=0.5, radius=0):
        box = [x0 * SCALE, y0 * SCALE, x1 * SCALE, y1 * SCALE]
        self.draw.rounded_rectangle(box, radius=radius * SCALE, fill=rgba(fill), outline=rgba(outline),
                                    width=max(1, round(width * SCALE)) if outline else 0)

    def arc(self, cx, cy, rx, ry, start, end, fill, width):
        box = [(cx - rx) * SCALE, (cy - ry) * SCALE, (cx + rx) * SCALE, (cy + ry) * SCALE]
        self.draw.arc(box, start, end, fill=rgba(fill), width=max(1, round(width * SCALE)))

    def layer(self):
        """A fresh transparent sketch of the same size, to be composited back with paste_clipped."""
        return Sketch(self.width, self.height)

    def paste_clipped(self, other, clip):
        """Composites other over self, only where clip (another Sketch) is opaque."""
        alpha = ImageChops.multiply(other.image.getchannel("A"), clip.image.getchannel("A"))
        top = other.image.copy()
        top.putalpha(alpha)
        self.image.alpha_composite(top)

    def over(self, other):
        self.image.alpha_composite(other.image)


def rgba(c):
    if c is None:
        return None
    return tuple(c) + (255,) if len(c) == 3 else tuple(c)


def shade(c, f):
    """Scales a colour toward black (f < 1) or toward white (f > 1)."""
    if f <= 1:
        return tuple(int(v * f) for v in c)
    t = f - 1
    return tuple(int(v + (255 - v) * t) for v in c)


def mix(a, b, t):
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def bezier(p0, p1, p2, n=16, p3=None):
    """Points of a quadratic (or cubic, with p3) Bezier curve."""
    out = []
    for i in range(n + 1):
        t = i / n
        if p3 is None:
            a, b, c = (1 - t) ** 2, 2 * (1 - t) * t, t * t
            out.append((a * p0[0] + b * p1[0] + c * p2[0], a * p0[1] + b * p1[1] + c * p2[1]))
        else:
            a, b, c, d = (1 - t) ** 3, 3 * (1 - t) ** 2 * t, 3 * (1 - t) * t * t, t ** 3
            out.append((a * p0[0] + b * p1[0] + c * p2[0] + d * p3[0],
                        a * p0[1] + b * p1[1] + c * p2[1] + d * p3[1]))
    return out


def dilate(alpha, radius):
    """Binary disc dilation of an 'L' mask by radius (in supersampled pixels)."""
    solid = alpha.point(lambda v: 255 if v >= 128 else 0)
    out = solid.copy()
    for dy in range(-radius, radius + 1):
        for dx in range(-radius, radius + 1):
            if (dx or dy) and dx * dx + dy * dy <= radius * radius + radius:
                shifted = Image.new("L", solid.size, 0)
                shifted.paste(solid, (dx, dy))
                out = ImageChops.lighter(out, shifted)
    return out


def finish(sketch, ink=INK, outline=1.0):
    """Outlines, reduces and snaps a sketch. Returns (RGB picture, 'L' mask of 0/255)."""
    hi = sketch.image
    if outline > 0:
        base = Image.new("RGBA", hi.size, ink + (0,))
        base.putalpha(dilate(hi.getchannel("A"), round(outline * SCALE)))
        base.alpha_composite(hi)
        hi = base
    small = hi.convert("RGBa").resize((sketch.width, sketch.height), Image.BOX).convert("RGBA")
    return snap(small, ink)


def snap(rgba_image, ink=INK):
    """Half coverage or more is inside; partial edge pixels are blended toward the ink."""
    w, h = rgba_image.size
    src = rgba_image.load()
    out = Image.new("RGB", (w, h))
    mask = Image.new("L", (w, h))
    dst, m = out.load(), mask.load()
    for y in range(h):
        for x in range(w):
            r, g, b, a = src[x, y]
            if a < 128:
                dst[x, y] = (0, 0, 0)
                m[x, y] = 0
                continue
            t = a / 255
            c = tuple(int(round(v * t + k * (1 - t))) for v, k in zip((r, g, b), ink))
            dst[x, y] = c if any(c) else NEAR_BLACK
            m[x, y] = 255
    return out, mask


def polar(cx, cy, r, deg):
    a = math.radians(deg)
    return (cx + r * math.cos(a), cy + r * math.sin(a))
