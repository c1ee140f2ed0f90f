#!/usr/bin/env python3
"""Writes the skin's twenty-two bitmaps (24-bit BMP) and the program's icon.

Usage: make_bitmaps.py OUTPUT_DIR
Every button piece is 5 x 29 pixels and every column of a middle piece is
alike, so the drawing code can stretch middles sideways.
"""
import os
import struct
import sys

WHITE = (0xFF, 0xFF, 0xFF)
FOOTER = (0xEE, 0xEE, 0xEE)
HOVER_GREEN = (0x9A, 0xC4, 0x27)
ORANGE = (0xFF, 0x99, 0x00)
WIDTH, HEIGHT = 5, 29


def grey(v):
    return (v, v, v)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def ramp(stops, t):
    """Colour at t (0..1) of a gradient through evenly spaced stops."""
    if t <= 0:
        return stops[0]
    span = t * (len(stops) - 1)
    i = min(int(span), len(stops) - 2)
    return mix(stops[i], stops[i + 1], span - i)


# Per look: the face of rows 1..26, the edge rows, and the border gradient of
# the outer column (top colour, bottom colour).
LOOKS = {
    "": dict(face=lambda t: WHITE if t < 0.5 else grey(0xF0),
             rows={0: grey(0xDD), 27: grey(0xA7), 28: grey(0xCE)},
             end=(grey(0xD6), grey(0xB0)), square=(grey(0xDB), grey(0xA8))),
    "h": dict(face=lambda t: ramp([WHITE, grey(0xF8), grey(0xF0)], t),
              rows={0: grey(0xDD), 27: grey(0xA7), 28: grey(0xCE)},
              end=(grey(0xD6), grey(0xB0)), square=(grey(0xDB), grey(0xA8))),
    # The normal border upside down: the dark edge at the top.
    "p": dict(face=lambda t: ramp([grey(0xF0), WHITE], t),
              rows={0: grey(0xCE), 1: grey(0xA7), 28: grey(0xDD)},
              end=(grey(0xB0), grey(0xD6)), square=(grey(0xA8), grey(0xDB))),
    "d": dict(face=lambda t: grey(0xFD),
              rows={0: grey(0xDD), 28: grey(0xC3)},
              end=(grey(0xDD), grey(0xC3)), square=(grey(0xDD), grey(0xC3))),
}


def middle(look):
    spec = LOOKS[look]
    column = []
    for y in range(HEIGHT):
        if y in spec["rows"]:
            column.append(spec["rows"][y])
        else:
            column.append(spec["face"]((y - 1) / (HEIGHT - 3)))
    return [[column[y]] * WIDTH for y in range(HEIGHT)]


def left_piece(look, rounded):
    """A left end: the middle with a border column at x = 0; rounded ends
    blend their corners into the white background behind the button."""
    spec = LOOKS[look]
    top, bottom = spec["end" if rounded else "square"]
    pixels = middle(look)
    for y in range(HEIGHT):
        pixels[y][0] = mix(top, bottom, y / (HEIGHT - 1))
    if rounded:
        for y in (0, HEIGHT - 1):
            pixels[y][0] = WHITE
            inner = 1 if y == 0 else HEIGHT - 2
            pixels[y][1] = mix(pixels[y][1], WHITE, 0.5)
            pixels[inner][0] = mix(pixels[inner][0], WHITE, 0.5)
    return pixels


def mirror(pixels):
    return [list(reversed(row)) for row in pixels]


def line_bitmap():
    """100 x 10: footer grey over the left third, then fading to the green."""
    row = []
    for x in range(100):
        t = max(0.0, (x - 33) / (99 - 33))
        row.append(mix(FOOTER, HOVER_GREEN, t))
    return [list(row) for _ in range(10)]


def edit_bitmap():
    return [[mix(grey(0xF0), WHITE, y / 25)] * 3 for y in range(26)]


def bitmaps():
    table = {}
    for offset, look in enumerate(["", "h", "p", "d"]):
        base = 1000 + 3 * offset
        table[base] = left_piece(look, True)
        table[base + 1] = mirror(left_piece(look, True))
        table[base + 2] = middle(look)
        square = 1012 + 2 * offset
        table[square] = left_piece(look, False)
        table[square + 1] = mirror(left_piece(look, False))
    table[1020] = line_bitmap()
    table[1021] = edit_bitmap()
    return table


def bmp_bytes(pixels):
    height, width = len(pixels), len(pixels[0])
    stride = (width * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        data += line + bytes(stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return b"BM" + struct.pack("<IHHI", 14 + len(header) + len(data), 0, 0, 14 + len(header)) + header + data


def icon_pixels(size):
    """A rounded green tile with a white "K" and an orange dot: RGBA rows."""
    s = size / 32.0
    pixels = []
    for y in range(size):
        row = []
        for x in range(size):
            cx, cy = (x + 0.5) / s, (y + 0.5) / s  # in 32-pixel units
            corner = 6
            dx = max(corner - cx, cx - (32 - corner), 0)
            dy = max(corner - cy, cy - (32 - corner), 0)
            if dx * dx + dy * dy > corner * corner:
                row.append((0, 0, 0, 0))
                continue
            colour = HOVER_GREEN
            stem = 8 <= cx <= 12.5 and 7 <= cy <= 25
            arm = abs((cx - 12) - abs(cy - 16) * 0.9) <= 2.2 and 7 <= cy <= 25 and cx >= 12
            if stem or arm:
                colour = WHITE
            if (cx - 24.5) ** 2 + (cy - 23.5) ** 2 <= 9:
                colour = ORANGE
            row.append(colour + (255,))
        pixels.append(row)
    return pixels


def ico_bytes(sizes):
    images = []
    for size in sizes:
        pixels = icon_pixels(size)
        xor = bytearray()
        for row in reversed(pixels):
            for r, g, b, a in row:
                xor += bytes((b, g, r, a))
        mask_stride = ((size + 31) // 32) * 4
        mask = bytearray()
        for row in reversed(pixels):
            bits = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append((size, header + xor + mask))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    for _, data in images:
        out += data
    return out


def write_if_changed(path, data):
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return
    except OSError:
        pass
    with open(path, "wb") as f:
        f.write(data)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for number, pixels in bitmaps().items():
        write_if_changed(os.path.join(out, "%d.bmp" % number), bmp_bytes(pixels))
    write_if_changed(os.path.join(out, "kalvorix.ico"), ico_bytes([16, 32]))


if __name__ == "__main__":
    main()
