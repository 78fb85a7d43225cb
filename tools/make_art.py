#!/usr/bin/env python3
"""Writes Orbelune's icons, the summary bitmap and res/art.rc from the pixel
art held below as rows of characters.

Every picture is a stack of layers; a layer is a sprite (rows of palette
characters, '.' = nothing) placed at an offset. Layers are composited from
first to last, so a later layer covers an earlier one (alpha-blended where its
colour is translucent).

    python3 tools/make_art.py                 # rewrite the files under res/
    python3 tools/make_art.py --sheet s.png   # also write an 8x contact sheet
"""
import argparse
import os
import re
import sys

from artformats import bmp_file, ico_file, png_file

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RES = os.path.join(ROOT, "res")

# Character -> (red, green, blue, alpha).
PALETTE = {
    ".": (0, 0, 0, 0),
    "k": (30, 30, 34, 255),  # outline
    "D": (72, 72, 76, 255),
    "d": (112, 112, 118, 255),
    "g": (168, 168, 172, 255),
    "l": (212, 212, 214, 255),
    "w": (255, 255, 255, 255),
    "n": (24, 52, 130, 255),
    "b": (40, 104, 210, 255),
    "B": (150, 196, 246, 255),
    "r": (200, 36, 32, 255),
    "G": (44, 158, 48, 255),
    "e": (120, 230, 90, 255),
    "y": (248, 214, 48, 255),
    "o": (232, 160, 40, 255),
    "c": (140, 92, 44, 255),
    "C": (230, 190, 120, 255),
    "m": (196, 60, 196, 255),
    "t": (230, 60, 40, 128),  # translucent red
}

# Background of the 24-bit summary bitmap: the usual dialog face colour.
BITMAP_BACKGROUND = (240, 240, 240)

SPRITES = {}


def sprite(name, text):
    rows = text.split()
    width = len(rows[0])
    for row in rows:
        if len(row) != width:
            sys.exit(f"sprite {name}: row {row!r} is not {width} wide")
        unknown = set(row) - set(PALETTE)
        if unknown:
            sys.exit(f"sprite {name}: unknown colours {sorted(unknown)}")
    SPRITES[name] = rows


# ---- Shared parts ----

# A hard-disk drive seen from the front, top and right side.
sprite("drive", """
....kkkkkkkkkkkk
...kwwwwwwwwwwkk
..kwllllllllwkdk
.kwllllllllwkddk
kkkkkkkkkkkkkddk
klllllllllllkddk
kgggggggggggkddk
kgkkkkkkgeegkddk
kgggggggggggkdk.
kgggggggggggkk..
kkkkkkkkkkkkk...
""")

sprite("drive32", """
......kkkkkkkkkkkkkkkkkkkkkkkkkk
.....kwwwwwwwwwwwwwwwwwwwwwwwwkk
....kwlllllllllllllllllllllllkdk
...kwlllllllllllllllllllllllkddk
..kwlllllllllllllllllllllllkdddk
.kwlllllllllllllllllllllllkddddk
kkkkkkkkkkkkkkkkkkkkkkkkkkdddddk
kllllllllllllllllllllllllkdddddk
klgggggggggggggggggggggggkdddddk
klgggggggggggggggggggggggkdddddk
klgggggggggggggggggggggggkdddddk
klgggggggggggggggggggggggkdddddk
klgkkkkkkkkkkkkgggkkkkkggkdddddk
klgkDDDDDDDDDDkgggkeeekggkdddddk
klgkkkkkkkkkkkkgggkkkkkggkddddk.
klgggggggggggggggggggggggkdddk..
klgggggggggggggggggggggggkddk...
klgggggggggggggggggggggggkdk....
kddddddddddddddddddddddddkk.....
kkkkkkkkkkkkkkkkkkkkkkkkkk......
""")

