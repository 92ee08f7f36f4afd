#!/usr/bin/env python3
"""Copies a C++ source file with its narrow literals turned into code page 932.

The plug-in is built with GCC's -fexec-charset=CP932; clang (which libFuzzer
and the coverage tools need) only knows UTF-8 there. This rewrites every
non-ASCII character inside a narrow string or character literal as octal
escapes of its code page 932 bytes, so clang compiles the same bytes GCC
would. Wide and UTF-8 literals (u"", U"", L"", u8"") and comments stay as
they are, and no line is added or removed, so line numbers (coverage,
sanitizer reports) match the original file.

usage: cp932_literals.py INPUT OUTPUT
"""

import os
import sys

# Characters iconv's CP932 takes that Python's cp932 codec does not.
EXTRA = {"\u301c": b"\x81\x60", "\u2016": b"\x81\x61", "\u2212": b"\x81\x7c", "\u00a2": b"\x81\x91",
         "\u00a3": b"\x81\x92", "\u00ac": b"\x81\xca"}


def encode(char):
    try:
        return char.encode("cp932")
    except UnicodeEncodeError:
        if char in EXTRA:
            return EXTRA[char]
        raise


def octal(data):
    # Octal escapes end after three digits, so a following digit stays itself.
    return "".join("\\%03o" % b for b in data)


def convert(text):
    out = []
    i = 0
    n = len(text)
    while i < n:
        c = text[i]
        if text.startswith("//", i):
            end = text.find("\n", i)
            end = n if end < 0 else end
            out.append(text[i:end])
            i = end
        elif text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(text[i:end])
            i = end
        elif c.isdigit() or (c == "." and i + 1 < n and text[i + 1].isdigit()):
            # A pp-number, which may hold digit separators (1'000).
            j = i + 1
            while j < n and (text[j].isalnum() or text[j] in "_.'" or
                             (text[j] in "+-" and text[j - 1] in "eEpP")):
                j += 1
            out.append(text[i:j])
            i = j
        elif c.isalpha() or c == "_":
            j = i
            while j < n and (text[j].isalnum() or text[j] == "_"):
                j += 1
            word = text[i:j]
            if j < n and text[j] in "\"'" and word in ("u8", "u", "U", "L"):
                # A wide or UTF-8 literal: copied as it is.
                end = literal_end(text, j)
                out.append(text[i:end])
                i = end
            elif j < n and text[j] == '"' and word.endswith("R") and word[:-1] in ("", "u8", "u", "U", "L"):
                delimiter = text[j + 1:text.index("(", j)]
                end = text.index(")" + delimiter + '"', j) + len(delimiter) + 2
                body = text[j:end]
                if word == "R" and any(ord(ch) > 127 for ch in body):
                    raise SystemExit("a raw narrow literal with non-ASCII text cannot be converted")
                out.append(text[i:end])
                i = end
            else:
                out.append(word)
                i = j
        elif c in "\"'":
            end = literal_end(text, i)
            out.append("".join(ch if ord(ch) < 128 else octal(encode(ch)) for ch in text[i:end]))
            i = end
        else:
            out.append(c)
            i += 1
    return "".join(out)


def literal_end(text, start):
    quote = text[start]
    i = start + 1
    while i < len(text) and text[i] != quote:
        if text[i] == "\\":
            i += 1
        elif text[i] == "\n":
            break
        i += 1
    return i + 1


def main():
    source, target = sys.argv[1], sys.argv[2]
    with open(source, encoding="utf-8") as f:
        text = f.read()
    os.makedirs(os.path.dirname(target), exist_ok=True)
    converted = convert(text)
    with open(target, "w", encoding="utf-8") as f:
        f.write(converted)


if __name__ == "__main__":
    main()
