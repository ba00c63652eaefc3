#!/usr/bin/env python3
"""Write a valid tevlin source of an exact number of lines, for timing the assembler.

The program fills most of the 1024 program words with instructions (labels, forward and
backward branches, register names, named constants, data addresses) and the 256 data bytes
with .DB and .BYTE blocks; every other line is an .EQU constant with a name of its own, a
comment or a blank line, spread among the instructions. The same arguments always give the
same text.
"""

import argparse
import random
import sys

PROG_WORDS = 1024
DATA_BYTES = 256
INIT_BYTES = 40  # bytes given values by .DB; the start-up code takes two words for each
MAX_INSTRUCTIONS = 900
LABEL_EVERY = 3  # every third instruction carries a label

REG_NAMES = ["R_CNT", "R_TMP", "R_PTR", "R_ACC", "R_IDX", "R_VAL", "R_SUM", "R_BIT"]
# Prefixes of the constant names; none starts with R, so no name reads as a register.
CONST_PREFIXES = ["C", "K", "MASK_", "PORT_", "BIT_", "LIMIT_", "BAUD_", "TIMER_", "VAL"]
ALU_OPS = ["AND", "OR", "EXOR", "TEST", "ADD", "ADDC", "SUB", "SUBC", "CMP", "MOV"]
ONE_REG_OPS = ["LSL", "LSR", "ROL", "ROR", "ASR", "PUSH", "POP", "WSP", "RSP"]
BRANCH_OPS = ["BRN", "CALL", "BREQ", "BRNE", "BRCS", "BRCC"]
NO_OPERAND_OPS = ["CLC", "SEC", "RET", "RETID", "RETIE", "SEI", "CLI", "NOP"]
WORDS = ["load", "count", "next", "byte", "check", "flag", "loop", "store", "port", "sum"]


