#!/usr/bin/env python3
"""The benchmark's peer: the same conversion as tavrin-convert, in Python with
the re module, over code page 936 bytes from standard input or a file."""
import re
import sys

PATTERN = re.compile(rb"#define (\S+)\s+(\S+)", re.IGNORECASE)
PREFIX = ".常量 ".encode("gbk")
HEX = re.compile(rb"[0-9A-Fa-f]*")


def value(text):
    text = re.sub(rb"[Ll]", b"", text, count=1)
    if text[:2] in (b"0x", b"0X"):
        text = text[2:]
    digits = HEX.match(text).group()
    number = int(digits, 16) & 0xFFFFFFFF if digits else 0
    return number - (1 << 32) if number >= 1 << 31 else number


def main():
    data = open(sys.argv[1], "rb").read() if len(sys.argv) > 1 else sys.stdin.buffer.read()
    out = [b'%s%s, "%d"\r\n' % (PREFIX, m.group(1), value(m.group(2))) for m in PATTERN.finditer(data)]
    sys.stdout.buffer.write(b"".join(out))


if __name__ == "__main__":
    main()
