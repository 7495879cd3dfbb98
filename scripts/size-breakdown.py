#!/usr/bin/env python3
"""Prints what the shipped setup program is made of: its sections, then the bytes of code
(.text), constants (.rdata), unwind tables (.eh_frame) and data each library or object brings.

    scripts/size-breakdown.py [--objects] [--top N]

Relinks build/win32's qrvsetup.exe without stripping and with a linker map (in a temporary
folder; the build is left as it is) and sums the map's input sections. --objects lists single
objects (archive members) instead of whole libraries."""
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


def link_with_map(folder):
    command = subprocess.run(["ninja", "-C", BUILD, "-t", "commands", "src/app/qrvsetup.exe"],
                             check=True, capture_output=True, text=True).stdout.splitlines()[-1]
    command = command.removeprefix(": && ").removesuffix(" && :").replace(" -s ", " ")
    exe = os.path.join(folder, "qrvsetup.exe")
    mapfile = os.path.join(folder, "qrvsetup.map")
    command = command.replace("-o src/app/qrvsetup.exe", f"-o {exe} -Wl,-Map,{mapfile}")
    command = command.replace("-Wl,--out-implib,src/app/libqrvsetup.dll.a", "")
    subprocess.run(command, shell=True, check=True, cwd=BUILD)
    return mapfile


def input_sections(mapfile):
    """Yields (output section, input file, size) for every input section of the map."""
    output = None
    pending = False
    output_line = re.compile(r"^(\.\w+)\s+0x[0-9a-f]+\s+0x[0-9a-f]+")
    whole = re.compile(r"^ \S+\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S.*)$")
    name_only = re.compile(r"^ \.\S+$")
    continued = re.compile(r"^\s+0x[0-9a-f]+\s+0x([0-9a-f]+)\s+(\S.*)$")
    with open(mapfile, encoding="utf-8", errors="replace") as lines:
        for line in lines:
            line = line.rstrip("\n")
            if match := output_line.match(line):
                output, pending = match.group(1), False
            elif output is None:
                continue
            elif match := whole.match(line):
                yield output, match.group(2), int(match.group(1), 16)
                pending = False
            elif name_only.match(line):
                pending = True
            elif pending and (match := continued.match(line)):
                yield output, match.group(2), int(match.group(1), 16)
                pending = False


def owner(path, objects):
    path = re.sub(r"^.*/(lib[^/]*\.a)\(", r"\1(", path)
    path = path.replace(BUILD + "/", "")
    if not objects:
        path = re.sub(r"\(.*\)$", "", path)
    return path


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--objects", action="store_true")
    parser.add_argument("--top", type=int, default=30)
    options = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        mapfile = link_with_map(folder)
        sizes = collections.defaultdict(collections.Counter)
        for section, path, size in input_sections(mapfile):
            if section in SECTIONS:
                sizes[owner(path, options.objects)][section] += size
        stripped = os.path.join(folder, "stripped.exe")
        subprocess.run(["i686-w64-mingw32-strip", "-o", stripped,
                        os.path.join(folder, "qrvsetup.exe")], check=True)
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
