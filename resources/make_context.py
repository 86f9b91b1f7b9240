#!/usr/bin/env python3
"""Writes SalContext41.apl, the outline that declares SAL's own names.

Inputs (beside this script):
  sal-builtins.txt        the language's functions, system variables and constants
  sal-builtins-extra.txt  names that list lacks, and entries of it to leave out
  sal-signatures.txt      parameters and returns of the functions we know them for

The output is an outline in the header text layout, code page 1252, CR LF, so
that the language service loads it with the same outline kit as any program.

  python3 resources/make_context.py            regenerate
  python3 resources/make_context.py --check    fail when the file is out of date
"""

import argparse
import os
import re
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
SECTIONS = ("functions", "variables", "constants", "exclude")

# SAL parameter/return type -> external C type, by value and by reference.
C_TYPES = {
    "Number": ("INT", "LPLONG"),
    "String": ("LPSTR", "LPSTR"),
    "Long String": ("HSTRING", "LPHSTRING"),
    "Boolean": ("BOOL", "LPBOOL"),
    "Date/Time": ("DATETIME", "LPDATETIME"),
    "Window Handle": ("HWND", "LPHWND"),
    "Sql Handle": ("HSQLHANDLE", "LPHSQLHANDLE"),
    "File Handle": ("HFFILE", "LPHFFILE"),
    "Session Handle": ("HSESSIONHANDLE", "LPHSESSIONHANDLE"),
}

# System variables whose type the naming rules below do not give.
VARIABLE_TYPES = {
    "wParam": "Number",
    "lParam": "Number",
    "NUMBER_Null": "Number",
    "STRING_Null": "String",
    "DATETIME_Null": "Date/Time",
    "BINARY_Null": "Binary",
    "strArgArray": "String[]",
    "SqlDatabase": "String",
    "SqlINI": "String",
    "SqlUDL": "String",
    "SqlUser": "String",
    "SqlPassword": "String",
    "SqlServername": "String",
    "SqlConnectOptions": "String",
    "SqlIsolationLevel": "String",
    "SqlNoRecovery": "Boolean",
    "SqlResultSet": "Boolean",
    "SqlInMessage": "Number",
    "SqlOutMessage": "Number",
    "wpfEventName": "String",
    # An exception object the context cannot describe; a plain variable keeps it resolvable.
    "LastException": "Number",
    # The value of the field whose message is being handled; mostly used as text.
    "MyValue": "String",
}


class InputError(Exception):
    pass


def read_lines(path):
    try:
        with open(path, "rb") as f:
            data = f.read()
    except OSError as e:
        raise InputError(f"{path}: cannot read: {e.strerror}")
    try:
        text = data.decode("ascii")
    except UnicodeDecodeError as e:
        line = data[: e.start].count(b"\n") + 1
        raise InputError(f"{path}:{line}: not ASCII")
    return text.splitlines()


