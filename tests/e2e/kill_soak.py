#!/usr/bin/env python3
"""Kills the real program again and again while a person types, and counts lost readings.

Each round starts tlg on the virtual display, picks a day it has not used yet on the calendar
(keyboard only), types a reading into it and kills the program (kill -9, nothing can run at its
end) a random time after the last key: from at once to three and a half seconds. After each kill
the data file must load (the next round starts on it) and hold:
  - every reading typed two seconds or more before a kill, exactly;
  - every other day exactly as it was after the kill that ended its round (nothing moves later).
Readings typed less than two seconds before a kill may or may not be on disk; whatever is there
then becomes what that day must hold from then on.

Usage: kill_soak.py TLG OUT_FOLDER ROUNDS [SEED]
Prints one line per round and a summary; exits 1 when a reading was lost or the file went bad.
A long run: `xvfb-run -a -s "-screen 0 1280x1024x24" tests/e2e/kill_soak.py build/program/tlg
/tmp 1000` (about five seconds a round).
"""

import datetime
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SYSTOLIC_BOX_TWIPS = (9727, 997)
SAFE_AFTER_SECONDS = 2.0
DAY_PATTERN = re.compile(
    rb"<(\d{8})>\r\n\t\t\t<S>([^<]*)</S>\r\n\t\t\t<D>([^<]*)</D>\r\n\t\t\t<P>([^<]*)</P>\r\n"
)
SEED_FILE = (
    b"<CORVALEN TENSIOLOG>\r\n\t<READINGS>\r\n\t\t<20000101>\r\n\t\t\t<S>120</S>\r\n"
    b"\t\t\t<D>80</D>\r\n\t\t\t<P>70</P>\r\n\t\t\t<C>seed</C>\r\n\t\t</20000101>\r\n"
    b"\t</READINGS>\r\n</CORVALEN TENSIOLOG>\r\n"
)


def xdotool(*args, check=True):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True, check=check).stdout


def main_window():
    try:
        out = subprocess.run(
            ["xdotool", "search", "--sync", "--onlyvisible", "--name", "^tlg$"],
            capture_output=True, text=True, timeout=20).stdout
    except subprocess.TimeoutExpired:
        return None
    ids = out.split()
    return ids[0] if ids else None


def click_twips(window, twips):
    geometry = dict(
        line.split("=", 1) for line in xdotool("getwindowgeometry", "--shell", window).split())
    x = int(geometry["X"]) + twips[0] // 15
    y = int(geometry["Y"]) + twips[1] // 15
    xdotool("mousemove", str(x), str(y))
    time.sleep(0.1)
    xdotool("click", "1")
    time.sleep(0.2)


def month_back(day):
    """The day the calendar's Page Up reaches: the same day a month earlier, clamped."""
    year, month = (day.year, day.month - 1) if day.month > 1 else (day.year - 1, 12)
    last = (datetime.date(year + (month == 12), month % 12 + 1, 1) - datetime.timedelta(days=1)).day
    return datetime.date(year, month, min(day.day, last))


def days_in_file(path):
    with open(path, "rb") as f:
        data = f.read()
    if not data.startswith(b"<CORVALEN TENSIOLOG>\r\n") or not data.endswith(
            b"</CORVALEN TENSIOLOG>\r\n"):
        raise ValueError("the file is not a whole diary")
    return {m.group(1).decode(): tuple(v.decode() for v in m.groups()[1:])
            for m in DAY_PATTERN.finditer(data)}


def main():
    tlg, out, rounds = sys.argv[1], sys.argv[2], int(sys.argv[3])
    seed = int(sys.argv[4]) if len(sys.argv) > 4 else random.randrange(1 << 30)
    rng = random.Random(seed)
    work = tempfile.mkdtemp()
    env = dict(os.environ)
    home = os.path.join(work, "home")
    env.update(HOME=home, XDG_DATA_HOME=os.path.join(home, ".local/share"),
               XDG_CONFIG_HOME=os.path.join(home, ".config"),
               XDG_RUNTIME_DIR=os.path.join(work, "runtime"), QT_QPA_PLATFORM="xcb")
    for folder in ("XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"):
        os.makedirs(env[folder], exist_ok=True)
    os.chmod(env["XDG_RUNTIME_DIR"], 0o700)
    data_file = os.path.join(env["XDG_DATA_HOME"], "crtlg.dat")
    with open(data_file, "wb") as f:
        f.write(SEED_FILE)

    expected = {"20000101": ("120", "80", "70")}
    today = datetime.date.today()
    lost = []
    checked_safe = 0
    process = None
    print(f"seed {seed}")
    try:
        for round_number in range(rounds):
            if datetime.date.today() != today:
                print("SKIP: the day changed during the run")
                return 0
            process = subprocess.Popen([tlg], env=env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
            window = main_window()
            if not window:
                raise RuntimeError(f"round {round_number}: no main window (a bad file or lock?)")
            time.sleep(0.3)
            # A day not used yet: Page Up for each month back, then Left for each day back.
            months, days = divmod(round_number + 1, 28)
            day = today
            keys = []
            for _ in range(months):
                day = month_back(day)
                keys.append("Prior")
            day -= datetime.timedelta(days=days)
            keys += ["Left"] * days
            click_twips(window, SYSTOLIC_BOX_TWIPS)
            xdotool("key", "shift+Tab")
            time.sleep(0.2)
            xdotool("key", "--delay", "15", *keys)
            time.sleep(0.3)
            click_twips(window, SYSTOLIC_BOX_TWIPS)
            values = (str(rng.randrange(100, 180)), str(rng.randrange(60, 100)),
                      str(rng.randrange(50, 100)))
            for value in values:
                xdotool("type", "--delay", "40", value)
            last_key = time.monotonic()
            time.sleep(rng.uniform(0.0, 3.5))
            waited = time.monotonic() - last_key
            os.kill(process.pid, signal.SIGKILL)
            process.wait()
            process = None

            key = day.strftime("%Y%m%d")
            on_disk = days_in_file(data_file)
            if waited >= SAFE_AFTER_SECONDS:
                checked_safe += 1
                expected[key] = values
            else:
                expected[key] = on_disk.get(key, ("", "", ""))
            for known_day, known_values in expected.items():
                held = on_disk.get(known_day, ("", "", ""))
                if held != known_values:
                    lost.append((round_number, known_day, known_values, held))
            print(f"round {round_number}: {key} {'/'.join(values)} killed {waited:.2f} s after "
                  f"the last key; {len(on_disk)} days on disk")
    except Exception as error:  # noqa: BLE001 - reported as a failed run
        subprocess.run(["import", "-window", "root", os.path.join(out, "kill-soak-failure.png")],
                       check=False)
        print(f"FAIL: {error}")
        return 1
    finally:
        if process:
            process.kill()
        shutil.rmtree(work, ignore_errors=True)

    print(f"{rounds} kills, {checked_safe} of them two seconds or more after the last key; "
          f"readings lost: {len(lost)}")
    for round_number, day, want, held in lost:
        print(f"  after round {round_number}: {day} should hold {want}, holds {held}")
    return 1 if lost else 0


if __name__ == "__main__":
    sys.exit(main())
