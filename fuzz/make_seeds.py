#!/usr/bin/env python3
"""Builds the seed corpora of the fuzz targets from the project's fixtures
and the sample program, and a SAL context cut down to the built-ins they
name (OUTDIR/context.apl): python3 fuzz/make_seeds.py OUTDIR.

The parser target builds the symbol table of the context for every input;
with the whole context that is nine tenths of its time."""
import hashlib
import pathlib
import re
import shutil
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
FIXTURES = ROOT / "tests" / "fixtures"
EXAMPLES = ROOT / "examples"
# Inputs larger than this slow every run down more than they teach the fuzzer.
MAX_SEED = 96 * 1024
LIB = b"\n@@lib "


def outlines():
    files = sorted(FIXTURES.rglob("*.ap[tlp]")) + sorted(EXAMPLES.glob("*.ap[tl]"))
    return [f for f in files if FIXTURES / "fuzz" not in f.parents]


def with_libs(program, *libs):
    data = program.read_bytes()
    for lib in libs:
        data += LIB + lib.name.encode() + b"\n" + lib.read_bytes()
    return data


def item_texts(path):
    """The text of each item of a header-layout file in cp1252 or UTF-8."""
    text = path.read_bytes().decode("cp1252", errors="replace")
    for line in text.splitlines():
        m = re.match(r"\.head \d+ [+-]  (.*)", line)
        if m and m.group(1).strip():
            yield m.group(1).encode("utf-8")


NAMED = re.compile(rb"^[A-Za-z][A-Za-z /-]*:\s*([A-Za-z_]\w*)")


def cut_context(words):
    """The context outline with only the declarations named in words, and
    the sections that lead to them."""
    lines = (ROOT / "resources" / "SalContext41.apl").read_bytes().split(b"\r\n")
    items = []   # [level, text, children]
    stack = []
    for line in lines:
        m = re.match(rb"\.head (\d+) [+-]  ?(.*)", line)
        if not m:
            continue
        item = [int(m.group(1)), m.group(2), []]
        del stack[item[0]:]
        (stack[-1][2] if stack else items).append(item)
        stack.append(item)

    def kept(item):
        named = NAMED.match(item[1])
        if item[0] >= 3 and named and named.group(1).lower() in words:
            return item
        children = [c for c in (kept(c) for c in item[2]) if c]
        if item[0] >= 3 and not children:
            return None
        return [item[0], item[1], children]

    out = []

    def emit(item):
        out.append(b".head %d %s  %s" % (item[0], b"+" if item[2] else b"-", item[1]))
        for c in item[2]:
            emit(c)

    for item in items:
        emit(kept(item))
    return b"\r\n".join(out) + b"\r\n"


def main():
    out = pathlib.Path(sys.argv[1])
    shutil.rmtree(out, ignore_errors=True)
    seeds = {"outline": [], "scanner": [], "parser": []}
    for f in outlines():
        data = f.read_bytes()
        seeds["outline"].append(data)
        if f.suffix.lower() == ".apt":
            seeds["parser"].append(data)
    seeds["outline"].append(with_libs(FIXTURES / "orders.apt", FIXTURES / "common.apl"))
    seeds["outline"].append(with_libs(FIXTURES / "layouts" / "mini-header-cp1252.apt",
                                      FIXTURES / "libs" / "shelf.apl", FIXTURES / "libs" / "units.apl"))
    seeds["outline"].append(with_libs(EXAMPLES / "stockroom.apt", EXAMPLES / "stocklib.apl"))
    texts = set()
    for f in [EXAMPLES / "stockroom.apt", FIXTURES / "orders.apt"]:
        texts.update(item_texts(f))
    seeds["scanner"] = sorted(texts)
    words = set()
    for data in seeds["parser"]:
        words.update(w.lower() for w in re.findall(rb"[A-Za-z_]\w*", data))
    out.mkdir(parents=True, exist_ok=True)
    (out / "context.apl").write_bytes(cut_context(words))
    for target, inputs in seeds.items():
        folder = out / target
        folder.mkdir(parents=True, exist_ok=True)
        for data in inputs:
            if 0 < len(data) <= MAX_SEED:
                (folder / hashlib.sha1(data).hexdigest()).write_bytes(data)


if __name__ == "__main__":
    main()
