#!/usr/bin/env python3
"""Writes the .qdl and .ini test fixtures straight from the byte layout, without the C++ code.

Run from the repository root:  python3 tools/make_fixtures.py
Writes tests/fixtures/*.qdl, *.ini and the fuzzer seeds in fuzz/seeds/.
"""
import datetime
import math
import os
import struct

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
FIXTURES = os.path.join(ROOT, "tests", "fixtures")
SEEDS = os.path.join(ROOT, "fuzz", "seeds")


def ole_date(year, month, day, hour=0, minute=0, second=0):
    days = (datetime.date(year, month, day) - datetime.date(1899, 12, 30)).days
    return days + (hour * 3600 + minute * 60 + second) / 86400.0


def zero_record():
    return {
        "Length": [0.0] * 15,
        "Dial1Reading": [0.0] * 12,
        "Dial2Reading": [0.0] * 12,
        "Span": 0.0,
        "RPM": 0.0,
        "Material": 0,
        "HotTemp": [0.0] * 4,
        "ColdTemp": [0.0] * 4,
        "Reserved1": 0.0,
        "FaceDia2": 0.0,
        "FaceDia1": 0.0,
        "Sag": 0.0,
        "Station": [0] * 4,
        "FootHeight": [0.0] * 4,
        "ReservedText": b"",
        "Machine": b"",
        "Technician": b"",
        "Comments": b"",
        "M1Text": b"",
        "M2Text": b"",
        "Growth": [0.0] * 18,
        "DateStamp": 0.0,
    }


def default_record():
    """The new project of a fresh program: (m, j) lives at index m + 3 * j."""
    r = zero_record()

    def put(field, m, values):
        for j, v in enumerate(values):
            r[field][m + 3 * j] = v

    put("Length", 0, [20, 5, 10, 5, 20])
    put("Dial1Reading", 0, [0, 20, 50, 30])
    put("Dial2Reading", 0, [0, -20, -50, -30])
    r["Station"] = [1, 1, 0, 0]
    put("Length", 1, [20, 20])
    put("Dial1Reading", 1, [0, 10, 10, 0])
    put("Dial2Reading", 1, [0, -2, -2, 0])
    r["FaceDia1"] = 10.0
    put("Length", 2, [70, 30, 50])
    put("Dial1Reading", 2, [0, 5, 4, -1])
    put("Dial2Reading", 2, [0, -3, -4, -1])
    r["FaceDia2"] = 10.0
    r["ColdTemp"] = [72.0] * 4
    r["HotTemp"] = [144.0] * 4
    r["FootHeight"] = [10.0] * 4
    r["Span"] = 10.0
    r["RPM"] = 3600.0
    return r


def encode(r):
    out = bytearray()
    singles = lambda values: b"".join(struct.pack("<f", v) for v in values)
    out += singles(r["Length"]) + singles(r["Dial1Reading"]) + singles(r["Dial2Reading"])
    out += struct.pack("<ff", r["Span"], r["RPM"])
    out += struct.pack("<h", r["Material"])
    out += singles(r["HotTemp"]) + singles(r["ColdTemp"])
    out += struct.pack("<ffff", r["Reserved1"], r["FaceDia2"], r["FaceDia1"], r["Sag"])
    out += struct.pack("<4h", *r["Station"])
    out += singles(r["FootHeight"])
    assert len(out) == 238
    for name in ("ReservedText", "Machine", "Technician", "Comments", "M1Text", "M2Text"):
        text = r[name]
        out += struct.pack("<H", len(text)) + text
    out += singles(r["Growth"])
    out += struct.pack("<d", r["DateStamp"])
    return bytes(out)


def texts_record():
    """Every field holds its own value, so a field read from the wrong offset shows."""
    r = zero_record()
    r["Length"] = [1.5 + i for i in range(15)]
    r["Dial1Reading"] = [-10.25 + i for i in range(12)]
    r["Dial2Reading"] = [100.75 + i for i in range(12)]
    r["Span"] = 12.5
    r["RPM"] = 1780.0
    r["Material"] = 3
    r["HotTemp"] = [150.0, 151.0, 152.0, 153.0]
    r["ColdTemp"] = [60.0, 61.0, 62.0, 63.0]
    r["Reserved1"] = -7.0
    r["FaceDia2"] = 8.5
    r["FaceDia1"] = 6.25
    r["Sag"] = -2.0
    r["Station"] = [0, 1, 1, 0]
    r["FootHeight"] = [11.0, 12.0, 13.0, 14.0]
    r["ReservedText"] = b"raw \x81\x8d\x8f\x90\x9d"
    r["Machine"] = "Pumpe P-101 Müller".encode("cp1252")
    r["Technician"] = "José Ñúñez".encode("cp1252")
    r["Comments"] = "Kupplung € 0,5 mm\r\nzweite Zeile \"ok\"\ttab".encode("cp1252")
    r["M1Text"] = "Motor".encode("cp1252")
    r["M2Text"] = "Pumpe ü".encode("cp1252")
    r["Growth"] = [0.5 * i for i in range(18)]
    r["DateStamp"] = ole_date(2024, 3, 15, 10, 30, 0)
    return r


def nonfinite_record():
    r = default_record()
    r["Length"][0] = math.nan
    r["Length"][3] = math.inf
    r["Length"][6] = -math.inf
    r["Dial1Reading"][1] = 25.0 / 6.0  # a Single of 4.1666665
    r["Dial1Reading"][4] = 0.1
    r["Dial2Reading"][1] = 1e20
    r["Dial2Reading"][4] = -0.0
    r["Sag"] = 1e-7
    r["Growth"][0] = math.nan
    r["DateStamp"] = math.nan
    return r


def settings(entries):
    return b"".join(struct.pack("<H", len(e)) + e for e in entries)


def write(folder, name, data):
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def main():
    default = default_record()
    default["DateStamp"] = ole_date(2024, 3, 15, 10, 30, 0)
    default_bytes = encode(default)
    assert len(default_bytes) == 330
    texts_bytes = encode(texts_record())
    # Cut inside the Comments text: its count promises more bytes than the file holds.
    comments_at = texts_bytes.index("Kupplung".encode("cp1252"))
    truncated_bytes = texts_bytes[: comments_at + 10]

    write(FIXTURES, "default.qdl", default_bytes)
    write(FIXTURES, "texts.qdl", texts_bytes)
    write(FIXTURES, "nonfinite.qdl", encode(nonfinite_record()))
    write(FIXTURES, "truncated.qdl", truncated_bytes)
    recent = [b"/home/tech/jobs/P-101.qdl", b"/home/tech/jobs/M\xfcller.qdl", b"", b"/tmp/x.qdl", b""]
    write(FIXTURES, "recent.ini", settings(recent))

    write(os.path.join(SEEDS, "project"), "default.qdl", default_bytes)
    write(os.path.join(SEEDS, "project"), "texts.qdl", texts_bytes)
    write(os.path.join(SEEDS, "settings"), "recent.ini", settings(recent))


if __name__ == "__main__":
    main()