# A sheet of paper, 11 wide.
sprite("sheet", """
kkkkkkkkkkk
kwwwwwwwwwk
kwddddddwwk
kwwwwwwwwwk
kwdddddddwk
kwwwwwwwwwk
kwddddwwwwk
kwwwwwwwwwk
kwdddddwwwk
kwwwwwwwwwk
kwddddddwwk
kwwwwwwwwwk
kwdddwwwwwk
kwwwwwwwwwk
kwwwwwwwwwk
kkkkkkkkkkk
""")

# A 16 px disc used by the about icon.
sprite("disc", """
.....kkkkkk.....
...kknnnnnnkk...
..knbbbbbbbbnk..
.knbbbbbbbbbbnk.
.kbbbbbbbbbbbbk.
knbbbbbbbbbbbbnk
kbbbbbbbbbbbbbbk
kbbbbbbbbbbbbbbk
kbbbbbbbbbbbbbbk
kbbbbbbbbbbbbbbk
knbbbbbbbbbbbbnk
.kbbbbbbbbbbbbk.
.knbbbbbbbbbbnk.
..knbbbbbbbbnk..
...kknnnnnnkk...
.....kkkkkk.....
""")

# ---- Icon parts ----

sprite("door", """
kkkkkkkk
kCccccck
kCccccck
kCccccck
kCccccck
kCccccck
kCcccyck
kCccccck
kCccccck
kCccccck
kCccccck
kCccccck
kCccccck
kkkkkkkk
""")

sprite("arrow_right", """
......k....
......kk...
kkkkkkkGk..
kGGGGGGGGk.
kGGGGGGGGGk
kGGGGGGGGk.
kkkkkkkGk..
......kk...
......k....
""")

sprite("camera", """
.....kkkkkk.....
....kddddddk....
.kkkkkkkkkkkkkk.
.klllllllllyylk.
.kddddkkkkddddk.
.kdddkbBbbkdddk.
.kddkbBwbbbkddk.
.kddkbbbbbnkddk.
.kdddkbbnnkdddk.
.kddddkkkkddddk.
.kddddddddddddk.
.kkkkkkkkkkkkkk.
""")

sprite("refresh", """
.........k......
........kGk.....
.....kkkkGGk....
...kkGGGGGGGk...
..kGGGGGGGGGk...
.kGGGkkkkGGk....
.kGGk...kGk.....
kGGk.....k......
kGGk........kkkk
kGGk........kGGk
kGGk........kGGk
.kGGk......kGGk.
.kGGGkk..kkGGGk.
..kGGGGkkGGGGk..
...kkGGGGGGkk...
.....kkkkkk.....
""")

sprite("report", """
..kkkkkkkkk.....
..kwwwwwwwkk....
..kwwwwwwwklk...
..kwbbbbwwkkkk..
..kwwwwwwwwwwk..
..kwddddddddwk..
..kwwwwwwwwwwk..
..kwddddddwwwk..
..kwwwwwwwwwwk..
..kwddddddddwk..
..kwwwwwwwwwwk..
..kwdddddddwwk..
..kwwwwwwwwwwk..
..kwddddwwwwwk..
..kwwwwwwwwwwk..
..kkkkkkkkkkkk..
""")

sprite("folder", """
.kkkkk.......
kCCCCCkkkkkkk
kyyyyyyyyyyyk
kyyyyyyyyyyyk
kyyyyyyyyyyyk
kyyyyyyyyyyyk
kyyyyyyyyyyyk
kyyyyyyyyyyyk
kyyyyyyyyyyyk
koooooooooook
kkkkkkkkkkkkk
""")

sprite("magnifier", """
..kkk....
.kBBBk...
kBwBBBk..
kwBBBBk..
kBBBBBk..
.kBBBk...
..kkkkk..
......kk.
.......kk
........k
""")

sprite("check", """
........kk
.......kGk
.k....kGGk
kGk..kGGk.
kGGkkGGk..
.kGGGGk...
..kGGk....
...kk.....
""")

