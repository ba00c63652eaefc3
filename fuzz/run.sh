#!/usr/bin/env bash
# Builds the libFuzzer target with clang and fuzzes the assembler for a bounded time.
# Usage: fuzz/run.sh [SECONDS]   (default 120)
# The committed corpus is copied to a scratch directory and never grows. Exits non-zero on any
# finding (crash, sanitizer report, leak, timeout, broken invariant); the reproducer is then
# left in the scratch directory, whose path is printed.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-120}"
build_dir="${TEVLIN_FUZZ_BUILD_DIR:-build-fuzz}"

CC=clang CXX=clang++ cmake -S . -B "$build_dir" -DTEVLIN_FUZZ=ON -DTEVLIN_TESTS=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build_dir" -j2 --target fuzz_assembler

# Every run creates and deletes seven files; on a memory file system that costs far less.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
scratch="$(mktemp -d "${TMPDIR:-/tmp}/tevlin-fuzz-run-XXXXXX")"
mkdir -p "$scratch/corpus" "$scratch/artifacts"
cp fuzz/corpus/* fuzz/regressions/* "$scratch/corpus/" 2>/dev/null || true
cp examples/*.asm "$scratch/corpus/" 2>/dev/null || true
for source in tests/golden/*/prog.asm; do
    [ -f "$source" ] && cp "$source" "$scratch/corpus/golden_$(basename "$(dirname "$source")").asm"
done

status=0
"$build_dir/fuzz/fuzz_assembler" "$scratch/corpus" \
    -dict=fuzz/tevlin.dict \
    -max_total_time="$seconds" \
    -max_len=8192 \
    -timeout=10 \
    -rss_limit_mb=2048 \
    -print_final_stats=1 \
    -artifact_prefix="$scratch/artifacts/" || status=$?

if [ "$status" -ne 0 ] || [ -n "$(ls -A "$scratch/artifacts")" ]; then
    echo "fuzzing found a fault (exit status $status); reproducers in $scratch/artifacts:" >&2
    ls -l "$scratch/artifacts" >&2
    exit 1
fi
rm -rf "$scratch"
echo "fuzzing for ${seconds}s found nothing"
