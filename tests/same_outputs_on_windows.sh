#!/usr/bin/env bash
# Assembles every example, golden and fuzz-regression source with the Linux tevlin and with
# tevlin.exe under Wine, each in a fresh directory, and fails unless the two give the same exit
# code, the same console text and the same six files, byte for byte. The console of a Windows
# program ends its lines with CR-LF: one CR before each line end is taken out before comparing.
# Usage: tests/same_outputs_on_windows.sh TEVLIN TEVLIN_EXE
# The Wine loader is $WINE, by default /usr/lib/wine/wine64 (where Debian installs it).
set -euo pipefail
cd "$(dirname "$0")/.."
export LC_ALL=C

if [ $# -ne 2 ]; then
    echo "usage: $0 TEVLIN TEVLIN_EXE" >&2
    exit 2
fi
linux="$(realpath "$1")"
windows="$(realpath "$2")"
wine="${WINE:-/usr/lib/wine/wine64}"
export WINEDEBUG="${WINEDEBUG:--all}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

outputs=(err asl dbg mem)
failed=0
count=0
for source in examples/*.asm tests/golden/*/prog.asm fuzz/regressions/*.asm; do
    count=$((count + 1))
    name="$(basename "$source")"
    stem="${name%.asm}"
    for side in linux windows; do
        mkdir "$scratch/$side"
        cp "$source" "$scratch/$side/"
    done
    status=0
    (cd "$scratch/linux" && "$linux" "$name" >stdout.txt 2>stderr.txt) || status=$?
    echo "$status" >"$scratch/linux/exit_code"
    status=0
    (cd "$scratch/windows" && "$wine" "$windows" "$name" >stdout.crlf 2>stderr.crlf) || status=$?
    echo "$status" >"$scratch/windows/exit_code"
    for stream in stdout stderr; do
        sed 's/\r$//' "$scratch/windows/$stream.crlf" >"$scratch/windows/$stream.txt"
    done

    differing=()
    files=(exit_code stdout.txt stderr.txt prog_rom.vhd xprog_rom.vhd)
    for ext in "${outputs[@]}"; do files+=("$stem.$ext"); done
    for file in "${files[@]}"; do
        cmp -s "$scratch/linux/$file" "$scratch/windows/$file" || differing+=("$file")
    done
    if [ "${#differing[@]}" -eq 0 ]; then
        echo "same       $source"
    else
        echo "DIFFERENT  $source: ${differing[*]}"
        failed=1
    fi
    rm -rf "$scratch/linux" "$scratch/windows"
done
echo "$count sources compared"
exit "$failed"
