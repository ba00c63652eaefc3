#!/usr/bin/env bash
# Runs every example program through valgrind's memcheck and fails on any memory error or leak.
# Usage: tests/memcheck_examples.sh [TEVLIN_BINARY]
# Without an argument an unsanitised binary is built in $TEVLIN_MEMCHECK_BUILD_DIR
# (default build-memcheck).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -ge 1 ]; then
    tevlin="$(realpath "$1")"
else
    build_dir="${TEVLIN_MEMCHECK_BUILD_DIR:-build-memcheck}"
    cmake -S . -B "$build_dir" -DTEVLIN_TESTS=OFF -DTEVLIN_SANITIZE=OFF >/dev/null
    cmake --build "$build_dir" -j2 --target tevlin
    tevlin="$(realpath "$build_dir/tevlin")"
fi

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

failed=0
count=0
for example in examples/*.asm; do
    name="$(basename "$example")"
    mkdir "$scratch/${name%.asm}"
    cp "$example" "$scratch/${name%.asm}/"
    count=$((count + 1))
    if (cd "$scratch/${name%.asm}" &&
        valgrind --quiet --leak-check=full --show-leak-kinds=all \
            --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=1 \
            "$tevlin" "$name" >/dev/null 2>"$scratch/${name%.asm}.log"); then
        echo "ok       $name"
    else
        echo "FAILED   $name"
        cat "$scratch/${name%.asm}.log"
        failed=1
    fi
done
if [ "$count" -eq 0 ]; then
    echo "no examples/*.asm to check" >&2
    exit 1
fi
exit "$failed"
