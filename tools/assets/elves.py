"""The three elves, all facing left (the way they walk), feet on the bottom row."""
import math

from PIL import ImageOps

from sketch import Sketch, bezier, finish, mix, shade

SKIN = (250, 206, 168)
SKIN_SHADE = (226, 170, 132)
CHEEK = (240, 128, 120)
EYE = (44, 28, 22)
FUR = (248, 246, 238)
FUR_SHADE = (200, 204, 214)
GOLD = (240, 192, 64)
GOLD_DARK = (176, 120, 30)
LINE = (40, 30, 24)

ELVES = {
    # elf1: the carrier. Red hat with a white pompom, arms held forward under its decoration.
    "elf1": dict(
        size=(60, 67), ground=66.8,
        head=(32, 24.5, 9.5), hair=(198, 112, 48),
        hat=dict(color=(206, 36, 44), tip=(48, 6.5), lift=(27, 1.5), back=(45, 12), end="pompom", stripes=None),
        tunic=dict(color=(52, 156, 66), top=(31, 35.5, 6.5), hem=(28.5, 52, 11.5), collar=(214, 40, 46),
                   belt=((92, 54, 30), 45.5, GOLD)),
        legs=[((31, 51), (35, 61.5)), ((26, 51), (22, 61.5))],
        stockings=((214, 40, 46), FUR), shoes=(118, 66, 34),
        arms=[((33.5, 37.5), (28, 42), (20.5, 36.5)), ((30, 37.5), (24, 41), (17.5, 34.5))],
    ),
    # elf2: the big puller. Green hat with a gold bell, leaning into the rope held at its back.
    "elf2": dict(
        size=(70, 74), ground=73.8,
        head=(29.5, 27, 10.5), hair=(120, 70, 40),
        hat=dict(color=(36, 118, 52), tip=(58, 10), lift=(29, 2), back=(52, 16), end="bell", stripes=None),
        tunic=dict(color=(34, 126, 54), top=(33.5, 39.5, 7.2), hem=(38, 57, 12.5), collar=(210, 38, 44),
                   belt=((200, 40, 44), 50, GOLD)),
        legs=[((41, 56), (48.5, 67.5)), ((35, 56), (25.5, 67.5))],
        stockings=((36, 110, 50), FUR), shoes=(196, 36, 42),
        arms=[((37, 41), (43, 47), (49, 40)), ((33, 41.5), (39.5, 48), (46.5, 42))],
    ),
    # elf3: the tall one. Long red-and-white striped hat with a bell, upright and calm.
    "elf3": dict(
        size=(60, 79), ground=78.8,
        head=(30, 34, 9.2), hair=(230, 170, 70),
        hat=dict(color=(208, 38, 46), tip=(51, 6), lift=(22, 0), back=(38, 14), end="bell",
                 stripes=FUR),
        tunic=dict(color=(70, 170, 74), top=(30.5, 44.5, 6), hem=(30, 62, 11), collar=(246, 200, 70),
                   belt=((90, 52, 28), 54.5, GOLD)),
        legs=[((33, 61), (36.5, 72.5)), ((27.5, 61), (23.5, 72.5))],
        stockings=((206, 36, 44), (250, 214, 90)), shoes=(52, 120, 60),
        arms=[((33, 46), (33.5, 53), (30.5, 58.5)), ((29, 46), (25.5, 52.5), (21.5, 56))],
    ),
}


def draw_elf(spec):
    w, h = spec["size"]
    sk = Sketch(w, h)
    back_leg, front_leg = spec["legs"]
    back_arm, front_arm = spec["arms"]
    tunic = spec["tunic"]
    draw_arm(sk, back_arm, shade(tunic["color"], 0.7), behind=True)
    for leg, dim in ((back_leg, 0.8), (front_leg, 1.0)):
        draw_leg(sk, leg, spec["stockings"], dim)
        draw_shoe(sk, leg[1], spec["ground"], shade(spec["shoes"], dim))
    draw_tunic(sk, tunic)
    draw_head(sk, spec["head"], spec["hair"])
    draw_hat(sk, spec["head"], spec["hat"])
    draw_arm(sk, front_arm, tunic["color"], behind=False)
    return finish(sk)


def draw_leg(sk, leg, colors, dim):
    (x0, y0), (x1, y1) = leg
    length = math.hypot(x1 - x0, y1 - y0)
    nx, ny = -(y1 - y0) / length * 2.1, (x1 - x0) / length * 2.1
    steps = max(2, int(length / 2.2))
    for i in range(steps):
        t0, t1 = i / steps, (i + 1) / steps
        a = (x0 + (x1 - x0) * t0, y0 + (y1 - y0) * t0)
        b = (x0 + (x1 - x0) * t1, y0 + (y1 - y0) * t1)
        c = shade(colors[i % 2], dim)
        sk.polygon([(a[0] + nx, a[1] + ny), (b[0] + nx, b[1] + ny), (b[0] - nx, b[1] - ny), (a[0] - nx, a[1] - ny)], c)


