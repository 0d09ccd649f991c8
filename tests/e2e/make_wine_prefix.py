"""Makes the run's template Wine prefix: a fresh wineboot that asks for nothing, with relay tracing
limited to the calls the cases read (the error box and window creation)."""
import os
import shutil
import subprocess
import sys

from harness import WINE_ENV, VirtualScreen

RELAY_INCLUDE = "user32.MessageBoxA;user32.CreateWindowExA"


def main(path):
    shutil.rmtree(path, ignore_errors=True)
    screen = VirtualScreen(800, 600)
    try:
        env = dict(screen.env(), WINEPREFIX=path, **WINE_ENV)
        subprocess.run(["wineboot", "-i"], env=env, check=True, capture_output=True)
        subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\Debug", "/v", "RelayInclude",
                        "/t", "REG_SZ", "/d", RELAY_INCLUDE, "/f"], env=env, check=True, capture_output=True)
        subprocess.run(["wineserver", "-w"], env=env, check=True)
    finally:
        screen.close()
    if not os.path.isfile(os.path.join(path, "user.reg")):
        sys.exit(f"no Wine prefix made at {path}")


if __name__ == "__main__":
    main(sys.argv[1])
