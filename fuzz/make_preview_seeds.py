#!/usr/bin/env python3
"""Writes the seed corpus of the preview harness: the pictures and settings of the filter tests
(a bright or dark middle pixel under each kernel, flat areas under the unsharp mask, the
monochrome preview), slider ends, values no control can hold, a strip wider than the row
transform's 16-bit count, and sides of 0 or less. Layout: the 44-byte settings block, a flags
byte (1: fold into the controls' ranges, 2: no area, 4: a strip 32736 to 32799 wide), width - 1 and height - 1 as 16-bit values,
then the pixel bytes, repeated to fill the picture."""
import pathlib
import struct

from seed_records import settings

OUT = pathlib.Path(__file__).parent / "corpus" / "preview"

def seed(block, width, height, pixels, flags=0):
    return block + struct.pack("<BHH", flags, width - 1, height - 1) + bytes(pixels)


def square_with_middle(side, level, middle):
    """The pixel bytes of a flat square picture whose middle pixel has another level."""
    rows = []
    for y in range(side):
        row = bytearray([level] * (3 * side))
        if y == side // 2:
            row[3 * (side // 2):3 * (side // 2) + 3] = bytes([middle] * 3)
        rows.append(bytes(row))
    return b"".join(rows)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    wild = settings(brightness=11, contrast=-32768, saturation=32767, cyanBalance=-11,
                    sharpness=7, unsharpEnabled=1, unsharpAmount=-1, unsharpRadius=0,
                    unsharpThreshold=-5, colorMode=7)
    seeds = {
        "bright-middle-sharpness-0": seed(settings(), 5, 5, square_with_middle(5, 100, 200)),
        "dark-middle-sharpness-4": seed(settings(sharpness=4), 5, 5,
                                        square_with_middle(5, 100, 50)),
        "no-sharpening": seed(settings(sharpness=-4), 6, 4, range(72)),
        "unsharp-flat": seed(settings(unsharpEnabled=1, sharpness=-4), 4, 4, [100]),
        "unsharp-middle": seed(settings(unsharpEnabled=1, unsharpThreshold=0, unsharpAmount=0,
                                        sharpness=-4), 7, 7, square_with_middle(7, 100, 150)),
        "unsharp-radius-3": seed(settings(unsharpEnabled=1, unsharpRadius=3, unsharpThreshold=0),
                                 9, 9, [100]),
        "unsharp-radius-30": seed(settings(unsharpEnabled=1, unsharpRadius=30), 17, 13,
                                  range(256)),
        "monochrome": seed(settings(colorMode=1), 3, 3, [200, 100, 50]),
        "slider-ends": seed(settings(brightness=10, contrast=-10, saturation=10, cyanBalance=10,
                                     magentaBalance=-10, yellowBalance=-10, sharpness=4,
                                     unsharpEnabled=1, unsharpAmount=12, unsharpRadius=29,
                                     unsharpThreshold=20), 11, 8, range(0, 256, 3)),
        "out-of-range": seed(wild, 8, 8, range(1, 250, 7)),
        "folded-into-controls": seed(wild, 8, 8, range(1, 250, 7), flags=1),
        "padded-rows": seed(settings(sharpness=2), 5, 7, range(7, 256, 11)),
        "wider-than-16-bits": seed(settings(sharpness=1, saturation=5), 32799 - 32736 + 1, 3,
                                   range(256), flags=4),
        "largest-square": seed(settings(unsharpEnabled=1, unsharpRadius=15, sharpness=3), 64, 64,
                               range(256)),
        "no-area": seed(wild, 4, 4, [1], flags=2),
    }
    for name, data in seeds.items():
        (OUT / name).write_bytes(data)


if __name__ == "__main__":
    main()
