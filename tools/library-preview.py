#!/usr/bin/env python3
"""Renders every prototype of data/library.wrl the way an exported room shows it, and puts the
pictures together into docs/library-3d.png.

The objects of data/Library.msk are laid out in library order (as in docs/library-gallery.png),
a few to a row, and each row is written as a scene of its own: a room of that row's size at
zoom 100 with the export's ground, navigation, sky and eight lights, its floor and every object
placed as the export places it (Transform at the reference corner, scaled by width, height and
depth, the prototype declared by EXTERNPROTO with an absolute file:// URL to the library). A first
scene shows the seven shapes and a wall cut around a window. Every scene is checked with
tovrmlx3d (exit status 0 and nothing on stderr) and rendered by view3dscene under Xvfb from its
viewpoint "preview"; the pictures are tiled with ImageMagick's montage.

Usage:
  tools/library-preview.py [--out docs/library-3d.png] [--keep DIR] [--tile 800x400]

--keep DIR keeps the scenes and the single pictures there (to open a scene in view3dscene and
walk around it). Needs view3dscene (tovrmlx3d too), xvfb and imagemagick:
  sudo apt-get install view3dscene xvfb imagemagick
"""

import argparse
import configparser
import math
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parent.parent
LIBRARY_MSK = ROOT / "data" / "Library.msk"
LIBRARY_WRL = ROOT / "data" / "library.wrl"

ROW_LIMIT = 700      # cm of objects and gaps in one row
GAP = 50             # cm between neighbours in a row
MARGIN = 60          # cm between the room's edge and the objects
S = 0.01             # scene units (metres) per centimetre: zoom 100 with the room in cm
FLOOR = 0x6496B4     # the floor, a light wood (0x00BBGGRR)


def rgb(colour):
    return (colour & 0xFF) / 255, (colour >> 8 & 0xFF) / 255, (colour >> 16 & 0xFF) / 255


def num(v):
    return f"{v:.2f}"


def library_objects():
    ini = configparser.RawConfigParser(interpolation=None)
    ini.optionxform = str
    ini.read(LIBRARY_MSK, encoding="utf-8")
    objects = []
    for name in ini.sections():
        if not name.startswith("Part"):
            continue
        sec = ini[name]
        objects.append(dict(proto=f"LibraryObject{int(sec['LibObjID'])}", caption=sec.get("Caption", ""),
                            w=int(sec["Width"]), d=int(sec["Height"]), h=int(sec["ZHeight"]),
                            z=int(sec.get("PosZ", "0")), colour=int(sec["FillColor"], 0)))
    return objects


def rows_of(objects):
    rows, row, used = [], [], 0
    for obj in objects:
        if row and used + obj["w"] > ROW_LIMIT:
            rows.append(row)
            row, used = [], 0
        row.append(obj)
        used += obj["w"] + GAP
    if row:
        rows.append(row)
    return rows


