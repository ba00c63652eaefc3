#!/usr/bin/env python3
"""Checks of the benchmark source generator: exact size, room in both memories, one
definition per name, only defined names used. Run: python3 -m unittest bench/test_gen_source.py
"""

import os
import re
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_source  # noqa: E402

DEFINITION = re.compile(r"^(?:\.EQU\s+(\w+)|\.DEF\s+(\w+)|(\w+):)")


def generate(lines, seed=1):
    return gen_source.Source(seed).build(lines)


def code_part(line):
    """The upper-cased text before the comment, without a leading label."""
    text = line.split(";")[0].upper().strip()
    return re.sub(r"^\w+:", "", text).strip()


def name_operands(instruction):
    """The names among the operands of an instruction line (register numbers excluded)."""
    parts = instruction.split(None, 1)
    operands = [op.strip(" ()") for op in parts[1].split(",")] if len(parts) > 1 else []
    return [op for op in operands
            if re.fullmatch(r"[A-Z]\w*", op) and not re.fullmatch(r"R\d+", op)]


class GeneratedSourceTest(unittest.TestCase):
    def test_sizes_are_exact_and_lines_fit(self):
        for lines in (200, 1000, 1234, 10000):
            source = generate(lines)
            self.assertEqual(len(source), lines)
            self.assertLessEqual(max(len(line) for line in source), 255)

    def test_too_few_lines_is_refused(self):
        with self.assertRaises(SystemExit):
            generate(20)

    def test_code_and_data_fit_their_memories(self):
        for lines in (1000, 100000):
            source = [code_part(line) for line in generate(lines)]
            start = int(next(t for t in source if t.startswith(".ORG 0X")).split()[1], 16)
            instructions = [t for t in source if t and t.split()[0] in self.mnemonics()]
            self.assertLessEqual(start + len(instructions), 1024)
            initialised = sum(len(t.split(None, 1)[1].split(",")) for t in source
                              if t.startswith(".DB"))
            reserved = sum(int(t.split()[1]) for t in source if t.startswith(".BYTE"))
            self.assertGreaterEqual(start, 2 * initialised + 1)
            self.assertLessEqual(initialised + reserved, 256)
            if lines == 100000:
                self.assertGreaterEqual(len(instructions), 900)

    def test_every_name_is_defined_once_and_every_used_name_is_defined(self):
        source = generate(5000)
        defined = []
        for line in source:
            match = DEFINITION.match(line.upper())
            if match:
                defined.append(next(group for group in match.groups() if group))
        self.assertEqual(len(defined), len(set(defined)))
        used = set()
        for line in source:
            text = code_part(line)
            if text and not text.startswith("."):
                used.update(name_operands(text))
        self.assertTrue(used)
        self.assertEqual(used - set(defined), set())
        self.assertFalse(any(name.startswith("R") and not name.startswith("R_")
                             for name in defined))

    def test_same_seed_gives_same_text(self):
        self.assertEqual(generate(2000, seed=7), generate(2000, seed=7))
        self.assertNotEqual(generate(2000, seed=7), generate(2000, seed=8))

    @staticmethod
    def mnemonics():
        return set(gen_source.ALU_OPS + gen_source.ONE_REG_OPS + gen_source.BRANCH_OPS
                   + gen_source.NO_OPERAND_OPS + ["LD", "ST", "IN", "OUT"])


if __name__ == "__main__":
    unittest.main()
