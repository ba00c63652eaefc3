#!/usr/bin/env bash
# Assembles every example, golden and fuzz-regression source with tevlin and with tevlin.exe
# under Wine ($WINE, or Debian's /usr/lib/wine/wine64), and reads each image file back with
# tevlin-dis and tevlin-dis.exe (beside them); both sides must give the same files, exit codes
# and console texts, once the CR before each Windows console line end is taken out.
# Usage: tests/same_outputs_on_windows.sh TEVLIN TEVLIN_EXE
set -euo pipefail
cd "$(dirname "$0")/.."
[ $# -eq 2 ] || { echo "usage: $0 TEVLIN TEVLIN_EXE" >&2; exit 2; }
linux=$(realpath "$1")
windows=$(realpath "$2")
wine=${WINE:-/usr/lib/wine/wine64}
export WINEDEBUG=${WINEDEBUG:--all}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# run SIDE NAME COMMAND...: runs the command in the side's folder, keeping its exit code and
# console there under NAME.
run() {
    local side=$1 name=$2 status=0
    shift 2
    (cd "$scratch/$side" && "$@" >"$name.out" 2>"$name.err") || status=$?
    echo "$status" >"$scratch/$side/$name.exit"
    sed -i 's/\r$//' "$scratch/$side/$name.out" "$scratch/$side/$name.err"
}

failed=0
for source in examples/*.asm tests/golden/*/prog.asm fuzz/regressions/*.asm; do
    name=$(basename "$source")
    mkdir "$scratch/linux" "$scratch/windows"
    cp "$source" "$scratch/linux/"
    cp "$source" "$scratch/windows/"
    run linux tevlin "$linux" "$name"
    run windows tevlin "$wine" "$windows" "$name"
    for image in "${name%.asm}.mem" prog_rom.vhd xprog_rom.vhd; do
        cp "$scratch/linux/$image" "$scratch/linux/dis-$image"
        cp "$scratch/linux/$image" "$scratch/windows/dis-$image"
        run linux "dis-$image" "$(dirname "$linux")/tevlin-dis" "dis-$image"
        run windows "dis-$image" "$wine" "$(dirname "$windows")/tevlin-dis.exe" "dis-$image"
    done
    if diff -r "$scratch/linux" "$scratch/windows" >/dev/null; then
        echo "same       $source"
    else
        echo "DIFFERENT  $source: $(diff -rq "$scratch/linux" "$scratch/windows" | tr '\n' ' ')"
        failed=1
    fi
    rm -rf "$scratch/linux" "$scratch/windows"
done
exit "$failed"
