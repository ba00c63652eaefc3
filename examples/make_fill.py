#!/usr/bin/env python3
"""Writes fill.asm, a program that fills nearly all of program memory: a dispatcher that calls
one small routine after another, each with its own labels, loops and forward branches.

Run once from this directory:  python3 make_fill.py > fill.asm
The output depends only on the fixed seed below.
"""

import random

SEED = 2019
BUDGET = 1012  # program words to fill, of 1024

PORTS = ["PORT_A", "PORT_B", "PORT_C", "STATUS"]


def reg(rng):
    """A scratch register operand: r5 to r29, or the accumulator by its .DEF name."""
    if rng.random() < 0.2:
        return "R_ACC"
    return f"r{rng.randint(5, 29)}"


def arith(i, rng):
    """16-bit add and subtract with carry, saturating on overflow."""
    a, b = reg(rng), reg(rng)
    return [
        ("", "LD      R_LO, sum_lo", "low byte of the running sum"),
        ("", "LD      R_HI, sum_hi", ""),
        ("", f"IN      {a}, {rng.choice(PORTS)}", "sample to add"),
        ("", f"ADD     R_LO, {a}", ""),
        ("", "ADDC    R_HI, 0", "carry into the high byte"),
        ("", f"BRCC    t{i:02d}_keep", "no overflow"),
        ("", "MOV     R_HI, 0xFF", "saturate"),
        ("", "MOV     R_LO, 0xFF", ""),
        (f"t{i:02d}_keep", f"CMP     R_HI, 0x{rng.randint(0x40, 0xF0):02X}", ""),
        ("", f"BRCS    t{i:02d}_store", "below the limit"),
        ("", f"SUB     R_LO, {rng.randint(1, 255)}", "pull back towards the limit"),
        ("", "SUBC    R_HI, 0", ""),
        ("", f"MOV     {b}, R_HI", ""),
        ("", f"OUT     {b}, {rng.choice(PORTS)}", ""),
        (f"t{i:02d}_store", "ST      R_LO, sum_lo", ""),
        ("", "ST      R_HI, sum_hi", ""),
        ("", "RET", ""),
    ]


def shifts(i, rng):
    """Counts the set bits of a port sample, then scrambles the sample."""
    a = reg(rng)
    n = rng.randint(2, 7)
    return [
        ("", f"IN      {a}, {rng.choice(PORTS)}", ""),
        ("", "MOV     R_CNT, 0", "bit count"),
        ("", "MOV     r30, 8", "bits left"),
        (f"t{i:02d}_bit", "CLC", ""),
        ("", f"LSR     {a}", "next bit into carry"),
        ("", f"BRCC    t{i:02d}_zero", ""),
        ("", "ADD     R_CNT, 1", ""),
        (f"t{i:02d}_zero", "SUB     r30, 1", ""),
        ("", f"BRNE    t{i:02d}_bit", ""),
        ("", f"MOV     {a}, R_CNT", ""),
        ("", "SEC", ""),
        ("", f"ROL     {a}", ""),
        ("", f"ROR     {a}", ""),
        ("", f"ASR     {a}", ""),
        ("", f"LSL     {a}", ""),
        ("", f"OR      {a}, 0x{1 << n:02X}", ""),
        ("", f"OUT     {a}, {rng.choice(PORTS)}", ""),
        ("", "RET", ""),
    ]


def memory(i, rng):
    """Moves a block of the buffer down by one byte, keeping the working registers."""
    a, b = reg(rng), f"r{rng.randint(5, 29)}"
    length = rng.randint(3, 15)
    return [
        ("", "PUSH    R_ACC", ""),
        ("", f"PUSH    {b}", ""),
        ("", "MOV     R_LO, buffer", "source"),
        ("", "MOV     R_HI, buffer", "destination"),
        ("", "ADD     R_LO, 1", ""),
        ("", f"MOV     R_CNT, {length}", ""),
        (f"t{i:02d}_move", f"LD      {b}, (R_LO)", ""),
        ("", f"ST      {b}, (R_HI)", ""),
        ("", "ADD     R_LO, 1", ""),
        ("", "ADD     R_HI, 1", ""),
        ("", "SUB     R_CNT, 1", ""),
        ("", f"BRNE    t{i:02d}_move", ""),
        ("", f"LD      R_ACC, (r{rng.randint(5, 29)})", ""),
        ("", f"ST      R_ACC, 0x{rng.randint(0x80, 0xFF):02X}", ""),
        ("", f"MOV     {a}, R_ACC", ""),
        ("", f"POP     {b}", ""),
        ("", "POP     R_ACC", ""),
        ("", "RET", ""),
    ]


