#!/usr/bin/env bash
# Runs every example program through valgrind's memcheck, and tevlin-dis on each of the three
# image files it gives, and fails on any memory error or leak.
# Usage: tests/memcheck_examples.sh [TEVLIN_BINARY]
# tevlin-dis is taken from beside TEVLIN_BINARY. Without an argument unsanitised binaries are
# built in $TEVLIN_MEMCHECK_BUILD_DIR (default build-memcheck).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ge 1 ]; then
    tevlin="$(realpath "$1")"
else
    build_dir="${TEVLIN_MEMCHECK_BUILD_DIR:-build-memcheck}"
    cmake -S . -B "$build_dir" -DTEVLIN_TESTS=OFF -DTEVLIN_SANITIZE=OFF >/dev/null
    cmake --build "$build_dir" -j2 --target tevlin tevlin-dis
    tevlin="$(realpath "$build_dir/tevlin")"
fi
tevlin_dis="$(dirname "$tevlin")/tevlin-dis"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

failed=0
count=0
# check LABEL DIR COMMAND ARGUMENT...: runs the command in DIR under memcheck.
check() {
    local label="$1" dir="$2"
    shift 2
    if (cd "$dir" &&
        valgrind --quiet --leak-check=full --show-leak-kinds=all \
            --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=1 \
            "$@" >/dev/null 2>"$dir.log"); then
        echo "ok       $label"
    else
        echo "FAILED   $label"
        cat "$dir.log"
        failed=1
    fi
}
for example in examples/*.asm; do
    name="$(basename "$example")"
    mkdir "$scratch/${name%.asm}"
    cp "$example" "$scratch/${name%.asm}/"
    count=$((count + 1))
    check "$name" "$scratch/${name%.asm}" "$tevlin" "$name"
    for image in "${name%.asm}.mem" prog_rom.vhd xprog_rom.vhd; do
        check "$name: tevlin-dis $image" "$scratch/${name%.asm}" "$tevlin_dis" "$image"
    done
done
if [ "$count" -eq 0 ]; then
    echo "no examples/*.asm to check" >&2
    exit 1
fi
exit "$failed"
