#!/usr/bin/env python3
"""Writes docs/rooms/LibraryGallery.mst: a room that shows every object of data/Library.msk,
in library order, laid out in rows with the object's name centred under each.

Run it again whenever the library changes:  tools/make-gallery-room.py
"""

import configparser
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
LIBRARY = ROOT / "data" / "Library.msk"
GALLERY = ROOT / "docs" / "rooms" / "LibraryGallery.mst"

ROW_LIMIT = 2000    # cm of objects and gaps in one row
MARGIN = 40         # between the walls and the objects
GAP = 40            # between neighbouring cells
LABEL_GAP = 8       # between an object and its name
LABEL_HEIGHT = 20
ROW_GAP = 50        # between a row's names and the next row
CHAR_WIDTH = 7      # what a character of the 8-point name takes at zoom 1, in cm
NO_COLOUR = 0xEFFFFFFF
CENTRED = 1         # label alignment, kept in LineColor
FONT = "Sans Serif|8|1|0|0"


def library_objects():
    ini = configparser.RawConfigParser(interpolation=None)
    ini.optionxform = str
    ini.read(LIBRARY, encoding="utf-8")
    return [dict(ini[name]) for name in ini.sections() if name.startswith("Part")]


def text_width(caption):
    return CHAR_WIDTH * len(caption)


def cell_width(obj):
    return max(int(obj["Width"]), text_width(obj["Caption"]))


def rows_of(objects):
    rows, row, used = [], [], 0
    for obj in objects:
        width = cell_width(obj)
        if row and used + width > ROW_LIMIT:
            rows.append(row)
            row, used = [], 0
        row.append(obj)
        used += width + GAP
    if row:
        rows.append(row)
    return rows


def colour(value):
    return "0x%06X" % value


def object_section(obj, x, y):
    keys = [("Type", "LibraryObject"), ("Caption", obj["Caption"]), ("Width", obj["Width"]),
            ("Height", obj["Height"]), ("ZHeight", obj["ZHeight"]), ("PosX", x), ("PosY", y),
            ("PosZ", 0), ("Rotation", 0), ("LineColor", obj["LineColor"]),
            ("FillColor", obj["FillColor"]), ("TextColor", colour(NO_COLOUR))]
    if obj.get("SnapToWall") == "1":
        keys.append(("SnapToWall", 1))
    keys.append(("LibObjID", obj["LibObjID"]))
    return keys


def label_section(caption, centre_x, y):
    width = text_width(caption)
    return [("Type", "Label"), ("Caption", caption), ("Width", width), ("Height", LABEL_HEIGHT),
            ("ZHeight", 1), ("PosX", centre_x - width // 2), ("PosY", y), ("PosZ", 0),
            ("Rotation", 0), ("Font", FONT), ("LineColor", colour(CENTRED)),
            ("FillColor", colour(NO_COLOUR)), ("TextColor", colour(0))]


def layout(rows):
    """The part sections, and the room's width and depth."""
    sections, y, room_width = [], MARGIN, 0
    for row in rows:
        depth = max(int(obj["Height"]) for obj in row)
        x = MARGIN
        for obj in row:
            width = cell_width(obj)
            left = x + (width - int(obj["Width"])) // 2
            sections.append(object_section(obj, left, y))
            sections.append(label_section(obj["Caption"], x + width // 2, y + depth + LABEL_GAP))
            x += width + GAP
        room_width = max(room_width, x - GAP + MARGIN)
        y += depth + LABEL_GAP + LABEL_HEIGHT + ROW_GAP
    return sections, room_width, y - ROW_GAP + MARGIN


def room_text(sections, width, depth):
    room = [("FileVersion", 300), ("Width", width), ("Height", depth), ("Color", colour(0xFFFFFF)),
            ("GridColor", colour(0xF0E0E0)), ("WallsColor", colour(0x808080)), ("GridSize", 50),
            ("WallThickness", 10), ("WallZHeight", 265), ("UserCoord", 0), ("UserCoordOriginX", 0),
            ("UserCoordOriginY", 0), ("Unit", "cm"), ("SpaceAround", "25|25|25|25"),
            ("3DStart", "%d|%d|0" % (width // 2, depth // 2))]
    blocks = [("Room", room)] + [("Part%d" % (i + 1), keys) for i, keys in enumerate(sections)]
    lines = []
    for name, keys in blocks:
        lines.append("[%s]" % name)
        lines.extend("%s=%s" % (key, value) for key, value in keys)
        lines.append("")
    return "\n".join(lines)


def main():
    sections, width, depth = layout(rows_of(library_objects()))
    GALLERY.parent.mkdir(parents=True, exist_ok=True)
    GALLERY.write_bytes(room_text(sections, width, depth).encode("utf-8"))


if __name__ == "__main__":
    main()