class Scene:
    """A room of width x depth cm, written as the export writes one (walls left out)."""

    def __init__(self, width, depth, eye):
        self.width, self.depth = width, depth
        self.declared = set()
        w, d = width * S, depth * S
        self.lines = [
            "#VRML V2.0 utf8",
            "WorldInfo {",
            '  title "Planzeta library preview"',
            "}",
            'DEF WALK_NAV NavigationInfo { headlight FALSE avatarSize [.25, 1.6, .5] type ["WALK", "ANY"]}',
            "Background {",
            "  skyColor [ 0 0 1, 0.6 0.8 1, 1 1 1]",
            "  skyAngle [1.5, 1.57]",
            "  groundColor [0 0 0, 0 0 0]",
            "  groundAngle [1.57]",
            "}",
            "Transform {",
            "  translation 0 -.1 0",
            "  children Shape {",
            "    appearance Appearance {material Material {diffuseColor 0 0 0 }}",
            "    geometry Box {size 200 .2 200}",
            "  }",
            "}",
        ]
        # the viewpoint looks from the front (+z) and above, down at the row
        x, y, z, pitch = eye
        self.lines.append(f'DEF preview Viewpoint {{description "Preview" position {num(x)} {num(y)} {num(z)} '
                          f"orientation 1 0 0 {-pitch:.3f}}}")
        self.lines += [
            "PointLight {intensity .28 location -1 7 -1 ambientIntensity .15}",
            f"PointLight {{intensity .28 location -1 7 {num(d + 1)} ambientIntensity .15}}",
            f"PointLight {{intensity .28 location {num(w + 1)} 7 {num(d + 1)} ambientIntensity .15}}",
            f"PointLight {{intensity .28 location {num(w + 1)} 7 -1 ambientIntensity .15}}",
            f"PointLight {{intensity .2 location {num(w * 0.5)} -1 -1}}",
            f"PointLight {{intensity .2 location -1 -1 {num(d * 0.5)}}}",
            f"PointLight {{intensity .2 location {num(w * 0.5)} -1 {num(d + 1)}}}",
            f"PointLight {{intensity .2 location {num(w + 1)} -1 {num(d * 0.5)}}}",
        ]
        for shape in ("Rectangle", "Circle", "Ellipse", "Triangle", "Hexagon", "Door", "Window"):
            self.declare(shape)
        r, g, b = rgb(FLOOR)
        self.lines.append(f"Transform {{translation 0 -.09 0 scale {num(w)} .1 {num(d)}")
        self.lines.append(f"  children Rectangle {{color {num(r)} {num(g)} {num(b)} }}}}")

    def declare(self, proto, fields="[field SFColor color]"):
        if proto not in self.declared:
            self.declared.add(proto)
            self.lines.append(f'EXTERNPROTO {proto} {fields} "file://{LIBRARY_WRL}#{proto}"')

    def place(self, proto, x, y, z, w, h, d, colour, rotation=0):
        self.declare(proto)
        r, g, b = rgb(colour)
        self.lines.append(f"Transform {{translation {num(x * S)} {num(z * S)} {num(y * S)} "
                          f"rotation 0 1 0 {-rotation * math.pi / 180:.2f} "
                          f"scale {num(w * S)} {num(h * S)} {num(d * S)}")
        self.lines.append(f"  children {proto} {{color {num(r)} {num(g)} {num(b)} }}}}")

    def wall_piece(self, x, y, left, bottom, right, top, thickness):
        self.declare("Wall", "[field SFColor color field SFFloat transparency]")
        self.lines.append(f"Transform {{translation {num(x * S)} 0 {num(y * S)} rotation 0 1 0 0.00")
        self.lines.append(f"  children Transform {{translation {num(left * S)} {num(bottom * S)} {num(-thickness * S)} "
                          f"scale {num((right - left + 1) * S)} {num((top - bottom + 1) * S)} {num(thickness * S)}")
        self.lines.append("     children Wall {color 1 1 1 transparency 0.00}}}")

    def text(self):
        return "\n".join(self.lines) + "\n"


def eye_for(width_cm, depth_cm, height_cm, aspect):
    """A viewpoint in front of a row and above it, as near as shows the whole row: the corners
    of the row's box are projected and the eye steps back until they all fit."""
    tan_h = math.tan(0.785398 / 2)  # the default field of view spans the picture's smaller side
    tan_w = tan_h * aspect
    x0, x1 = MARGIN * S, (MARGIN + width_cm) * S
    z0, z1 = MARGIN * S, (MARGIN + depth_cm) * S
    h = height_cm * S
    pitch = 0.35
    look = (0, -math.sin(pitch), -math.cos(pitch))
    up = (0, math.cos(pitch), -math.sin(pitch))
    target = ((x0 + x1) / 2, h * 0.5, (z0 + z1) / 2)
    corners = [(x, y, z) for x in (x0, x1) for y in (0, h) for z in (z0, z1)]

    def fits(dist):
        eye = [target[i] - look[i] * dist for i in range(3)]
        for c in corners:
            v = [c[i] - eye[i] for i in range(3)]
            depth = sum(v[i] * look[i] for i in range(3))
            if depth <= 0.1:
                return False
            if abs(v[0]) / (depth * tan_w) > 0.95 or abs(sum(v[i] * up[i] for i in range(3))) / (depth * tan_h) > 0.85:
                return False
        return True

    dist = 0.5
    while not fits(dist):
        dist *= 1.02
    eye = [target[i] - look[i] * dist for i in range(3)]
    return (eye[0], eye[1], eye[2], pitch)


def shapes_scene(aspect):
    default_fill = 0xD9FFFF
    items = [("Rectangle", 100, 60, 80), ("Circle", 70, 70, 80), ("Ellipse", 110, 60, 80),
             ("Triangle", 90, 70, 80), ("Hexagon", 90, 80, 80), ("Door", 90, 90, 200)]
    wall_len, wall_h, thick, window = 300, 250, 20, (100, 90, 120, 140)  # start, sill, width, height
    width = sum(w for _, w, _, _ in items) + GAP * len(items) + wall_len
    depth = 100
    scene = Scene(width + 2 * MARGIN, depth + 2 * MARGIN + thick, eye_for(width, depth + thick, 250, aspect))
    x = MARGIN
    y0 = MARGIN + thick
    for proto, w, d, h in items:
        scene.place(proto, x, y0 + (depth - d), 0, w, h, d, default_fill)
        x += w + GAP
    # a wall piece cut around a window as the export cuts it; the wall lies on the side -z of its line
    a, sill, ww, wh = window
    wy = y0
    for piece in ((0, 0, a, wall_h), (a + ww, 0, wall_len, wall_h), (a, 0, a + ww, sill), (a, sill + wh, a + ww, wall_h)):
        scene.wall_piece(x, wy, piece[0], piece[1], piece[2], piece[3], thick)
    scene.place("Window", x + a, wy - thick, sill, ww, wh, thick, default_fill)
    return scene


