#!/usr/bin/env python3
"""Writes the binary resources of the sample library in qrvlib/: one component resource (.dcr)
per unit with components, holding a 24x24 16-colour palette bitmap named after each component
class in upper case, and the package's own resource QRVLib260.res with its version information.
Both are 32-bit resource files: the empty header resource, then the resources.
Run it again after changing a picture or a version; the outputs are committed beside it."""

import os
import struct

HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "qrvlib")

RT_BITMAP = 2
RT_VERSION = 16
LANG_PT_BR = 0x0416
SIZE = 24

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)


def align4(data):
    return data + b"\0" * (-len(data) % 4)


def utf16z(text):
    return (text + "\0").encode("utf-16-le")


def name_or_ordinal(value):
    if isinstance(value, int):
        return struct.pack("<HH", 0xFFFF, value)
    return utf16z(value.upper())


def resource(res_type, name, data, flags, language):
    """One entry of a 32-bit .res file: header, then the data padded to 32 bits."""
    names = align4(name_or_ordinal(res_type) + name_or_ordinal(name))
    tail = struct.pack("<IHHII", 0, flags, language, 0, 0)
    header_size = 8 + len(names) + len(tail)
    header = struct.pack("<II", len(data), header_size) + names + tail
    return header + align4(data)


def res_file(entries):
    return resource(0, 0, b"", 0, 0) + b"".join(entries)


class Picture:
    def __init__(self, background=TEAL):
        self.pixels = [[background] * SIZE for _ in range(SIZE)]

    def rect(self, left, top, right, bottom, colour):
        for y in range(top, bottom):
            for x in range(left, right):
                self.pixels[y][x] = colour

    def frame(self, left, top, right, bottom, colour):
        for x in range(left, right):
            self.pixels[top][x] = self.pixels[bottom - 1][x] = colour
        for y in range(top, bottom):
            self.pixels[y][left] = self.pixels[y][right - 1] = colour

    def disc(self, cx, cy, radius, colour):
        for y in range(SIZE):
            for x in range(SIZE):
                if (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2:
                    self.pixels[y][x] = colour

    def bitmap(self):
        """A device-independent bitmap as a BITMAP resource holds it (no file header)."""
        row_bytes = SIZE // 2
        info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 4, 0, row_bytes * SIZE, 0, 0, 16, 0)
        palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
        bits = b""
        for row in reversed(self.pixels):  # bottom-up
            bits += bytes((row[x] << 4) | row[x + 1] for x in range(0, SIZE, 2))
        return info + palette + bits


def colour_label():
    p = Picture()
    for top, width in ((5, 16), (10, 12), (15, 16)):
        p.rect(4, top, 4 + width, top + 3, RED if top == 10 else NAVY)
    return p


def led():
    p = Picture()
    p.disc(11.5, 11.5, 9, GRAY)
    p.disc(11.5, 11.5, 7, LIME)
    p.disc(9, 9, 2, WHITE)
    return p


def title_panel():
    p = Picture()
    p.rect(2, 3, 22, 21, SILVER)
    p.rect(2, 3, 22, 8, NAVY)
    p.rect(4, 5, 12, 6, WHITE)
    p.frame(2, 3, 22, 21, BLACK)
    return p


def num_edit():
    p = Picture()
    p.rect(2, 7, 22, 17, WHITE)
    p.frame(2, 7, 22, 17, GRAY)
    for left in (5, 10, 15):
        p.rect(left + 1, 9, left + 3, 15, BLACK)
    return p


def about_dialog():
    p = Picture()
    p.rect(2, 2, 22, 22, SILVER)
    p.rect(2, 2, 22, 6, NAVY)
    p.frame(2, 2, 22, 22, BLACK)
    p.disc(11.5, 14, 5, BLUE)
    p.rect(11, 11, 13, 12, WHITE)
    p.rect(11, 13, 13, 18, WHITE)
    return p


def pick_list():
    p = Picture()
    p.rect(3, 2, 21, 22, WHITE)
    p.frame(3, 2, 21, 22, GRAY)
    for top in (5, 9, 13, 17):
        p.rect(5, top, 19, top + 2, NAVY if top == 9 else SILVER)
    p.rect(4, 8, 20, 12, NAVY)
    p.rect(6, 9, 18, 11, WHITE)
    return p


COMPONENT_RESOURCES = {
    "QrvColorLabel.dcr": {"TQrvColorLabel": colour_label},
    "QrvLedIndicator.dcr": {"TQrvLed": led},
    "QrvTitlePanel.dcr": {"TQrvTitlePanel": title_panel},
    "QrvNumEdit.dcr": {"TQrvNumEdit": num_edit},
    "QrvAboutDlg.dcr": {"TQrvAboutDialog": about_dialog},
    "QrvPickListDlg.dcr": {"TQrvPickList": pick_list},
}


def version_node(key, value=b"", text=False, children=(), value_length=None):
    """One node of a VS_VERSIONINFO tree: length, value length, type, key, value, children."""
    body = align4(b"\0" * 6 + utf16z(key)) + value
    for child in children:
        body = align4(body) + child
    if value_length is None:
        value_length = len(value) // 2 if text else len(value)
    return struct.pack("<HHH", len(body), value_length, 1 if text else 0) + body[6:]


def version_info(major, minor, release, build):
    ms = (major << 16) | minor
    ls = (release << 16) | build
    fixed = struct.pack("<13I", 0xFEEF04BD, 0x00010000, ms, ls, ms, ls, 0x3F, 0, 0x4, 0x2, 0, 0, 0)
    version = f"{major}.{minor}.{release}.{build}"
    strings = {
        "CompanyName": "Quorvane",
        "FileDescription": "QRV Library - Components",
        "FileVersion": version,
        "InternalName": "QRVLib260",
        "LegalCopyright": "Quorvane",
        "OriginalFilename": "QRVLib260.bpl",
        "ProductName": "QRV Library",
        "ProductVersion": version,
    }
    table = version_node("041604E4", children=[
        version_node(key, utf16z(value), text=True) for key, value in strings.items()])
    string_info = version_node("StringFileInfo", text=True, children=[table])
    translation = version_node("Translation", struct.pack("<HH", LANG_PT_BR, 1252))
    var_info = version_node("VarFileInfo", text=True, children=[translation])
    return version_node("VS_VERSION_INFO", fixed, children=[string_info, var_info])


def main():
    for file_name, pictures in COMPONENT_RESOURCES.items():
        entries = [resource(RT_BITMAP, cls, draw().bitmap(), 0x1030, LANG_PT_BR)
                   for cls, draw in pictures.items()]
        with open(os.path.join(HERE, file_name), "wb") as out:
            out.write(res_file(entries))
    with open(os.path.join(HERE, "QRVLib260.res"), "wb") as out:
        out.write(res_file([resource(RT_VERSION, 1, version_info(1, 0, 0, 0), 0x0030,
                                     LANG_PT_BR)]))


if __name__ == "__main__":
    main()
