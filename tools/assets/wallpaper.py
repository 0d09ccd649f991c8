"""A calm demo desktop: a dusk landscape, a few desktop icons, two windows and a taskbar."""
import math

from PIL import Image, ImageDraw, ImageFont

SANS = "/usr/share/fonts/opentype/urw-base35/NimbusSans-Regular.otf"
SANS_BOLD = "/usr/share/fonts/opentype/urw-base35/NimbusSans-Bold.otf"


def make_desktop(w, h):
    img = Image.new("RGB", (w, h))
    d = ImageDraw.Draw(img)
    sky_top, sky_low = (38, 70, 128), (150, 186, 214)
    for y in range(h):
        t = min(1.0, y / (h * 0.75))
        d.line([(0, y), (w, y)], fill=tuple(int(a + (b - a) * t) for a, b in zip(sky_top, sky_low)))
    d.ellipse([w * 0.84, h * 0.08, w * 0.84 + h * 0.1, h * 0.18], fill=(248, 244, 226))
    hills = [(0.62, 0.05, 1.3, (92, 130, 150)), (0.70, 0.04, 2.1, (70, 112, 110)), (0.80, 0.03, 3.4, (52, 92, 82))]
    for base, amp, freq, color in hills:
        pts = [(x, h * (base + amp * math.sin(x / w * freq * math.pi + base * 9))) for x in range(0, w + 8, 8)]
        d.polygon(pts + [(w, h), (0, h)], fill=color)
    taskbar = 40 if h >= 700 else 32
    icon_font = ImageFont.truetype(SANS, 13 if h >= 700 else 11)
    for i, (kind, label) in enumerate([("computer", "This PC"), ("folder", "Documents"), ("doc", "Notes.txt"),
                                       ("bin", "Recycle Bin")]):
        desktop_icon(d, 18, 16 + i * (86 if h >= 700 else 74), kind, label, icon_font)
    scale = w / 1280
    window(d, int(w * 0.30), int(h * 0.10), int(560 * scale), int(330 * scale), "Letters - Notes", scale)
    window(d, int(w * 0.58), int(h * 0.42), int(420 * scale), int(250 * scale), "Photos", scale, photo=True)
    d.rectangle([0, h - taskbar, w, h], fill=(30, 34, 46))
    d.line([(0, h - taskbar), (w, h - taskbar)], fill=(70, 78, 100))
    d.rounded_rectangle([6, h - taskbar + 5, 6 + taskbar * 2, h - 5], radius=4, fill=(54, 120, 200))
    d.text((14, h - taskbar / 2), "Start", font=ImageFont.truetype(SANS_BOLD, 13), fill=(255, 255, 255), anchor="lm")
    for i in range(3):
        x = 20 + taskbar * 2 + i * 46
        d.rounded_rectangle([x, h - taskbar + 6, x + 38, h - 6], radius=4, fill=(58, 64, 84))
    d.text((w - 14, h - taskbar / 2), "12:24", font=ImageFont.truetype(SANS, 13), fill=(230, 230, 236), anchor="rm")
    return img


def desktop_icon(d, x, y, kind, label, font):
    cx = x + 30
    if kind == "folder":
        d.rounded_rectangle([cx - 20, y + 6, cx - 4, y + 14], radius=2, fill=(220, 170, 50))
        d.rounded_rectangle([cx - 20, y + 10, cx + 20, y + 40], radius=3, fill=(246, 200, 80))
    elif kind == "doc":
        d.polygon([(cx - 15, y + 2), (cx + 8, y + 2), (cx + 16, y + 10), (cx + 16, y + 44), (cx - 15, y + 44)],
                  fill=(248, 248, 250))
        for i in range(6):
            d.line([(cx - 10, y + 14 + i * 5), (cx + 10, y + 14 + i * 5)], fill=(150, 160, 180))
    elif kind == "bin":
        d.rectangle([cx - 16, y + 6, cx + 16, y + 10], fill=(200, 206, 214))
        d.polygon([(cx - 14, y + 12), (cx + 14, y + 12), (cx + 11, y + 44), (cx - 11, y + 44)], fill=(176, 186, 198))
        for i in (-6, 0, 6):
            d.line([(cx + i, y + 16), (cx + i * 0.8, y + 40)], fill=(130, 140, 156), width=2)
    else:
        d.rounded_rectangle([cx - 20, y + 4, cx + 20, y + 32], radius=3, fill=(60, 66, 80))
        d.rectangle([cx - 17, y + 7, cx + 17, y + 29], fill=(90, 160, 230))
        d.rectangle([cx - 4, y + 32, cx + 4, y + 38], fill=(120, 126, 140))
        d.rectangle([cx - 12, y + 38, cx + 12, y + 41], fill=(120, 126, 140))
    d.text((cx + 1, y + 58), label, font=font, fill=(0, 0, 0), anchor="ms")
    d.text((cx, y + 57), label, font=font, fill=(255, 255, 255), anchor="ms")


def window(d, x, y, w, h, title, scale, photo=False):
    d.rectangle([x + 4, y + 4, x + w + 4, y + h + 4], fill=(40, 50, 70))
    d.rectangle([x, y, x + w, y + h], fill=(244, 245, 248), outline=(90, 100, 120))
    bar = max(22, int(30 * scale))
    d.rectangle([x, y, x + w, y + bar], fill=(222, 228, 238))
    d.text((x + 10, y + bar / 2), title, font=ImageFont.truetype(SANS, max(11, int(14 * scale))),
           fill=(30, 34, 46), anchor="lm")
    for i, c in enumerate([(230, 80, 70), (150, 156, 170), (150, 156, 170)]):
        bx = x + w - 18 - i * 26
        d.rectangle([bx - 6, y + bar / 2 - 6, bx + 6, y + bar / 2 + 6], fill=c)
    if photo:
        d.rectangle([x + 10, y + bar + 10, x + w - 10, y + h - 10], fill=(120, 170, 210))
        d.polygon([(x + 10, y + h - 10), (x + w * 0.4, y + h * 0.45), (x + w * 0.7, y + h - 10)], fill=(60, 110, 80))
        d.polygon([(x + w * 0.45, y + h - 10), (x + w * 0.75, y + h * 0.55), (x + w - 10, y + h - 10)],
                  fill=(80, 130, 90))
        d.ellipse([x + w * 0.7, y + bar + 20, x + w * 0.7 + 28 * scale, y + bar + 20 + 28 * scale], fill=(250, 220, 120))
    else:
        for i in range(int((h - bar - 30) / (18 * scale))):
            length = w - 40 - (i * 53 % 7) * 30 * scale
            ly = y + bar + 20 + i * 18 * scale
            d.line([(x + 20, ly), (x + 20 + length, ly)], fill=(120, 128, 146), width=max(1, int(3 * scale)))
