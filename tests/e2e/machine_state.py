#!/usr/bin/env python3
"""Prints what an installation may change of a Windows environment (Wine prefix), one fact a
line, so that two environments compare with diff: the files of C: with their sizes and DOS
attributes (without Windows' own folder, the temporary folders and the files named to be left
out), WIN.INI, and the registry's keys and values of the product and its engine.

    machine_state.py PREFIX [--leave-out NAME ...]
"""
import os
import re
import sys


def dos_attributes(path):
    try:
        return os.getxattr(path, 'user.DOSATTRIB').decode('ascii', 'replace').strip('\0')
    except OSError:
        return ''


def files(drive_c, leave_out):
    for root, dirs, names in os.walk(drive_c):
        rel_root = os.path.relpath(root, drive_c)
        # Windows' own folder changes as Wine runs; the temporary folders hold the working copy.
        dirs[:] = [d for d in dirs
                   if not (rel_root == '.' and d.lower() == 'windows') and d.lower() != 'temp']
        for d in sorted(dirs):
            yield 'dir  %s' % os.path.normpath(os.path.join(rel_root, d))
        for name in sorted(names):
            rel = os.path.normpath(os.path.join(rel_root, name))
            if name.lower() in leave_out:
                continue
            path = os.path.join(root, name)
            yield 'file %s %d %s' % (rel, os.path.getsize(path), dos_attributes(path))


def registry(prefix):
    wanted = re.compile(r'borland|ridozizuz|vortel', re.I)
    for reg in ('system.reg', 'user.reg'):
        path = os.path.join(prefix, reg)
        if not os.path.exists(path):
            continue
        key = None
        for line in open(path, encoding='utf-8', errors='replace'):
            line = line.rstrip('\n')
            if line.startswith('['):
                key = re.sub(r'\]\s*\d*$', ']', line)
                if wanted.search(key):
                    yield '%s %s' % (reg, key)
            elif key and wanted.search(key) and line and not line.startswith('#'):
                yield '%s %s %s' % (reg, key, line)


def main():
    prefix = sys.argv[1]
    leave_out = {n.lower() for n in sys.argv[3:]} if '--leave-out' in sys.argv[2:3] else set()
    drive_c = os.path.join(prefix, 'drive_c')
    for line in files(drive_c, leave_out):
        print(line)
    win_ini = os.path.join(drive_c, 'windows', 'win.ini')
    if os.path.exists(win_ini):
        for line in open(win_ini, encoding='latin-1'):
            print('win.ini ' + line.rstrip('\r\n'))
    for line in registry(prefix):
        print(line)


if __name__ == '__main__':
    main()
