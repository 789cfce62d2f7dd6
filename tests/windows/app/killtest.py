#!/usr/bin/env python3
"""Runs the real program and stops it with SIGKILL at random instants of End Days and saves.

Usage: killtest.py QUOTARA [RUNS]   (RUNS also from QUOTARA_KILL_RUNS; 20 when neither)

The program is driven by its hidden hook QUOTARA_AUTOPLAY (src/windows/app/autoplay.h), which prints
each step. After every kill the program starts again on the same folder; the autosave it finds
must be the game of the last End Day it finished, or of the one it was in the middle of, whole,
and so must the saved game of the last save or of the one cut short. Then it checks Resume
after a normal quit, after SIGTERM, SIGHUP and SIGINT, and a trade after SIGKILL, the restart
at a new zoom, gold bars from one run to the next and the one program per folder, whatever is
done to its lock file.
"""
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

QUOTARA = sys.argv[1]
RUNS = int(sys.argv[2] if len(sys.argv) > 2 else os.environ.get("QUOTARA_KILL_RUNS", "20"))
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what, flush=True)


def environment(home, days):
    env = dict(os.environ)
    env.update(HOME=home, XDG_DATA_HOME=home + "/data", XDG_CONFIG_HOME=home + "/config",
               XDG_RUNTIME_DIR=home, QT_QPA_PLATFORM="offscreen", QUOTARA_AUTOPLAY=str(days))
    return env


def start(home, days):
    return subprocess.Popen([QUOTARA], env=environment(home, days), stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, text=True)


def run(home, days, timeout=60):
    p = subprocess.run([QUOTARA], env=environment(home, days), capture_output=True, text=True,
                       timeout=timeout)
    return p.returncode, p.stdout.splitlines(), p.stderr


def figures(lines, key):
    for line in lines:
        if line.startswith(key + " "):
            return line[len(key) + 1:]
    return None


def wait_for(p, key, timeout=30):
    end = time.time() + timeout
    lines = []
    while time.time() < end:
        line = p.stdout.readline()
        if not line:
            break
        lines.append(line.rstrip("\n"))
        if line.startswith(key):
            return lines
    return None


class Expected:
    """What a set of files may hold at the next start: the last one written whole, and the
    one being written when the program was stopped (day count only when its digest is not
    known)."""

    def __init__(self):
        self.done = "none"
        self.maybe = None

    def allows(self, found):
        if found == self.done:
            return True
        if self.maybe is None:
            return False
        if " " in self.maybe:
            return found == self.maybe
        if found in ("none", "refused", "mixed"):
            return False
        # The day after the year's last goes back to day 1 of the new year.
        day, ending = int(found.split(" ")[0]), int(self.maybe)
        return day == ending or (day == 1 and ending > 365)


def kill_test(home):
    autosave, saved = Expected(), Expected()
    counts = dict(kills=0, at_start=0, day_before=0, new_day=0, old_save=0, new_save=0,
                  days=0)
    for i in range(RUNS):
        p = start(home, 0)
        time.sleep(random.uniform(0.15, 0.7))
        p.send_signal(signal.SIGKILL)
        out, _ = p.communicate()
        lines = out.splitlines()
        counts["kills"] += 1
        found_auto, found_saved = figures(lines, "autosave"), figures(lines, "savedgame")
        counts["at_start"] += "new" not in lines and figures(lines, "resumed") is None
        if found_auto is not None:
            check(autosave.allows(found_auto),
                  f"run {i}: autosave {found_auto}, expected {autosave.done} or {autosave.maybe}")
            check(saved.allows(found_saved),
                  f"run {i}: saved game {found_saved}, expected {saved.done} or {saved.maybe}")
            if autosave.maybe is not None:
                counts["new_day" if found_auto != autosave.done else "day_before"] += 1
            if saved.maybe is not None:
                counts["new_save" if found_saved != saved.done else "old_save"] += 1
            autosave.done, autosave.maybe = found_auto, None
            saved.done, saved.maybe = found_saved, None
            resumed = figures(lines, "resumed")
            # A kill while the autosave was being loaded leaves neither line.
            if found_auto != "none" and (resumed is not None or "new" in lines):
                check(resumed == found_auto, f"run {i}: resumed {resumed}, not {found_auto}")
        day_hash = {}
        for line in lines[lines.index("new") + 1 if "new" in lines else 0:]:
            word, _, rest = line.partition(" ")
            if word == "ending":
                autosave.maybe = rest
            elif word == "day":
                autosave.done, autosave.maybe = rest, None
                day_hash[rest.split(" ")[0]] = rest
                counts["days"] += 1
            elif word == "saving":
                saved.maybe = day_hash.get(rest, rest)
            elif word == "saved":
                saved.done, saved.maybe = rest, None
    return counts


def leftovers(home):
    return sorted(n for folder in (home + "/data/quotara", home + "/config/quotara")
                  for n in os.listdir(folder) if n.startswith("."))


def snapshot(folder):
    return sorted((n, os.lstat(os.path.join(folder, n)).st_mtime_ns) for n in os.listdir(folder))


