#!/usr/bin/python3
"""Draws the launcher's icon (a printer with a sheet coming out) and writes QZR-inst.ico.

The icon group holds ten images: 48, 32 and 16 pixels at 4, 8 and 32 bits per pixel, and a
256-pixel PNG. Needs Pillow (Debian's python3-pil); run it from anywhere:
    /usr/bin/python3 installer/res/make_icon.py
"""
import io
import os
import struct

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
OUTPUT = os.path.join(HERE, "QZR-inst.ico")
SMALL_SIZES = (48, 32, 16)

# The 16 colours of the classic Windows palette; 4-bit images use exactly these.
VGA_PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def draw(size):
    """The picture at `size` pixels, RGBA, drawn four times larger and reduced for smooth edges."""
    scale = 4
    canvas = size * scale
    image = Image.new("RGBA", (canvas, canvas), (0, 0, 0, 0))
    pen = ImageDraw.Draw(image)

    def box(x0, y0, x1, y1):  # in 1/64ths of the icon
        return [x0 * canvas // 64, y0 * canvas // 64, x1 * canvas // 64 - 1, y1 * canvas // 64 - 1]

    outline = (40, 40, 48, 255)
    line = max(scale, canvas // 64)
    pen.rectangle(box(16, 4, 48, 30), fill=(255, 255, 255, 255), outline=outline, width=line)
    pen.rounded_rectangle(box(4, 24, 60, 50), radius=canvas // 16, fill=(120, 124, 136, 255),
                          outline=outline, width=line)
    pen.rectangle(box(12, 42, 52, 60), fill=(255, 255, 255, 255), outline=outline, width=line)
    for index, colour in enumerate([(0, 174, 239), (236, 0, 140), (255, 221, 0)]):
        x = 10 + index * 8
        pen.ellipse(box(x, 30, x + 6, 36), fill=colour + (255,))
    pen.rectangle(box(18, 47, 46, 50), fill=(40, 40, 48, 255))
    pen.rectangle(box(18, 53, 40, 56), fill=(40, 40, 48, 255))
    return image.resize((size, size), Image.LANCZOS)


def row_bytes(width, bits):
    return (width * bits + 31) // 32 * 4


def and_mask(image):
    """1 where the pixel is transparent, rows bottom first."""
    size = image.width
    alpha = image.getchannel("A")
    rows = []
    for y in reversed(range(size)):
        bits = bytearray(row_bytes(size, 1))
        for x in range(size):
            if alpha.getpixel((x, y)) < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(bits))
    return b"".join(rows)


def dib(image, bits):
    """A BITMAPINFOHEADER image for an icon: header, palette, colour rows, mask rows."""
    size = image.width
    opaque = Image.new("RGB", image.size, (0, 0, 0))
    opaque.paste(image, mask=image.getchannel("A").point(lambda a: 255 if a >= 128 else 0))
    palette = b""
    colour_rows = []
    if bits == 32:
        for y in reversed(range(size)):
            row = bytearray()
            for x in range(size):
                r, g, b, a = image.getpixel((x, y))
                row += bytes((b, g, r, a))
            colour_rows.append(bytes(row))
    else:
        if bits == 4:
            reference = Image.new("P", (1, 1))
            reference.putpalette([c for rgb in VGA_PALETTE for c in rgb])
            indexed = opaque.quantize(palette=reference, dither=Image.Dither.NONE)
            colours = VGA_PALETTE
        else:
            indexed = opaque.quantize(colors=256, dither=Image.Dither.NONE)
            flat = indexed.getpalette()[: 256 * 3]
            flat += [0] * (256 * 3 - len(flat))
            colours = [tuple(flat[i:i + 3]) for i in range(0, 256 * 3, 3)]
        palette = b"".join(bytes((b, g, r, 0)) for r, g, b in colours[: 1 << bits])
        for y in reversed(range(size)):
            row = bytearray(row_bytes(size, bits))
            for x in range(size):
                index = indexed.getpixel((x, y))
                if bits == 8:
                    row[x] = index
                else:
                    row[x // 2] |= index << (4 if x % 2 == 0 else 0)
            colour_rows.append(bytes(row))
    pixels = b"".join(colour_rows) + and_mask(image)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, len(pixels), 0, 0, 0, 0)
    return header + palette + pixels


def main():
    images = []  # (width, bits, colour count, data)
    for bits in (4, 8, 32):
        for size in SMALL_SIZES:
            images.append((size, bits, 16 if bits == 4 else 0, dib(draw(size), bits)))
    png = io.BytesIO()
    draw(256).save(png, format="PNG", optimize=True)
    images.append((256, 32, 0, png.getvalue()))

    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    body = b""
    for size, bits, colours, data in images:
        width = 0 if size == 256 else size
        directory += struct.pack("<BBBBHHII", width, width, colours, 0, 1, bits, len(data),
                                 offset + len(body))
        body += data
    with open(OUTPUT, "wb") as out:
        out.write(directory + body)
    print(f"{OUTPUT}: {len(images)} images")


if __name__ == "__main__":
    main()
