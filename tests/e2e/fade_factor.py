"""Which fade factor a screenshot shows: every byte of the desktop scaled by one f, (b x f) >> 8."""

FADE_FIRST, FADE_LAST = 256, 42


def scale_table(factor):
    return bytes((value * factor) >> 8 for value in range(256))


def fade_factor(desktop, screen):
    """The f in [42, 256] for which every byte of screen is (desktop byte x f) >> 8, the largest one
    when several fit, or None when no single factor explains the whole screen."""
    if len(desktop) != len(screen):
        return None
    brightest = max(range(0, len(desktop), 97), key=desktop.__getitem__)
    for factor in range(FADE_FIRST, FADE_LAST - 1, -1):
        if (desktop[brightest] * factor) >> 8 == screen[brightest] and \
                desktop.translate(scale_table(factor)) == screen:
            return factor
    return None
