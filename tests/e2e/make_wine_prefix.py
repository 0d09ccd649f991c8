"""Makes the run's template Wine prefix: a fresh wineboot that asks for nothing, with relay tracing
limited to the calls the cases read (the error box and window creation).

The virtual screens have no window manager, so Wine is told not to hand its windows to one: a managed
window's destruction waits two seconds for a manager that never answers, which would hide how fast the
program itself ends."""
import os
import shutil
import subprocess
import sys

from harness import WINE_ENV, VirtualScreen

RELAY_INCLUDE = "user32.MessageBoxA;user32.CreateWindowExA"
REGISTRY = [
    (r"HKCU\Software\Wine\Debug", "RelayInclude", RELAY_INCLUDE),
    (r"HKCU\Software\Wine\X11 Driver", "Managed", "N"),
]


def main(path):
    shutil.rmtree(path, ignore_errors=True)
    screen = VirtualScreen(800, 600)
    try:
        env = dict(screen.env(), WINEPREFIX=path, **WINE_ENV)
        subprocess.run(["wineboot", "-i"], env=env, check=True, capture_output=True)
        for key, name, value in REGISTRY:
            subprocess.run(["wine", "reg", "add", key, "/v", name, "/t", "REG_SZ", "/d", value, "/f"],
                           env=env, check=True, capture_output=True)
        subprocess.run(["wineserver", "-w"], env=env, check=True)
    finally:
        screen.close()
    if not os.path.isfile(os.path.join(path, "user.reg")):
        sys.exit(f"no Wine prefix made at {path}")


if __name__ == "__main__":
    main(sys.argv[1])
