"""A virtual screen and a private Wine prefix for one end-to-end case.

Every case gets its own Xvfb and its own wineserver: processes that share a wineserver also share the
first display's size, so parallel cases at different sizes need separate prefixes. A case's prefix is a
hard-linked clone of the template made once per test run, with its registry files copied so that the
template stays untouched.
"""
import atexit
import os
import re
import shutil
import subprocess
import tempfile
import time

WINE_ENV = {"WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml="}
POLL_SECONDS = 0.05


def wait_until(predicate, timeout):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = predicate()
        if result:
            return result
        time.sleep(POLL_SECONDS)
    return predicate()


class VirtualScreen:
    """Xvfb on a free display number; -noreset keeps the root picture when the last client leaves."""

    def __init__(self, width, height):
        self.width, self.height = width, height
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-noreset", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        with os.fdopen(read_end) as pipe:
            number = pipe.readline().strip()
        if not number:
            self.process.kill()
            raise RuntimeError("Xvfb did not start")
        self.display = f":{number}"

    def env(self):
        return dict(os.environ, DISPLAY=self.display)

    def run(self, *command, **kwargs):
        return subprocess.run(command, env=self.env(), check=True, capture_output=True, **kwargs)

    def paint_desktop(self, picture_path):
        self.run("hsetroot", "-full", picture_path)

    def screenshot(self):
        """The whole screen as R, G, B bytes, rows top-down."""
        return self.run("import", "-window", "root", "-depth", "8", "rgb:-").stdout

    def window_ids(self, title, visible_only=True):
        command = ["xdotool", "search"] + (["--onlyvisible"] if visible_only else []) + ["--name", f"^{re.escape(title)}$"]
        found = subprocess.run(command, env=self.env(), capture_output=True, text=True)
        return found.stdout.split()

    def window_geometry(self, window_id):
        text = self.run("xwininfo", "-id", window_id, text=True).stdout
        return tuple(int(re.search(rf"{label}:\s+(-?\d+)", text).group(1))
                     for label in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))

    def key(self, *keys):
        self.run("xdotool", "key", *keys)

    def click(self, x, y):
        self.run("xdotool", "mousemove", str(x), str(y), "click", "1")

    def close(self):
        self.process.terminate()
        self.process.wait()


class WinePrefix:
    """A private clone of the template prefix, with its own wineserver."""

    def __init__(self, template):
        self.root = tempfile.mkdtemp(prefix="tinselwick-e2e-")
        self.path = os.path.join(self.root, "prefix")
        subprocess.run(["cp", "-al", template, self.path], check=True)
        for name in os.listdir(template):
            if name.endswith(".reg"):
                target = os.path.join(self.path, name)
                os.unlink(target)
                shutil.copy2(os.path.join(template, name), target)

    def env(self, screen, debug="-all"):
        return dict(screen.env(), WINEPREFIX=self.path, **dict(WINE_ENV, WINEDEBUG=debug))

    def close(self):
        subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=self.path),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        subprocess.run(["wineserver", "-w"], env=dict(os.environ, WINEPREFIX=self.path),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Wine finds a prefix's wineserver by the folder's inode: removing the folder only when the case
        # ends keeps the next prefix of the same case from reusing the inode and meeting a stale server.
        atexit.register(shutil.rmtree, self.root, ignore_errors=True)


class Program:
    """tinselwick.exe running under wine; with relay=True the calls listed in the prefix's RelayInclude
    are traced to a log that message_boxes() and created_windows() read."""

    def __init__(self, exe, prefix, screen, relay=False):
        self.log_path = os.path.join(prefix.root, f"relay-{time.monotonic_ns()}.log")
        self.log = open(self.log_path, "wb")
        # An empty working directory: every picture must come from the program's own resources.
        self.directory = tempfile.mkdtemp(dir=prefix.root, prefix="cwd-")
        self.process = subprocess.Popen(
            ["wine", exe], env=prefix.env(screen, "+relay" if relay else "-all"), cwd=self.directory,
            stdout=subprocess.DEVNULL, stderr=self.log)

    def running(self):
        return self.process.poll() is None

    def wait(self, timeout):
        """The exit code, or None if the program is still running after timeout seconds."""
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None

    def describe(self):
        """What became of the program, with the end of its Wine log: for a failing case's message."""
        code = self.process.poll()
        state = "still running" if code is None else f"ended with exit code {code}"
        self.log.flush()
        with open(self.log_path, "rb") as log:
            tail = log.read().decode("latin-1").splitlines()[-15:]
        return "\n".join([f"tinselwick.exe {state}; the end of its Wine log:"] + tail)

    def kill(self):
        if self.running():
            self.process.kill()
            self.process.wait()
        self.log.close()

    def _relay_calls(self, function):
        with open(self.log_path, "rb") as log:
            text = log.read().decode("latin-1")
        return re.findall(rf"Call user32\.{function}\((.*)\) ret=", text)

    def message_boxes(self):
        """(owner, text, title, style) of every MessageBoxA call so far."""
        pattern = re.compile(r'^([0-9a-f]+),[0-9a-f]+ "(.*)",[0-9a-f]+ "(.*)",([0-9a-f]+)$')
        boxes = []
        for arguments in self._relay_calls("MessageBoxA"):
            owner, text, title, style = pattern.match(arguments).groups()
            boxes.append((int(owner, 16), text, title, int(style, 16)))
        return boxes

    def created_windows(self):
        return self._relay_calls("CreateWindowExA")
