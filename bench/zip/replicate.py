#!/usr/bin/env python3
"""Builds a larger archive from the entries of a small one, copying their compressed data
unchanged (so that methods no current tool writes, shrunk and imploded, can be timed).

usage: replicate.py SOURCE.zip OUT.zip COPIES
"""
import struct
import sys


def entries(data):
    end = data.rfind(b"PK\x05\x06")
    count, _, offset = struct.unpack_from("<HII", data, end + 10)
    pos = offset
    for _ in range(count):
        fields = struct.unpack_from("<4s6H3I5H2I", data, pos)
        name_len, extra_len, comment_len = fields[10], fields[11], fields[12]
        local = fields[16]
        name = data[pos + 46:pos + 46 + name_len]
        central = data[pos:pos + 46]
        pos += 46 + name_len + extra_len + comment_len
        l_name, l_extra = struct.unpack_from("<HH", data, local + 26)
        size = struct.unpack_from("<I", central, 20)[0]
        start = local + 30 + l_name + l_extra
        yield central, data[local:local + 30], name, data[start:start + size]


def main():
    source, out, copies = sys.argv[1], sys.argv[2], int(sys.argv[3])
    data = open(source, "rb").read()
    items = list(entries(data))
    body = bytearray()
    directory = bytearray()
    n = 0
    for copy in range(copies):
        for central, local, name, payload in items:
            new_name = b"C%04d/" % copy + name
            offset = len(body)
            body += local[:26] + struct.pack("<HH", len(new_name), 0) + new_name + payload
            directory += (central[:28] + struct.pack("<HHH", len(new_name), 0, 0) + central[34:42] +
                          struct.pack("<I", offset) + new_name)
            n += 1
    end = struct.pack("<4s4H2IH", b"PK\x05\x06", 0, 0, n, n, len(directory), len(body), 0)
    with open(out, "wb") as f:
        f.write(body + directory + end)


if __name__ == "__main__":
    main()
