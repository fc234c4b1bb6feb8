#!/usr/bin/env python3
"""Draws Quillfen's pictures and writes its sample files.

Everything in assets/ apart from this script, CMakeLists.txt, README.md and
quillfen.desktop comes out of here, byte for byte the same on every run, so a
change to a picture is a change to this file.  Standard library only, so it
runs wherever Python 3 does.

    python3 assets/make-assets.py          # rewrite the files
    python3 assets/make-assets.py --check  # exit 1 if a committed file is stale
"""

import math
import struct
import sys
import zlib
from pathlib import Path

HERE = Path(__file__).resolve().parent


# --------------------------------------------------------------------------
# File formats

def png_bytes(width, height, rows, alpha=True):
    """PNG from rows of (r, g, b, a) tuples; 8 bits a channel."""
    channels = 4 if alpha else 3
    raw = bytearray()
    previous = bytes(width * channels)
    for row in rows:
        line = bytes(v for px in row for v in px[:channels])
        kind, filtered = _best_filter(line, previous, channels)
        raw.append(kind)
        raw += filtered
        previous = line

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    colour_type = 6 if alpha else 2
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def _best_filter(line, prior, bpp):
    """Picks the PNG row filter with the smallest sum of signed bytes, the
    usual heuristic; gradients shrink a lot with Up and Paeth."""
    n = len(line)

    def left(i, src):
        return src[i - bpp] if i >= bpp else 0

    def paeth(a, b, c):
        p = a + b - c
        pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
        if pa <= pb and pa <= pc:
            return a
        return b if pb <= pc else c

    candidates = [
        (0, line),
        (1, bytes((line[i] - left(i, line)) & 0xFF for i in range(n))),
        (2, bytes((line[i] - prior[i]) & 0xFF for i in range(n))),
        (3, bytes((line[i] - (left(i, line) + prior[i]) // 2) & 0xFF for i in range(n))),
        (4, bytes((line[i] - paeth(left(i, line), prior[i], left(i, prior))) & 0xFF
                  for i in range(n))),
    ]

    def cost(item):
        return sum(v if v < 128 else 256 - v for v in item[1])

    return min(candidates, key=cost)


def icon_bytes(pixels, kind, hotspot=(0, 0)):
    """One-image .ICO (kind 1) or .CUR (kind 2), 32-bit BGRA plus AND mask.

    pixels is a square list of rows of (r, g, b, a).  A cursor keeps its
    hotspot where an icon keeps planes and bit count."""
    size = len(pixels)
    xor = bytearray()
    for row in reversed(pixels):  # bitmaps run bottom-up
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:  # set bits show the screen through
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line

    # The height counts colour and mask images together, hence twice the size.
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    image = info + bytes(xor) + bytes(mask)
    if kind == 2:
        field1, field2 = hotspot
    else:
        field1, field2 = 1, 32
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0,
                        field1, field2, len(image), 6 + 16)
    return struct.pack("<HHH", 0, kind, 1) + entry + image


# --------------------------------------------------------------------------
# Pixel art for the pointers: '#' outline, 'o' fill, anything else clear.

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


def pixel_art(size, *placements):
    """placements: (art rows, left, top); later ones are drawn over earlier ones."""
    grid = [[CLEAR] * size for _ in range(size)]
    for art, left, top in placements:
        for y, line in enumerate(art):
            for x, ch in enumerate(line):
                if ch in "#o":
                    grid[top + y][left + x] = BLACK if ch == "#" else WHITE
    return grid


# Index finger up; the tip's top middle pixel is the hotspot.
HAND = [
    "......###",
    ".....#ooo#",
    ".....#ooo#",
    ".....#ooo#",
    ".....#ooo#",
    ".....#ooo#",
    ".....#ooo#",
    ".....#ooo####",
    ".....#ooo#ooo####",
    ".....#ooo#ooo#ooo###",
    ".....#ooo#ooo#ooo#oo#",
    ".##..#ooo#ooo#ooo#oo#",
    "#oo#.#ooo#ooo#ooo#oo#",
    "#ooo##ooooooooooooooo#",
    "#oooo#ooooooooooooooo#",
    ".#oooooooooooooooooo#",
    ".#oooooooooooooooooo#",
    "..#ooooooooooooooooo#",
    "..#ooooooooooooooooo#",
    "...#ooooooooooooooo#",
    "...#ooooooooooooooo#",
    "....#ooooooooooooo#",
    "....#ooooooooooooo#",
    ".....#ooooooooooo#",
    ".....#############",
]
HAND_HOTSPOT = (7, 0)

# The ordinary arrow, tip at the top left corner.
ARROW = [
    "#",
    "##",
    "#o#",
    "#oo#",
    "#ooo#",
    "#oooo#",
    "#ooooo#",
    "#oooooo#",
    "#ooooooo#",
    "#oooooooo#",
    "#ooooooooo#",
    "#oooooo#####",
    "#ooo#oo#",
    "#oo##oo#",
    "#o#..#oo#",
    "##...#oo#",
    "#.....#oo#",
    "......#oo#",
    ".......##",
]

# Up/down arrow beside it: what the list does when a row is dragged.
UP_DOWN = (
    ["....#....",
     "...#o#...",
     "..#ooo#..",
     ".#ooooo#.",
     "#ooooooo#",
     "###ooo###"]
    + ["..#ooo#.."] * 9
    + ["###ooo###",
       "#ooooooo#",
       ".#ooooo#.",
       "..#ooo#..",
       "...#o#...",
       "....#...."]
)


def hand_cursor():
    return icon_bytes(pixel_art(32, (HAND, 0, 0)), kind=2, hotspot=HAND_HOTSPOT)


def drag_icon():
    return icon_bytes(pixel_art(32, (ARROW, 0, 0), (UP_DOWN, 15, 6)), kind=1)


# --------------------------------------------------------------------------
# Smooth drawing for the application icon and the sample picture.
# Shapes are signed distance functions in picture units (0..1 across); each
# pixel gets the coverage the distance implies at its centre, averaged over a
# few sub-pixel samples so corners and thin strokes stay clean.

def hex_rgb(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def sd_circle(cx, cy, r):
    return lambda x, y: math.hypot(x - cx, y - cy) - r


def sd_segment(ax, ay, bx, by, half_width):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy

    def d(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        return math.hypot(x - ax - t * dx, y - ay - t * dy) - half_width
    return d


def sd_polygon(points, rounding=0.0):
    """Exact distance to a simple polygon; rounding grows it with round corners
    (pass points already pulled in by the same amount)."""
    edges = list(zip(points, points[1:] + points[:1]))

    def d(x, y):
        best = float("inf")
        inside = False
        for (ax, ay), (bx, by) in edges:
            ex, ey = bx - ax, by - ay
            wx, wy = x - ax, y - ay
            t = max(0.0, min(1.0, (wx * ex + wy * ey) / (ex * ex + ey * ey)))
            best = min(best, math.hypot(wx - ex * t, wy - ey * t))
            if (ay > y) != (by > y) and x < ax + (y - ay) * ex / ey:
                inside = not inside
        return (-best if inside else best) - rounding
    return d


def grown(shape, amount):
    return lambda x, y: shape(x, y) - amount


def render(size, background, layers, samples):
    """layers: (distance function, colour or colour function, opacity) drawn
    in order over background.  Returns rows of (r, g, b, a)."""
    offsets = [((i + 0.5) / samples - 0.5) for i in range(samples)]
    # Distances are in picture units; edges fade over one sample's width.
    edge = 1.0 / (size * samples)
    # A shape this far from a pixel's centre covers all of it or none of it,
    # which spares most of the per-sample work.
    reach = 0.75 / size + edge
    n = samples * samples
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            cx, cy = (px + 0.5) / size, (py + 0.5) / size
            active = []
            for shape, paint, opacity in layers:
                d = shape(cx, cy)
                if d < reach:
                    active.append((shape if d > -reach else None, paint, opacity))
            acc = [0.0, 0.0, 0.0, 0.0]
            for oy in offsets:
                for ox in offsets:
                    x, y = cx + ox / size, cy + oy / size
                    colour = background(x, y)
                    for shape, paint, opacity in active:
                        cover = opacity
                        if shape is not None:
                            dist = shape(x, y)
                            if dist >= edge / 2:
                                continue
                            cover *= min(1.0, 0.5 - dist / edge)
                        colour = _over(paint(x, y) if callable(paint) else paint,
                                       cover, colour)
                    for i in range(4):
                        acc[i] += colour[i]
            a = acc[3] / n
            if a <= 0.0:
                row.append(CLEAR)
            else:
                row.append(tuple(_byte(acc[i] / n / a) for i in range(3)) + (_byte(a),))
        rows.append(row)
    return rows


def _over(rgb, cover, under):
    """Source-over with premultiplied colour underneath; rgb is 0..255."""
    r, g, b = (c / 255.0 for c in rgb)
    keep = 1.0 - cover
    return (r * cover + under[0] * keep, g * cover + under[1] * keep,
            b * cover + under[2] * keep, cover + under[3] * keep)


def _byte(v):
    return max(0, min(255, int(round(v * 255.0))))


def transparent(_x, _y):
    return (0.0, 0.0, 0.0, 0.0)


# --------------------------------------------------------------------------
# Application icon: a clock face over a written page.

INK = hex_rgb("#24506e")        # outlines and hands
PAGE = hex_rgb("#f6fafc")
FOLD = hex_rgb("#cfe1ec")
WRITING = hex_rgb("#9ab7cb")
RIM = hex_rgb("#168591")
FACE = hex_rgb("#f0fafa")
TICK = hex_rgb("#0f6670")
SHADOW = hex_rgb("#0b2b3d")


def app_icon_layers():
    stroke = 0.034
    corner = 0.045
    # Page with its top right corner folded over, a little left of centre so
    # the clock can sit on its lower right.
    left, top, right, bottom, fold = 0.14, 0.07, 0.74, 0.90, 0.19
    inset = [(left + corner, top + corner), (right - fold - corner * 0.4, top + corner),
             (right - corner, top + fold + corner * 0.4), (right - corner, bottom - corner),
             (left + corner, bottom - corner)]
    page = sd_polygon(inset, rounding=corner)
    flap = sd_polygon([(right - fold, top), (right - fold, top + fold), (right, top + fold)])

    layers = [
        (grown(page, stroke / 2), INK, 1.0),
        (grown(page, -stroke / 2), PAGE, 1.0),
        (grown(flap, stroke / 2), INK, 1.0),
        (grown(flap, -stroke / 2), FOLD, 1.0),
    ]
    # lines of writing; the first stops short of the folded corner
    for i, end in enumerate((0.48, 0.62, 0.50, 0.58, 0.44)):
        y = 0.25 + i * 0.095
        layers.append((sd_segment(left + 0.10, y, end, y, 0.018), WRITING, 1.0))

    cx, cy, r = 0.655, 0.665, 0.275
    layers += [
        (sd_circle(cx + 0.012, cy + 0.022, r + 0.01), SHADOW, 0.22),
        (sd_circle(cx, cy, r), RIM, 1.0),
        (sd_circle(cx, cy, r - 0.055), FACE, 1.0),
    ]
    for hour in range(12):
        angle = hour * math.pi / 6
        outer = r - 0.078
        inner = outer - (0.045 if hour % 3 == 0 else 0.022)
        sx, sy = math.sin(angle), -math.cos(angle)
        layers.append((sd_segment(cx + sx * inner, cy + sy * inner,
                                  cx + sx * outer, cy + sy * outer,
                                  0.013 if hour % 3 == 0 else 0.008), TICK, 1.0))

    def hand(hours, length, half_width):
        angle = hours * math.pi / 6
        return sd_segment(cx, cy, cx + math.sin(angle) * length,
                          cy - math.cos(angle) * length, half_width)

    layers += [
        (hand(10.2, 0.105, 0.018), INK, 1.0),   # hour hand near ten
        (hand(2.0, 0.140, 0.013), INK, 1.0),    # minute hand at ten past
        (sd_circle(cx, cy, 0.026), RIM, 1.0),
    ]
    return layers


def app_icon(size):
    samples = 4 if size <= 64 else 3
    return png_bytes(size, size, render(size, transparent, app_icon_layers(), samples))


# --------------------------------------------------------------------------
# Sample picture: the sun coming up over the sea.

def sunrise():
    width, height, horizon = 96, 64, 40 / 64
    sky_top, sky_low = hex_rgb("#27306b"), hex_rgb("#f4a261")
    sea_near, sea_far = hex_rgb("#16324f"), hex_rgb("#3d5a80")
    sun, glow = hex_rgb("#ffd166"), hex_rgb("#ffb46b")

    def mix(a, b, t):
        t = max(0.0, min(1.0, t))
        return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))

    # render() works on a square; draw 96x96 and keep the middle 64 rows
    scale = height / width
    top = (1 - scale) / 2

    def to_picture(y):
        return (y - top) / scale

    cx, cy = 0.5, top + horizon * scale

    def background(x, y):
        v = to_picture(y)
        if v < horizon:
            c = mix(sky_top, sky_low, max(0.0, v / horizon) ** 1.6)
            warmth = max(0.0, 1.0 - math.hypot(x - cx, y - cy) / 0.32)
            c = mix(c, glow, 0.6 * warmth * warmth)
        else:
            c = mix(sea_far, sea_near, (v - horizon) / (1 - horizon))
        return tuple(ch / 255.0 for ch in c) + (1.0,)

    def below_horizon(x, y):
        return cy - y

    def sea_colour(x, y):
        v = to_picture(y)
        return mix(sea_far, sea_near, (v - horizon) / (1 - horizon))

    layers = [
        (sd_circle(cx, cy, 0.135), sun, 1.0),
        (below_horizon, sea_colour, 1.0),
    ]
    # the sun's path on the water: thin dashes, wider and looser nearer the viewer
    for i in range(6):
        y = cy + scale * (0.035 + i * 0.062)
        half = 0.045 + 0.03 * i
        shift = (0.012 + 0.006 * i) * (1 if i % 2 else -1)
        layers.append((sd_segment(cx + shift - half, y, cx + shift + half, y,
                                  0.004 + 0.0015 * i), sun, 0.45))
    full = render(width, background, layers, 3)
    first = round(top * width)
    rows = [[px[:3] for px in row] for row in full[first:first + height]]
    return png_bytes(width, height, rows, alpha=False)


# --------------------------------------------------------------------------
# Sample text files.

MEETING_NOTES = """\
Team meeting - planning the spring release

Present: Ana, Bilal, Chen, Dora

- Agreed to freeze new features two weeks before the release date.
- Bilal will check the installer on the older laptops in the office.
- Chen to collect the photos for the user guide by Friday.
- Next meeting: Thursday at 10:00 in the small room.
"""

INVENTORY = """\
Item,Category,Quantity,Unit Price,Location
Stapler,Office,12,4.50,Shelf A2
A4 paper (500 sheets),Office,40,3.95,Shelf A1
Desk lamp,Furniture,6,18.00,Store room
USB stick 32 GB,Computing,25,6.20,Cabinet C
Whiteboard markers (4 pack),Office,18,5.75,Shelf A3
Monitor stand,Furniture,4,22.40,Store room
Network cable 2 m,Computing,30,2.10,Cabinet C
Coffee mugs,Kitchen,15,3.00,Kitchen cupboard
"""

SAMPLES_README = """\
# Sample files

These few files are here so you can try Quillfen straight away: add them to the
list and press Start Extracting to see their modified, created and accessed dates.
"""


# --------------------------------------------------------------------------

def outputs():
    return {
        "HAND-M.CUR": hand_cursor,
        "drag.ico": drag_icon,
        "quillfen.png": lambda: app_icon(64),
        "quillfen-256.png": lambda: app_icon(256),
        "Samples/Meeting notes.txt": lambda: MEETING_NOTES.encode("utf-8"),
        "Samples/inventory.csv": lambda: INVENTORY.encode("utf-8"),
        "Samples/sunrise.png": sunrise,
        "Samples/readme.md": lambda: SAMPLES_README.encode("utf-8"),
    }


def main(argv):
    check = "--check" in argv[1:]
    stale = []
    for name, make in outputs().items():
        path = HERE / name
        data = make()
        if check:
            if not path.is_file() or path.read_bytes() != data:
                stale.append(name)
            continue
        path.parent.mkdir(parents=True, exist_ok=True)
        # Leave unchanged files alone so their dates (and the build's copies) stay put.
        if path.is_file() and path.read_bytes() == data:
            print(f"unchanged {name}")
            continue
        path.write_bytes(data)
        print(f"wrote     {name} ({len(data)} bytes)")
    if stale:
        print("out of date: " + ", ".join(stale), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
