#!/usr/bin/env python3
"""The machine comparison sees one changed byte of a program file, one changed registry value
and a program group left behind, and nothing between two identical environments or in what Wine
rewrites on every start.

    machine_state_test.py WORK_DIR
"""
import os
import shutil
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
failures = 0


def check(condition, what):
    global failures
    if not condition:
        print('FAILED: ' + what, file=sys.stderr)
        failures += 1


def write(path, data, mode='w'):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, mode) as f:
        f.write(data)


def state(prefix):
    return subprocess.run([sys.executable, os.path.join(HERE, 'machine_state.py'), prefix,
                           '--leave-out', 'setup.log'],
                          check=True, capture_output=True, text=True).stdout.splitlines()


def differences(a, b):
    return sorted(set(state(a)) ^ set(state(b)))


def machine(prefix):
    app = os.path.join(prefix, 'drive_c', 'Program Files', 'Vortel App')
    write(os.path.join(app, 'VORTEL.EXE'), bytes(range(256)) * 40, 'wb')
    write(os.path.join(prefix, 'drive_c', 'CONFIG.SYS'), 'DEVICE=C:\\HIMEM.SYS\r\nFILES=30\r\n')
    write(os.path.join(prefix, 'drive_c', 'windows', 'win.ini'), '[Vortel]\r\nLastUser=Master\r\n')
    write(os.path.join(prefix, 'drive_c', 'windows', 'system32', 'x.dll'), 'wine')
    write(os.path.join(prefix, 'drive_c', 'setup.log'), 'the run\r\n')
    write(os.path.join(prefix, 'system.reg'), '\n'.join([
        'WINE REGISTRY Version 2', '#arch=win64', '',
        '[Software\\\\Borland\\\\Database Engine] 1700000000', '#time=1d9a0e1f2b3c4d5',
        '"DLLPATH"="C:\\\\Program Files\\\\Borland\\\\Common Files\\\\BDE"',
        '"UseCount"=dword:00000001', '"Blob"=hex:00,01,02,\\', '  03,04', '',
        '[System\\\\CurrentControlSet\\\\Control\\\\Class\\\\'
        '{4d36e968-e325-11ce-bfc1-08002be10318}\\\\0000] 1700000000',
        '"DriverDate"="12-9-2026"', '"DriverDateData"=hex:71,d1,50,7d,26,88,dd,01',
        '"DriverDesc"="Wine display driver"', '']))
    write(os.path.join(prefix, 'user.reg'), '\n'.join([
        'WINE REGISTRY Version 2', '', '[Software\\\\Vortel] 1700000000',
        '"Dir"="C:\\\\Program Files\\\\Vortel App"', '']))
    # A group made and then taken away again by the undoing.
    write(os.path.join(prefix, 'drive_c', 'progman.rec'),
          '[CreateGroup("RidOZIZUZ")][AddItem("C:\\Program Files (x86)\\Vortel App\\VORTEL.EXE",'
          'Vortel)][ShowGroup("RidOZIZUZ",1)][DeleteGroup("RidOZIZUZ")]')


def main():
    work = sys.argv[1]
    shutil.rmtree(work, ignore_errors=True)
    a, b = os.path.join(work, 'a'), os.path.join(work, 'b')
    machine(a)
    machine(b)
    # Wine's start-up stamps, the registry's times and the log differ: none of them counts.
    with open(os.path.join(b, 'system.reg')) as f:
        text = f.read()
    write(os.path.join(b, 'system.reg'),
          text.replace('1700000000', '1700000999').replace('12-9-2026', '12-10-2026')
          .replace('71,d1,50', '8c,7a,9a'))
    write(os.path.join(b, 'drive_c', 'setup.log'), 'another run\r\n')
    write(os.path.join(b, 'drive_c', 'windows', 'system32', 'x.dll'), 'wine, later')
    # No recording at all holds the same groups as one whose group was deleted.
    os.remove(os.path.join(b, 'drive_c', 'progman.rec'))
    check(differences(a, b) == [], 'two identical machines differ: %s' % differences(a, b))

    exe = os.path.join(b, 'drive_c', 'Program Files', 'Vortel App', 'VORTEL.EXE')
    data = bytearray(open(exe, 'rb').read())
    data[5000] ^= 1
    write(exe, bytes(data), 'wb')
    found = differences(a, b)
    check(len(found) == 2 and all('VORTEL.EXE' in line for line in found),
          'one changed byte of VORTEL.EXE: %s' % found)
    write(exe, bytes(data[:5000]) + bytes([data[5000] ^ 1]) + bytes(data[5001:]), 'wb')

    for reg, old, new in (('system.reg', 'dword:00000001', 'dword:00000002'),
                          ('system.reg', '  03,04', '  03,05'),
                          ('user.reg', 'Vortel App"', 'Vortel Apq"')):
        path = os.path.join(b, reg)
        text = open(path).read()
        write(path, text.replace(old, new))
        found = differences(a, b)
        check(len(found) == 2 and all(line.startswith(reg) for line in found),
              'one changed value in %s (%s): %s' % (reg, new, found))
        write(path, text)

    for name, old, new in (('windows/win.ini', 'Master', 'Mastor'), ('CONFIG.SYS', '30', '31')):
        path = os.path.join(b, 'drive_c', name)
        text = open(path, newline='').read()
        write(path, text.replace(old, new))
        check(len(differences(a, b)) == 4, 'one changed line of %s: %s' % (name, differences(a, b)))
        write(path, text)

    write(os.path.join(b, 'drive_c', 'progman.rec'),
          '[CreateGroup("RidOZIZUZ")][AddItem("C:\\Program Files (x86)\\Vortel App\\VORTEL.EXE",'
          'Vortel)]')
    check(differences(a, b) == ['group RidOZIZUZ', 'group RidOZIZUZ item C:\\Program Files (x86)'
                                '\\Vortel App\\VORTEL.EXE, Vortel'],
          'a group left behind: %s' % differences(a, b))
    if failures:
        sys.exit(1)
    shutil.rmtree(work)
    print('machine state: passed')


if __name__ == '__main__':
    main()
