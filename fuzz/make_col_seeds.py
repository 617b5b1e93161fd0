#!/usr/bin/env python3
"""Writes the seed corpus of the ".COL" harness: files like those of the page's tests (a saved
file, a brightness of 25, a print mode of 2, the headers 48, 101 and 100, 48, a file longer or
shorter than 48 bytes, an empty one) and inputs whose bytes 48 to 91 give the driver's record
settings beyond the sliders."""
import pathlib
import struct

from seed_records import settings

OUT = pathlib.Path(__file__).parent / "corpus" / "col"

def col(size=48, tag=100, **changes):
    return struct.pack("<HH", size, tag) + settings(**changes)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    wild = dict(brightness=25, contrast=-32768, sharpness=-9, unsharpEnabled=2, unsharpRadius=0,
                unsharpAmount=13, naturalColorOff=7, orderId=-1, orderIdEnabled=-5, colorMode=7,
                printMode=2)
    seeds = {
        "saved-defaults": col(),
        "brightness-25": col(brightness=25),
        "print-mode-2": col(printMode=2),
        "monochrome-mask": col(colorMode=1, unsharpEnabled=1, unsharpRadius=23, orderId=77),
        "wild-values": col(**wild),
        "header-48-101": col(tag=101),
        "header-100-48": col(size=100, tag=48),
        "longer-than-48": col(saturation=-10) + b"trailing bytes" * 3,
        "shorter-than-48": col()[:40],
        "empty": b"",
        "stored-out-of-range": col(brightness=3) + settings(**wild),
        "stored-equals-file": col(yellowBalance=4) + settings(yellowBalance=4),
    }
    for name, data in seeds.items():
        (OUT / name).write_bytes(data)


if __name__ == "__main__":
    main()