def main():
    random.seed(os.environ.get("QUOTARA_KILL_SEED"))
    with tempfile.TemporaryDirectory() as home:
        counts = kill_test(home)
        print("kill test: {kills} kills after {days} End Days in all; {at_start} before play "
              "began; in the middle of an End Day's autosave, the next start resumed the day "
              "before {day_before} times and the new day {new_day} times; in the middle of a "
              "save, it found the old save {old_save} times and the new one {new_save} "
              "times".format(**counts), flush=True)
        # The start after the last kill cleans up what the write in progress left, the
        # settings' as well.
        with open(home + "/config/quotara/.quotara.conf.Zz9Yy8", "w") as f:
            f.write("[General]\nzoo")
        rc, lines, err = run(home, 1)
        check(rc == 0, f"a normal run ended with {rc}: {err}")
        check(leftovers(home) == [], f"temporary files left: {leftovers(home)}")

    # Resume after a normal quit: the game as it was after the last trade, not only the last
    # End Day; and the gold bars of the first run in the second.
    with tempfile.TemporaryDirectory() as home:
        rc, first, err = run(home, 4)
        check(rc == 0 and "quit" in first, f"first run: {rc} {first[-3:]} {err}")
        check(figures(first, "goldbars") == "0", f"first run's gold bars: {figures(first, 'goldbars')}")
        rc, second, err = run(home, 1)
        check(figures(second, "resumed") == figures(first, "bought"),
              f"resumed {figures(second, 'resumed')}, quit with {figures(first, 'bought')}")
        check(figures(second, "goldbars") == "15",
              f"second run's gold bars: {figures(second, 'goldbars')}")

    # Options > Zoom during a game, Yes: the program starts again at the new zoom, not at the
    # scale the first one set for itself, and resumes the game as it was after the last trade.
    with tempfile.TemporaryDirectory() as home:
        os.makedirs(home + "/config/quotara")
        with open(home + "/config/quotara/quotara.conf", "w") as f:
            f.write("[General]\nzoom=150\n")
        env = environment(home, 2)
        env.pop("QT_SCALE_FACTOR", None)
        env["QUOTARA_AUTOPLAY_ZOOM"] = "200"
        # The restarted program writes to the same pipes, so this waits for both.
        p = subprocess.run([QUOTARA], env=env, capture_output=True, text=True, timeout=60)
        lines = p.stdout.splitlines()
        zooms = [line for line in lines if line.startswith("zoom ")]
        check(p.returncode == 0 and "restart 200" in lines and lines[-1] == "quit",
              f"restart: {p.returncode} {lines} {p.stderr}")
        check(zooms == ["zoom 150", "zoom 200"], f"zooms before and after the restart: {zooms}")
        check(figures(lines, "resumed") == figures(lines, "bought"),
              f"restart resumed {figures(lines, 'resumed')}, left {figures(lines, 'bought')}")
        check(p.stderr.count("DISCLAIMER") == 1, "the disclaimer asked again on the restart")

    # A logout, a shutdown or Ctrl+C after a trade: the game ends as after File > Exit and Yes,
    # with status 0 and no question, and the next start resumes it as it was after the trade.
    # A crash (SIGKILL) a moment after the trade's confirmation keeps the trade too.
    for sig in (signal.SIGTERM, signal.SIGHUP, signal.SIGINT, signal.SIGKILL):
        with tempfile.TemporaryDirectory() as home:
            env = environment(home, 2)
            env["QUOTARA_AUTOPLAY_HOLD"] = "1"
            p = subprocess.Popen([QUOTARA], env=env, stdout=subprocess.PIPE,
                                 stderr=subprocess.PIPE, text=True)
            lines = wait_for(p, "holding") or []
            if sig == signal.SIGKILL:
                time.sleep(1)
            p.send_signal(sig)
            _, err = p.communicate(timeout=30)
            check(p.returncode == (-9 if sig == signal.SIGKILL else 0)
                  and "quit Quotara" not in err, f"{sig.name}: ended with {p.returncode}, {err}")
            rc, second, err = run(home, 1)
            check(figures(second, "resumed") == figures(lines, "bought"),
                  f"{sig.name}: resumed {figures(second, 'resumed')}, ended with "
                  f"{figures(lines, 'bought')}")

    # One program per folder, whatever is done to the lock file while it runs; free again once
    # the first is killed. A lock that cannot be taken for another reason is said, and nothing
    # in the folder is read or written.
    with tempfile.TemporaryDirectory() as home:
        folder = home + "/data/quotara"
        lock = folder + "/quotara.lock"
        first = start(home, 0)
        check(wait_for(first, "day") is not None, "the first program did not play")
        for what, change in (("kept", lambda: None), ("removed", lambda: os.remove(lock)),
                             ("replaced", lambda: open(lock, "w").close()),
                             ("a folder", lambda: (os.remove(lock), os.mkdir(lock)))):
            change()
            rc, lines, err = run(home, 1, timeout=20)
            check(rc == 1 and "Quotara is already running." in err and lines == [],
                  f"second program, lock file {what}: {rc} {lines} {err}")
        first.send_signal(signal.SIGKILL)
        first.communicate()
        before = snapshot(folder)
        rc, lines, err = run(home, 1, timeout=20)
        check(rc == 1 and "cannot be locked (quotara.lock: Is a directory)" in err and lines == []
              and snapshot(folder) == before, f"a folder for the lock file: {rc} {lines} {err}")
        os.rmdir(lock)
        rc, lines, err = run(home, 1, timeout=20)
        check(rc == 0 and figures(lines, "resumed") is not None,
              f"after the kill: {rc} {lines[:4]} {err}")

    if failures:
        print(f"{len(failures)} failures", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
