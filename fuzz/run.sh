#!/usr/bin/env bash
# Builds a libFuzzer target with clang and fuzzes it for a bounded time.
# Usage: fuzz/run.sh [SECONDS] [assembler|reader|lsp]   (default 120 s, the assembler)
# The assembler and the language server start from the committed corpus, the examples and the
# golden sources (the language server also from the messages of its transcripts); the image
# reader from the three image files of every example. The corpus lives in a scratch directory
# and never grows. Exits non-zero on any finding (crash, sanitizer report, leak, timeout, broken
# invariant); the reproducer is then left in the scratch directory, whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-120}
target=${2:-assembler}
build_dir=${TEVLIN_FUZZ_BUILD_DIR:-build-fuzz}
[[ $target =~ ^(assembler|reader|lsp)$ ]] || { echo "usage: fuzz/run.sh [SECONDS] [assembler|reader|lsp]" >&2; exit 2; }

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DTEVLIN_FUZZ=ON -DTEVLIN_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j2 --target "fuzz_$target" fuzz_keywords tevlin

# Every run writes seven files; on a memory file system that costs far less.
if [ -z "${TMPDIR:-}" ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
scratch=$(mktemp -d "${TMPDIR:-/tmp}/tevlin-fuzz-run-XXXXXX")
mkdir -p "$scratch/corpus" "$scratch/artifacts"
if [ "$target" != reader ]; then
    cp fuzz/corpus/* fuzz/regressions/* examples/*.asm "$scratch/corpus/"
    [ "$target" = assembler ] || cp tests/lsp/transcripts/* "$scratch/corpus/"
    for source in tests/golden/*/prog.asm; do
        cp "$source" "$scratch/corpus/golden_$(basename "$(dirname "$source")").asm"
    done
    cat fuzz/tevlin.dict >"$scratch/tevlin.dict"
    "$build_dir/fuzz/fuzz_keywords" >>"$scratch/tevlin.dict"
    options=(-dict="$scratch/tevlin.dict" -max_len=8192)
else
    tevlin=$(realpath "$build_dir/tevlin")
    for example in examples/*.asm; do
        name=$(basename "$example" .asm)
        mkdir "$scratch/$name"
        cp "$example" "$scratch/$name/"
        (cd "$scratch/$name" && "$tevlin" "$name.asm" >/dev/null 2>&1)
        for image in "$name.mem" prog_rom.vhd xprog_rom.vhd; do
            cp "$scratch/$name/$image" "$scratch/corpus/${name}_$image"
        done
        rm -rf "${scratch:?}/$name"
    done
    options=(-max_len=32768)
fi

status=0
"$build_dir/fuzz/fuzz_$target" "$scratch/corpus" "${options[@]}" -max_total_time="$seconds" \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$scratch/artifacts/" ||
    status=$?
if [ "$status" -ne 0 ] || [ -n "$(ls -A "$scratch/artifacts")" ]; then
    echo "fuzzing found a fault (exit status $status); reproducers in $scratch/artifacts:" >&2
    ls -l "$scratch/artifacts" >&2
    exit 1
fi
rm -rf "$scratch"
echo "fuzzing the $target for ${seconds}s found nothing"
