#!/usr/bin/env bash
# One command to get going on Debian 12:
#   ./build.sh play   install what is missing, build and start the game
#   ./build.sh test   install what is missing, build and run every test headless
#   ./build.sh deb    install what is missing, build the Debian package and print its path
#   ./build.sh asan   the same under AddressSanitizer and UndefinedBehaviorSanitizer
#   ./build.sh tsan   the autosave's thread under ThreadSanitizer: its tests, 1,000 random
#                     actions and 20 kills
#   ./build.sh fuzz [SECONDS [TARGET...]]  build the libFuzzer programs (clang) and run each
#                              (or each named) for SECONDS (60), as many at once as there are cores
#   ./build.sh soak N          the random-action test of the windows for N actions
#   ./build.sh kill [N]        the real program killed at random instants N times (200)
#   ./build.sh ci-configure    (CI) one build for the tests and the package, files in batches
#   ./build.sh ci-package      (CI) the package from that build
# Run it as root or as a user who may use sudo. Both are quick when nothing changed.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation2 clang-format qt6-svg-dev python3 lld)
# Also for the package: dpkg-shlibdeps computes its Depends, and CPack asks file what is a program.
deb_packages=(dpkg-dev file)

# Only for the sanitizer and fuzz trees: clang, which compiles instrumented code in half the
# time GCC takes, and its sanitizer and libFuzzer runtimes.
clang_packages=(clang-14 libclang-rt-14-dev)

install_missing() {
    local missing=()
    for p in "${packages[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

build() {
    [ -f build/CMakeCache.txt ] || cmake --preset default
    cmake --build --preset default
}

# One target for SECONDS; its corpus grows in a scratch folder, the seeds in the repository stay
# as they are. The report follows once it has ended, so two at once do not mix their lines.
fuzz_one() {
    local program="$1" seconds="$2"
    local name="${program##*/fuzz_}" work="build-fuzz/corpus"
    mkdir -p "$work/$name" "build-fuzz/crashes/$name"
    local log="build-fuzz/$name.log" failed=0
    "$program" -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="build-fuzz/crashes/$name/" \
        "$work/$name" "tests/engine/fuzz/corpus/$name" >"$log" 2>&1 || failed=1
    echo "== $name: ${seconds}s"
    [ "$failed" -eq 0 ] || tail -40 "$log"
    grep -E '^stat::(number_of_executed_units|peak_rss_mb)' "$log" || true
    return "$failed"
}

# Each target (all, or those named) for SECONDS, as many at once as there are cores (or
# QUOTARA_FUZZ_JOBS): every target gets the same time as one after the other, in a fraction of
# the wait.
fuzz() {
    local seconds="${1:-60}" failed=0 jobs="${QUOTARA_FUZZ_JOBS:-$(nproc)}"
    shift || true
    local programs=() running=()
    if [ $# -eq 0 ]; then
        programs=(build-fuzz/tests/engine/fuzz/fuzz_*)
    else
        for name in "$@"; do programs+=("build-fuzz/tests/engine/fuzz/fuzz_$name"); done
    fi
    for program in "${programs[@]}"; do
        [ -x "$program" ] || { echo "fuzz: no target ${program##*/fuzz_}" >&2; return 1; }
    done
    for program in "${programs[@]}"; do
        if [ ${#running[@]} -ge "$jobs" ]; then
            wait "${running[0]}" || failed=1
            running=("${running[@]:1}")
        fi
        fuzz_one "$program" "$seconds" &
        running+=($!)
    done
    for pid in "${running[@]}"; do wait "$pid" || failed=1; done
    [ "$failed" -eq 0 ] || { echo "fuzz: a target failed; the input is in build-fuzz/crashes" >&2; return 1; }
}

# Runs a command with Debian's own compiler and linker flags: hardening and reproducible paths.
debian_flags() {
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
        LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" "$@"
}

case "${1:-}" in
play)
    install_missing
    build
    exec ./build/src/quotara
    ;;
test)
    install_missing
    build
    ctest --preset default
    ;;
deb)
    install_missing "${deb_packages[@]}"
    [ -f build-deb/CMakeCache.txt ] || debian_flags cmake --preset deb
    cmake --build --preset deb
    rm -f build-deb/quotara_*.deb
    cpack --preset deb
    ls "$PWD"/build-deb/quotara_*.deb
    ;;
ci-configure)
    # CI starts from nothing each time: build/ is configured as the package's build too (with
    # tests and benchmarks), so that one compile serves the tests and the package (ci-package);
    # its debug information is line tables only, which the stripped package drops anyway. Every
    # target of every tree compiles its files in batches, each batch one compile (a developer's
    # build, and ./build.sh deb, compile file by file); the test programs in build/ at -Og.
    install_missing "${deb_packages[@]}" "${clang_packages[@]}"
    # The four trees are configured at once, each into a log of its own shown when all are done.
    configure_logged() {
        local log="$1"
        shift
        "$@" >"$log" 2>&1 || { cat "$log"; return 1; }
    }
    mkdir -p build
    configure_logged build/configure-default.log debian_flags cmake --fresh --preset default \
        -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_CXX_FLAGS_INIT=-g1 \
        -DCMAKE_UNITY_BUILD=ON -DQUOTARA_UNITY_TESTS=ON -DQUOTARA_ONE_ENGINE_TEST=ON &
    pids=($!) failed=0
    # Warnings are errors in the tests' build only, as in ./build.sh asan, tsan and fuzz.
    for tree in asan tsan fuzz; do
        configure_logged "build/configure-$tree.log" env -u QUOTARA_WARNINGS_AS_ERRORS \
            cmake --fresh --preset "$tree" -DCMAKE_UNITY_BUILD=ON -DQUOTARA_ONE_ENGINE_TEST=ON &
        pids+=($!)
    done
    for pid in "${pids[@]}"; do wait "$pid" || failed=1; done
    [ "$failed" -eq 0 ] || { echo "ci-configure: a tree did not configure" >&2; exit 1; }
    echo "configured: build, build-asan, build-tsan, build-fuzz"
    ;;
