#!/usr/bin/env python3
"""Draws the room status board's three pictures: idle (wr), booked (yd) and let (yr).

Each is a 64x64 24-bit BMP of a small house whose colour tells the state. Rerun with
`python3 tools/make_pictures.py` from the repository root; the output is the same every time.
"""
import struct
from pathlib import Path

SIZE = 64
STATES = {
    "wr": ((76, 175, 80), None),          # idle: green house
    "yd": ((255, 167, 38), "flag"),       # booked: orange house with a flag
    "yr": ((229, 57, 53), "person"),      # let: red house with a lit window
}


def inside_roof(x, y):
    # Triangle from (32, 6) to (6, 30) and (58, 30).
    return 6 <= y <= 30 and abs(x - 32) <= (y - 6) * 26 / 24


def pixel(name, x, y):
    body, mark = STATES[name]
    white, dark, sky = (255, 255, 255), (60, 60, 60), (240, 244, 248)
    if inside_roof(x, y):
        return tuple(int(c * 0.7) for c in body)
    if 30 < y <= 58 and 12 <= x <= 52:
        if 40 <= y <= 58 and 27 <= x <= 37:
            return dark                                  # door
        if 35 <= y <= 44 and (15 <= x <= 23 or 41 <= x <= 49):
            return (255, 235, 59) if mark == "person" else white  # windows
        return body
    if mark == "flag" and 46 <= x <= 47 and 2 <= y <= 22:
        return dark                                      # flag pole
    if mark == "flag" and 48 <= x <= 58 and 2 <= y <= 9:
        return (30, 136, 229)                            # flag
    return sky


def write_bmp(path, name):
    row_bytes = SIZE * 3
    pad = (4 - row_bytes % 4) % 4
    data = bytearray()
    for y in range(SIZE - 1, -1, -1):                    # BMP rows run bottom-up
        for x in range(SIZE):
            r, g, b = pixel(name, x, y)
            data += bytes((b, g, r))
        data += b"\0" * pad
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    path.write_bytes(header + info + data)


if __name__ == "__main__":
    out = Path(__file__).resolve().parent.parent / "resources" / "pic"
    out.mkdir(parents=True, exist_ok=True)
    for name in STATES:
        write_bmp(out / f"{name}.bmp", name)
