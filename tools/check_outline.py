#!/usr/bin/env python3
"""Check SAL text outlines: structure (levels without jumps, one root, data
blocks closed), the +/- marks of the header layout (`+` exactly when the next
item is deeper) and line ends.

    check_outline.py [--crlf] FILE...

Each problem is printed as FILE:LINE: message. --crlf also requires every
line to end in CR LF. Exit code 0 when all files are clean, 1 on findings,
2 when a file cannot be read at all.
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from outline_convert import OutlineError, read_outline  # noqa: E402


def check(path, crlf=False):
    """Return a list of 'FILE:LINE: message' findings."""
    outline = read_outline(path)        # raises on broken structure
    found = []
    items = outline.items
    for n, it in enumerate(items):
        nxt = items[n + 1].level if n + 1 < len(items) else -1
        if outline.layout == "header":
            want = "+" if nxt > it.level else "-"
            if it.mark != want:
                found.append(f"{path}:{it.lineno}: mark is '{it.mark}' but the item has "
                             f"{'children' if want == '+' else 'no children'}")
        if crlf:
            ends = list(enumerate(it.eols))
            for k, e in ends:
                last = n + 1 == len(items) and k + 1 == len(it.eols) and not it.data
                if e != "\r\n" and not (last and e == ""):
                    found.append(f"{path}:{it.lineno + k}: line ends in {e!r}, not CR LF")
            for block in it.data:
                for line, e in block:
                    if e not in ("\r\n", ""):
                        found.append(f"{path}: data block of line {it.lineno}: line ends in {e!r}")
    return found


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("--crlf", action="store_true", help="require CR LF line ends")
    ap.add_argument("files", nargs="+")
    a = ap.parse_args(argv)
    rc = 0
    for path in a.files:
        try:
            found = check(path, a.crlf)
        except (OutlineError, OSError) as e:
            print(e, file=sys.stderr)
            rc = 2
            continue
        for f in found:
            print(f)
        if found:
            rc = max(rc, 1)
    return rc


if __name__ == "__main__":
    sys.exit(main())
