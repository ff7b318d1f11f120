#!/bin/sh
# One entry point for players and engineers on Debian 12:
#   ./quellon.sh play   installs what is missing, builds and starts the game
#   ./quellon.sh test   installs what is missing, builds and runs every test
set -eu

ROOT=$(cd "$(dirname "$0")" && pwd)
BUILD="$ROOT/build"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_packages() {
    missing=""
    for pkg in $(grep -v '^#' "$ROOT/tools/setup/packages.txt"); do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed" \
            || missing="$missing $pkg"
    done
    if [ -n "$missing" ]; then
        echo "Installing:$missing"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
    fi
}

build() {
    mkdir -p "$BUILD"
    cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo > "$BUILD/configure.log" 2>&1 \
        || { cat "$BUILD/configure.log"; exit 1; }
    cmake --build "$BUILD" -j2
}

case "${1:-}" in
play)
    install_packages
    build
    cd "$BUILD/bin"
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}${SDL_VIDEODRIVER:-}" ]; then
        echo "No display to open the game's window on; to watch it play headless: $BUILD/bin/quellon --autoplay --levels 3 --shots DIR" >&2
        exit 1
    fi
    exec ./quellon
    ;;
test)
    install_packages
    build
    cd "$BUILD"
    exec ctest --output-on-failure -j2 --timeout 300
    ;;
*)
    echo "usage: $0 play|test" >&2
    exit 2
    ;;
esac
