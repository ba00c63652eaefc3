#!/usr/bin/env python3
"""Writes a source with about ERRORS errors, made of the mistakes that students make most, each
block with names of its own: register names without R_, labels without their colon, misspelt
mnemonics and names, missing operands, names with a stray character, register look-alikes.
Usage: gen_errors.py ERRORS -o FILE"""
import argparse

BLOCK = """.DEF COUNT{i} = R4
init{i} MOV R0, 0x00
loop{i}:\tADD R1, R2
\tMOVE R1, R2
\tADD R1,\t; the second operand is missing
\tMOV COUNT{i}, 0x00
\tBRN lop{i}
\tBRN init{i}
\tADD R1, RED
.EQU MIDG{i}# = 21
"""
# 19 a block (3 + 4 + 3 + 1 + 2 + 1 + 1 + 1 + 3), and one for most instructions past the
# first 256 blocks, which lie beyond program memory.
ERRORS_PER_BLOCK = 20

parser = argparse.ArgumentParser()
parser.add_argument("errors", type=int)
parser.add_argument("-o", "--output", required=True)
args = parser.parse_args()
with open(args.output, "w") as out:
    for i in range(args.errors // ERRORS_PER_BLOCK):
        out.write(BLOCK.format(i=i))
