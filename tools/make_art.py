#!/usr/bin/env python3
"""Writes Orbelune's icons, the summary bitmap and res/art.rc from the pixel
art held below as rows of characters.

Every picture is a stack of layers; a layer is a sprite (rows of palette
characters, '.' = nothing) placed at an offset. Layers are composited from
first to last, so a later layer covers an earlier one (alpha-blended where its
colour is translucent).

Each icon is drawn at 16 and at 24 pixels; its 32 and 48-pixel images are the
16 and 24-pixel pictures doubled with Scale2x, unless a picture is drawn at
that size too.

    python3 tools/make_art.py                 # rewrite the files under res/
    python3 tools/make_art.py --sheet s.png   # also write a contact sheet
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

# ---- Parts of the 24-pixel icons ----
# The same pictures as above, drawn again at one and a half times the size:
# outlines stay one pixel wide, details get room.

sprite("drive24", """
....kkkkkkkkkkkkkkkkkkkk
...kwwwwwwwwwwwwwwwwwwkk
..kwllllllllllllllllwkdk
.kwllllllllllllllllwkddk
kkkkkkkkkkkkkkkkkkkkdddk
kllllllllllllllllllkdddk
kggggggggggggggggggkdddk
kggggggggggggggggggkdddk
kgkkkkkkkkkkggeeeggkdddk
kggggggggggggggggggkdddk
kggggggggggggggggggkddk.
kggggggggggggggggggkdk..
kggggggggggggggggggkk...
kkkkkkkkkkkkkkkkkkkk....
""")

sprite("sheet24", """
kkkkkkkkkkkkkkkk
kwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwk
kwwdddddddddwwwk
kwwwwwwwwwwwwwwk
kwwddddddddddwwk
kwwwwwwwwwwwwwwk
kwwddddddwwwwwwk
kwwwwwwwwwwwwwwk
kwwddddddddwwwwk
kwwwwwwwwwwwwwwk
kwwdddddddddwwwk
kwwwwwwwwwwwwwwk
kwwdddddwwwwwwwk
kwwwwwwwwwwwwwwk
kwwddddddddwwwwk
kwwwwwwwwwwwwwwk
kwwdddddddwwwwwk
kwwwwwwwwwwwwwwk
kwwddddwwwwwwwwk
kwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwk
kkkkkkkkkkkkkkkk
""")

sprite("disc24", """
.........kkkkkk.........
.......kknnnnnnkk.......
.....kknbbbbbbbbnkk.....
....knbbbbbbbbbbbbnk....
...knbbbbbbbbbbbbbbnk...
..knbbbbbbbbbbbbbbbbnk..
..kbbbbbbbbbbbbbbbbbbk..
.knbbbbbbbbbbbbbbbbbbnk.
.kbbbbbbbbbbbbbbbbbbbbk.
knbbbbbbbbbbbbbbbbbbbbnk
kbbbbbbbbbbbbbbbbbbbbbbk
kbbbbbbbbbbbbbbbbbbbbbbk
kbbbbbbbbbbbbbbbbbbbbbbk
kbbbbbbbbbbbbbbbbbbbbbbk
knbbbbbbbbbbbbbbbbbbbbnk
.kbbbbbbbbbbbbbbbbbbbbk.
.knbbbbbbbbbbbbbbbbbbnk.
..kbbbbbbbbbbbbbbbbbbk..
..knbbbbbbbbbbbbbbbbnk..
...knbbbbbbbbbbbbbbnk...
....knbbbbbbbbbbbbnk....
.....kknbbbbbbbbnkk.....
.......kknnnnnnkk.......
.........kkkkkk.........
""")

sprite("door24", """
kkkkkkkkkkkk
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kCccccccccck
kkkkkkkkkkkk
""")

sprite("arrow_right24", """
.........k......
.........kk.....
.........kGk....
kkkkkkkkkkGGk...
kGGGGGGGGGGGGk..
kGGGGGGGGGGGGGk.
kGGGGGGGGGGGGGGk
kGGGGGGGGGGGGGk.
kGGGGGGGGGGGGk..
kkkkkkkkkkGGk...
.........kGk....
.........kk.....
.........k......
""")

sprite("camera24", """
........kkkkkkkk........
.......kddddddddk.......
.kkkkkkkkkkkkkkkkkkkkkk.
.kllllllllllllllllyyylk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kddddddddddddddddddddk.
.kkkkkkkkkkkkkkkkkkkkkk.
""")

sprite("lens24", """
...kkkk...
.kkbBBbkk.
.kbBwBbbk.
kbBwBbbbbk
kbBBbbbbbk
kbbbbbbbnk
kbbbbbbbnk
.kbbbbbnk.
.kknnnnkk.
...kkkk...
""")

sprite("refresh24", """
...........k............
...........kk...........
...........kGk..........
........kkkkGGk.........
......kkGGGGGGGk........
.....kGGGGGGGGGGk.......
....kGGGGGGGGGGk........
...kGGGGGkkkGGk.........
...kGGGGk..kGk..........
..kGGGGk...kk...........
..kGGGk....k............
.kGGGGk.................
.kGGGk..................
.kGGGk.............kkk..
.kGGGk............kGGGk.
..kGGGk..........kGGGk..
..kGGGk..........kGGGk..
..kGGGGk........kGGGGk..
...kGGGGk......kGGGGk...
...kGGGGGkkkkkkGGGGGk...
....kGGGGGGGGGGGGGGk....
.....kkGGGGGGGGGGkk.....
.......kkGGGGGGkk.......
.........kkkkkk.........
""")

sprite("report24", """
kkkkkkkkkkkkkk....
kwwwwwwwwwwwwkk...
kwwwwwwwwwwwwklk..
kwwbbbbbbbwwwkllk.
kwwbbbbbbbwwwklllk
kwwwwwwwwwwwwkkkkk
kwwwwwwwwwwwwwwwwk
kwwddddddddddddwwk
kwwwwwwwwwwwwwwwwk
kwwddddddddddwwwwk
kwwwwwwwwwwwwwwwwk
kwwdddddddddddddwk
kwwwwwwwwwwwwwwwwk
kwwdddddddddwwwwwk
kwwwwwwwwwwwwwwwwk
kwwddddddddddddwwk
kwwwwwwwwwwwwwwwwk
kwwddddddwwwwwwwwk
kwwwwwwwwwwwwwwwwk
kwwdddddddddddwwwk
kwwwwwwwwwwwwwwwwk
kwwdddddwwwwwwwwwk
kwwwwwwwwwwwwwwwwk
kkkkkkkkkkkkkkkkkk
""")

sprite("folder24", """
.kkkkkkk...........
kCCCCCCCk..........
kCCCCCCCCkkkkkkkkkk
kyyyyyyyyyyyyyyyyyk
kyyyyyyyyyyyyyyyyyk
kyyyyyyyyyyyyyyyyyk
kyyyyyyyyyyyyyyyyyk
kyyyyyyyyyyyyyyyyyk
kyyyyyyyyyyyyyyyyyk
kyyyyyyyyyyyyyyyyyk
kyyyyyyyyyyyyyyyyyk
kyyyyyyyyyyyyyyyyyk
kyyyyyyyyyyyyyyyyyk
kyyyyyyyyyyyyyyyyyk
koooooooooooooooook
kkkkkkkkkkkkkkkkkkk
""")

sprite("magnifier24", """
...kkkk.......
.kkBBBBkk.....
.kBwwBBBk.....
kBwBBBBBBk....
kBwBBBBBBk....
kBBBBBBBBk....
kBBBBBBBBk....
.kBBBBBBk.....
.kkBBBBkkk....
...kkkkkkkk...
.........kkk..
..........kkk.
...........kkk
............kk
""")

sprite("check24", """
.............kk
............kGk
...........kGGk
..........kGGGk
.........kGGGk.
.k......kGGGk..
kGk....kGGGk...
kGGk..kGGGk....
kGGGkkGGGk.....
.kGGGGGGk......
..kGGGGk.......
...kGGk........
....kk.........
""")

sprite("floppy24", """
kkkkkkkkkkkkkkkkk..
kbbblllllllddllbbk.
kbbblllllllddllbbbk
kbbblllllllddllbbbk
kbbblllllllddllbbbk
kbbblllllllddllbbbk
kbbbbbbbbbbbbbbbbbk
kbbbbbbbbbbbbbbbbbk
kbbwwwwwwwwwwwwwbbk
kbbwwwwwwwwwwwwwbbk
kbbwdddddddddwwwbbk
kbbwwwwwwwwwwwwwbbk
kbbwdddddddwwwwwbbk
kbbwwwwwwwwwwwwwbbk
kbbwddddddddddwwbbk
kbbwwwwwwwwwwwwwbbk
kbbwwwwwwwwwwwwwbbk
kbbwwwwwwwwwwwwwbbk
kkkkkkkkkkkkkkkkkkk
""")

sprite("bolt24", """
.....kkkkk.
....kyyyyk.
....kyyyk..
...kyyyyk..
...kyyyk...
..kyyyyk...
..kyyykkkkk
.kyyyyyyyyk
kyyyyyyyyk.
kkkkkyyyk..
....kyyk...
....kyyk...
...kyyk....
...kyk.....
..kyk......
..kk.......
""")

sprite("shortcut24", """
kkkkkkkkkkk
kwwwwwwwwwk
kwwwbbbbbwk
kwwwwwwbbwk
kwwwwwbwbwk
kwwwwbwwbwk
kwwwbwwwwwk
kwwbwwwwwwk
kwbwwwwwwwk
kwwwwwwwwwk
kkkkkkkkkkk
""")

sprite("blocks24", """
kkkkkkkkkkkkkkkkkkkkk
kbbbdbbbdbbbdrrrdbbbk
kbbbdbbbdbbbdrrrdbbbk
kbbbdbbbdbbbdrrrdbbbk
kdddddddddddddddddddk
kbbbdrrrdbbbdbbbdwwwk
kbbbdrrrdbbbdbbbdwwwk
kbbbdrrrdbbbdbbbdwwwk
kdddddddddddddddddddk
kbbbdbbbdrrrdwwwdbbbk
kbbbdbbbdrrrdwwwdbbbk
kbbbdbbbdrrrdwwwdbbbk
kdddddddddddddddddddk
krrrdbbbdwwwdwwwdrrrk
krrrdbbbdwwwdwwwdrrrk
krrrdbbbdwwwdwwwdrrrk
kdddddddddddddddddddk
kbbbdwwwdwwwdwwwdwwwk
kbbbdwwwdwwwdwwwdwwwk
kbbbdwwwdwwwdwwwdwwwk
kkkkkkkkkkkkkkkkkkkkk
""")

sprite("letter_i24", """
..www..
..www..
..www..
.......
.......
wwwww..
..www..
..www..
..www..
..www..
..www..
..www..
..www..
..www..
wwwwwww
wwwwwww
""")

sprite("window24", """
kkkkkkkkkkkkkkkkkkkkkkkk
kBBBBBBBBBBBBBBBBBBBBBBk
kBBBBBBBBBBBBBBBBBBBBBBk
kkkkkkkkkkkkkkkkkkkkkkkk
kwwwwwwwwwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwwwwwwwwwk
kwwwwwwwwwwwwwwwwwwwwwwk
kkkkkkkkkkkkkkkkkkkkkkkk
""")

sprite("arrow_down24", """
.....kkkkkk.....
.....kGGGGk.....
.....kGGGGk.....
.....kGGGGk.....
.....kGGGGk.....
kkkkkkGGGGkkkkkk
.kGGGGGGGGGGGGk.
..kGGGGGGGGGGk..
...kGGGGGGGGk...
....kGGGGGGk....
.....kGGGGk.....
......kGGk......
.......kk.......
""")

sprite("bar24", """
kkkkkkkkkkkkkkkk
kbbbbbbbbbbbbbbk
kbbbbbbbbbbbbbbk
kkkkkkkkkkkkkkkk
""")

sprite("clipboard24", """
kkkkkkkkkkkkkkkkkkkkkk
kcccccccccccccccccccck
kcccccccccccccccccccck
kcccccccccccccccccccck
kccwwwwwwwwwwwwwwwwcck
kccwwwwwwwwwwwwwwwwcck
kccwddddddddddddwwwcck
kccwwwwwwwwwwwwwwwwcck
kccwdddddddddwwwwwwcck
kccwwwwwwwwwwwwwwwwcck
kccwddddddddddddddwcck
kccwwwwwwwwwwwwwwwwcck
kccwddddddddwwwwwwwcck
kccwwwwwwwwwwwwwwwwcck
kccwdddddddddddwwwwcck
kccwwwwwwwwwwwwwwwwcck
kccwddddddwwwwwwwwwcck
kccwwwwwwwwwwwwwwwwcck
kccwwwwwwwwwwwwwwwwcck
kccwwwwwwwwwwwwwwwwcck
kcccccccccccccccccccck
kkkkkkkkkkkkkkkkkkkkkk
""")

sprite("clip24", """
....kkkk....
...kllllk...
kkkkllllkkkk
kllllllllllk
kllllllllllk
kkkkkkkkkkkk
""")

sprite("house24", """
...........kk...........
..........krrk..........
.........krrrrk.........
........krrrrrrk........
.......krrrrrrrrk.......
......krrrrrrrrrrk......
.....krrrrrrrrrrrrk.....
....krrrrrrrrrrrrrrk....
...krrrrrrrrrrrrrrrrk...
..krrrrrrrrrrrrrrrrrrk..
.krrrrrrrrrrrrrrrrrrrrk.
kkkkkkkkkkkkkkkkkkkkkkkk
...kCCCCCCCCCCCCCCCCk...
...kCCCCCCCCCCCCCCCCk...
...kCkkkkkkCCkkkkkkCk...
...kCkBBBBkCCkcccckCk...
...kCkBBBBkCCkcccckCk...
...kCkBBBBkCCkcccckCk...
...kCkBBBBkCCkccyckCk...
...kCkkkkkkCCkcccckCk...
...kCCCCCCCCCkcccckCk...
...kCCCCCCCCCkcccckCk...
...kkkkkkkkkkkkkkkkkk...
""")

sprite("bin24", """
........kkkkkkkk........
.......kllllllllk.......
.kkkkkkkkkkkkkkkkkkkkkk.
kllllllllllllllllllllllk
kllllllllllllllllllllllk
kkkkkkkkkkkkkkkkkkkkkkkk
.klggdlggdlggdlggdlggdk.
.klggdlggdlggdlggdlggdk.
.klggdlggdlggdlggdlggdk.
.klggdlggdlggdlggdlggdk.
.klggdlggdlggdlggdlggdk.
.klggdlggdlggdlggdlggdk.
.klggdlggdlggdlggdlggdk.
.klggdlggdlggdlggdlggdk.
.klggdlggdlggdlggdlggdk.
..kggdlggdlggdlggdlggk..
..kggdlggdlggdlggdlggk..
..kggdlggdlggdlggdlggk..
..kggdlggdlggdlggdlggk..
..kggdlggdlggdlggdlggk..
..kggdlggdlggdlggdlggk..
..kggdlggdlggdlggdlggk..
..kggdlggdlggdlggdlggk..
..kkkkkkkkkkkkkkkkkkkk..
""")

sprite("square_solid24", """
kkkkkkkkkkkkkkk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kbbbbbbbbbbbbbk
kkkkkkkkkkkkkkk
""")

sprite("square_clear24", """
kkkkkkkkkkkkkkk
ktttttttttttttk
ktttttttttttttk
ktttttttttttttk
ktttttttttttttk
ktttttttttttttk
ktttttttttttttk
ktttttttttttttk
ktttttttttttttk
ktttttttttttttk
ktttttttttttttk
ktttttttttttttk
ktttttttttttttk
ktttttttttttttk
kkkkkkkkkkkkkkk
""")

# ---- Pictures: (identifier in resource.h, file, {size: [(sprite, x, y)]}) ----

ICONS = [
    ("IDI_APP", "app.ico",
     {16: [("drive", 0, 3)], 24: [("drive24", 0, 5)], 32: [("drive32", 0, 6)]}),
    ("IDI_EXIT", "exit.ico",
     {16: [("door", 0, 1), ("arrow_right", 5, 3)],
      24: [("door24", 0, 1), ("arrow_right24", 8, 5)]}),
    ("IDI_SCREENSHOT", "screenshot.ico",
     {16: [("camera", 0, 2)],
      24: [("camera24", 0, 3), ("lens24", 7, 8)]}),
    ("IDI_REFRESH", "refresh.ico",
     {16: [("refresh", 0, 0)],
      24: [("refresh24", 0, 0)]}),
    ("IDI_REPORT", "report.ico",
     {16: [("report", 0, 0)],
      24: [("report24", 3, 0)]}),
    ("IDI_EXPLORE", "explore.ico",
     {16: [("folder", 0, 2), ("magnifier", 7, 6)],
      24: [("folder24", 0, 3), ("magnifier24", 10, 9)]}),
    ("IDI_PROPERTIES", "properties.ico",
     {16: [("sheet", 0, 0), ("check", 6, 8)],
      24: [("sheet24", 0, 0), ("check24", 9, 11)]}),
    ("IDI_FORMAT", "format.ico",
     {16: [("floppy", 0, 2), ("bolt", 9, 4)],
      24: [("floppy24", 0, 3), ("bolt24", 13, 6)]}),
    ("IDI_OPTIONS", "options.ico",
     {16: [("drive", 0, 1), ("shortcut", 0, 8)],
      24: [("drive24", 0, 2), ("shortcut24", 0, 13)]}),
    ("IDI_DEFRAG", "defrag.ico",
     {16: [("blocks", 0, 0)],
      24: [("blocks24", 1, 1)]}),
    ("IDI_ABOUT", "about.ico",
     {16: [("disc", 0, 0), ("letter_i", 6, 3)],
      24: [("disc24", 0, 0), ("letter_i24", 9, 4)]}),
    ("IDI_REDUCE", "reduce.ico",
     {16: [("window", 0, 0), ("arrow_down", 3, 3), ("bar", 3, 12)],
      24: [("window24", 0, 0), ("arrow_down24", 4, 4), ("bar24", 4, 18)]}),
    ("IDI_RENAME", "rename.ico",
     {16: [("clipboard", 0, 1), ("clip", 4, 0)],
      24: [("clipboard24", 1, 2), ("clip24", 6, 0)]}),
    ("IDI_HOMEPAGE", "homepage.ico",
     {16: [("house", 0, 0)],
      24: [("house24", 0, 0)]}),
    ("IDI_RECYCLE", "recycle.ico",
     {16: [("bin", 0, 0)],
      24: [("bin24", 0, 0)]}),
    ("IDI_TRANSPARENCY", "transparency.ico",
     {16: [("square_solid", 0, 0), ("square_clear", 6, 6)],
      24: [("square_solid24", 0, 0), ("square_clear24", 9, 9)]}),
]

# Three drives stacked on each other and a pie chart.
BITMAPS = [
    ("IDB_SUMMARY", "summary.bmp", 40,
     [("drive", 2, 14), ("drive", 2, 8), ("drive", 2, 2), ("pie", 19, 19)]),
]


# Every icon carries an image of each of these sizes, the smallest first.
ICON_SIZES = (16, 24, 32, 48)

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


def scale2x(pixels):
    """Doubles a picture with the Scale2x rule, kept off square corners.

    Each pixel becomes four. A quarter takes the colour of the two neighbours
    it touches when they agree with each other and not with the two on the
    other side, so that a diagonal edge stays one step wide instead of turning
    into two-pixel stairs; no colour is invented. Plain Scale2x also cuts the
    corners of every rectangle, which turns small blocks and window panes into
    blobs: here a quarter is only cut where the edge goes on diagonally, that
    is where one of the two pixels along that diagonal has this pixel's colour.
    Beyond the border a picture repeats its edge pixels."""
    size = len(pixels)

    def at(x, y):
        return pixels[min(max(y, 0), size - 1)][min(max(x, 0), size - 1)]

    doubled = [[None] * (2 * size) for _ in range(2 * size)]
    for y in range(size):
        for x in range(size):
            here = pixels[y][x]
            up, down, left, right = at(x, y - 1), at(x, y + 1), at(x - 1, y), at(x + 1, y)
            up_left, up_right = at(x - 1, y - 1), at(x + 1, y - 1)
            down_left, down_right = at(x - 1, y + 1), at(x + 1, y + 1)
            rising = here in (up_right, down_left)  # an edge from lower left to upper right
            falling = here in (up_left, down_right)  # an edge from upper left to lower right
            quarters = [here] * 4  # upper left, upper right, lower left, lower right
            if up != down and left != right:
                if left == up and rising:
                    quarters[0] = left
                if up == right and falling:
                    quarters[1] = right
                if left == down and falling:
                    quarters[2] = left
                if down == right and rising:
                    quarters[3] = right
            doubled[2 * y][2 * x], doubled[2 * y][2 * x + 1] = quarters[0], quarters[1]
            doubled[2 * y + 1][2 * x], doubled[2 * y + 1][2 * x + 1] = quarters[2], quarters[3]
    return doubled


def icon_images(name, sizes):
    """{size: pixels} for every size in ICON_SIZES: drawn where the picture has
    layers for that size, otherwise the picture of half the size doubled."""
    images = {}
    for size in ICON_SIZES:
        if size in sizes:
            images[size] = render(size, sizes[size])
        elif size // 2 in images:
            images[size] = scale2x(images[size // 2])
        else:
            sys.exit(f"{name}: no {size}x{size} picture and none of half that size")
    extra = set(sizes) - set(ICON_SIZES)
    if extra:
        sys.exit(f"{name}: pictures of sizes {sorted(extra)} that no icon carries")
    return images


def contact_sheet(scale=4):
    """Every picture at each of its sizes, magnified, over white, over a light
    menu background and over a blue highlight: one row per picture."""
    backgrounds = [(255, 255, 255, 255), (245, 245, 245, 255), (48, 150, 250, 255)]
    rows = [list(icon_images(name, sizes).values()) for name, _, sizes in ICONS]
    rows += [[render(size, layers, BITMAP_BACKGROUND + (255,))] for _, _, size, layers in BITMAPS]
    gap = 8
    group = max(sum(len(p) * scale + gap for p in row) for row in rows)
    line = max(len(p) for row in rows for p in row) * scale + gap
    sheet = [[(128, 128, 128)] * (group * len(backgrounds) + gap) for _ in range(line * len(rows) + gap)]
    for r, row in enumerate(rows):
        top = gap + r * line
        for b, back in enumerate(backgrounds):
            left = gap + b * group
            for pixels in row:
                for y in range(len(pixels) * scale):
                    source = pixels[y // scale]
                    target = sheet[top + y]
                    for x in range(len(pixels) * scale):
                        target[left + x] = blend(back, source[x // scale])
                left += len(pixels) * scale + gap
    return png_file(sheet)


# ---- Output ----


def resource_ids():
    with open(os.path.join(RES, "resource.h")) as header:
        return dict(re.findall(r"^#define\s+(ID[IB]_\w+)\s+(\d+)", header.read(), re.M))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--sheet", help="also write a PNG contact sheet to this file")
    parser.add_argument("--scale", type=int, default=4, help="magnification in the sheet")
    args = parser.parse_args()

    ids = resource_ids()
    drawn = {name for name, _, _ in ICONS} | {name for name, _, _, _ in BITMAPS}
    if set(ids) != drawn:
        sys.exit(f"resource.h and the pictures disagree: {sorted(set(ids) ^ drawn)}")

    os.makedirs(os.path.join(RES, "icons"), exist_ok=True)
    lines = ["// Generated by tools/make_art.py; edit the pictures there, not here.",
             "#include \"resource.h\"", ""]
    for name, filename, sizes in ICONS:
        # The 16-pixel image stays an uncompressed DIB; the larger ones are PNG,
        # a fraction of the size.
        images = [(pixels, size > 16) for size, pixels in icon_images(name, sizes).items()]
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
            out.write(contact_sheet(args.scale))


if __name__ == "__main__":
    main()
