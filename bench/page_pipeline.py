#!/usr/bin/env python3
"""The page pipeline of a role query, scripted the way a user would: the reference that the C++
pipeline is measured against.

Decode the UTF-8 page, take it through GBK and back, run the row pattern with IGNORECASE and
keep the first four groups of every match as GBK bytes. Prints the median seconds of REPEAT runs,
the number of rows and a digest of every cell (the C++ benchmark prints the same digest).

Usage: page_pipeline.py PAGE [REPEAT]
"""
import re
import statistics
import sys
import time

ROW_PATTERN = (r'<td>(.*?)</td>[\s|\S]*?">(.*?)</td>[\s|\S]*?<td>(.*?)</td>[\s|\S]*?<td>(.*?)</td>'
               r'[\s|\S]*?<td>(.*?)</td>[\s|\S]*?<td>(.*?)</td>')


def pipeline(page):
    text = page.decode("utf-8", errors="replace")
    subject = text.encode("gbk", errors="replace").decode("gbk", errors="replace")
    rows = []
    for match in re.finditer(ROW_PATTERN, subject, re.IGNORECASE):
        rows.append([match.group(g).encode("gbk", errors="replace") for g in (1, 2, 3, 4)])
    return rows


def digest(rows):
    """FNV-1a (64 bits) over every cell, each followed by a zero byte."""
    value = 0xCBF29CE484222325
    for row in rows:
        for cell in row:
            for byte in cell + b"\0":
                value = ((value ^ byte) * 0x100000001B3) % 2**64
    return value


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as f:
        page = f.read()
    repeat = int(sys.argv[2]) if len(sys.argv) == 3 else 1
    pipeline('<td>a</td><td class="x">b</td><td>c</td><td>d</td><td>e</td><td>f</td>'.encode())
    seconds = []
    for _ in range(repeat):
        start = time.perf_counter()
        rows = pipeline(page)
        seconds.append(time.perf_counter() - start)
    print(f"{statistics.median(seconds):.6f} {len(rows)} {digest(rows):016x}")


if __name__ == "__main__":
    main()