def draw_shoe(sk, ankle, ground, color):
    ax, ay = ankle
    g = ground
    pts = [(ax + 3.4, ay - 0.5), (ax + 3.8, g - 2.2), (ax + 2.6, g)]
    pts += bezier((ax - 4, g), (ax - 9.5, g + 0.2), (ax - 10, g - 5.2), 8)
    pts += bezier((ax - 10, g - 5.2), (ax - 7, g - 3.4), (ax - 3, g - 4.6), 8)
    pts += [(ax - 2.6, ay - 0.5)]
    sk.polygon(pts, color, outline=shade(color, 0.45), width=0.5)
    sk.line([(ax + 3.2, g - 0.6), (ax - 5, g - 0.6)], shade(color, 0.6), 0.9)
    sk.polygon([(ax - 2.4, ay - 0.6), (ax + 3.2, ay - 0.6), (ax + 3.3, ay + 1.1), (ax - 2.9, ay + 1.1)], FUR)
    sk.circle(ax - 10, g - 5.4, 1.4, GOLD, outline=GOLD_DARK, width=0.4)


def draw_tunic(sk, t):
    tx, ty, tw = t["top"]
    hx, hy, hw = t["hem"]
    color = t["color"]
    body = sk.layer()
    pts = [(tx - tw, ty + 1.5), (tx - tw + 1.5, ty), (tx + tw - 1.5, ty), (tx + tw, ty + 1.5)]
    pts += [(hx + hw, hy)]
    teeth = 5
    for i in range(teeth * 2 + 1):
        x = hx + hw - 2 * hw * i / (teeth * 2)
        pts.append((x, hy + (2.8 if i % 2 else 0)))
    body.polygon(pts, color, outline=shade(color, 0.55), width=0.5)
    sk.over(body)
    shading = sk.layer()
    shading.polygon([(tx + tw * 0.35, ty - 2), (tx + tw + 4, ty - 2), (hx + hw + 4, hy + 4), (hx + hw * 0.4, hy + 4)],
                    shade(color, 0.78))
    shading.polygon([(tx - tw + 0.8, ty + 2), (tx - tw + 2.6, ty + 2), (hx - hw + 3.5, hy - 1), (hx - hw + 1.6, hy - 1)],
                    shade(color, 1.25))
    belt_color, belt_y, buckle = t["belt"]
    shading.polygon([(0, belt_y - 1.4), (sk.width, belt_y - 1.4), (sk.width, belt_y + 1.4), (0, belt_y + 1.4)], belt_color)
    bx = tx + (hx - tx) * (belt_y - ty) / (hy - ty) - 1.5
    shading.rect(bx - 2.2, belt_y - 2.1, bx + 2.2, belt_y + 2.1, buckle, outline=GOLD_DARK, width=0.5, radius=0.6)
    shading.rect(bx - 0.8, belt_y - 0.8, bx + 0.8, belt_y + 0.8, belt_color)
    sk.paste_clipped(shading, body)
    # A pointed collar, two petals at the front and one at the back.
    c = t["collar"]
    for dx, tip in ((-4.5, (-6.5, 4.5)), (-0.5, (-1.5, 5.5)), (3.5, (5.5, 4.5))):
        x0 = tx + dx
        sk.polygon([(x0 - 2.6, ty - 0.3), (x0 + 2.6, ty - 0.3), (tx + tip[0], ty + tip[1])], c,
                   outline=shade(c, 0.55), width=0.4)


def draw_head(sk, head, hair):
    hx, hy, r = head
    # Ear at the back of the head: long, pointed, sweeping up and back.
    ear = [(hx + 0.45 * r, hy - 0.2 * r), (hx + 1.55 * r, hy - 0.75 * r), (hx + 0.75 * r, hy + 0.45 * r)]
    sk.polygon(ear, SKIN, outline=shade(SKIN_SHADE, 0.7), width=0.45)
    sk.line([(hx + 0.75 * r, hy), (hx + 1.3 * r, hy - 0.55 * r)], CHEEK, 0.7)
    face = sk.layer()
    face.circle(hx, hy, r, SKIN, outline=shade(SKIN_SHADE, 0.7), width=0.45)
    sk.over(face)
    shadow = sk.layer()
    shadow.circle(hx + 0.55 * r, hy + 0.3 * r, 0.8 * r, SKIN_SHADE)
    shadow.circle(hx + 0.1 * r, hy + 0.3 * r, 0.75 * r, SKIN)
    shadow.ellipse(hx + 0.72 * r, hy - 0.35 * r, 0.4 * r, 0.5 * r, hair)
    sk.paste_clipped(shadow, face)
    sk.line([(hx + 0.65 * r, hy - 0.6 * r), (hx + 0.95 * r, hy + 0.05 * r)], hair, 1.4)
    # Face in profile, looking left.
    sk.ellipse(hx - 0.3 * r, hy + 0.42 * r, 0.26 * r, 0.17 * r, CHEEK)
    sk.ellipse(hx - 0.4 * r, hy - 0.05 * r, 0.11 * r, 0.16 * r, EYE)
    sk.circle(hx - 0.44 * r, hy - 0.12 * r, 0.05 * r, (255, 255, 255))
    sk.line([(hx - 0.56 * r, hy - 0.35 * r), (hx - 0.26 * r, hy - 0.4 * r)], hair, 0.7)
    sk.circle(hx - 0.95 * r, hy + 0.18 * r, 0.22 * r, mix(SKIN, CHEEK, 0.45), outline=shade(SKIN_SHADE, 0.7), width=0.4)
    sk.arc(hx - 0.62 * r, hy + 0.45 * r, 0.22 * r, 0.16 * r, 20, 150, LINE, 0.55)


