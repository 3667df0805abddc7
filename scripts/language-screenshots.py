#!/usr/bin/env python3
"""Screenshots of the game in every language, under a virtual display of its own with a window
manager: the main window, the Options menu open, each page of the configuration dialog, and a
question box (the about page's "erase the scores"). One PNG per view and language, and one
contact sheet per language.

    scripts/language-screenshots.py OUT-DIR [--build DIR] [--languages fr,de,...]
"""
import argparse
import os
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# In the settings' order ("Langue" 0..8).
CODES = ["fr", "en", "de", "es", "it", "pt_BR", "nl", "pl", "ru"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("out")
    parser.add_argument("--build", default=os.path.join(ROOT, "build"))
    parser.add_argument("--languages", default=",".join(CODES))
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    game = os.path.join(args.build, "app", "kembrolla-panic")
    work = tempfile.mkdtemp(prefix="kp-shots.")
    display = f":{60 + os.getpid() % 30}"
    env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb",
               PULSE_SERVER="unix:/nonexistent/kp-no-sound", XDG_RUNTIME_DIR=work)
    env.pop("WAYLAND_DISPLAY", None)
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    wm = subprocess.Popen(["jwm"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(0.5)

    def xdo(*a):
        return subprocess.run(["xdotool", *a], env=env, capture_output=True, text=True).stdout

    def shot(code, view):
        time.sleep(0.6)
        path = os.path.join(args.out, f"{code}-{view}.png")
        subprocess.run(["import", "-window", "root", path], env=env, check=True)
        return path

    def key(*keys):
        for k in keys:
            xdo("key", "--clearmodifiers", k)
            time.sleep(0.35)

    try:
        for code in args.languages.split(","):
            config = os.path.join(work, code)
            os.makedirs(os.path.join(config, "kembrolla-panic"), exist_ok=True)
            with open(os.path.join(config, "kembrolla-panic", "kembrolla-panic.ini"), "w") as f:
                # Cells at 150 %: the menu titles hold on one row in every language.
                f.write(f"[Options]\nLangue={CODES.index(code)}\nSmileyTaille=3\n")
            p = subprocess.Popen([game], env=dict(env, XDG_CONFIG_HOME=config),
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            win = ""
            for _ in range(100):
                win = xdo("search", "--onlyvisible", "--name", "^Kembrolla Panic!$").split()
                if win:
                    break
                time.sleep(0.1)
            if not win:
                raise SystemExit(f"{code}: the window did not show")
            xdo("windowactivate", "--sync", win[0])
            time.sleep(0.8)
            shots = [shot(code, "1-window")]
            # Alt alone enters the menu bar (a Cyrillic access key would need a Russian
            # keyboard): the second title, opened.
            key("alt", "Right", "Down")
            shots.append(shot(code, "2-options-menu"))
            key("Escape")  # (a second one would be the panic key)
            key("F1")  # the dialog, on its help page
            shots.append(shot(code, "5-help"))
            key("ctrl+Tab")
            shots.append(shot(code, "6-about"))
            # The erase button, at its place on the page (below the score table, right).
            geometry = xdo("getactivewindow", "getwindowgeometry", "--shell")
            place = dict(line.split("=") for line in geometry.split())
            xdo("mousemove", str(int(place["X"]) + 398), str(int(place["Y"]) + 401), "click", "1")
            shots.append(shot(code, "9-question"))
            key("Escape")
            key("ctrl+Tab")
            shots.append(shot(code, "7-statistics"))
            key("ctrl+Tab")
            shots.append(shot(code, "3-configuration"))
            key("ctrl+Tab")
            shots.append(shot(code, "4-keys"))
            p.terminate()
            p.wait(timeout=10)
            subprocess.run(["montage", *sorted(shots), "-tile", "3x", "-geometry", "768x576+4+4",
                            os.path.join(args.out, f"{code}-sheet.png")], check=True)
            print(f"{code}: {len(shots)} views in {args.out}")
    finally:
        wm.terminate()
        xvfb.terminate()
    return 0


if __name__ == "__main__":
    sys.exit(main())
