#!/usr/bin/env python3
"""Prints what the shipped setup program is made of: its sections, then the bytes of code
(.text), constants (.rdata), unwind tables (.eh_frame) and data each library or object brings.

    scripts/size-breakdown.py [--objects] [--top N]

Relinks build/win32's qrvsetup.exe without stripping and with a linker map (in a temporary
folder; the build is left as it is) and sums the map's input sections. --objects lists single
objects (archive members) instead of whole libraries.

The program's own code is optimised at link time into one object, so its code is split by symbol
instead: a function counts for the library that defines it, a template or inline function that
several libraries define counts once under "shared templates", and a function only the compiler
knows (a local one, or a copy it specialised) under "local functions"."""
import argparse
import collections
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
BUILD = os.path.join(ROOT, "build", "win32")
SECTIONS = [".text", ".rdata", ".eh_frame", ".data"]
LINK_TIME_OBJECT = re.compile(r"\.ltrans\d+\.ltrans\.o$")


def link_with_map(folder):
    command = subprocess.run(["ninja", "-C", BUILD, "-t", "commands", "src/app/qrvsetup.exe"],
                             check=True, capture_output=True, text=True).stdout.splitlines()[-1]
    command = command.removeprefix(": && ").removesuffix(" && :").replace(" -s ", " ")
    exe = os.path.join(folder, "qrvsetup.exe")
    mapfile = os.path.join(folder, "qrvsetup.map")
    command = command.replace("-o src/app/qrvsetup.exe", f"-o {exe} -Wl,-Map,{mapfile}")
    command = command.replace("-Wl,--out-implib,src/app/libqrvsetup.dll.a", "")
    subprocess.run(command, shell=True, check=True, cwd=BUILD)
    objects = [os.path.join(BUILD, word) for word in command.split() if word.endswith(".obj")]
    return mapfile, objects


def input_sections(mapfile):
    """Yields (output section, input file, address, size) for every input section of the map."""
    output = None
    pending = False
    output_line = re.compile(r"^(\.\w+)\s+0x[0-9a-f]+\s+0x[0-9a-f]+")
    whole = re.compile(r"^ \S+\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
    name_only = re.compile(r"^ \.\S+$")
    continued = re.compile(r"^\s+0x([0-9a-f]+)\s+0x([0-9a-f]+)\s+(\S.*)$")
    with open(mapfile, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if match := output_line.match(line):
                output, pending = match.group(1), False
            elif output is None:
                continue
            elif match := whole.match(line):
                yield output, match.group(3), int(match.group(1), 16), int(match.group(2), 16)
                pending = False
            elif name_only.match(line):
                pending = True
            elif pending and (match := continued.match(line)):
                yield output, match.group(3), int(match.group(1), 16), int(match.group(2), 16)
                pending = False


def owner(path, objects):
    path = re.sub(r"^.*/(lib[^/]*\.a)\(", r"\1(", path)
    path = path.replace(BUILD + "/", "")
    if not objects:
        path = re.sub(r"\(.*\)$", "", path)
    return path


def library_symbols(objects):
    """Maps each function our libraries and the program's own objects define to the library's or
    object's name, or to "shared templates" when several define it (read from their link-time
    symbol tables)."""
    inputs = list(objects)
    for folder, _, files in os.walk(os.path.join(BUILD, "src")):
        inputs += [os.path.join(folder, name) for name in files if name.endswith(".a")]
    owners = collections.defaultdict(set)
    for path in inputs:
        listing = subprocess.run(["i686-w64-mingw32-gcc-nm-win32", "--defined-only", path],
                                 check=True, capture_output=True, text=True).stdout
        for line in listing.splitlines():
            fields = line.split()
            if len(fields) == 3 and fields[1] in "TW":
                owners[fields[2]].add(os.path.basename(path))
    return {symbol: libraries.pop() if len(libraries) == 1 else "shared templates"
            for symbol, libraries in owners.items()}


def split_by_symbol(exe, ranges, owners, objects):
    """Sums the code in the given address ranges per library, by the symbols of the unstripped
    program (a function's size: the distance to the next symbol)."""
    listing = subprocess.run(["i686-w64-mingw32-nm", "-n", "--defined-only", exe],
                             check=True, capture_output=True, text=True).stdout
    symbols = []
    for line in listing.splitlines():
        fields = line.split()
        if len(fields) == 3 and fields[1] in "tT":
            symbols.append((int(fields[0], 16), fields[2]))
    sizes = collections.Counter()
    for (address, symbol), (following, _) in zip(symbols, symbols[1:] + [(None, None)]):
        for start, size in ranges:
            if start <= address < start + size:
                end = min(following or start + size, start + size)
                base = re.sub(r"\.(lto_priv|isra|constprop|part|cold)\.?\d*", "", symbol)
                if symbol.startswith("."):
                    owner = f"our code's {symbol} section"
                else:
                    owner = owners.get(base, "local functions")
                sizes[f"{owner} ({symbol})" if objects else owner] += end - address
                break
    return sizes


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--objects", action="store_true")
    parser.add_argument("--top", type=int, default=30)
    options = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        mapfile, objects = link_with_map(folder)
        sizes = collections.defaultdict(collections.Counter)
        code_ranges = []
        for section, path, address, size in input_sections(mapfile):
            if section not in SECTIONS:
                continue
            if LINK_TIME_OBJECT.search(path):
                if section == ".text":
                    code_ranges.append((address, size))
                    continue
                path = "our code: constants, unwind tables, data"
            sizes[owner(path, options.objects)][section] += size
        exe = os.path.join(folder, "qrvsetup.exe")
        for library, size in split_by_symbol(exe, code_ranges, library_symbols(objects),
                                             options.objects).items():
            sizes[library][".text"] += size
        stripped = os.path.join(folder, "stripped.exe")
        subprocess.run(["i686-w64-mingw32-strip", "-o", stripped, exe], check=True)
        print(f"qrvsetup.exe stripped: {os.path.getsize(stripped) / 1024:.1f} KiB")
        print(subprocess.run(["i686-w64-mingw32-size", "-A", stripped], check=True,
                             capture_output=True, text=True).stdout)
    print(f"{'KiB':>7} " + " ".join(f"{s:>9}" for s in SECTIONS) + "  library or object")
    ranked = sorted(sizes.items(), key=lambda item: -sum(item[1].values()))
    for path, counter in ranked[:options.top]:
        print(f"{sum(counter.values()) / 1024:7.1f} "
              + " ".join(f"{counter[s] / 1024:9.1f}" for s in SECTIONS) + f"  {path}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