class Source:
    """Builds the lines of one program."""

    def __init__(self, seed):
        self.rng = random.Random(seed)
        self.lines = []
        self.data_labels = []
        self.const_names = []
        self.branch_labels = []  # names of labels that stand alone, for backward branches

    def comment(self):
        return "; " + " ".join(self.rng.choice(WORDS) for _ in range(self.rng.randint(1, 6)))

    def emit(self, text):
        """Appends a line, sometimes in lower case or with a trailing comment."""
        rng = self.rng
        if rng.random() < 0.2:
            text = text.lower()
        if rng.random() < 0.3:
            text += " " * rng.randint(1, 4) + self.comment()
        self.lines.append(text)

    def indent(self):
        return self.rng.choice(["\t", "    ", "  ", "\t\t"])

    def data_blocks(self, init_bytes, reserved_bytes):
        """Returns .DB and .BYTE lines that give init_bytes values and reserve the rest."""
        rng = self.rng
        blocks = []
        while init_bytes > 0:
            count = min(init_bytes, rng.randint(1, 4))
            values = [rng.choice(["%d", "0x%02X"]) % rng.randint(0, 255) for _ in range(count)]
            blocks.append(".DB " + ", ".join(values))
            init_bytes -= count
        while reserved_bytes > 0:
            count = min(reserved_bytes, rng.randint(1, 8))
            blocks.append(".BYTE %d" % count)
            reserved_bytes -= count
        rng.shuffle(blocks)
        lines = []
        for block in blocks:
            if rng.random() < 0.9:
                name = "DATA%d" % len(self.data_labels)
                self.data_labels.append(name)
                lines.append(name + ":" + self.indent() + block)
            else:
                lines.append(self.indent() + block)
        return lines

    def register(self):
        rng = self.rng
        if rng.random() < 0.2:
            return rng.choice(REG_NAMES)
        return "R%d" % rng.randint(0, 31)

    def plain_register(self):
        return "R%d" % self.rng.randint(0, 31)

    def value(self):
        rng = self.rng
        if rng.random() < 0.8:
            return rng.choice(self.const_names)
        return rng.choice(["%d", "0x%X"]) % rng.randint(0, 255)

    def instruction(self, index, count):
        """Returns the text of instruction index (0-based) of count."""
        rng = self.rng
        pick = rng.random()
        if pick < 0.25:
            return "MOV %s, %s" % (self.register(), self.value())
        if pick < 0.40:
            return "%s %s, %s" % (rng.choice(ALU_OPS), self.register(), self.register())
        if pick < 0.50:
            return "%s %s, %s" % (rng.choice(ALU_OPS[:9]), self.register(), self.value())
        if pick < 0.60:
            return "%s %s, %s" % (rng.choice(["LD", "ST"]), self.register(),
                                  rng.choice(self.data_labels))
        if pick < 0.65:
            pointer = rng.choice(["(%s)" % self.plain_register(), "(%s)" % rng.choice(REG_NAMES)])
            return "%s %s, %s" % (rng.choice(["LD", "ST"]), self.register(), pointer)
        if pick < 0.70:
            return "%s %s, %s" % (rng.choice(["IN", "OUT"]), self.register(), self.value())
        if pick < 0.80:
            return "%s %s" % (rng.choice(ONE_REG_OPS), self.register())
        if pick < 0.95:
            op = rng.choice(BRANCH_OPS)
            if self.branch_labels and rng.random() < 0.3:
                return "%s %s" % (op, rng.choice(self.branch_labels))
            first_ahead = (index // LABEL_EVERY + 1) * LABEL_EVERY
            if first_ahead < count:
                return "%s %s" % (op, label_name(rng.randrange(first_ahead, count, LABEL_EVERY)))
            return "%s 0x%X" % (op, rng.randint(0, PROG_WORDS - 1))
        return rng.choice(NO_OPERAND_OPS)

    def code_line(self, index, count):
        text = self.instruction(index, count)
        if index % LABEL_EVERY == 0:
            return label_name(index) + ":" + self.indent() + text
        return self.indent() + text

    def build(self, total_lines):
        rng = self.rng
        start = 2 * INIT_BYTES + 1
        data_lines = self.data_blocks(INIT_BYTES, DATA_BYTES - INIT_BYTES - 8)
        # The data blocks go in two groups: one before the code, one in its middle.
        half = len(data_lines) // 2
        first_data, second_data = data_lines[:half], data_lines[half:]

        header = [
            "; Generated program of %d lines for timing the assembler." % total_lines,
            "; Register names and data first; constants among the code, which starts at 0x%03X."
            % start,
            "",
        ]
        defs = [".DEF %s = R%d" % (name, number + 20) for number, name in enumerate(REG_NAMES)]
        # Lines other than instructions and fillers: segment and .ORG lines, the closing comment.
        fixed = len(header) + len(defs) + len(first_data) + len(second_data) + 7
        room = total_lines - fixed
        if room < 10:
            raise SystemExit("gen_source.py: %d lines is too few" % total_lines)
        count = min(MAX_INSTRUCTIONS, room // 2, PROG_WORDS - start - 1)
        fillers = room - count
        equs = max(1, fillers * 3 // 4)
        comments = (fillers - equs) // 2
        blanks = fillers - equs - comments

        self.const_names = ["%s%d" % (rng.choice(CONST_PREFIXES), n) for n in range(equs)]
        order = ["i"] * count + ["e"] * equs + ["c"] * comments + ["b"] * blanks
        # Labels alone on a line replace a few comments; they are targets of backward branches.
        for position in range(len(order)):
            if order[position] == "c" and rng.random() < 0.1:
                order[position] = "l"
        rng.shuffle(order)

        self.lines.extend(header)
        for text in defs:
            self.emit(text)
        self.lines.append(".DSEG")
        self.lines.append(".ORG 0")
        for text in first_data:
            self.emit(text)
        self.lines.append(".CSEG")
        self.lines.append(".ORG 0x%X" % start)

        index = 0
        equ = 0
        for kind in order:
            if kind == "i":
                self.emit(self.code_line(index, count))
                index += 1
                if index == count // 2:
                    self.lines.append(".DSEG")
                    for text in second_data:
                        self.emit(text)
                    self.lines.append(".CSEG")
            elif kind == "e":
                value = rng.choice(["%d", "0x%02X"]) % rng.randint(0, 255)
                self.emit(".EQU %s = %s" % (self.const_names[equ], value))
                equ += 1
            elif kind == "c":
                self.lines.append(rng.choice(["", "\t", "    "]) + self.comment())
            elif kind == "b":
                self.lines.append(rng.choice(["", "", "    ", "\t"]))
            else:
                name = "TOP%d" % len(self.branch_labels)
                self.branch_labels.append(name)
                self.emit(name + ":")
        self.lines.append("; end of program")
        assert len(self.lines) == total_lines, (len(self.lines), total_lines)
        return self.lines


def label_name(index):
    return "L%d" % index


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("lines", type=int, help="number of source lines to write")
    parser.add_argument("-o", "--output", help="file to write (default: standard output)")
    parser.add_argument("--seed", type=int, default=1, help="seed of the random choices")
    args = parser.parse_args()

    lines = Source(args.seed).build(args.lines)
    text = "\n".join(lines) + "\n"
    if args.output:
        with open(args.output, "w", encoding="ascii", newline="\n") as out:
            out.write(text)
    else:
        sys.stdout.write(text)


if __name__ == "__main__":
    main()
