#!/usr/bin/env python3
"""A product for the installation benchmark: the sample product with COUNT small files added,
4 to 10 KB of text each, in nested folders; half go to the program directory (HELP), half to
the data directory (DBDAT). The same seed gives the same bytes.

usage: make_product.py SAMPLE_PRODUCT OUT COUNT
"""
import os
import random
import shutil
import sys

WORDS = ('select from where record table field index alias vortel firma luna data '
         'client server begin end if then else return value count total sum date '
         'name code account invoice partner stock price amount').split()


def text(rng, size):
    out = []
    length = 0
    while length < size:
        line = ' '.join(rng.choice(WORDS) for _ in range(rng.randint(4, 12)))
        line += ' %d;%d\r\n' % (rng.randint(0, 99999), rng.randint(0, 999))
        out.append(line)
        length += len(line)
    return ''.join(out)[:size]


def fill(top, count, rng):
    # 10 folders of 5 folders each, the files spread over the 50 leaves.
    for i in range(count):
        leaf = i % 50
        folder = os.path.join(top, 'D%02d' % (leaf // 5), 'S%d' % (leaf % 5))
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, 'F%04d.TXT' % i), 'w', newline='') as f:
            f.write(text(rng, rng.randint(4096, 10240)))


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    sample, out, count = sys.argv[1], sys.argv[2], int(sys.argv[3])
    rng = random.Random(1998)
    shutil.rmtree(out, ignore_errors=True)
    shutil.copytree(sample, out)
    fill(os.path.join(out, 'HELP', 'DOC'), count // 2, rng)
    fill(os.path.join(out, 'DBDAT', 'DATA', 'ARHIVA'), count - count // 2, rng)


main()
