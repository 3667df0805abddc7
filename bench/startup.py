#!/usr/bin/env python3
"""Start-up of the game beside an empty Qt window, as a player sees it: from exec to the first
painted frame of the window, and peak resident memory then, for both programs in turn in one run
(interleaved, so that the machine's drift touches both alike), with medians and ratios.

    bench/startup.py [--runs N] [--build DIR] [--settings FILE] [--picture]

--settings starts the game on that settings file; --picture makes a 1600 x 1200 JPEG background
(and turns music on) the way the issue of record measures it.
"""
import argparse
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def run_once(cmd, env):
    start = time.monotonic_ns()
    out = subprocess.run(cmd, env=env, capture_output=True, text=True, timeout=60).stdout
    frame = memory = None
    for line in out.splitlines():
        if line.startswith("first-frame-ns"):
            frame = int(line.split()[1])
        elif line.startswith("peak-memory"):
            memory = int(line.split()[1])
    if frame is None:
        raise SystemExit(f"{cmd[0]} reported no first frame")
    return (frame - start) / 1e6, memory


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--build", default="build")
    parser.add_argument("--settings")
    parser.add_argument("--picture", action="store_true")
    args = parser.parse_args()

    game = os.path.join(args.build, "app", "kembrolla-panic")
    empty = os.path.join(args.build, "bench", "empty_window")
    scratch = tempfile.mkdtemp()
    display = ":%d" % (150 + os.getpid() % 50)
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        time.sleep(0.5)
        env = dict(os.environ, DISPLAY=display, KP_FIRST_FRAME_PROBE="1",
                   XDG_CONFIG_HOME=scratch, PULSE_SERVER="unix:/nonexistent")
        settings_dir = os.path.join(scratch, "kembrolla-panic")
        os.makedirs(settings_dir)
        settings = os.path.join(settings_dir, "kembrolla-panic.ini")
        text = open(args.settings).read() if args.settings else ""
        if args.picture:
            picture = os.path.join(scratch, "picture.jpg")
            subprocess.run(["convert", "-size", "1600x1200", "plasma:fractal", "-quality", "90",
                            picture], check=True)
            text = "[Options]\nFond=3\nMusique=1\nCheminFond1=%s\n" % picture
        results = {"game": [], "empty": []}
        for i in range(args.runs + 1):  # the first pair warms the caches and is not counted
            with open(settings, "w") as f:
                f.write(text)
            pair = [("game", [game]), ("empty", [empty])]
            if i % 2:
                pair.reverse()
            for name, cmd in pair:
                figure = run_once(cmd, env)
                if i:
                    results[name].append(figure)
        med = {name: (statistics.median(t for t, _ in r), statistics.median(m for _, m in r))
               for name, r in results.items()}
        for name in ("game", "empty"):
            times = " ".join("%.0f" % t for t, _ in results[name])
            print("%-6s first frame ms: %s  (median %.1f); peak memory median %.1f MB"
                  % (name, times, med[name][0], med[name][1] / 1024))
        print("ratio game/empty: first frame %.2fx, peak memory %.2fx"
              % (med["game"][0] / med["empty"][0], med["game"][1] / med["empty"][1]))
    finally:
        xvfb.terminate()
        shutil.rmtree(scratch, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
