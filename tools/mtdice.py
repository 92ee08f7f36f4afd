#!/usr/bin/env python3
"""The reference MT19937 sequence, for writing expected dice into tests and
transcripts by hand (independently of the plug-in's own generator).

  python3 tools/mtdice.py SEED COUNT [FACES]

prints the first COUNT outputs for SEED and, with FACES, each as a die
(output % FACES + 1).
"""
import sys


def mt19937(seed):
    mt = [0] * 624
    mt[0] = seed & 0xFFFFFFFF
    for i in range(1, 624):
        mt[i] = (1812433253 * (mt[i - 1] ^ (mt[i - 1] >> 30)) + i) & 0xFFFFFFFF
    index = 624
    while True:
        if index >= 624:
            for i in range(624):
                y = (mt[i] & 0x80000000) | (mt[(i + 1) % 624] & 0x7FFFFFFF)
                mt[i] = mt[(i + 397) % 624] ^ (y >> 1) ^ (0x9908B0DF if y & 1 else 0)
            index = 0
        y = mt[index]
        index += 1
        y ^= y >> 11
        y ^= (y << 7) & 0x9D2C5680
        y ^= (y << 15) & 0xEFC60000
        y ^= y >> 18
        yield y


if __name__ == "__main__":
    seed, count = int(sys.argv[1]), int(sys.argv[2])
    faces = int(sys.argv[3]) if len(sys.argv) > 3 else 0
    gen = mt19937(seed)
    for _ in range(count):
        v = next(gen)
        print(v, v % faces + 1 if faces else "")