ci-package)
    # The package from build/ as ci-configure set it up, in build-deb/ as ./build.sh deb.
    mkdir -p build-deb
    rm -f build-deb/quotara_*.deb
    cpack --config build/CPackConfig.cmake -B "$PWD/build-deb"
    ls "$PWD"/build-deb/quotara_*.deb
    ;;
asan)
    install_missing "${clang_packages[@]}"
    [ -f build-asan/CMakeCache.txt ] || cmake --preset asan
    cmake --build --preset asan
    ctest --preset asan
    ;;
tsan)
    # The autosave's thread beside the windows' thread. Only what runs it is built: the
    # autosave's and the session's tests, the random-action test and the program for the kill
    # test.
    install_missing "${clang_packages[@]}"
    [ -f build-tsan/CMakeCache.txt ] || cmake --preset tsan -DCMAKE_UNITY_BUILD=ON
    cmake --build --preset tsan
    reports=$PWD/build-tsan/reports
    rm -rf "$reports"
    mkdir -p "$reports"
    # Qt is not built with the sanitizer, so what it does on its own threads is not looked at.
    # Each race is written to $reports, also by a program the kill test kills.
    export QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1
    export TSAN_OPTIONS="halt_on_error=1:ignore_noninstrumented_modules=1:log_path=$reports/race"
    failed=0
    build-tsan/tests/engine/autosave_thread_tests --gtest_brief=1 || failed=1
    QUOTARA_SOAK_ACTIONS=1000 build-tsan/tests/windows/randomactions_test -maxwarnings 0 \
        >"$reports/randomactions.log" 2>&1 || { cat "$reports/randomactions.log"; failed=1; }
    grep -h "without fault" "$reports/randomactions.log" || true
    python3 tests/windows/app/killtest.py build-tsan/src/quotara 20 || failed=1
    if compgen -G "$reports/race*" >/dev/null; then
        cat "$reports"/race*
        failed=1
    fi
    [ "$failed" -eq 0 ] || { echo "tsan: a check failed" >&2; exit 1; }
    echo "tsan: no race"
    ;;
fuzz)
    install_missing "${clang_packages[@]}"
    [ -f build-fuzz/CMakeCache.txt ] || cmake --preset fuzz
    cmake --build --preset fuzz
    shift
    fuzz "$@"
    ;;
soak)
    install_missing
    build
    # A long game outlasts QtTest's five minutes for one test function.
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=1 QUOTARA_SOAK_ACTIONS="${2:?usage: $0 soak N}" \
        QTEST_FUNCTION_TIMEOUT=86400000 ./build/tests/windows/randomactions_test -maxwarnings 0
    ;;
kill)
    install_missing
    build
    python3 tests/windows/app/killtest.py build/src/quotara "${2:-200}"
    ;;
*)
    echo "usage: $0 play|test|deb|asan|tsan|fuzz [SECONDS [TARGET...]]|soak N|kill [N]" >&2
    exit 2
    ;;
esac
