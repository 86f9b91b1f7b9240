#!/usr/bin/env python3
"""Builds the seed corpora of the fuzz targets from the project's fixtures
and the sample program: python3 fuzz/make_seeds.py OUTDIR."""
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
    for target, inputs in seeds.items():
        folder = out / target
        folder.mkdir(parents=True, exist_ok=True)
        for data in inputs:
            if 0 < len(data) <= MAX_SEED:
                (folder / hashlib.sha1(data).hexdigest()).write_bytes(data)


if __name__ == "__main__":
    main()
