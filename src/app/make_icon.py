#!/usr/bin/env python3
"""Writes kelmarin.ico, the program's icon: one 32x32 image in 16 colours,
an archive box with a strap and a label. The picture is the pixel map below;
run this script again after changing it:  python3 make_icon.py kelmarin.ico
"""
import struct
import sys

# The 16 colours of the standard palette; a letter in the map picks one.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
COLOURS = {'k': 0, 'm': 1, 'o': 3, 's': 7, 'g': 8, 'r': 9, 'y': 11, 'w': 15}
TRANSPARENT = '.'

PIXELS = """
................................
................................
................................
.....kkkkkkkkkkkkkkkkkkkkkk.....
....kyyyyyyyyyyrryyyyyyyyyyk....
...kyyyyyyyyyyyrryyyyyyyyyyyk...
..kyyyyyyyyyyyyrryyyyyyyyyyyyk..
.kkkkkkkkkkkkkkrrkkkkkkkkkkkkkk.
.kooooooooooooorroooooooooooook.
.kooooooooooooorroooooooooooook.
.kooooooooooooorroooooooooooook.
.koookkkkkkkkkkrrkkkkkkkkkkoook.
.kooookwwwwwwwwwwwwwwwwwwkooook.
.kooookwkkkkkkkkkkkkkkkwkoooook.
.kooookwwwwwwwwwwwwwwwwwkoooook.
.kooookwkkkkkkkkkkkkwwwwkoooook.
.kooookwwwwwwwwwwwwwwwwwkoooook.
.koooookkkkkkkkrrkkkkkkkkoooook.
.kooooooooooooorroooooooooooook.
.kooooooooooooorroooooooooooook.
.kooooooooooooorroooooooooooook.
.kooooooooooooorroooooooooooook.
.kooooooooooooorroooooooooooook.
.kooooooooooooorroooooooooooook.
.kooooooooooooorroooooooooooook.
.kooooooooooooorroooooooooooook.
.kooooooooooooorroooooooooooook.
.kmmmmmmmmmmmmmrrmmmmmmmmmmmmmk.
.kkkkkkkkkkkkkkkkkkkkkkkkkkkkkk.
..gggggggggggggggggggggggggggg..
................................
................................
"""


def build():
    rows = [line for line in PIXELS.strip('\n').split('\n')]
    assert len(rows) == 32 and all(len(r) == 32 for r in rows), 'the map is 32 by 32'
    colour_rows, mask_rows = [], []
    for row in reversed(rows):  # bottom-up, as bitmaps are stored
        indices = [0 if c == TRANSPARENT else COLOURS[c] for c in row]
        colour_rows.append(bytes((indices[i] << 4) | indices[i + 1] for i in range(0, 32, 2)))
        bits = ''.join('1' if c == TRANSPARENT else '0' for c in row)
        mask_rows.append(int(bits, 2).to_bytes(4, 'big'))
    header = struct.pack('<IiiHHIIiiII', 40, 32, 64, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(bytes((b, g, r, 0)) for (r, g, b) in PALETTE)
    image = header + palette + b''.join(colour_rows) + b''.join(mask_rows)
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', 32, 32, 16, 0, 1, 4, len(image), 6 + 16)
    return directory + entry + image


if __name__ == '__main__':
    with open(sys.argv[1] if len(sys.argv) > 1 else 'kelmarin.ico', 'wb') as out:
        out.write(build())
