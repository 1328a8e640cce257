#!/usr/bin/env python3
"""Writes a high-score file whose table name and first player are a million
characters long (the other nine players are short): python3 long_names.py OUT"""
import struct
import sys

LONG = "n" * 1000000
with open(sys.argv[1], "wb") as out:
    out.write(LONG.encode() + b"\r\n")
    for place in range(1, 11):
        out.write((LONG if place == 1 else "Player %d" % place).encode() + b"\r\n")
        out.write(struct.pack("<qq", 60000 * place, 6000 - 500 * place))
