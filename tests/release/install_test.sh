#!/bin/sh
# install_test.sh BUILD_DIR APP_ID: validates the generated desktop entry
# and metainfo, installs the build into a scratch DESTDIR, checks the
# layout, and starts the installed program far enough to see that it found
# its data archive there (and not the build tree's).
set -eu
BUILD=$1
APP_ID=$2
SCRATCH=$(mktemp -d)
PID=""
trap 'if [ -n "$PID" ]; then kill "$PID" 2>/dev/null || true; fi; rm -rf "$SCRATCH"' EXIT

fail() { echo "install_test: $*" >&2; exit 1; }

desktop-file-validate "$BUILD/release/$APP_ID.desktop" || fail "the desktop entry does not validate"
appstreamcli validate --no-net --explain "$BUILD/release/$APP_ID.metainfo.xml" \
    || fail "the metainfo does not validate"

DESTDIR="$SCRATCH/root" cmake --install "$BUILD" --prefix /usr > "$SCRATCH/install.log" \
    || { cat "$SCRATCH/install.log" >&2; fail "cmake --install failed"; }
ROOT=$SCRATCH/root/usr
for file in bin/quellon share/quellon/game.dat share/applications/$APP_ID.desktop \
            share/metainfo/$APP_ID.metainfo.xml share/icons/hicolor/16x16/apps/$APP_ID.png \
            share/icons/hicolor/48x48/apps/$APP_ID.png share/icons/hicolor/256x256/apps/$APP_ID.png; do
    [ -s "$ROOT/$file" ] || fail "the install lacks $file"
done
[ -x "$ROOT/bin/quellon" ] || fail "bin/quellon is not executable"
[ ! -e "$ROOT/bin/game" ] && [ ! -e "$ROOT/bin/game.dat" ] || fail "data installed beside the program"

# The program logs each start-up step; once its resource manager is up on
# the installed archive the data was found, and the run is stopped.
export XDG_DATA_HOME="$SCRATCH/home" SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null
mkdir -p "$XDG_DATA_HOME"
"$ROOT/bin/quellon" > "$SCRATCH/out.txt" 2>&1 &
PID=$!
LOG="$XDG_DATA_HOME/Quellon 1.0/kovalog.txt"
for _ in $(seq 1 600); do
    if grep -q "ResourceManager initted" "$LOG" 2>/dev/null; then
        exit 0
    fi
    kill -0 "$PID" 2>/dev/null || break
    sleep 0.1
done
cat "$SCRATCH/out.txt" "$LOG" >&2 2>/dev/null || true
fail "the installed program did not find its data"