def draw_hat(sk, head, hat):
    hx, hy, r = head
    brim_y = hy - 0.55 * r
    tip = hat["tip"]
    left = bezier((hx - 0.95 * r, brim_y), hat["lift"], tip, 20)
    right = bezier(tip, hat["back"], (hx + 1.0 * r, brim_y), 20)
    color = hat["color"]
    cone = sk.layer()
    cone.polygon(left + right, color, outline=shade(color, 0.5), width=0.5)
    sk.over(cone)
    deco = sk.layer()
    if hat["stripes"]:
        # Bands across the hat, following its bend from the brim to the tip.
        axis = bezier((hx, brim_y), (hx - 0.1 * r, brim_y - 2.6 * r), tip, 60)
        for k in range(3, 60, 9):
            band = axis[k:k + 5]
            (ax, ay), (bx, by) = band[0], band[-1]
            n = math.hypot(bx - ax, by - ay) or 1
            px, py = -(by - ay) / n * 14, (bx - ax) / n * 14
            deco.polygon([(ax + px, ay + py), (bx + px, by + py), (bx - px, by - py), (ax - px, ay - py)],
                         hat["stripes"])
    deco.polygon([(pt[0] + 2.2, pt[1] + 1.6) for pt in right[:-1]] + [(hx + r + 3, brim_y + 2), (tip[0] + 4, tip[1] + 4)],
                 shade(color, 0.75))
    sk.paste_clipped(deco, cone)
    sk.rect(hx - 1.15 * r, brim_y - 1.6, hx + 1.15 * r, brim_y + 1.7, FUR, outline=FUR_SHADE, width=0.5, radius=1.6)
    sk.line([(hx - 0.9 * r, brim_y + 0.9), (hx + 0.9 * r, brim_y + 0.9)], mix(FUR, FUR_SHADE, 0.6), 0.6)
    tx, ty = tip
    if hat["end"] == "pompom":
        sk.circle(tx + 1, ty + 0.6, 3.6, FUR, outline=FUR_SHADE, width=0.6)
        sk.circle(tx + 0.2, ty - 0.4, 1.4, (255, 255, 255))
    else:
        bell = [(tx - 2.2, ty + 3.4), (tx - 1.6, ty - 0.6), (tx + 0.5, ty - 2.2), (tx + 2.6, ty - 0.6),
                (tx + 3.2, ty + 3.4), (tx + 4.0, ty + 4.2), (tx - 3.0, ty + 4.2)]
        sk.polygon(bell, GOLD, outline=GOLD_DARK, width=0.5)
        sk.circle(tx + 0.5, ty + 4.6, 1.1, GOLD_DARK)
        sk.circle(tx - 0.3, ty + 0.4, 0.8, (255, 240, 180))


def draw_arm(sk, arm, sleeve, behind):
    s, e, hand = arm
    sk.line([s, e, hand], shade(sleeve, 0.55), 4.4)
    sk.line([s, e, hand], sleeve, 3.4)
    dx, dy = hand[0] - e[0], hand[1] - e[1]
    n = math.hypot(dx, dy)
    cuff = (hand[0] - dx / n * 1.8, hand[1] - dy / n * 1.8)
    sk.circle(cuff[0], cuff[1], 1.9, FUR_SHADE if behind else FUR)
    sk.circle(hand[0], hand[1], 1.9, SKIN_SHADE if behind else SKIN, outline=shade(SKIN_SHADE, 0.7), width=0.4)


def make_elves():
    """{name: (picture, shape)}"""
    pics = {name: draw_elf(spec) for name, spec in ELVES.items()}
    pics["elf3_right"] = tuple(ImageOps.mirror(im) for im in pics["elf3"])
    return pics