sprite("floppy", """
kkkkkkkkkkkk.
kbbllllddlbbk
kbbllllddlbbk
kbbllllddlbbk
kbbbbbbbbbbbk
kbbbbbbbbbbbk
kbwwwwwwwwwbk
kbwddddddwwbk
kbwwwwwwwwwbk
kbwdddddwwwbk
kbwwwwwwwwwbk
kbwwwwwwwwwbk
kkkkkkkkkkkkk
""")

sprite("bolt", """
...kkkk
..kyyyk
..kyyk.
.kyyk..
.kyykkk
kyyyyyk
kkkyyk.
..kyk..
..kyk..
.kyk...
.kk....
""")

sprite("shortcut", """
kkkkkkkk
kwwwwwwk
kwwbbbbk
kwwwwbbk
kwwwbwbk
kwwbwwwk
kwbwwwwk
kkkkkkkk
""")

sprite("blocks", """
kkkkkkkkkkkkkkkk
kbbdbbdbbdrrdbbk
kbbdbbdbbdrrdbbk
kddddddddddddddk
kbbdrrdbbdbbdwwk
kbbdrrdbbdbbdwwk
kddddddddddddddk
kbbdbbdrrdwwdbbk
kbbdbbdrrdwwdbbk
kddddddddddddddk
krrdbbdwwdwwdrrk
krrdbbdwwdwwdrrk
kddddddddddddddk
kbbdwwdwwdwwdwwk
kbbdwwdwwdwwdwwk
kkkkkkkkkkkkkkkk
""")

sprite("letter_i", """
.ww.
.ww.
....
www.
.ww.
.ww.
.ww.
.ww.
.ww.
wwww
""")

sprite("window", """
kkkkkkkkkkkkkkkk
kBBBBBBBBBBBBBBk
kkkkkkkkkkkkkkkk
kwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwk
kkkkkkkkkkkkkkkk
""")

sprite("arrow_down", """
...kkkk...
...kGGk...
...kGGk...
kkkkGGkkkk
.kGGGGGGk.
..kGGGGk..
...kGGk...
....kk....
""")

sprite("bar", """
kkkkkkkkkk
kbbbbbbbbk
kkkkkkkkkk
""")

sprite("clipboard", """
.kkkkkkkkkkkkkk.
.kcccccccccccck.
.kcccccccccccck.
.kcwwwwwwwwwwck.
.kcwddddddddwck.
.kcwwwwwwwwwwck.
.kcwddddddwwwck.
.kcwwwwwwwwwwck.
.kcwddddddddwck.
.kcwwwwwwwwwwck.
.kcwdddddwwwwck.
.kcwwwwwwwwwwck.
.kcwwwwwwwwwwck.
.kcccccccccccck.
.kkkkkkkkkkkkkk.
""")

sprite("clip", """
..kkkk..
kkkllkkk
kllllllk
kkkkkkkk
""")

sprite("house", """
.......kk.......
......krrk......
.....krrrrk.....
....krrrrrrk....
...krrrrrrrrk...
..krrrrrrrrrrk..
.krrrrrrrrrrrrk.
kkkkkkkkkkkkkkkk
..kCCCCCCCCCCk..
..kCkkkkCkkkCk..
..kCkBBkCcccCk..
..kCkBBkCcccCk..
..kCkkkkCccyCk..
..kCCCCCCcccCk..
..kkkkkkkkkkkk..
""")

sprite("bin", """
.....kkkkkk.....
.kkkkkkkkkkkkkk.
kllllllllllllllk
kkkkkkkkkkkkkkkk
.kgdlgdlgdlgdlk.
.kgdlgdlgdlgdlk.
.kgdlgdlgdlgdlk.
.kgdlgdlgdlgdlk.
.kgdlgdlgdlgdlk.
.kgdlgdlgdlgdlk.
..kdlgdlgdlgdk..
..kdlgdlgdlgdk..
..kdlgdlgdlgdk..
..kdlgdlgdlgdk..
..kdlgdlgdlgdk..
..kkkkkkkkkkkk..
""")

