#!/usr/bin/env bash
# Assembles the generated benchmark sources with one tevlin binary and checks that each run is
# clean: exit code 0, nothing on the console, an empty error log, a listing entry for every
# source line and no syntax error in it, and a full program image. Outputs stay in DIR/LINES/, so two binaries can be compared with
# `diff -r`.
#
# Usage: bench/outputs.sh TEVLIN DIR [LINES...]   (default sizes: 1000 10000 100000 1000000)
set -euo pipefail

if [ "$#" -lt 2 ]; then
    echo "usage: $0 TEVLIN DIR [LINES...]" >&2
    exit 2
fi
here=$(cd "$(dirname "$0")" && pwd)
tevlin=$(realpath "$1")
dir=$2
shift 2
sizes=("$@")
[ "${#sizes[@]}" -gt 0 ] || sizes=(1000 10000 100000 1000000)

failed=0
for lines in "${sizes[@]}"; do
    run_dir="$dir/$lines"
    mkdir -p "$run_dir"
    [ -s "$run_dir/bench.asm" ] || python3 "$here/gen_source.py" "$lines" -o "$run_dir/bench.asm"
    status=0
    (cd "$run_dir" && "$tevlin" bench.asm >console.txt 2>&1) || status=$?
    problems=()
    [ "$status" -eq 0 ] || problems+=("exit code $status")
    [ ! -s "$run_dir/console.txt" ] || problems+=("console output")
    [ ! -s "$run_dir/bench.err" ] || problems+=("errors in bench.err")
    ! grep -q "syntax error" "$run_dir/bench.asl" || problems+=("syntax error in the listing")
    [ "$(grep -c '^([0-9]*)' "$run_dir/bench.asl")" -eq "$lines" ] ||
        problems+=("the listing does not show every source line")
    [ "$(wc -l <"$run_dir/bench.mem")" -eq 1024 ] || problems+=("bench.mem is not 1024 lines")
    if [ "${#problems[@]}" -gt 0 ]; then
        echo "$lines lines: ${problems[*]} (see $run_dir)" >&2
        failed=1
    fi
done
exit "$failed"
