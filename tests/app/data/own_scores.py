#!/usr/bin/env python3
"""Writes a campaign high-score table in which the player Tester holds the
second and fifth places: python3 own_scores.py OUT"""
import struct
import sys

NAMES = ["Norel", "Tester", "Amunet", "Kha", "Tester", "Meret", "Sobek", "Ipy", "Tiye", "Nakht"]
with open(sys.argv[1], "wb") as out:
    out.write(b"Campaign\r\n")
    for place, name in enumerate(NAMES, start=1):
        out.write(name.encode() + b"\r\n")
        out.write(struct.pack("<qq", 3600000 + 600000 * place, 6500 - 450 * place))
