#!/usr/bin/python3
"""Draws maker_logo.bmp, bitmap 124 of the Version page: the maker's name in a plain bold face,
black on white, 257 x 44 pixels at 24 bits per pixel. Run it here after changing the picture and
commit the result; the build only reads the committed file.

Needs Pillow (Debian: python3-pil) and the DejaVu fonts (fonts-dejavu-core)."""

import os

from PIL import Image, ImageDraw, ImageFont

WIDTH, HEIGHT = 257, 44
NAME = "ZORELL"
FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def main():
    image = Image.new("RGB", (WIDTH, HEIGHT), "white")
    draw = ImageDraw.Draw(image)
    font = ImageFont.truetype(FONT, 34)
    left, top, right, bottom = draw.textbbox((0, 0), NAME, font=font)
    x = (WIDTH - (right - left)) // 2 - left
    y = (HEIGHT - (bottom - top)) // 2 - top
    draw.text((x, y), NAME, fill="black", font=font)
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "maker_logo.bmp")
    image.save(out, format="BMP")


if __name__ == "__main__":
    main()
