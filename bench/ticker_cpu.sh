#!/usr/bin/env bash
# The running game's idle CPU (its ticker scrolling, its clocks running) against the bare-Qt
# ticker_idle baseline, measured side by side on one virtual screen:
#   bench/ticker_cpu.sh [BENCH_DIR] [SECONDS] [ROUNDS]
# BENCH_DIR holds the baselines' sources (default: ../shared/bench beside this repository).
# The two programs run alternately ROUNDS times (default 5) for SECONDS each (default 10);
# each round prints both figures in CPU ms per second and their ratio, then the median ratio
# and its spread. The goal is a ratio of 1.2 at most.
set -euo pipefail
repo="$(cd "$(dirname "$0")/.." && pwd)"
bench="$(cd "${1:-$repo/../shared/bench}" && pwd)"
seconds="${2:-10}"
rounds="${3:-5}"

cmake -S "$bench" -B "$repo/build/baselines" -G Ninja >/dev/null
cmake --build "$repo/build/baselines" --target ticker_idle -j2 >/dev/null
cmake --build "$repo/build" --target game_idle -j2 >/dev/null

baseline="$repo/build/baselines/ticker_idle"
game="$repo/build/bench/game_idle"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

cat >"$tmp/rounds.sh" <<SCRIPT
set -euo pipefail
export XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" XDG_RUNTIME_DIR="$tmp/run"
export QT_SCALE_FACTOR=1
mkdir -p -m 700 "$tmp/run"
cpu() { "\$@" | sed -n 's/.*cpu_ms_per_s=\([0-9.]*\).*/\1/p'; }
for round in \$(seq "$rounds"); do
    b=\$(cpu "$baseline" "$seconds")
    g=\$(cpu "$game" "$seconds")
    echo "\$round \$b \$g"
done
SCRIPT

xvfb-run -a -s '-screen 0 1280x1024x24' bash "$tmp/rounds.sh" >"$tmp/rounds.txt"
echo "round  ticker_idle  game_idle  ratio   (CPU ms per second)"
awk '{ printf "%5d  %11.2f  %9.2f  %5.2f\n", $1, $2, $3, $3 / $2 }' "$tmp/rounds.txt"
awk '{ print $3 / $2 }' "$tmp/rounds.txt" | sort -g | awk '
    { r[NR] = $1 }
    END {
        m = NR % 2 ? r[(NR + 1) / 2] : (r[NR / 2] + r[NR / 2 + 1]) / 2
        printf "median ratio %.2f (from %.2f to %.2f over %d rounds); goal <= 1.20\n", m, r[1], r[NR], NR
    }'
