#!/usr/bin/python3
"""Remakes the pictures of the "Color correction" page beside this script: the five row icons
(32 x 32, 16 colours) and the three colour-balance bars (130 x 8, 16 colours).

Run it with a Python that has PIL (Debian's /usr/bin/python3 with python3-pil). The output is
the same bytes on every run; the files are kept in the repository so that building needs no
Python.
"""

import struct
import sys
from pathlib import Path

from PIL import Image, ImageDraw

# The standard 16-colour palette, so the pictures look the same at any display depth.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREY, SILVER, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = 0, 8, 7, 9, 10, 11, 12, 13, 14, 15
TRANSPARENT = -1  # drawn as black with the mask bit set

HERE = Path(__file__).resolve().parent


def canvas(width, height, background):
    image = Image.new("I", (width, height), background)
    return image, ImageDraw.Draw(image)


def packed_rows(image, bits_per_pixel, value_of):
    """Rows bottom first, each padded to a multiple of 4 bytes."""
    width, height = image.size
    row_bytes = (width * bits_per_pixel + 31) // 32 * 4
    out = bytearray()
    for y in reversed(range(height)):
        row = bytearray(row_bytes)
        for x in range(width):
            value = value_of(image.getpixel((x, y)))
            bit = x * bits_per_pixel
            shift = 8 - bits_per_pixel - bit % 8
            row[bit // 8] |= value << shift
        out += row
    return bytes(out)


def info_header(width, height, image_bytes):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_bytes, 0, 0, 16, 0)


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def write_icon(name, image):
    colour = packed_rows(image, 4, lambda v: max(v, 0))
    mask = packed_rows(image, 1, lambda v: 1 if v == TRANSPARENT else 0)
    body = info_header(32, 64, len(colour) + len(mask)) + palette_bytes() + colour + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 16, 0, 1, 4, len(body), 6 + 16)
    (HERE / name).write_bytes(directory + entry + body)


def write_bitmap(name, image):
    pixels = packed_rows(image, 4, lambda v: v)
    header = info_header(image.size[0], image.size[1], len(pixels)) + palette_bytes()
    offset = 14 + len(header)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    (HERE / name).write_bytes(file_header + header + pixels)


def brightness_icon():
    image, draw = canvas(32, 32, TRANSPARENT)
    draw.ellipse((3, 3, 28, 28), fill=WHITE, outline=GREY, width=2)
    return image


def contrast_icon():
    image, draw = canvas(32, 32, TRANSPARENT)
    draw.ellipse((3, 3, 28, 28), fill=WHITE)
    draw.pieslice((3, 3, 28, 28), 90, 270, fill=GREY)
    draw.ellipse((3, 3, 28, 28), outline=BLACK, width=2)
    return image


def saturation_icon():
    image, draw = canvas(32, 32, TRANSPARENT)
    for left, top, colour in ((4, 16, RED), (13, 10, LIME), (22, 4, BLUE)):
        draw.rectangle((left, top, left + 6, 28), fill=colour, outline=BLACK)
    return image


def sharpness_icon():
    image, draw = canvas(32, 32, TRANSPARENT)
    draw.polygon([(13, 3), (18, 3), (29, 29), (23, 29), (15, 9), (8, 29), (2, 29)], fill=GREY)
    draw.rectangle((9, 18, 22, 22), fill=GREY)
    return image


def cube(draw, left, top, size):
    depth = size // 3
    front = (left, top + depth, left + size, top + depth + size)
    draw.polygon([(left, top + depth), (left + depth, top), (left + depth + size, top),
                  (left + size, top + depth)], fill=WHITE, outline=BLACK)
    draw.polygon([(left + size, top + depth), (left + depth + size, top),
                  (left + depth + size, top + size), (left + size, top + depth + size)],
                 fill=GREY, outline=BLACK)
    draw.rectangle(front, fill=SILVER, outline=BLACK)


def resize_icon():
    image, draw = canvas(32, 32, TRANSPARENT)
    cube(draw, 1, 9, 17)
    cube(draw, 21, 20, 7)
    return image


def balance_bar(left_colour, right_colour):
    """The two colours, split by a black band that slants from bottom left to top right."""
    image, draw = canvas(130, 8, left_colour)
    draw.polygon([(66, 0), (130, 0), (130, 8), (58, 8)], fill=right_colour)
    draw.polygon([(62, 0), (67, 0), (59, 8), (54, 8)], fill=BLACK)
    return image


def main():
    write_icon("brightness.ico", brightness_icon())
    write_icon("contrast.ico", contrast_icon())
    write_icon("saturation.ico", saturation_icon())
    write_icon("sharpness.ico", sharpness_icon())
    write_icon("resize.ico", resize_icon())
    write_bitmap("cyan_red_bar.bmp", balance_bar(AQUA, RED))
    write_bitmap("magenta_green_bar.bmp", balance_bar(FUCHSIA, LIME))
    write_bitmap("yellow_blue_bar.bmp", balance_bar(YELLOW, BLUE))
    return 0


if __name__ == "__main__":
    sys.exit(main())