def read_name_list(path, allowed_sections):
    """Returns {section: [(name, value or None, line number)]} in file order."""
    result = {s: [] for s in allowed_sections}
    section = None
    for number, raw in enumerate(read_lines(path), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        m = re.fullmatch(r"\[(\w+)\]", line)
        if m:
            section = m.group(1)
            if section not in allowed_sections:
                raise InputError(f"{path}:{number}: unknown section [{section}]")
            continue
        if section is None:
            raise InputError(f"{path}:{number}: entry before any section")
        if section == "constants":
            m = re.fullmatch(r"([A-Za-z_]\w*)\s*=\s*(.+)", line)
            if not m:
                raise InputError(f"{path}:{number}: expected NAME = VALUE, got '{line}'")
            result[section].append((m.group(1), m.group(2).strip(), number))
        else:
            if not re.fullmatch(r"[A-Za-z_]\w*", line):
                raise InputError(f"{path}:{number}: not a name: '{line}'")
            result[section].append((line, None, number))
    return result


def prefix_of(name):
    i = name.find("_")
    return name[: i + 1] if i > 0 else None


def merge(base, extra, extra_path):
    """Adds the extra names to the list without reordering anything the list orders."""
    known = {}
    for section in ("functions", "variables", "constants"):
        for name, _, _ in base[section]:
            known[name.lower()] = section
    excluded = set()
    for name, _, number in extra["exclude"]:
        if name.lower() not in known:
            raise InputError(f"{extra_path}:{number}: excluded name '{name}' is not in the list")
        excluded.add(name.lower())
    for section in ("functions", "variables", "constants"):
        for name, _, number in extra[section]:
            if name.lower() in known:
                raise InputError(f"{extra_path}:{number}: '{name}' is already in the list "
                                 f"([{known[name.lower()]}])")
            known[name.lower()] = section

    functions = [(n, v) for n, v, _ in base["functions"] if n.lower() not in excluded]
    # The function list is alphabetical: an extra function goes where it sorts.
    for name, _, _ in extra["functions"]:
        at = next((i for i, (n, _) in enumerate(functions) if n > name), len(functions))
        functions.insert(at, (name, None))

    variables = [(n, v) for n, v, _ in base["variables"] if n.lower() not in excluded]
    variables += [(n, v) for n, v, _ in extra["variables"]]

    # Constants are grouped by prefix: an extra one joins the end of its group.
    constants = [(n, v) for n, v, _ in base["constants"] if n.lower() not in excluded]
    for name, value, _ in extra["constants"]:
        group = prefix_of(name)
        at = len(constants)
        if group:
            last = [i for i, (n, _) in enumerate(constants) if prefix_of(n) == group]
            if last:
                at = last[-1] + 1
        constants.insert(at, (name, value))
    return functions, variables, constants


def parse_type(text, where):
    """'Receive Number [HARRAY]' -> (receive, sal type, C type)."""
    text = text.strip()
    receive = text.startswith("Receive ")
    if receive:
        text = text[len("Receive "):].strip()
    m = re.fullmatch(r"([^\[\]]+?)\s*(?:\[\s*([^\]]*?)\s*\])?", text)
    if not m:
        raise InputError(f"{where}: bad type '{text}'")
    sal, ctype = m.group(1), m.group(2) or ""
    if sal not in C_TYPES:
        raise InputError(f"{where}: unknown type '{sal}'")
    ctype = ctype.strip() or C_TYPES[sal][1 if receive else 0]
    if not re.fullmatch(r"[A-Z][A-Z0-9_]*", ctype):
        raise InputError(f"{where}: bad C type '{ctype}'")
    return receive, sal, ctype


def read_signatures(path, function_names):
    by_lower = {n.lower(): n for n in function_names}
    signatures = {}
    for number, raw in enumerate(read_lines(path), 1):
        line = raw.strip()
        if not line or line.startswith("#"):
            continue
        where = f"{path}:{number}"
        m = re.fullmatch(r"([A-Za-z_]\w*)\s*\((.*)\)\s*(?::\s*(.+))?", line)
        if not m:
            raise InputError(f"{where}: expected NAME( PARAM, ... ) : RETURN, got '{line}'")
        name, params, ret = m.group(1), m.group(2).strip(), m.group(3)
        if name.lower() not in by_lower:
            raise InputError(f"{where}: '{name}' is not a built-in function")
        if by_lower[name.lower()] != name:
            raise InputError(f"{where}: '{name}' is spelled '{by_lower[name.lower()]}' in the list")
        if name in signatures:
            raise InputError(f"{where}: second signature for '{name}'")
        parsed = []
        items = [p.strip() for p in params.split(",")] if params else []
        for i, p in enumerate(items):
            if p == "...":
                if i != len(items) - 1:
                    raise InputError(f"{where}: '...' must come last")
                continue
            parsed.append(parse_type(p, where))
        returns = None
        if ret:
            receive, sal, ctype = parse_type(ret, where)
            if receive:
                raise InputError(f"{where}: a return cannot be Receive")
            returns = (sal, ctype)
        signatures[name] = (returns, parsed)
    return signatures


def variable_item(name):
    sal = VARIABLE_TYPES.get(name)
    if sal is None:
        if name.startswith("hWnd"):
            sal = "Window Handle"
        elif re.match(r"b[A-Z]", name):
            sal = "Boolean"
        elif re.match(r"n[A-Z_]", name):
            sal = "Number"
        elif re.match(r"dt[A-Z_]", name):
            sal = "Date/Time"
        elif re.match(r"(s|str)[A-Z_]", name):
            sal = "String"
        else:
            raise InputError(f"system variable '{name}': no SAL type known; add it to VARIABLE_TYPES")
    if sal.endswith("[]"):
        return f"{sal[:-2]}: {name}[*]"
    return f"{sal}: {name}"


def constant_item(name, value):
    if value == "?":
        return f"Number: {name}"
    if value[0] in "'\"":
        return f"String: {name} = '{value[1:-1]}'"
    return f"Number: {name} = {value}"


def build_outline(functions, variables, constants, signatures):
    items = []  # (level, text)
    add = lambda level, text: items.append((level, text))
    add(0, "Application Description: SAL context 4.1")
    add(1, "Outline Version - 4.0.35")
    add(1, "Design-time Settings")
    add(2, "Fully Qualified External References? Yes")
    add(1, "Libraries")
    add(1, "Global Declarations")
    add(2, "External Functions")
    add(3, "Library name: SAL.DLL")
    add(4, "ThreadSafe: No")
    for name, _ in functions:
        add(4, f"Function: {name}")
        add(5, "Description:")
        returns, params = signatures.get(name, (None, []))
        add(5, "Returns")
        if returns:
            add(6, f"{returns[0]}: {returns[1]}")
        add(5, "Parameters")
        for receive, sal, ctype in params:
            add(6, f"{'Receive ' if receive else ''}{sal}: {ctype}")
    add(2, "Constants")
    add(3, "System")
    for name, value in constants:
        add(4, constant_item(name, value))
    add(3, "User")
    add(3, "Enumerations")
    add(2, "Variables")
    for name, _ in variables:
        add(3, variable_item(name))
    add(2, "Internal Functions")
    return items


def render(items):
    lines = []
    for i, (level, text) in enumerate(items):
        deeper = i + 1 < len(items) and items[i + 1][0] > level
        lines.append(f".head {level} {'+' if deeper else '-'}  {text}")
    return ("\r\n".join(lines) + "\r\n").encode("cp1252")


def check_outline(data):
    """The rules every header-layout outline must keep; a failure is a bug here."""
    if not data.endswith(b"\r\n"):
        raise AssertionError("output does not end in CR LF")
    lines = data[:-2].split(b"\r\n")
    parsed = []
    for number, line in enumerate(lines, 1):
        if b"\r" in line or b"\n" in line:
            raise AssertionError(f"line {number}: stray CR or LF")
        m = re.fullmatch(rb"\.head (\d+) ([+-])  (.*)", line)
        if not m:
            raise AssertionError(f"line {number}: not a .head line")
        parsed.append((int(m.group(1)), m.group(2).decode()))
    if parsed[0][0] != 0:
        raise AssertionError("line 1: root is not at level 0")
    for i, (level, mark) in enumerate(parsed):
        nxt = parsed[i + 1][0] if i + 1 < len(parsed) else 0
        if nxt > level + 1:
            raise AssertionError(f"line {i + 2}: level jumps from {level} to {nxt}")
        if (mark == "+") != (nxt > level):
            raise AssertionError(f"line {i + 1}: mark '{mark}' does not match its children")


def write_atomically(path, data):
    folder = os.path.dirname(path)
    fd, tmp = tempfile.mkstemp(prefix=".SalContext", dir=folder)
    try:
        with os.fdopen(fd, "wb") as f:
            f.write(data)
        # mkstemp makes the file private; the output is an ordinary readable file.
        umask = os.umask(0)
        os.umask(umask)
        os.chmod(tmp, 0o666 & ~umask)
        os.replace(tmp, path)
    except BaseException:
        os.unlink(tmp)
        raise


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="do not write; exit 1 when the output file is not up to date")
    parser.add_argument("-o", "--output", default=os.path.join(HERE, "SalContext41.apl"))
    args = parser.parse_args()

    try:
        builtins_path = os.path.join(HERE, "sal-builtins.txt")
        extra_path = os.path.join(HERE, "sal-builtins-extra.txt")
        base = read_name_list(builtins_path, SECTIONS[:3])
        extra = read_name_list(extra_path, SECTIONS)
        functions, variables, constants = merge(base, extra, extra_path)
        signatures = read_signatures(os.path.join(HERE, "sal-signatures.txt"),
                                     [n for n, _ in functions])
        data = render(build_outline(functions, variables, constants, signatures))
    except InputError as e:
        print(f"make_context: {e}", file=sys.stderr)
        return 2
    check_outline(data)

    if args.check:
        try:
            with open(args.output, "rb") as f:
                current = f.read()
        except OSError:
            current = None
        if current != data:
            print(f"make_context: {args.output} is out of date; run python3 resources/make_context.py",
                  file=sys.stderr)
            return 1
        return 0
    write_atomically(args.output, data)
    print(f"{args.output}: {len(functions)} functions ({len(signatures)} with signatures), "
          f"{len(variables)} variables, {len(constants)} constants")
    return 0


if __name__ == "__main__":
    sys.exit(main())
