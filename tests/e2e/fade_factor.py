"""Which fade factors a screenshot shows: every byte of the desktop scaled by one f, (b x f) >> 8."""

FADE_FIRST, FADE_LAST = 256, 42
FACTORS = range(FADE_FIRST, FADE_LAST - 1, -1)
SCALE_TABLES = {factor: bytes((value * factor) >> 8 for value in range(256)) for factor in FACTORS}


def matching_factors(desktop, screen):
    """Every f for which each byte of screen is the desktop byte scaled by f, largest first."""
    if len(desktop) != len(screen):
        return []
    brightest = max(range(0, len(desktop), 7), key=desktop.__getitem__)
    return [factor for factor in FACTORS
            if SCALE_TABLES[factor][desktop[brightest]] == screen[brightest]
            and desktop.translate(SCALE_TABLES[factor]) == screen]


def fade_factor(desktop, screen):
    """The largest f that explains the whole screen, or None when no single factor does."""
    factors = matching_factors(desktop, screen)
    return factors[0] if factors else None


def frame_factors(desktop, screen, width):
    """The fade factors of the frames a screenshot shows, largest first: one when it caught a whole
    frame, two when it caught the window while one frame was replacing the previous one (each row then
    belongs to one of the two), or None when no such explanation fits."""
    whole = fade_factor(desktop, screen)
    if whole is not None:
        return (whole,)
    if len(desktop) != len(screen):
        return None
    stride = width * 3
    rows = [set(matching_factors(desktop[i:i + stride], screen[i:i + stride]))
            for i in range(0, len(desktop), stride)]
    if not all(rows):
        return None
    for first in sorted(rows[0], reverse=True):
        others = [row for row in rows if first not in row]
        common = set.intersection(*others) if others else set()
        if common:
            return tuple(sorted({first, max(common)}, reverse=True))
    return None
