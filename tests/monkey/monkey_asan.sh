#!/bin/sh
# CTest's monkey_asan: builds the sanitizer program (monkey_asan.cmake),
# then lets the monkey play each seed for the given game minutes on the
# fixed step. Any finding, sanitizer report or crash fails the test; the
# monkey's own lines of every run are shown, and for a failed run the end
# of its output with the report. Each run's pictures, steps and player's
# folder stay in monkey-asan/seed-S to be looked at.
#   monkey_asan.sh CMAKE BUILD_DIR MINUTES SEED...
set -u
CMAKE=$1
BUILD=$2
MINUTES=$3
shift 3

"$CMAKE" --build "$BUILD" --target quellon_asan -j2 > monkey_asan.build.log 2>&1 || {
    cat monkey_asan.build.log
    exit 1
}
export SDL_VIDEODRIVER=offscreen ALSOFT_DRIVERS=null
# The sanitizer keeps the fault signals (the game's crash reporter would
# otherwise take them), checks for leaks at the end and stops at the first
# report of either kind.
export ASAN_OPTIONS=detect_leaks=1:allow_user_segv_handler=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
rm -rf monkey-asan
mkdir -p monkey-asan
for seed in "$@"; do
    out=monkey-asan/seed-$seed.out
    ./quellon_asan --monkey --seed "$seed" --minutes "$MINUTES" --fixed-step --shots "monkey-asan/seed-$seed" \
        > "$out" 2>&1
    code=$?
    grep '^monkey:' "$out"
    if [ "$code" -ne 0 ]; then
        echo "monkey_asan: seed $seed ended with status $code; the end of its output:"
        grep -v '^monkey:   ' "$out" | tail -n 80
        status=1
    fi
done
exit $status
