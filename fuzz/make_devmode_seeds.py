#!/usr/bin/env python3
"""Writes the seed corpus of the devmode harness: pairs of 576-byte private records (source,
then target) like those the tests use: defaults, other signatures, lying sizes, values beyond
their ranges."""
import pathlib
import struct

from seed_records import FIELDS

OUT = pathlib.Path(__file__).parent / "corpus" / "devmode"



def record(size=576, signature=b"ZKTB", version=1, settings=None, path="C:\\pictures\\a.bmp"):
    values = settings or (0, 0, 0, 0, 0, 0, 0, 0, 5, 10, 5, 0, 0, 0, 0, 0, 0)
    body = struct.pack("<I4sI", size, signature, version) + struct.pack(FIELDS, *values)
    name = path.encode("utf-16-le")
    return body + name + bytes(576 - len(body) - len(name))


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    wild = (11, -11, 32767, -32768, 5, 0, -5, 7, 13, 0, 21, 11, 2, 1001, -1, 7, 2)
    seeds = {
        "defaults": record() + record(path=""),
        "short-source": record(size=100, settings=(3,) * 7 + (1, 2, 3, 4, 5, 1, 1, 1, 1, 1)) + record(),
        "huge-sizes": record(size=0xFFFFFFFF) + record(size=100000),
        "other-signature": record(signature=b"ABCD") + record(),
        "out-of-range": record(settings=wild) + record(),
        "zero-size": record(size=0) + record(size=12),
        "truncated": record()[:200],
    }
    for name, data in seeds.items():
        (OUT / name).write_bytes(data)


if __name__ == "__main__":
    main()
