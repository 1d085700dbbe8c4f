#!/usr/bin/env python3
"""Writes header-like text for the benchmarks: #define lines with the values
real Windows headers have (hexadecimal with and without L, decimal, negative,
parenthesised, names of other constants), among comments, prototypes and
blank lines. The same seed gives the same bytes.

  make_header.py --seed 1 --bytes 1048576 > 1mb.h
  make_header.py --seed 1 --definitions 20000 --bytes 1048576 > defs.h
"""
import argparse
import random
import sys

WORDS = ["WM", "MB", "WS", "SW", "VK", "ERROR", "FILE", "GENERIC", "HKEY", "IDC",
         "CS", "ES", "BS", "LB", "CB", "SM", "COLOR", "DT", "MF", "TPM", "GW", "PM"]
PARTS = ["OK", "CANCEL", "ABORT", "RETRY", "IGNORE", "YES", "NO", "USER", "APP",
         "ACTIVE", "CHILD", "POPUP", "VISIBLE", "DISABLED", "READ", "WRITE", "SHARE",
         "ALL", "DEFAULT", "MAXIMUM", "MINIMUM", "LEFT", "RIGHT", "CENTER", "TOP"]


def name(rng):
    return "_".join([rng.choice(WORDS)] + rng.sample(PARTS, rng.randint(1, 3)))


def value(rng):
    kind = rng.randrange(8)
    if kind < 3:
        return "0x%08X%s" % (rng.getrandbits(32), rng.choice(["L", "", "L", "UL"]))
    if kind == 3:
        return "0x%X" % rng.getrandbits(rng.choice([4, 8, 16]))
    if kind == 4:
        return str(rng.randrange(100000))
    if kind == 5:
        return "(-%d)" % rng.randrange(1, 100)
    if kind == 6:
        return name(rng)
    return "%dL" % rng.randrange(1000)


def definition(rng):
    n = name(rng)
    line = "#define %s%s%s" % (n, " " * max(1, 36 - 8 - len(n)), value(rng))
    if rng.randrange(6) == 0:
        line += " // %s" % " ".join(rng.sample(PARTS, 3)).lower()
    return line + "\r\n"


def filler(rng):
    kind = rng.randrange(4)
    if kind == 0:
        return "\r\n"
    if kind == 1:
        return "/* %s */\r\n" % " ".join(rng.sample(PARTS, 4)).lower()
    if kind == 2:
        return "WINUSERAPI BOOL WINAPI %s(HWND hWnd, UINT uFlags);\r\n" % name(rng).title().replace("_", "")
    return "typedef struct tag%s { DWORD cbSize; UINT fMask; } %s;\r\n" % (PARTS[rng.randrange(len(PARTS))], name(rng))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--bytes", type=int, required=True)
    parser.add_argument("--definitions", type=int, help="exactly this many, the rest filler")
    args = parser.parse_args()
    rng = random.Random(args.seed)
    out, size, defs = [], 0, 0
    while True:
        if args.definitions is not None:
            want_def = defs < args.definitions
            if not want_def and size >= args.bytes:
                break
            # Spread the definitions over the size asked for.
            want_def = want_def and (size * args.definitions <= defs * args.bytes or
                                     args.bytes - size <= 64 * (args.definitions - defs))
        else:
            if size >= args.bytes:
                break
            want_def = rng.randrange(10) < 8
        piece = definition(rng) if want_def else filler(rng)
        if args.definitions is not None and not want_def and size + len(piece) > args.bytes:
            piece = "\r\n"
        defs += want_def
        out.append(piece)
        size += len(piece)
    sys.stdout.buffer.write("".join(out).encode("ascii"))


if __name__ == "__main__":
    main()
