#!/usr/bin/env python3
"""The game's speed goals as ratios against the bare-Qt baselines, measured side by side.

  bench/ratios.py [BENCH_DIR] [--rounds N] [--days N] [--platform xvfb|offscreen|both]
                  [--session-bus]

BENCH_DIR is the folder of the baseline programs (default: ../shared/bench beside the
repository). They are built into build/baselines; the game's programs come from build/.
Each pair is run alternately, round after round, so a busy machine slows both alike; the
median ratio and its spread (lowest..highest) are printed.

Both are measured on a real X display (an Xvfb of their own, as players have a real display)
and offscreen (no display at all), unless --platform picks one.

The game is stopped at its first frame by the baselines' preload library; hello_main, which
ends itself there, carries the same library, so the measuring costs both alike. Without a
session bus in the environment every Qt program on X starts `dbus-launch` before its first frame
(the accessibility bridge asks for the bus), and that helper inherits the preload and loads Qt
Widgets with it: hello_main alone would not pay for that. --session-bus runs both programs with
a bus of their own, as a desktop session has.

  start-up:  the game's start to its first frame / hello_main    goal <= 1.0
  End Day:   one End Day with the pages refreshed and repainted,
             per page in front / relabel of 120 labels           goal <= 0.35
"""
import argparse
import contextlib
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

repo = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def default_bench():
    # Beside the repository; from a linked worktree, beside its main checkout.
    here = os.path.join(repo, "..", "shared", "bench")
    if os.path.isdir(here):
        return here
    common = subprocess.run(["git", "-C", repo, "rev-parse", "--path-format=absolute",
                             "--git-common-dir"], capture_output=True, text=True).stdout.strip()
    return os.path.join(os.path.dirname(common), "..", "shared", "bench") if common else here


parser = argparse.ArgumentParser()
parser.add_argument("bench", nargs="?", default=default_bench())
parser.add_argument("--rounds", type=int, default=15)
parser.add_argument("--days", type=int, default=300)
parser.add_argument("--platform", choices=["xvfb", "offscreen", "both"], default="both")
parser.add_argument("--session-bus", action="store_true",
                    help="run both programs with a session bus of their own (dbus-daemon)")
parser.add_argument("--build", default=os.path.join(repo, "build"),
                    help="the game's build folder (src/quotara, bench/pages_bench)")
args = parser.parse_args()

build = os.path.abspath(args.build)
baselines = os.path.join(repo, "build", "baselines")
subprocess.run(["cmake", "-S", args.bench, "-B", baselines, "-G", "Ninja",
                "-DCMAKE_BUILD_TYPE=Release"], check=True, stdout=subprocess.DEVNULL)
subprocess.run(["cmake", "--build", baselines, "-j2"], check=True, stdout=subprocess.DEVNULL)
if os.path.exists(os.path.join(build, "build.ninja")):
    subprocess.run(["cmake", "--build", build, "-j2", "--target", "quotara", "pages_bench"],
                   check=True, stdout=subprocess.DEVNULL)

home = tempfile.mkdtemp(prefix="quotara-ratios-")
env = {}


@contextlib.contextmanager
def xvfb():
    # A display of its own: the number Xvfb picks comes back through the pipe.
    read, write = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1920x1080x24",
                               "-nolisten", "tcp"], pass_fds=[write],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as pipe:
        number = pipe.readline().strip()
    try:
        yield {"QT_QPA_PLATFORM": "xcb", "DISPLAY": ":" + number}
    finally:
        server.terminate()
        server.wait()


@contextlib.contextmanager
def session_bus():
    # A bus of its own, as a desktop session has; its address comes back on its output.
    daemon = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = daemon.stdout.readline().strip()
    try:
        yield {"DBUS_SESSION_BUS_ADDRESS": address}
    finally:
        daemon.terminate()
        daemon.wait()


def wall(command, extra_env=None):
    start = time.perf_counter()
    subprocess.run(command, env=dict(env, **(extra_env or {})), check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return time.perf_counter() - start


def report(name, ratios, goal):
    ratios.sort()
    median = statistics.median(ratios)
    verdict = "ok" if median <= goal else "OVER"
    print(f"{name:<40} {median:5.2f}x  ({ratios[0]:.2f}..{ratios[-1]:.2f})  goal <= {goal}"
          f"  {verdict}", flush=True)


def median_us(command, pattern):
    out = subprocess.run(command, env=env, check=True, capture_output=True, text=True).stdout
    return {m.group(1): float(m.group(2)) for m in re.finditer(pattern, out)}


def measure(platform):
    # Start-up: the first start installs the data folder; measure the ones after it.
    preload = {"LD_PRELOAD": os.path.join(baselines, "libfirst_paint_exit.so")}
    game = [os.path.join(build, "src", "quotara")]
    hello = [os.path.join(baselines, "hello_main")]
    wall(game, preload)
    for _ in range(3):
        wall(hello, preload), wall(game, preload)
    ratios = []
    for _ in range(args.rounds):
        h = wall(hello, preload)
        q = wall(game, preload)
        ratios.append(q / h)
    report(f"{platform}: start to first frame / hello_main", ratios, 1.0)

    # End Day: median microseconds per day and per relabel, alternately.
    pages = {"TabSheet1": "Share Lookup", "TabSheet2": "Share Prices",
             "TabSheet3": "World News", "TabSheet4": "Financial Info",
             "TabSheet6": "Portfolio (8 holdings)"}
    per_page = {p: [] for p in pages}
    for _ in range(max(3, args.rounds // 3)):
        relabel = median_us([os.path.join(baselines, "relabel"), str(args.days)],
                            r"(relabel): .*median_us=([\d.]+)")["relabel"]
        days = median_us([os.path.join(build, "bench", "pages_bench"), str(args.days)],
                         r"page=(\w+) .*median_us=([\d.]+)")
        for p in pages:
            per_page[p].append(days[p] / relabel)
    for p, name in pages.items():
        report(f"{platform}: End Day, {name} / relabel", per_page[p], 0.35)


base = dict(os.environ, QT_SCALE_FACTOR="1", XDG_DATA_HOME=os.path.join(home, "data"),
            XDG_CONFIG_HOME=os.path.join(home, "config"), FIRST_PAINT_EXIT_QUIET="1")
with contextlib.ExitStack() as bus:
    if args.session_bus:
        base.update(bus.enter_context(session_bus()))
    if args.platform in ("xvfb", "both"):
        with xvfb() as display:
            env = dict(base, **display)
            measure("xvfb")
    if args.platform in ("offscreen", "both"):
        env = dict(base, QT_QPA_PLATFORM="offscreen")
        measure("offscreen")
