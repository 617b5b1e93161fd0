#!/usr/bin/env python3
"""Writes the seed corpus of the version harness: file times like those of the page's tests
(a morning in March, the zeroed date, the platform's largest 16-bit fields, negative values),
folders of usual and of just-fitting length, gamma fields with and without a terminating zero.
Layout: year, month, day, hour, minute as 32-bit values; a flags byte (1: the time was read,
2: fields cut to 16 bits, 4: the folder is known, bits 3-7: units given to the folder); the
error-message integer; then UTF-16 units, the folder's first and the gamma field's after."""
import pathlib
import struct

OUT = pathlib.Path(__file__).parent / "corpus" / "version"

TIME_READ, WORD_FIELDS, FOLDER_KNOWN = 1, 2, 4


def seed(fields, flags, error_setting, folder, gamma):
    units = len(folder)
    assert units % 8 == 0 and units <= 0xF8
    head = struct.pack("<5iBi", *fields, flags | units, error_setting)
    return head + (folder + gamma).encode("utf-16-le")


def padded(text, units):
    return text + "\\" * (units - len(text))


def main():
    OUT.mkdir(parents=True, exist_ok=True)
    system = padded("C:\\windows\\system32", 24)
    seeds = {
        "march-morning": seed((2021, 3, 5, 9, 7), TIME_READ | FOLDER_KNOWN, 1, system,
                              "Gamma 2.2 table\0\0\0"),
        "not-read": seed((0, 0, 0, 0, 0), FOLDER_KNOWN, 0, system, ""),
        "largest-fields": seed((65535,) * 5, TIME_READ | WORD_FIELDS | FOLDER_KNOWN, 2, system,
                               "x" * 128),
        "negative-fields": seed((-2147483648, -1, -12, 99, 100), TIME_READ, -1, "", "\0tail"),
        "folder-fits-exactly": seed((1999, 12, 31, 23, 59), TIME_READ | FOLDER_KNOWN, 0,
                                    padded("C:", 248), ""),
        "folder-query-failed": seed((987, 1, 1, 0, 0), TIME_READ, 1, system, "\\3"),
    }
    for name, data in seeds.items():
        (OUT / name).write_bytes(data)


if __name__ == "__main__":
    main()
