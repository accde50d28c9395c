#!/usr/bin/env python3
"""Writes the program's icon (tagpuzzle.ico) and hand cursor (hand.cur).

Standard library only. Run from anywhere; the files land beside this script.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def bitmapinfoheader(width, height, bits, image_size, colors_used=0):
    # Icon/cursor DIBs store the XOR and AND masks stacked, so height is doubled.
    return struct.pack('<IiiHHIIiiII', 40, width, height * 2, 1, bits, 0,
                       image_size, 0, 0, colors_used, 0)


def and_mask(width, height, transparent):
    """1-bit mask, bottom-up, rows padded to 4 bytes; 1 = show the screen."""
    stride = ((width + 31) // 32) * 4
    out = bytearray()
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            if transparent(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def ico_file(kind, width, height, entry_a, entry_b, color_count, dib):
    # kind 1 = icon (entry_a/b = planes/bit count), 2 = cursor (= hotspot x/y).
    header = struct.pack('<HHH', 0, kind, 1)
    entry = struct.pack('<BBBBHHII', width % 256, height % 256, color_count, 0,
                        entry_a, entry_b, len(dib), 6 + 16)
    return header + entry + dib


# ---------------------------------------------------------------- the icon
ICON = 48
SUB = 4  # supersampling per axis, for smooth edges

BODY = (0x2a, 0x9d, 0xf0)     # amber tag (BGR order below)
EDGE = (0x10, 0x4a, 0x8a)     # dark brown outline
TEXT = (0xf4, 0xf4, 0xf4)     # light lines written on the tag
STRING = (0x30, 0x30, 0x30)   # the string through the hole


def tag_shape(u, v):
    """Returns 'edge', 'body', 'text' or None for a point in tag space.

    Tag space: the tag lies horizontally, pointed end to the left, centre (0, 0).
    """
    half_h, left, point, right = 9.0, -10.0, -19.0, 19.0
    hole_x, hole_r = -12.5, 2.6
    if u > right or abs(v) > half_h:
        return None
    if u < left:
        # The pointed end: a chamfer from the body's corners to the tip.
        limit = half_h * (u - point) / (left - point)
        if u < point or abs(v) > limit:
            return None
        edge_dist = (limit - abs(v)) * (left - point) / math.hypot(left - point, half_h)
    else:
        edge_dist = min(half_h - abs(v), right - u)
    d_hole = math.hypot(u - hole_x, v)
    if d_hole < hole_r:
        return None
    if edge_dist < 1.6 or d_hole < hole_r + 1.3:
        return 'edge'
    # Three lines of "writing".
    for row, length in ((-4.0, 12.0), (0.0, 15.0), (4.0, 9.0)):
        if abs(v - row) < 0.9 and -5.0 < u < -5.0 + length:
            return 'text'
    return 'body'


CENTRE_X, CENTRE_Y = 24.0, 22.0
TILT = math.radians(35)  # pointed end up and to the left


def on_string(x, y):
    # A string through the hole, up to the top-left corner.
    ax, ay = 3.0, 3.0
    bx = CENTRE_X - 12.5 * math.cos(TILT)
    by = CENTRE_Y - 12.5 * math.sin(TILT)
    t = max(0.0, min(1.0, ((x - ax) * (bx - ax) + (y - ay) * (by - ay)) /
                     ((bx - ax) ** 2 + (by - ay) ** 2)))
    return math.hypot(x - (ax + t * (bx - ax)), y - (ay + t * (by - ay))) < 1.1


def icon_pixels():
    """Rows top-down of (b, g, r, a), straight (not premultiplied) alpha."""
    ca, sa = math.cos(TILT), math.sin(TILT)
    colours = {'edge': EDGE, 'body': BODY, 'text': TEXT}
    rows = []
    for y in range(ICON):
        row = []
        for x in range(ICON):
            acc = [0.0, 0.0, 0.0]
            hits = 0
            for sy in range(SUB):
                for sx in range(SUB):
                    px = x + (sx + 0.5) / SUB
                    py = y + (sy + 0.5) / SUB
                    dx, dy = px - CENTRE_X, py - CENTRE_Y
                    part = tag_shape(dx * ca + dy * sa, -dx * sa + dy * ca)
                    colour = STRING if on_string(px, py) else colours.get(part)
                    if colour is not None:
                        hits += 1
                        for i in range(3):
                            acc[i] += colour[i]
            if hits:
                row.append(tuple(round(c / hits) for c in acc) +
                           (round(255 * hits / (SUB * SUB)),))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def make_icon():
    rows = icon_pixels()
    xor = bytearray()
    for row in reversed(rows):  # DIBs are bottom-up
        for b, g, r, a in row:
            xor += bytes((b, g, r, a))
    mask = and_mask(ICON, ICON, lambda x, y: rows[y][x][3] == 0)
    dib = bitmapinfoheader(ICON, ICON, 32, len(xor) + len(mask)) + xor + mask
    return ico_file(1, ICON, ICON, 1, 32, 0, dib)


# ---------------------------------------------------------------- the cursor
# 'X' black outline, 'o' white fill, '.' transparent. The top of the index
# finger is the hotspot.
HAND = """
.....XX.........
....XooX........
....XooX........
....XooX........
....XooX........
....XooXXX......
....XooXooXXX...
....XooXooXooXX.
....XooXooXooXoX
.XX.XooooooooXoX
XooXXoooooooooX.
XoooXooooooooooX
.XooXooooooooooX
..XoXooooooooooX
..XooooooooooooX
...XoooooooooooX
...XooooooooooX.
....XoooooooooX.
....XooooooooX..
.....XoooooooX..
.....XoooooooX..
.....XXXXXXXXX..
"""
CURSOR = 32
HAND_X, HAND_Y = 4, 1  # where the picture sits in the 32 x 32 cell


def make_cursor():
    art = [line for line in HAND.strip().splitlines()]
    grid = [['.'] * CURSOR for _ in range(CURSOR)]
    for y, line in enumerate(art):
        for x, ch in enumerate(line):
            grid[HAND_Y + y][HAND_X + x] = ch
    top = art[0]
    hot_x = HAND_X + top.index('X')  # left pixel of the fingertip
    hot_y = HAND_Y

    # Monochrome: AND=1 XOR=0 shows the screen, AND=0 XOR=0 black, XOR=1 white.
    stride = CURSOR // 8
    xor = bytearray()
    for y in reversed(range(CURSOR)):
        row = bytearray(stride)
        for x in range(CURSOR):
            if grid[y][x] == 'o':
                row[x // 8] |= 0x80 >> (x % 8)
        xor += row
    mask = and_mask(CURSOR, CURSOR, lambda x, y: grid[y][x] == '.')
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))
    dib = (bitmapinfoheader(CURSOR, CURSOR, 1, len(xor) + len(mask), 2) +
           palette + xor + mask)
    return ico_file(2, CURSOR, CURSOR, hot_x, hot_y, 2, dib), (hot_x, hot_y)


def main():
    icon = make_icon()
    with open(os.path.join(HERE, 'tagpuzzle.ico'), 'wb') as f:
        f.write(icon)
    cursor, hotspot = make_cursor()
    with open(os.path.join(HERE, 'hand.cur'), 'wb') as f:
        f.write(cursor)
    print('tagpuzzle.ico: %d bytes; hand.cur: %d bytes, hotspot %d,%d'
          % (len(icon), len(cursor), hotspot[0], hotspot[1]))


if __name__ == '__main__':
    main()
