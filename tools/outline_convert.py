#!/usr/bin/env python3
"""Convert a SAL text outline between the header and the indented layout and
between encodings (cp1252, utf-8, utf-8-sig, utf-16le with BOM).

    outline_convert.py IN OUT [--layout header|indented]
                              [--encoding cp1252|utf-8|utf-8-sig|utf-16le]
                              [--newline keep|crlf]

Without options the output keeps the input's layout and encoding, so a
conversion to the same form reproduces the input byte for byte. Item texts,
continuation lines and data blocks are carried over unchanged; every physical
line keeps its own line end (some files break continuation lines with a bare
LF), unless --newline crlf asks for CR LF throughout.

The reader is also imported by check_outline.py; it refuses what it cannot
read (binary outlines, undecodable bytes, broken structure) with the file
name and line, and the output is written to a temporary file first and
renamed, so a failed run never leaves a half-written file behind.
"""

import argparse
import os
import re
import sys
import tempfile

ENCODINGS = ("cp1252", "utf-8", "utf-8-sig", "utf-16le")
BOMS = {"utf-8-sig": b"\xef\xbb\xbf", "utf-16le": b"\xff\xfe"}

_HEAD = re.compile(r"\.head ([^ ]*) ([^ ]*)  (.*)\Z", re.S)


class OutlineError(Exception):
    def __init__(self, path, line, message):
        super().__init__(f"{path}:{line}: {message}" if line else f"{path}: {message}")
        self.path, self.line, self.message = path, line, message


class Item:
    """One outline item. lines[0] is the item line, lines[1:] its continuation
    lines; eols holds the line end read after each of them. data holds the
    item's data blocks as lists of (raw line, eol), from `.data` to `.enddata`."""

    __slots__ = ("level", "mark", "lines", "eols", "data", "lineno")

    def __init__(self, level, lines, eols, lineno, mark=None):
        self.level, self.lines, self.eols = level, lines, eols
        self.lineno, self.mark, self.data = lineno, mark, []

    @property
    def text(self):
        return "\n".join(self.lines)


class Outline:
    def __init__(self, items, layout, encoding):
        self.items = items          # in file order, with levels
        self.layout = layout        # "header" or "indented"
        self.encoding = encoding    # one of ENCODINGS


# ---------------------------------------------------------------- decoding

def decode(raw, path, encoding=None):
    """Return (text, encoding). Binary input is refused before any decoding."""
    if raw.startswith(BOMS["utf-16le"]):
        enc = "utf-16le"
        body = raw[2:]
        if len(body) % 2:
            raise OutlineError(path, _line_of_utf16(body, len(body) - 1),
                               "UTF-16 file has an odd number of bytes")
        try:
            return body.decode("utf-16le"), enc
        except UnicodeDecodeError as e:
            raise OutlineError(path, _line_of_utf16(body, e.start),
                               f"invalid UTF-16 ({e.reason})") from None
    if b"\x00" in raw:
        raise OutlineError(path, 0, "binary outline: save it as text in the IDE")
    if raw.startswith(BOMS["utf-8-sig"]):
        enc, body = "utf-8-sig", raw[3:]
    else:
        body = raw
        if encoding in ("utf-8", "cp1252"):
            enc = encoding
        else:
            try:
                body.decode("utf-8")
                enc = "utf-8" if any(b > 0x7F for b in body) else "cp1252"
            except UnicodeDecodeError:
                enc = "cp1252"
    codec = "utf-8" if enc == "utf-8-sig" else enc
    try:
        return body.decode(codec), enc
    except UnicodeDecodeError as e:
        line = body.count(b"\n", 0, e.start) + 1
        raise OutlineError(path, line, f"cannot decode as {enc} ({e.reason})") from None


def _line_of_utf16(body, offset):
    return body[: offset - offset % 2].decode("utf-16le", "replace").count("\n") + 1


def split_lines(text):
    """[(line, eol)] where eol is '\\r\\n', '\\n', '\\r' or '' at the end."""
    out = []
    for m in re.finditer(r"([^\r\n]*)(\r\n|\n|\r|\Z)", text):
        if m.group(0) == "" and m.start() == len(text):
            break
        out.append((m.group(1), m.group(2)))
    return out


# ----------------------------------------------------------------- reading

def read_outline(path, encoding=None):
    with open(path, "rb") as f:
        raw = f.read()
    text, enc = decode(raw, path, encoding)
    lines = split_lines(text)
    if not lines:
        raise OutlineError(path, 0, "empty file")
    layout = "header" if lines[0][0].startswith(".head ") else "indented"
    items = (_parse_header if layout == "header" else _parse_indented)(lines, path)
    return Outline(items, layout, enc)


def _take_data(lines, i, path, item):
    """lines[i] starts a data block; append it to item, return the next index."""
    start = i
    block = []
    while i < len(lines):
        line, eol = lines[i]
        if i > start and (line.startswith(".head ") or line.startswith(".data")):
            raise OutlineError(path, start + 1, "data block without .enddata")
        block.append((line, eol))
        i += 1
        if line == ".enddata":
            if item is None:
                raise OutlineError(path, start + 1, "data block before the first item")
            item.data.append(block)
            return i
    raise OutlineError(path, start + 1, "data block without .enddata (file ends inside it)")


