"""The program icon: a small decorated tree with a star, 32 x 32 and 16 x 16, 16 colours."""
from formats import ico_bytes

PALETTE = [
    (0, 0, 0),          # . transparent (masked by the AND bitmap)
    (14, 48, 24),       # o outline
    (28, 100, 44),      # d shadowed needles
    (52, 150, 64),      # G needles
    (120, 200, 96),     # L lit needles
    (110, 64, 30),      # T trunk
    (70, 40, 18),       # t trunk shade
    (255, 220, 60),     # Y star
    (200, 140, 20),     # y star shade
    (224, 36, 44),      # R red bauble
    (60, 110, 230),     # B blue bauble
    (250, 250, 250),    # W snow, highlights
    (255, 170, 40),     # O orange bauble
    (150, 60, 190),     # P purple bauble
    (120, 24, 30),      # r dark red
    (200, 210, 225),    # S snow shade
]
KEYS = ".odGLTtYyRBWOPrS"

ICON16 = [
    ".......Y........",
    "......YYY.......",
    ".......Y........",
    "......LGd.......",
    ".....LGRdd......",
    "....LGGGddd.....",
    "......LGd.......",
    ".....LGGdB......",
    "....LGYGddd.....",
    "...LGGGGGddd....",
    ".....LGGdd......",
    "....LRGGdOd.....",
    "...LGGGGBddd....",
    "..LGGPGGGddRd...",
    "......TTt.......",
    "......TTt.......",
]

STAR = {1: (15, 16), 2: (14, 17), 3: (11, 20), 4: (13, 18), 5: (13, 18)}
STAR_GAPS = {5: (15, 16)}
TIERS = [(6, 13, 1, 7), (11, 19, 3, 10), (16, 26, 4, 13)]   # first row, last row, first/last half width
BAUBLES = {(9, 14): "R", (13, 18): "B", (12, 12): "O", (17, 11): "Y", (17, 20): "R", (21, 15): "P",
           (22, 8): "B", (20, 22): "O", (24, 12): "R", (24, 19): "Y"}


def icon32():
    grid = [["."] * 32 for _ in range(32)]
    for y, (x0, x1) in STAR.items():
        for x in range(x0, x1 + 1):
            grid[y][x] = "Y" if x < 16 else "y"
    for y, (x0, x1) in STAR_GAPS.items():
        for x in range(x0, x1 + 1):
            grid[y][x] = "."
    for first, last, w0, w1 in TIERS:
        for y in range(first, last + 1):
            half = w0 + (w1 - w0) * (y - first) // (last - first)
            for x in range(16 - half, 16 + half):
                lit = x < 16 - half + 2 or (x < 14 and y == last)
                grid[y][x] = "L" if lit else ("G" if x < 17 else "d")
            if y == last:
                for x in range(16 - half, 16 + half, 4):
                    grid[y][x] = "S" if x < 16 else "W"
    for y in range(27, 31):
        for x in range(14, 18):
            grid[y][x] = "T" if x < 16 else "t"
    for (y, x), c in BAUBLES.items():
        grid[y][x] = c
        grid[y][x + 1] = c
        grid[y + 1][x] = c
        grid[y + 1][x + 1] = "r" if c == "R" else c
        grid[y][x] = "W" if c in "RB" else c
    # Dark outline around everything except the star.
    out = [row[:] for row in grid]
    for y in range(32):
        for x in range(32):
            if grid[y][x] == "." and y > 5:
                near = [grid[yy][xx] for yy in range(max(0, y - 1), min(32, y + 2))
                        for xx in range(max(0, x - 1), min(32, x + 2))]
                if any(c != "." for c in near):
                    out[y][x] = "o"
    return ["".join(r) for r in out]


def encode(rows):
    w, h = len(rows[0]), len(rows)
    indices = [KEYS.index(c) for row in rows for c in row]
    opaque = [c != "." for row in rows for c in row]
    return (w, h, PALETTE, indices, opaque)


def make_icon():
    return ico_bytes([encode(icon32()), encode(ICON16)])