def polling(i, rng):
    """Waits for a status bit with a time-out, then copies one port to another."""
    bit = 1 << rng.randint(0, 7)
    a = reg(rng)
    return [
        ("", f"MOV     R_CNT, {rng.randint(20, 250)}", "time-out"),
        (f"t{i:02d}_wait", "IN      R_ACC, STATUS", ""),
        ("", f"TEST    R_ACC, 0x{bit:02X}", ""),
        ("", f"BRNE    t{i:02d}_ready", ""),
        ("", "SUB     R_CNT, 1", ""),
        ("", f"BRNE    t{i:02d}_wait", ""),
        ("", "MOV     R_ACC, 0xEE", "time-out code"),
        ("", "OUT     R_ACC, STATUS", ""),
        ("", f"BRN     t{i:02d}_done", ""),
        (f"t{i:02d}_ready", f"IN      {a}, {rng.choice(PORTS)}", ""),
        ("", f"AND     {a}, 0x{rng.randint(1, 255):02X}", ""),
        ("", f"EXOR    {a}, R_ACC", ""),
        ("", f"OUT     {a}, {rng.choice(PORTS)}", ""),
        (f"t{i:02d}_done", "NOP", ""),
        ("", "RET", ""),
    ]


def stack(i, rng):
    """Saves the stack pointer, runs a short compare chain, restores it."""
    a, b = reg(rng), reg(rng)
    return [
        ("", "CLI", "no interrupts while the stack moves"),
        ("", "RSP     r30", ""),
        ("", f"MOV     {a}, r30", ""),
        ("", f"CMP     {a}, {b}", ""),
        ("", f"BREQ    t{i:02d}_same", ""),
        ("", f"BRCS    t{i:02d}_less", ""),
        ("", f"MOV     {b}, {a}", ""),
        ("", f"BRN     t{i:02d}_same", ""),
        (f"t{i:02d}_less", f"ADD     {b}, {a}", ""),
        ("", f"TEST    {a}, {b}", ""),
        (f"t{i:02d}_same", "WSP     r30", ""),
        ("", "SEI", ""),
        ("", "RET", ""),
    ]


def interrupt(i, rng):
    """Tick handler: acknowledges, counts, returns with interrupts enabled or disabled."""
    return [
        ("", "PUSH    R_ACC", ""),
        ("", "IN      R_ACC, STATUS", ""),
        ("", "OUT     R_ACC, STATUS", "acknowledge"),
        ("", "LD      R_ACC, ticks", ""),
        ("", "ADD     R_ACC, 1", ""),
        ("", "ST      R_ACC, ticks", ""),
        ("", f"CMP     R_ACC, {rng.randint(10, 200)}", ""),
        ("", f"BRCC    t{i:02d}_stop", "enough ticks"),
        ("", "POP     R_ACC", ""),
        ("", "RETIE", ""),
        (f"t{i:02d}_stop", "POP     R_ACC", ""),
        ("", "RETID", ""),
    ]


TEMPLATES = [arith, shifts, memory, polling, stack, interrupt]


def line(label, text, comment):
    """One source line: a label of up to 6 characters, then the instruction from column 8, then
    the comment from column 40; a longer label stands alone on the line before."""
    head = f"{label}:" if label else ""
    if len(head) >= 8:
        out = head + "\n" + " " * 8 + text
    else:
        out = head.ljust(8) + text
    if comment:
        out = out.ljust(40) + "; " + comment
    return out


def main():
    rng = random.Random(SEED)
    routines = []
    used = 0
    i = 0
    while True:
        template = TEMPLATES[i % len(TEMPLATES)]
        body = template(i, rng)
        main_words = 8 + len(routines) + 1  # set-up, loop, its calls and this one
        if main_words + used + len(body) > BUDGET:
            break
        routines.append((template.__doc__, body))
        used += len(body)
        i += 1

    out = [
        "; fill.asm -- many small routines that together fill program memory.",
        "; Written by make_fill.py; each routine is called from the main loop.",
        "",
        ".EQU PORT_A = 0x01",
        ".EQU PORT_B = 0x02",
        ".EQU PORT_C = 0x04",
        ".EQU STATUS = 0x80",
        "",
        ".DEF R_ACC = R1",
        ".DEF R_HI  = R2",
        ".DEF R_LO  = R3",
        ".DEF R_CNT = R4",
        "",
        ".DSEG",
        "sum_lo: .BYTE 1",
        "sum_hi: .BYTE 1",
        "ticks:  .BYTE 1",
        "buffer: .BYTE 16",
        "",
        ".CSEG",
        line("reset", "MOV     r31, 0xFF", "top of the stack"),
        line("", "WSP     r31", ""),
        line("", "MOV     R_ACC, 0", ""),
        line("", "ST      R_ACC, sum_lo", ""),
        line("", "ST      R_ACC, sum_hi", ""),
        line("", "ST      R_ACC, ticks", ""),
        line("main_loop", "SEI", ""),
    ]
    out += [line("", f"CALL    task{k:02d}", "") for k in range(len(routines))]
    out.append(line("", "BRN     main_loop", ""))
    for k, (doc, body) in enumerate(routines):
        out += ["", f"; task{k:02d}: {doc[0].lower()}{doc[1:]}"]
        for n, (label, text, comment) in enumerate(body):
            out.append(line(label or (f"task{k:02d}" if n == 0 else ""), text, comment))
    print("\n".join(out))


if __name__ == "__main__":
    main()
