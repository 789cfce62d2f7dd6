#!/usr/bin/env bash
# One command to get going on Debian 12:
#   ./build.sh play   install what is missing, build and start the game
#   ./build.sh test   install what is missing, build and run every test headless
#   ./build.sh deb    install what is missing, build the Debian package and print its path
# Run it as root or as a user who may use sudo. Both are quick when nothing changed.
set -euo pipefail
cd "$(dirname "$0")"

packages=(cmake ninja-build g++ qt6-base-dev qt6-base-dev-tools libgtest-dev libgmock-dev
          libbenchmark-dev fonts-liberation2 clang-format qt6-svg-dev)
# Also for the package: dpkg-shlibdeps computes its Depends, and CPack asks file what is a program.
deb_packages=(dpkg-dev file)

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
    if [ ! -f build-deb/CMakeCache.txt ]; then
        # Debian's own compiler and linker flags: hardening and reproducible paths.
        export DEB_BUILD_MAINT_OPTIONS=hardening=+all
        CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
            LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" cmake --preset deb
    fi
    cmake --build --preset deb
    rm -f build-deb/quotara_*.deb
    cpack --preset deb
    ls "$PWD"/build-deb/quotara_*.deb
    ;;
*)
    echo "usage: $0 play|test|deb" >&2
    exit 2
    ;;
esac