def _parse_header(lines, path):
    items = []
    i = 0
    while i < len(lines):
        line, eol = lines[i]
        if line.startswith(".data"):
            i = _take_data(lines, i, path, items[-1] if items else None)
            continue
        if line.startswith(".enddata"):
            raise OutlineError(path, i + 1, ".enddata without .data")
        if line.startswith(".head "):
            m = _HEAD.match(line)
            if not m:
                raise OutlineError(path, i + 1, f"bad .head line (expected '.head LEVEL MARK  TEXT'): {line[:40]!r}")
            if not m.group(1).isdigit():
                raise OutlineError(path, i + 1, f"level is not a number: {m.group(1)[:20]!r}")
            level = int(m.group(1))
            if m.group(2) not in ("+", "-"):
                raise OutlineError(path, i + 1, f"bad mark {m.group(2)!r} (must be + or -)")
            prev = items[-1].level if items else -1
            if level > prev + 1:
                raise OutlineError(path, i + 1, f"level jumps from {prev} to {level}")
            if level == 0 and items:
                raise OutlineError(path, i + 1, "a second root item (level 0)")
            items.append(Item(level, [m.group(3)], [eol], i + 1, m.group(2)))
        else:
            if not items:
                raise OutlineError(path, i + 1, "text before the first .head line")
            if items[-1].data:
                raise OutlineError(path, i + 1, "continuation line after a data block")
            items[-1].lines.append(line)
            items[-1].eols.append(eol)
        i += 1
    return items


def _parse_indented(lines, path):
    items = []
    i = 0
    while i < len(lines):
        line, eol = lines[i]
        if line.startswith(".data"):
            i = _take_data(lines, i, path, items[-1] if items else None)
            continue
        if line.startswith(".enddata"):
            raise OutlineError(path, i + 1, ".enddata without .data")
        depth = len(line) - len(line.lstrip("\t"))
        if items and depth > items[-1].level + 1:
            # deeper than a child: a continuation; depth+2 tabs are layout
            cut = items[-1].level + 2
            if items[-1].data:
                raise OutlineError(path, i + 1, "continuation line after a data block")
            items[-1].lines.append(line[cut:])
            items[-1].eols.append(eol)
        else:
            if not items and depth:
                raise OutlineError(path, i + 1, "the root item must not be indented")
            if items and depth == 0:
                raise OutlineError(path, i + 1, "a second root item (no indentation)")
            items.append(Item(depth, [line[depth:]], [eol], i + 1))
        i += 1
    return items


# ----------------------------------------------------------------- writing

def render(outline, layout, newline="keep"):
    """The outline as text (str) in the given layout."""
    items = outline.items
    parts = []                      # [line, eol] in file order
    for n, it in enumerate(items):
        nxt = items[n + 1].level if n + 1 < len(items) else -1
        for k, (line, e) in enumerate(zip(it.lines, it.eols)):
            if k == 0 and layout == "header":
                line = f".head {it.level} {'+' if nxt > it.level else '-'}  {line}"
            elif k == 0:
                line = "\t" * it.level + line
            elif layout == "indented":
                line = "\t" * (it.level + 2) + line
            parts.append([line, e])
        for block in it.data:
            parts.extend([line, e] for line, e in block)
    for p in parts[:-1]:
        # only the file's last line may lack an end
        p[1] = p[1] or "\r\n"
    if newline == "crlf":
        for p in parts:
            p[1] = "\r\n" if p[1] else ""
    return "".join(line + e for line, e in parts)


def encode(text, encoding):
    codec = {"utf-8-sig": "utf-8", "utf-16le": "utf-16le"}.get(encoding, encoding)
    return BOMS.get(encoding, b"") + text.encode(codec)


def write_atomic(path, data):
    folder = os.path.dirname(os.path.abspath(path))
    fd, tmp = tempfile.mkstemp(prefix=".outline-", dir=folder)
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        if os.path.exists(path):
            os.chmod(tmp, os.stat(path).st_mode & 0o7777)
        else:
            os.chmod(tmp, 0o644)
        os.replace(tmp, path)
    except BaseException:
        if os.path.exists(tmp):
            os.unlink(tmp)
        raise


def convert(src, dst, layout=None, encoding=None, newline="keep", src_encoding=None):
    outline = read_outline(src, src_encoding)
    layout = layout or outline.layout
    encoding = encoding or outline.encoding
    text = render(outline, layout, newline)
    try:
        data = encode(text, encoding)
    except UnicodeEncodeError as e:
        line = text.count("\n", 0, e.start) + 1
        raise OutlineError(src, line, f"cannot be written as {encoding}: {text[e.start:e.end]!r}") from None
    write_atomic(dst, data)
    return outline


def main(argv=None):
    ap = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    ap.add_argument("input")
    ap.add_argument("output")
    ap.add_argument("--layout", choices=("header", "indented"))
    ap.add_argument("--encoding", choices=ENCODINGS)
    ap.add_argument("--from-encoding", choices=("cp1252", "utf-8"),
                    help="how to read a file without BOM (default: utf-8 when valid, else cp1252)")
    ap.add_argument("--newline", choices=("keep", "crlf"), default="keep")
    a = ap.parse_args(argv)
    try:
        convert(a.input, a.output, a.layout, a.encoding, a.newline, a.from_encoding)
    except OutlineError as e:
        print(f"outline_convert: {e}", file=sys.stderr)
        return 2
    except OSError as e:
        print(f"outline_convert: {e}", file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main())
