#!/usr/bin/env python3
"""Writes the benchmark's input tree: text, executable-like and incompressible files.

usage: make_data.py DIR [TOTAL_MB]
The mix is about 40% text, 35% executable-like (the system's own shared libraries, which
compress like programs) and 25% random bytes. Deterministic for a given machine.
"""
import os
import random
import sys

WORDS = ("the of and to in is that for it as was with be by on not he this are or his from at "
         "which but have an they you were her all she there would their we him been has when "
         "who will more no if out so said what up its about into than them can only other new "
         "some could time these two may then do first any my now such like our over man me even "
         "most made after also did many before must through back years where much your way well "
         "down should because each just those people how too little state good very make world "
         "installation database program directory configuration archive extraction progress").split()


def write_text(path, size, rng):
    lines = []
    written = 0
    while written < size:
        n = rng.randint(4, 16)
        line = " ".join(rng.choice(WORDS) for _ in range(n))
        if rng.random() < 0.1:
            line = "%08d;%s;%d.%02d" % (rng.randint(0, 99999999), line[:20], rng.randint(0, 9999),
                                        rng.randint(0, 99))
        line += "\r\n"
        lines.append(line)
        written += len(line)
    with open(path, "w", newline="") as f:
        f.write("".join(lines)[:size])


def library_stream():
    roots = ["/usr/lib/x86_64-linux-gnu", "/usr/lib", "/usr/bin"]
    for root in roots:
        for dirpath, _, files in sorted(os.walk(root)):
            for name in sorted(files):
                p = os.path.join(dirpath, name)
                if os.path.islink(p) or not os.path.isfile(p):
                    continue
                try:
                    with open(p, "rb") as f:
                        head = f.read(4)
                        if head != b"\x7fELF":
                            continue
                        f.seek(0)
                        yield f.read()
                except OSError:
                    continue


def main():
    out = sys.argv[1]
    total = int(sys.argv[2]) if len(sys.argv) > 2 else 300
    rng = random.Random(1994)
    os.makedirs(out, exist_ok=True)
    mb = 1 << 20
    text_total, exe_total = total * 40 // 100 * mb, total * 35 // 100 * mb
    rand_total = total * mb - text_total - exe_total

    os.makedirs(os.path.join(out, "text"), exist_ok=True)
    made = 0
    i = 0
    while made < text_total:
        size = min(rng.randint(1, 6) * mb + rng.randint(0, 99999), text_total - made)
        write_text(os.path.join(out, "text", "t%03d.txt" % i), size, rng)
        made += size
        i += 1

    os.makedirs(os.path.join(out, "bin"), exist_ok=True)
    made = 0
    i = 0
    for blob in library_stream():
        if made >= exe_total:
            break
        blob = blob[: exe_total - made]
        with open(os.path.join(out, "bin", "m%04d.dll" % i), "wb") as f:
            f.write(blob)
        made += len(blob)
        i += 1

    os.makedirs(os.path.join(out, "random"), exist_ok=True)
    made = 0
    i = 0
    while made < rand_total:
        size = min(rng.randint(2, 10) * mb, rand_total - made)
        with open(os.path.join(out, "random", "r%03d.bin" % i), "wb") as f:
            f.write(rng.randbytes(size))
        made += size
        i += 1


if __name__ == "__main__":
    main()