sprite("square_solid", """
kkkkkkkkkk
kbbbbbbbbk
kbbbbbbbbk
kbbbbbbbbk
kbbbbbbbbk
kbbbbbbbbk
kbbbbbbbbk
kbbbbbbbbk
kbbbbbbbbk
kkkkkkkkkk
""")

sprite("square_clear", """
kkkkkkkkkk
kttttttttk
kttttttttk
kttttttttk
kttttttttk
kttttttttk
kttttttttk
kttttttttk
kttttttttk
kkkkkkkkkk
""")

# A pie chart for the summary picture: used space blue, free space magenta.
sprite("pie", """
.......kkkkk.......
.....kkbbkmmkk.....
...kkbbbbkmmmmkk...
..kkbbbbbkmmmmmkk..
..kbbbbbbkmmmmmmk..
.kbbbbbbbkmmmmmmmk.
.kbbbbbbbkmmmmmmmk.
kbbbbbbbbkmmmmmmmmk
kbbbbbbbbkmmmmmmmmk
kbbbbbbbbkkkkkkkkkk
kbbbbbbbbbbbbbbbbbk
kbbbbbbbbbbbbbbbbbk
.kbbbbbbbbbbbbbbbk.
.kbbbbbbbbbbbbbbbk.
..kbbbbbbbbbbbbbk..
..kkbbbbbbbbbbbkk..
...kkbbbbbbbbbkk...
.....kkbbbbbkk.....
.......kkkkk.......
""")

# ---- Pictures: (identifier in resource.h, file, {size: [(sprite, x, y)]}) ----

ICONS = [
    ("IDI_APP", "app.ico", {16: [("drive", 0, 3)], 32: [("drive32", 0, 6)]}),
    ("IDI_EXIT", "exit.ico", {16: [("door", 0, 1), ("arrow_right", 5, 3)]}),
    ("IDI_SCREENSHOT", "screenshot.ico", {16: [("camera", 0, 2)]}),
    ("IDI_REFRESH", "refresh.ico", {16: [("refresh", 0, 0)]}),
    ("IDI_REPORT", "report.ico", {16: [("report", 0, 0)]}),
    ("IDI_EXPLORE", "explore.ico", {16: [("folder", 0, 2), ("magnifier", 7, 6)]}),
    ("IDI_PROPERTIES", "properties.ico", {16: [("sheet", 0, 0), ("check", 6, 8)]}),
    ("IDI_FORMAT", "format.ico", {16: [("floppy", 0, 2), ("bolt", 9, 4)]}),
    ("IDI_OPTIONS", "options.ico", {16: [("drive", 0, 1), ("shortcut", 0, 8)]}),
    ("IDI_DEFRAG", "defrag.ico", {16: [("blocks", 0, 0)]}),
    ("IDI_ABOUT", "about.ico", {16: [("disc", 0, 0), ("letter_i", 6, 3)]}),
    ("IDI_REDUCE", "reduce.ico", {16: [("window", 0, 0), ("arrow_down", 3, 3), ("bar", 3, 12)]}),
    ("IDI_RENAME", "rename.ico", {16: [("clipboard", 0, 1), ("clip", 4, 0)]}),
    ("IDI_HOMEPAGE", "homepage.ico", {16: [("house", 0, 0)]}),
    ("IDI_RECYCLE", "recycle.ico", {16: [("bin", 0, 0)]}),
    ("IDI_TRANSPARENCY", "transparency.ico",
     {16: [("square_solid", 0, 0), ("square_clear", 6, 6)]}),
]

