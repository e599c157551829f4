#!/usr/bin/env python3
"""Draws the NXG4120-T node icon (a gateway box with two serial ports, an
Ethernet jack and status lights) and writes it as a Windows icon file with
48, 32 and 16 pixel images. Run: python3 make_icon.py NXG4120-T.ico"""

import struct
import sys

SAMPLES = 4  # per pixel and axis, for smooth edges


def inside_round_rect(x, y, left, top, right, bottom, radius):
    if not (left <= x <= right and top <= y <= bottom):
        return False
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def shape_colour(x, y):
    """Colour (r, g, b, a) of the design at a point of the 48 x 48 canvas."""
    # status lights
    for lx, colour in ((10, (60, 220, 90)), (15, (60, 220, 90)), (20, (250, 170, 40))):
        if (x - lx) ** 2 + (y - 17.5) ** 2 <= 1.8 ** 2:
            return colour + (255,)
    # serial ports COM1 and COM2
    for left in (8, 18):
        if inside_round_rect(x, y, left, 23, left + 8, 30, 1.5):
            inner = inside_round_rect(x, y, left + 1.5, 24.5, left + 6.5, 28.5, 1)
            return (40, 40, 48, 255) if inner else (205, 210, 220, 255)
    # Ethernet jack
    if inside_round_rect(x, y, 29, 21, 40, 31, 1):
        if 31 <= x <= 38 and 23 <= y <= 29:
            return (30, 30, 30, 255) if not (33 <= x <= 36 and y >= 28) else (205, 210, 220, 255)
        return (205, 210, 220, 255)
    # antenna
    if 34 <= x <= 36 and 3 <= y <= 12:
        return (70, 70, 80, 255)
    if (x - 35) ** 2 + (y - 3.5) ** 2 <= 2.2 ** 2:
        return (230, 60, 50, 255)
    # body with an edge
    if inside_round_rect(x, y, 3, 11, 45, 37, 5):
        if not inside_round_rect(x, y, 4.5, 12.5, 43.5, 35.5, 4):
            return (16, 38, 77, 255)
        shade = (y - 11) / 26.0
        return (int(52 - 22 * shade), int(105 - 40 * shade), int(190 - 60 * shade), 255)
    # shadow under the box
    if inside_round_rect(x, y, 6, 37, 44, 41, 2):
        return (0, 0, 0, 60)
    return (0, 0, 0, 0)


def render(size):
    scale = 48.0 / size
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    r, g, b, a = shape_colour(x, y)
                    acc[0] += r * a
                    acc[1] += g * a
                    acc[2] += b * a
                    acc[3] += a
            n = SAMPLES * SAMPLES
            alpha = acc[3] / n
            if acc[3] > 0:
                colour = [int(round(c / acc[3])) for c in acc[:3]]
            else:
                colour = [0, 0, 0]
            row.append((colour[0], colour[1], colour[2], int(round(alpha))))
        pixels.append(row)
    return pixels


def bitmap(size, pixels):
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    data = bytearray()
    for row in reversed(pixels):  # bottom-up
        for r, g, b, a in row:
            data += bytes((b, g, r, a))
    mask_row = ((size + 31) // 32) * 4
    data += bytes(mask_row * size)  # the alpha channel decides
    return header + bytes(data)


def main(path):
    sizes = (48, 32, 16)
    images = [bitmap(s, render(s)) for s in sizes]
    out = bytearray(struct.pack("<HHH", 0, 1, len(sizes)))
    offset = 6 + 16 * len(sizes)
    for s, image in zip(sizes, images):
        out += struct.pack("<BBBBHHII", s, s, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "NXG4120-T.ico")
