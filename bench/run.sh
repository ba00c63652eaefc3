#!/usr/bin/env bash
# Times an optimised tevlin on generated sources of 1 thousand to 1 million lines and prints a
# Markdown table on standard output: median wall time, time per 1000 lines, peak memory, and
# the 1000-line run against a process that only writes the same six output files. Progress and
# the tools' own reports go to standard error.
#
# Usage: bench/run.sh              (needs cmake, g++, python3, hyperfine, /usr/bin/time)
#        BENCH_SIZES="1000 10000" bench/run.sh   to time fewer sizes
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(dirname "$here")
build=$repo/build-bench
work=$build/runs
read -r -a sizes <<<"${BENCH_SIZES:-1000 10000 100000 1000000}"
outputs=(bench.err bench.asl bench.dbg prog_rom.vhd xprog_rom.vhd bench.mem)

for tool in cmake c++ python3 hyperfine /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "run.sh: $tool is missing" >&2; exit 2; }
done

echo "== building an optimised tevlin in $build" >&2
cmake -S "$repo" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTEVLIN_TESTS=OFF \
    -DTEVLIN_SANITIZE=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON 1>&2
cmake --build "$build" -j2 1>&2
tevlin=$build/tevlin
c++ -O2 -o "$build/write_floor" "$here/write_floor.cpp"

load_start=$(cut -d' ' -f1 /proc/loadavg)
echo "== generating and checking the sources" >&2
rm -rf "$work"  # sources from an older generator must not be timed
"$here/outputs.sh" "$tevlin" "$work" "${sizes[@]}"

# The floors are timed right after the smallest size, so that both see the same machine.
time_floors() {
    local lines=$1
    echo "== timing the write-only floors for $lines lines" >&2
    mkdir -p "$work/floor"
    : >"$work/floor_cat.sh"
    for name in "${outputs[@]}"; do
        echo "cat $work/$lines/$name >$name" >>"$work/floor_cat.sh"
    done
    (cd "$work/floor" &&
        hyperfine -N --warmup 5 --export-json "$work/floor.json" \
            "$build/write_floor $work/$lines ${outputs[*]}" "sh $work/floor_cat.sh" 1>&2 &&
        for name in "${outputs[@]}"; do cmp "$name" "$work/$lines/$name"; done)
}

floor_lines=${sizes[0]}
for lines in "${sizes[@]}"; do
    echo "== timing $lines lines" >&2
    (cd "$work/$lines" &&
        hyperfine -N --warmup 2 --export-json "$work/$lines.json" "$tevlin bench.asm" 1>&2 &&
        /usr/bin/time -v -o "$work/$lines.time" "$tevlin" bench.asm)
    [ "$lines" != "$floor_lines" ] || time_floors "$lines"
done

echo "== timing a source of 10,000 errors, with and without --error-format=gnu" >&2
mkdir -p "$work/errors"
python3 "$here/gen_errors.py" 10000 -o "$work/errors/errors.asm"
(cd "$work/errors" &&
    hyperfine -N --warmup 2 --export-json "$work/errors.json" "$tevlin errors.asm" \
        "$tevlin --error-format=gnu errors.asm" 1>&2)

load_end=$(cut -d' ' -f1 /proc/loadavg)
python3 - "$work" "$floor_lines" "$load_start $load_end" "${sizes[@]}" <<'EOF'
import json
import re
import sys

work, floor_lines, loads = sys.argv[1], int(sys.argv[2]), sys.argv[3].split()
sizes = [int(n) for n in sys.argv[4:]]

def timing(name, index=0):
    with open("%s/%s.json" % (work, name)) as f:
        return json.load(f)["results"][index]

def median_seconds(name):
    return timing(name)["median"]

def cpu_seconds(name):
    result = timing(name)
    return result["user"] + result["system"]

def peak_bytes(lines):
    with open("%s/%d.time" % (work, lines)) as f:
        kib = re.search(r"Maximum resident set size \(kbytes\): (\d+)", f.read()).group(1)
    return int(kib) * 1024

time_of = {n: median_seconds(n) for n in sizes}
peak_of = {n: peak_bytes(n) for n in sizes}
per_line = {n: time_of[n] / n for n in sizes}

print("| Source lines | Median wall time | Time per 1000 lines | Mean CPU time (user+sys) "
      "| Peak memory | Peak bytes per line |")
print("|---:|---:|---:|---:|---:|---:|")
for n in sizes:
    print("| %d | %.2f ms | %.3f ms | %.2f ms | %.1f MiB | %.0f |" % (
        n, time_of[n] * 1e3, per_line[n] * 1e6, cpu_seconds(n) * 1e3, peak_of[n] / 2**20,
        peak_of[n] / n))

# Two floors: one process copying the six finished files, and a shell running six cat.
floors = [("one process copying the six finished outputs", timing("floor", 0)["median"]),
          ("a shell running cat once per output", timing("floor", 1)["median"])]
print()
print("| Write-only floor for %d lines | Median wall time | tevlin / floor |" % floor_lines)
print("|---|---:|---:|")
for what, seconds in floors:
    print("| %s | %.2f ms | %.2f |" % (what, seconds * 1e3, time_of[floor_lines] / seconds))

checks = []
if 1000000 in sizes:
    checks.append(("1 million lines in no more than 0.6 s", "%.3f s" % time_of[1000000],
                   time_of[1000000] <= 0.6))
    checks.append(("peak memory at 1 million lines no more than 150 bytes per line",
                   "%.0f bytes" % (peak_of[1000000] / 1e6), peak_of[1000000] / 1e6 <= 150))
    if 10000 in sizes:
        ratio = per_line[1000000] / per_line[10000]
        checks.append(("time per line at 1 million at most 1.3 times that at 10 thousand",
                       "%.2f times" % ratio, ratio <= 1.3))
if floor_lines == 1000:
    for what, seconds in floors:
        ratio = time_of[1000] / seconds
        checks.append(("1000 lines within 2 times the floor of %s" % what, "%.2f times" % ratio,
                       ratio <= 2.0))
print()
print("Load average (1 minute) at the start: %s, at the end: %s. Other work on the machine "
      "shows as wall time well above the CPU time." % tuple(loads))

plain, gnu = timing("errors", 0), timing("errors", 1)
print()
print("| 10,000 errors | Median wall time | Mean CPU time (user+sys) |")
print("|---|---:|---:|")
for what, result in (("tevlin's own messages", plain), ("--error-format=gnu", gnu)):
    print("| %s | %.2f ms | %.2f ms |" % (what, result["median"] * 1e3,
                                         (result["user"] + result["system"]) * 1e3))
ratio = gnu["median"] / plain["median"]
checks.append(("10,000 errors in the GNU form within 2 times the time without it",
               "%.2f times" % ratio, ratio <= 2.0))

if checks:
    print()
    print("| Target | Measured | Met |")
    print("|---|---:|:---:|")
    for target, measured, met in checks:
        print("| %s | %s | %s |" % (target, measured, "yes" if met else "**no**"))
EOF
