#!/usr/bin/env python3
"""A chat line that is no command costs no system call at all, and a call
that only reads settings one: runs syscall_probe under strace and counts the
calls between its markers.

  syscall_test.py PROBE LIBRARY WORK_DIR
Exits 77 (skipped) when strace is missing or not allowed here.
"""
import os
import shutil
import subprocess
import sys

CASES = [
    # (text, most system calls allowed for 100 calls)
    ("hello everyone, ready to roll?", 0),
    ("\x8d\xa1\x93\xfa\x82\xcd\x82\xe6\x82\xeb\x82\xb5\x82\xad", 0),  # Japanese chat (code page 932)
    ("5 of us tonight", 0),  # a number alone, not prefixed: no answer, no setting read
    ("#hello", 0),  # a prefixed word that names nothing and is no expression
    # A roll reads the display name and the game mode: one look at the file
    # per call, and no lock, since it changes nothing.
    ("#2D6+3", 100),
    ("#3DX@8", 100),
    ("#GET LIST", 100),
]


def main():
    probe, library, work = sys.argv[1:4]
    if shutil.which("strace") is None:
        print("strace is not installed")
        return 77
    os.makedirs(work, exist_ok=True)
    copy = os.path.join(work, os.path.basename(library))
    shutil.copyfile(library, copy)
    failed = 0
    for text, allowed in CASES:
        trace = os.path.join(work, "trace.txt")
        arg = text.encode("latin-1")
        run = subprocess.run(["strace", "-f", "-o", trace, probe, copy, arg, "100"], capture_output=True)
        if run.returncode != 0 and not os.path.exists(trace):
            print("strace could not run here:", run.stderr.decode(errors="replace"))
            return 77
        if run.returncode != 0:
            print("probe failed", run.returncode, run.stderr.decode(errors="replace"))
            return 1
        with open(trace, encoding="utf-8", errors="replace") as f:
            lines = f.read().splitlines()
        begin = next(i for i, l in enumerate(lines) if "MIRADO-BEGIN" in l)
        end = next(i for i, l in enumerate(lines) if "MIRADO-END" in l)
        between = [l for l in lines[begin + 1:end] if l.strip()]
        status = "ok" if len(between) <= allowed else "too many"
        print(f"{text!r}: {len(between)} system calls in 100 calls ({status})")
        for l in between[:10]:
            print("   ", l)
        if len(between) > allowed:
            failed += 1
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
