#!/usr/bin/env python3
"""Collects every string literal of the test tables into corpus.txt, the solve seeds into seeds.txt.

The golden test solves each line. Lines are escaped: \\\\ for a backslash, \\n for LF, \\r for
CR, \\t for a tab and \\xNN for every other byte outside 32..126. Run it from the repository
root; the committed corpus.txt is what the golden outcomes were generated from.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[3]
SOURCES = ["tests/engine", "tests/app", "tests/cli", "tests/graph", "tests/library"]
LITERAL = re.compile(rb'(?<![A-Za-z0-9_\'])"((?:[^"\\\n]|\\.)*)"')


def unescape(body: bytes) -> bytes:
    out = bytearray()
    i = 0
    while i < len(body):
        c = body[i]
        if c != 0x5C:
            out.append(c)
            i += 1
            continue
        n = body[i + 1:i + 2]
        if n == b"x":
            m = re.match(rb"[0-9A-Fa-f]+", body[i + 2:])
            out.append(int(m.group(0), 16) & 0xFF)
            i += 2 + len(m.group(0))
            continue
        out += {b"n": b"\n", b"r": b"\r", b"t": b"\t", b"0": b"\0"}.get(n, n)
        i += 2
    return bytes(out)


def escape(text: bytes) -> str:
    parts = []
    for b in text:
        if b == 0x5C:
            parts.append("\\\\")
        elif b == 10:
            parts.append("\\n")
        elif b == 13:
            parts.append("\\r")
        elif b == 9:
            parts.append("\\t")
        elif 32 <= b <= 126:
            parts.append(chr(b))
        else:
            parts.append("\\x%02X" % b)
    return "".join(parts)


def main() -> int:
    seen = set()
    lines = []
    for folder in SOURCES:
        for path in sorted((ROOT / folder).glob("*.cpp")):
            data = path.read_bytes()
            # Raw strings and includes are no expressions.
            data = re.sub(rb"^#include.*$", b"", data, flags=re.M)
            for match in LITERAL.finditer(data):
                text = unescape(match.group(1))
                if len(text) > 400 or text in seen:
                    continue
                seen.add(text)
                lines.append(escape(text))
    out = ROOT / "tests/engine/golden/corpus.txt"
    out.write_text("\n".join(lines) + "\n", encoding="ascii")
    print(f"{len(lines)} expressions from the test tables", file=sys.stderr)
    # The solve fuzzer's seeds, whole (number system byte, flags byte, mask, expression and
    # variable lines), as a snapshot: later seeds must not change the golden outcomes.
    seeds = [escape(path.read_bytes())
             for path in sorted((ROOT / "fuzz/corpus/fuzz_solve").iterdir())]
    (ROOT / "tests/engine/golden/seeds.txt").write_text("\n".join(seeds) + "\n",
                                                        encoding="ascii")
    print(f"{len(seeds)} solve seeds", file=sys.stderr)
    return 0


if __name__ == "__main__":
    sys.exit(main())
