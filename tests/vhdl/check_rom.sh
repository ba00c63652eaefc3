#!/bin/sh
# Assembles a program, which must assemble cleanly, simulates both its VHDL ROM files in GHDL,
# the block-RAM one on the RAM model, reads all 1024 addresses and compares the words with the
# program's hex image.
#
#   check_rom.sh TEVLIN PROGRAM.asm     (exit status 0 when both files match)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
ghdl_flags="--ieee=synopsys -fexplicit"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ $# -eq 2 ] || fail "usage: $0 TEVLIN PROGRAM.asm"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

tevlin=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
name=$(basename "$2" .asm)
cp "$2" "$work/$name.asm"
(cd "$work" && "$tevlin" "$name.asm") >"$work/console.txt" 2>&1 ||
    fail "$name.asm: tevlin exited with status $?"
if [ -s "$work/console.txt" ]; then
    cat "$work/console.txt" >&2
    fail "$name.asm: the assembler reported errors"
fi
mv "$work/$name.mem" "$work/expected.mem"

lines=$(wc -l <"$work/expected.mem")
[ "$lines" -eq 1024 ] || fail "the hex image has $lines lines instead of 1024"

# compare LABEL DUMP: reports the first address whose word differs from the hex image.
compare() {
    awk -v label="$1" '
        NR == FNR { want[FNR - 1] = $0; next }
        { got[FNR - 1] = $0 }
        END {
            for (a = 0; a < 1024; a++) {
                if (got[a] != want[a]) {
                    printf "%s: first difference at address %d (0x%03X): ", label, a, a
                    printf "read \"%s\", hex image \"%s\"\n", got[a], want[a]
                    exit 1
                }
            }
        }' "$work/expected.mem" "$2" >&2 || fail "$1 does not hold the program"
    echo "$1: all 1024 words match the hex image"
}

# simulate DIR VHD_FILE [LIBRARY_FLAG]: runs the dump testbench against one ROM description.
simulate() {
    mkdir "$work/$1"
    # shellcheck disable=SC2086
    (cd "$work/$1" &&
        ghdl -a $ghdl_flags $3 "$work/$2" "$here/rom_dump.vhd" &&
        ghdl --elab-run $ghdl_flags $3 rom_dump -gDUMP_FILE=dump.mem) >&2 ||
        fail "GHDL could not simulate $2"
}

mkdir "$work/unisim"
# shellcheck disable=SC2086
ghdl -a $ghdl_flags --work=unisim --workdir="$work/unisim" \
    "$here/unisim/vcomponents.vhd" "$here/unisim/ramb16_s18.vhd" >&2 ||
    fail "GHDL could not analyse the block RAM model"

simulate block prog_rom.vhd "-P$work/unisim"
compare prog_rom.vhd "$work/block/dump.mem"
simulate generic xprog_rom.vhd ""
compare xprog_rom.vhd "$work/generic/dump.mem"