def row_scene(row, aspect):
    width = sum(o["w"] for o in row) + GAP * (len(row) - 1)
    depth = max(o["d"] for o in row)
    height = max(o["h"] + o["z"] for o in row)
    scene = Scene(width + 2 * MARGIN, depth + 2 * MARGIN, eye_for(width, depth, height, aspect))
    x = MARGIN
    for obj in row:
        # objects stand against the back of the row, their fronts (+z) towards the viewer
        scene.place(obj["proto"], x, MARGIN, obj["z"], obj["w"], obj["h"], obj["d"], obj["colour"])
        x += obj["w"] + GAP
    return scene


def check(path):
    """tovrmlx3d loads the file and every prototype it links; a good file gives no message.
    tovrmlx3d locks the files it reads, so one that another tovrmlx3d holds at the moment
    ("Try again") is read once more."""
    for attempt in range(3):
        result = subprocess.run(["tovrmlx3d", str(path)], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                                text=True)
        if result.returncode == 0 and not result.stderr.strip():
            return
        if "Try again" not in result.stderr:
            break
        print(f"{path.name}: a file was locked by another reader; reading it again", file=sys.stderr)
    sys.exit(f"{path}: tovrmlx3d reports (exit {result.returncode}):\n{result.stderr}")


def render(scene_path, picture, tile, config):
    """view3dscene now and then saves an all-black picture under Xvfb: such a picture is taken
    again."""
    env = dict(os.environ, XDG_CONFIG_HOME=str(config))
    for attempt in range(5):
        subprocess.run(["xvfb-run", "-a", "-s", "-screen 0 1920x1080x24", "view3dscene", str(scene_path),
                        "--geometry", tile, "--viewpoint", "preview", "--anti-alias", "2", "--screenshot", "0",
                        str(picture)], check=True, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        if picture.exists():
            mean = subprocess.run(["convert", str(picture), "-format", "%[fx:mean]", "info:"],
                                  capture_output=True, text=True).stdout.strip()
            if mean and float(mean) > 0.001:
                log = config / "view3dscene" / "view3dscene.log"
                for line in log.read_text(errors="replace").splitlines() if log.exists() else []:
                    if "Warning" in line and "ApplicationConfig" not in line:
                        print(f"{scene_path.name}: view3dscene: {line}", file=sys.stderr)
                return
    sys.exit(f"view3dscene gave no picture of {scene_path}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", default=str(ROOT / "docs" / "library-3d.png"))
    parser.add_argument("--keep", help="a folder to keep the scenes and single pictures in")
    parser.add_argument("--tile", default="800x400", help="size of each picture, WIDTHxHEIGHT")
    args = parser.parse_args()
    for tool in ("tovrmlx3d", "view3dscene", "xvfb-run", "montage"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is missing: sudo apt-get install view3dscene xvfb imagemagick")
    tw, th = (int(v) for v in args.tile.split("x"))
    aspect = tw / th

    check(LIBRARY_WRL)
    work = pathlib.Path(args.keep) if args.keep else pathlib.Path(tempfile.mkdtemp(prefix="library-preview-"))
    work.mkdir(parents=True, exist_ok=True)
    config = work / "config"
    config.mkdir(exist_ok=True)
    scenes = [shapes_scene(aspect)] + [row_scene(row, aspect) for row in rows_of(library_objects())]
    pictures = []
    try:
        for i, scene in enumerate(scenes):
            path = work / f"row{i:02d}.wrl"
            path.write_text(scene.text(), encoding="utf-8", newline="\n")
            check(path)
            picture = work / f"row{i:02d}.png"
            render(path, picture, args.tile, config)
            pictures.append(str(picture))
            print(f"rendered {path.name}")
        subprocess.run(["montage", *pictures, "-tile", "2x", "-geometry", "+3+3", "-background", "#303030",
                        args.out], check=True)
        print(f"wrote {args.out}")
    finally:
        if not args.keep:
            shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
