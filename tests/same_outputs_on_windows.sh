#!/usr/bin/env bash
# Assembles every example, golden and fuzz-regression source with the Linux tevlin and with
# tevlin.exe under Wine, each in a fresh directory, and fails unless the two give the same exit
# code, the same console text and the same six files, byte for byte; then reads each of the three
# image files back with tevlin-dis and tevlin-dis.exe (found beside the two) and compares what
# they print in the same way. The console of a Windows program ends its lines with CR-LF: one CR
# before each line end is taken out before comparing.
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

linux_dis="$(dirname "$linux")/tevlin-dis"
windows_dis="$(dirname "$windows")/tevlin-dis.exe"

# Runs one command in the folder of each side: the Linux program as it is, the Windows one
# under Wine; leaves its exit code and console text in that folder under the name given.
run_both() {
    local name="$1" linux_program="$2" windows_program="$3"
    shift 3
    local status=0
    (cd "$scratch/linux" && "$linux_program" "$@" >"$name.out" 2>"$name.err") || status=$?
    echo "$status" >"$scratch/linux/$name.exit"
    status=0
    (cd "$scratch/windows" && "$wine" "$windows_program" "$@" >"$name.out" 2>"$name.err") ||
        status=$?
    echo "$status" >"$scratch/windows/$name.exit"
    for stream in out err; do
        sed -i 's/\r$//' "$scratch/windows/$name.$stream"
    done
    compared+=("$name.exit" "$name.out" "$name.err")
}

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
    compared=(prog_rom.vhd xprog_rom.vhd)
    for ext in "${outputs[@]}"; do compared+=("$stem.$ext"); done
    run_both run-tevlin "$linux" "$windows" "$name"
    # tevlin-dis reads the images the Linux tevlin wrote, so that only tevlin-dis is compared.
    for image in "$stem.mem" prog_rom.vhd xprog_rom.vhd; do
        cp "$scratch/linux/$image" "$scratch/windows/dis-$image"
        cp "$scratch/linux/$image" "$scratch/linux/dis-$image"
        run_both "run-dis-$image" "$linux_dis" "$windows_dis" "dis-$image"
    done

    differing=()
    for file in "${compared[@]}"; do
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
