"""tinselwick.exe under Wine on a virtual screen: what it shows, how it ends, how it refuses a
screen it cannot use, and what its program file carries."""
import os
import tempfile
import time
import unittest

from desktop_picture import desktop_pixels, write_ppm
from fade_factor import frame_factors
from harness import Program, VirtualScreen, WinePrefix, wait_until

EXE = os.environ["TINSELWICK_EXE"]
WINE_TEMPLATE = os.environ["TINSELWICK_WINE_TEMPLATE"]

TITLE = "Tinselwick"
START_SECONDS = 60  # a cold wineserver in a fresh prefix, with another case starting beside it
EXIT_SECONDS = 1
FADE_END_SECONDS = 3.0
# The fade's last frame is drawn at some t up to 3000 ms: f = 256 - t * 214 / 3000.
SETTLED_FACTORS = range(42, 46)
# f at t = 1900 ms: a screenshot taken within about two seconds of the window's appearance.
EARLY_FACTOR = 121
MB_ICONERROR = 0x10


class ScreenCase(unittest.TestCase):
    """One virtual screen showing the test desktop, and a private prefix."""

    def start_screen(self, width, height):
        self.screen = VirtualScreen(width, height)
        self.addCleanup(self.screen.close)
        self.prefix = WinePrefix(WINE_TEMPLATE)
        self.addCleanup(self.prefix.close)
        self.desktop = desktop_pixels(width, height)
        picture = os.path.join(self.prefix.root, "desktop.ppm")
        write_ppm(picture, width, height, self.desktop)
        self.screen.paint_desktop(picture)
        self.assertEqual(self.screen.screenshot(), self.desktop, "the desktop picture is on the screen")

    def start_program(self, relay=False):
        program = Program(EXE, self.prefix, self.screen, relay)
        self.addCleanup(program.kill)
        return program

    def wait_for_window(self, program):
        windows = wait_until(lambda: self.screen.window_ids(TITLE) or not program.running(), START_SECONDS)
        self.assertTrue(program.running(), "the program is still running; " + program.describe())
        self.assertEqual(len(windows), 1, "one window of the program is shown; " + program.describe())
        return windows[0]

    def assert_ends_with_zero(self, program, action):
        code = program.wait(EXIT_SECONDS)
        self.assertIsNotNone(code, f"the program ended after {action}")
        self.assertEqual(code, 0)


class GreetingRun(ScreenCase):

    def record_fade(self, width, height):
        """Starts the program and takes screenshots from its window's appearance until the fade is
        over; returns the program, its window and the fade factors of each screenshot."""
        self.start_screen(width, height)
        program = self.start_program()
        window = self.wait_for_window(program)
        shown = time.monotonic()
        factors = []
        # The last screenshot starts after the fade's end, however long each one takes.
        taken = shown
        while taken - shown < FADE_END_SECONDS + 0.5:
            taken = time.monotonic()
            factors.append(frame_factors(self.desktop, self.screen.screenshot(), width))
        return program, window, factors

    def assert_fade_is_exact(self, factors):
        shown = f"fade factors of the screenshots: {factors}"
        self.assertNotIn(None, factors, "every screenshot is the desktop scaled by one factor, or caught "
                         "between two such frames; " + shown)
        for earlier, later in zip(factors, factors[1:]):
            self.assertLessEqual(max(later), min(earlier), "the fade only ever darkens; " + shown)
        self.assertEqual(len(factors[-1]), 1, "the screen after the fade is one settled frame; " + shown)
        self.assertIn(factors[-1][0], SETTLED_FACTORS, "the screen after the fade is the desktop at its end factor; " + shown)
        # A frame made from a capture that held the window itself would not be the desktop scaled; the
        # bound only asks that the first screenshot, however slow, comes from the fade's early part.
        self.assertGreaterEqual(max(factors[0]), EARLY_FACTOR, "the first frames show the desktop nearly unchanged; " + shown)

    def test_fade_over_the_captured_desktop_at_800x600(self):
        program, window, factors = self.record_fade(800, 600)
        self.assertEqual(self.screen.window_geometry(window), (0, 0, 800, 600))
        self.assert_fade_is_exact(factors)
        self.screen.key("a")
        self.assert_ends_with_zero(program, "a key")
        self.assertEqual(os.listdir(program.directory), [], "started in an empty folder, it wrote nothing there")

    def test_fade_over_the_captured_desktop_at_1920x1080(self):
        program, window, factors = self.record_fade(1920, 1080)
        self.assertEqual(self.screen.window_geometry(window), (0, 0, 1920, 1080))
        self.assert_fade_is_exact(factors)
        self.screen.key("Escape")
        self.assert_ends_with_zero(program, "Esc")


class Ending(ScreenCase):
    KEYS = ["a", "Escape", "shift", "alt+F4"]

    def test_each_key_and_alt_f4_end_the_program_with_exit_code_zero(self):
        self.start_screen(800, 600)
        for key in self.KEYS:
            with self.subTest(key=key):
                program = self.start_program()
                try:
                    self.wait_for_window(program)
                    self.screen.key(key)
                    self.assert_ends_with_zero(program, key)
                finally:
                    program.kill()

    def test_a_mouse_click_does_not_end_the_program(self):
        self.start_screen(800, 600)
        program = self.start_program()
        self.wait_for_window(program)
        self.screen.click(400, 300)
        self.assertIsNone(program.wait(1), "still running a second after the click")
        self.screen.key("space")
        self.assert_ends_with_zero(program, "space")


class UnusableScreen(ScreenCase):
    WIDTH_MESSAGE = "Can't support screen of width not a multiple of 4"
    SIZE_MESSAGE = "Your screen resolution must be at least 800 x 600"
    CASES = [((799, 600), WIDTH_MESSAGE), ((796, 768), SIZE_MESSAGE), ((800, 596), SIZE_MESSAGE)]

    def test_refused_screens_end_with_the_error_box_and_exit_code_zero(self):
        for (width, height), message in self.CASES:
            with self.subTest(screen=f"{width}x{height}"):
                self.start_screen(width, height)
                program = self.start_program(relay=True)
                wait_until(lambda: self.screen.window_ids("Error") or not program.running(), START_SECONDS)
                box = self.screen.window_ids("Error")
                self.assertEqual(len(box), 1, "one error box is shown; " + program.describe())
                self.assertEqual(program.message_boxes(), [(0, message, "Error", MB_ICONERROR)])
                self.assertEqual(program.created_windows(), [], "the program made no window")
                self.assertEqual(self.screen.window_ids(TITLE, visible_only=False), [])
                self.screen.key("Return")
                self.assert_ends_with_zero(program, "the box was closed")
                self.doCleanups()


if __name__ == "__main__":
    unittest.main()
