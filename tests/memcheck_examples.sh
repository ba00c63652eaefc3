#!/usr/bin/env bash
# Runs every example, and tevlin-dis (beside TEVLIN) on its three image files, through valgrind's
# memcheck; fails on any memory error or leak. Usage: tests/memcheck_examples.sh TEVLIN
set -euo pipefail
cd "$(dirname "$0")/.."
tevlin=$(realpath "$1")
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

failed=0
# check DIR COMMAND ARGUMENT...: runs the command in DIR under memcheck.
check() {
    local dir=$1
    shift
    if (cd "$dir" && valgrind --quiet --leak-check=full --show-leak-kinds=all \
        --errors-for-leak-kinds=definite,indirect,possible --error-exitcode=1 \
        "$@" >/dev/null 2>"$scratch/log"); then
        echo "ok       $(basename "$1") ${*:2}"
    else
        echo "FAILED   $(basename "$1") ${*:2}"
        cat "$scratch/log"
        failed=1
    fi
}
for example in examples/*.asm; do
    name=$(basename "$example" .asm)
    mkdir "$scratch/$name"
    cp "$example" "$scratch/$name/"
    check "$scratch/$name" "$tevlin" "$name.asm"
    for image in "$name.mem" prog_rom.vhd xprog_rom.vhd; do
        check "$scratch/$name" "$(dirname "$tevlin")/tevlin-dis" "$image"
    done
done
exit "$failed"
