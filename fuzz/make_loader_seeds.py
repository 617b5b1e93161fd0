#!/usr/bin/env python3
"""Writes the seed corpus of the loader harness: BMP files like those the loader tests build
(well-formed, odd widths, larger headers, crops, lying sizes, other depths and compressions,
top-down, truncated), the sample picture, each followed by the harness's two option bytes
(options, parameter): 0, 0 is an honest file; 1 a short read, 2 failed reads, 4 a file that
shrank after its size was taken."""
import pathlib
import struct

HERE = pathlib.Path(__file__).parent
OUT = HERE / "corpus" / "loader"
SAMPLE = HERE.parent / "plugin" / "res" / "sample_picture.bmp"

HONEST = bytes([0, 0])


def pattern(x, y, c):
    return (x * 7 + y * 13 + c * 101 + (x >> 8) * 3 + (y >> 8) * 5) & 0xFF


def bmp(width=4, height=4, bits=24, planes=1, compression=0, info_size=40, offset=54,
        claimed=None, keep=None):
    """A whole file: headers, any gap up to offset, the pattern in every pixel (padding 0).
    keep cuts the file to that many bytes; claimed is bfSize (default: the real size)."""
    stride = (max(width, 0) * 3 + 3) // 4 * 4
    rows = max(height, 0)
    size = keep if keep is not None else max(offset, 54) + stride * rows
    out = bytearray(max(size, 54))
    struct.pack_into("<2sIHHI", out, 0, b"BM", 0, 0, 0, offset)
    struct.pack_into("<IiiHHI", out, 14, info_size, width, height, planes, bits, compression)
    for y in range(rows):
        if offset + y * stride >= len(out):
            break
        for x in range(max(width, 0)):
            at = offset + y * stride + 3 * x
            if at + 3 > len(out):
                break
            out[at:at + 3] = bytes(pattern(x, y, c) for c in range(3))
    out = out[:size]
    if len(out) >= 6:
        struct.pack_into("<I", out, 2, (claimed if claimed is not None else len(out)) & 0xFFFFFFFF)
    return bytes(out)


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    real = len(bmp(4, 3))
    seeds = {
        "small": bmp(4, 3) + HONEST,
        "odd-width": bmp(5, 3) + HONEST,
        "one-pixel": bmp(1, 1) + HONEST,
        "v5-header": bmp(3, 2, info_size=124, offset=14 + 124) + HONEST,
        "gap-before-pixels": bmp(6, 2, offset=300) + HONEST,
        "crop-193": bmp(193, 193) + HONEST,
        "strip-wide": bmp(700, 2) + HONEST,
        "strip-high": bmp(2, 700) + HONEST,
        "sample-picture": SAMPLE.read_bytes() + HONEST,
        "claims-less": bmp(4, 3, claimed=real - 7) + HONEST,
        "claims-more": bmp(4, 3, claimed=real + 100) + HONEST,
        "claims-below-offset": bmp(4, 3, claimed=55) + HONEST,
        "8-bit": bmp(8, 6, bits=8) + HONEST,
        "32-bit": bmp(8, 6, bits=32) + HONEST,
        "rle8": bmp(8, 6, compression=1) + HONEST,
        "bitfields": bmp(8, 6, compression=3) + HONEST,
        "two-planes": bmp(8, 6, planes=2) + HONEST,
        "core-header": bmp(8, 6, info_size=12) + HONEST,
        "offset-53": bmp(8, 6, offset=53) + HONEST,
        "top-down": bmp(8, -6, keep=54 + 24 * 6) + HONEST,
        "too-wide": bmp(32768, 192, keep=200) + HONEST,
        "huge-sizes": bmp(0x7FFFFFFF, 0x7FFFFFFF, keep=600) + HONEST,
        "pixels-cut": bmp(8, 6, keep=54 + 24 * 6 - 1) + HONEST,
        "header-cut": bmp(8, 6, keep=40) + HONEST,
        "not-bm": b"BA" + bmp(8, 6)[2:] + HONEST,
        "empty": HONEST,
        "short-read": bmp(5, 3) + bytes([1, 2]),
        "failed-read": bmp(5, 3) + bytes([2, 1]),
        "shrunk": bmp(4, 3, keep=54 + 16) + bytes([4, 1]),
        "crop-short-read": bmp(193, 193) + bytes([1, 7]),
    }
    for name, data in seeds.items():
        (OUT / name).write_bytes(data)


if __name__ == "__main__":
    main()
