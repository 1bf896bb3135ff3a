#!/usr/bin/env python3
"""Writes COUNT small archives of varied content into DIR, half with Info-ZIP zip and half
with Python's zipfile, and lists them in DIR/archives.txt."""
import os
import random
import subprocess
import sys
import zipfile


def content(rng):
    kind = rng.randrange(5)
    size = rng.choice([0, 1, 2, 100, 1000, 4095, 4096, 32768, 32769, 70000, 150000])
    if kind == 0:
        words = [b"setup", b"vortel", b"alias", b"\r\n", b"data", b"0042", b" "]
        out = b"".join(rng.choice(words) for _ in range(size // 3 + 1))
    elif kind == 1:
        out = rng.randbytes(size)
    elif kind == 2:
        out = bytes([rng.randrange(4)]) * size
    elif kind == 3:
        block = rng.randbytes(rng.randint(1, 300))
        out = block * (size // len(block) + 1)
    else:
        out = bytes((i * i // 7) & 0xFF for i in range(size))
    return out[:size]


def main():
    root, count = sys.argv[1], int(sys.argv[2])
    rng = random.Random(int(sys.argv[3]) if len(sys.argv) > 3 else 11)
    listing = []
    for i in range(count):
        tree = os.path.join(root, "src%03d" % i)
        os.makedirs(tree)
        names = []
        for k in range(rng.randint(1, 6)):
            sub = rng.choice(["", "SUB/", "SUB/DEEP/", "A B/"])
            name = sub + "F%d%s" % (k, rng.choice([".TXT", ".BIN", ".DLL", ""]))
            os.makedirs(os.path.join(tree, os.path.dirname(name)), exist_ok=True)
            with open(os.path.join(tree, name), "wb") as f:
                f.write(content(rng))
            names.append(name)
        archive = os.path.join(root, "a%03d.zip" % i)
        if i % 2 == 0:
            level = "-%d" % rng.randint(0, 9)
            subprocess.run(["zip", "-q", "-r", "-X", level, archive, "."], cwd=tree, check=True)
        else:
            method = rng.choice([zipfile.ZIP_STORED, zipfile.ZIP_DEFLATED, zipfile.ZIP_DEFLATED])
            with zipfile.ZipFile(archive, "w", method, compresslevel=rng.randint(1, 9)) as z:
                for name in names:
                    z.write(os.path.join(tree, name), name)
        listing.append(archive)
    with open(os.path.join(root, "archives.txt"), "w") as f:
        f.write("\n".join(listing) + "\n")


if __name__ == "__main__":
    main()
