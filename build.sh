#!/usr/bin/env bash
# One command to get going on Debian 12:
#   ./build.sh play   install what is missing, build and start the game
#   ./build.sh test   install what is missing, build and run every test headless
# Run it as root or as a user who may use sudo. Both are quick when nothing changed.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation2 clang-format qt6-svg-dev)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
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
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
