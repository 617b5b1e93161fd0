#!/usr/bin/python3
"""Makes sample_picture.bmp, the preview's built-in picture (bitmap resource 141).

The photograph is astronaut.png from Debian's python3-skimage package, area-averaged from
512 x 512 down to 192 x 192 and saved as an uncompressed 24-bit BMP (bottom-up rows).
Run it with Debian's /usr/bin/python3, which has python3-skimage and python3-pil.
"""
import os
import sys

from PIL import Image
import skimage.data

SIZE = 192


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "sample_picture.bmp")
    photo = Image.fromarray(skimage.data.astronaut()).convert("RGB")
    picture = photo.resize((SIZE, SIZE), Image.Resampling.BOX)
    picture.save(out, format="BMP")


if __name__ == "__main__":
    main()