# Three drives stacked on each other and a pie chart.
BITMAPS = [
    ("IDB_SUMMARY", "summary.bmp", 40,
     [("drive", 2, 14), ("drive", 2, 8), ("drive", 2, 2), ("pie", 19, 19)]),
]


# ---- Compositing ----


def blend(under, over):
    """Porter-Duff 'over' of two straight-alpha RGBA colours."""
    alpha = over[3] + under[3] * (255 - over[3]) // 255
    if alpha == 0:
        return (0, 0, 0, 0)
    rgb = tuple(
        (over[i] * over[3] + under[i] * under[3] * (255 - over[3]) // 255) // alpha
        for i in range(3)
    )
    return rgb + (alpha,)


def render(size, layers, background=(0, 0, 0, 0)):
    """Returns rows (top first) of RGBA tuples."""
    canvas = [[background] * size for _ in range(size)]
    for name, dx, dy in layers:
        for y, row in enumerate(SPRITES[name]):
            for x, ch in enumerate(row):
                if ch == ".":
                    continue
                if not (0 <= x + dx < size and 0 <= y + dy < size):
                    sys.exit(f"sprite {name} at ({dx},{dy}) leaves the {size}x{size} picture")
                canvas[y + dy][x + dx] = blend(canvas[y + dy][x + dx], PALETTE[ch])
    return canvas


def contact_sheet(scale=8):
    """Every picture over a light menu background and over a blue highlight."""
    backgrounds = [(255, 255, 255, 255), (245, 245, 245, 255), (48, 150, 250, 255)]
    clear = (0, 0, 0, 0)
    cells = [(size, layers, clear) for _, _, sizes in ICONS for size, layers in sizes.items()]
    cells += [(size, layers, BITMAP_BACKGROUND + (255,)) for _, _, size, layers in BITMAPS]
    cell = 40 * scale + 8
    sheet = [[(128, 128, 128)] * (cell * len(cells)) for _ in range(cell * len(backgrounds))]
    for column, (size, layers, under) in enumerate(cells):
        pixels = render(size, layers, under)
        for line, back in enumerate(backgrounds):
            for y in range(size * scale):
                for x in range(size * scale):
                    colour = blend(back, pixels[y // scale][x // scale])
                    sheet[line * cell + 4 + y][column * cell + 4 + x] = colour
    return png_file(sheet)


# ---- Output ----


def resource_ids():
    with open(os.path.join(RES, "resource.h")) as header:
        return dict(re.findall(r"^#define\s+(ID[IB]_\w+)\s+(\d+)", header.read(), re.M))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sheet", help="also write a PNG contact sheet to this file")
    args = parser.parse_args()

    ids = resource_ids()
    drawn = {name for name, _, _ in ICONS} | {name for name, _, _, _ in BITMAPS}
    if set(ids) != drawn:
        sys.exit(f"resource.h and the pictures disagree: {sorted(set(ids) ^ drawn)}")

    os.makedirs(os.path.join(RES, "icons"), exist_ok=True)
    lines = ["// Generated by tools/make_art.py; edit the pictures there, not here.",
             "#include \"resource.h\"", ""]
    for name, filename, sizes in ICONS:
        images = [(size, render(size, layers)) for size, layers in sorted(sizes.items())]
        with open(os.path.join(RES, "icons", filename), "wb") as out:
            out.write(ico_file(images))
        lines.append(f"{name} ICON \"icons/{filename}\"")
    lines.append("")
    for name, filename, size, layers in BITMAPS:
        with open(os.path.join(RES, filename), "wb") as out:
            out.write(bmp_file(render(size, layers, BITMAP_BACKGROUND + (255,))))
        lines.append(f"{name} BITMAP \"{filename}\"")
    with open(os.path.join(RES, "art.rc"), "w", newline="\n") as out:
        out.write("\n".join(lines) + "\n")
    if args.sheet:
        with open(args.sheet, "wb") as out:
            out.write(contact_sheet())


if __name__ == "__main__":
    main()
