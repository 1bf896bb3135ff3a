#!/usr/bin/env python3
"""Prints what an installation may change of a Windows environment (Wine prefix), one fact a
line, so that two environments compare with diff:

- the files and folders of C: with their sizes, DOS attributes and SHA-256, without Windows' own
  folder (only its .ini files are kept), the temporary folders and the files named to be left
  out;
- the lines of CONFIG.SYS and of the .ini files of the Windows folder (WIN.INI, SYSTEM.INI ...);
- every registry value of HKEY_LOCAL_MACHINE (system.reg) and HKEY_CURRENT_USER (user.reg) but
  those Wine itself rewrites on every start (NOISE below);
- the program groups that Program Manager's stand-in holds once the commands it recorded in
  C:\\progman.rec are carried out, sorted, so that neither the order nor the times of the
  recording matter.

    machine_state.py PREFIX [--leave-out NAME ...]
"""
import hashlib
import os
import re
import sys

# What Wine changes in the registry as it starts, whatever runs (two starts of one untouched
# environment differ in nothing else): left out, with why.
NOISE = [
    # The display driver's date, stamped with the day and time of each start.
    (re.compile(r'^System\\CurrentControlSet\\Control\\Class\\\{4d36e968-e325-11ce-bfc1-'
                r'08002be10318\}\\\d{4}$', re.I), re.compile(r'^"DriverDate(Data)?"=', re.I)),
    # Empty keys Wine's menu builder makes at an environment's first start, or not, as it finishes
    # before the run ends or not.
    (re.compile(r'^Software\\Wine\\(MenuFiles|FileOpenAssociations)$', re.I), None),
    # The console's defaults, which Wine writes into the user's settings the first time any
    # program of the environment gets a console, whichever program that is.
    (re.compile(r'^Console(\\|$)', re.I), None),
    # The display adapter's link value, which some starts write and others do not.
    (re.compile(r'^System\\CurrentControlSet\\Control\\Class\\\{4d36e968-e325-11ce-bfc1-'
                r'08002be10318\}\\\d{4}$', re.I), re.compile(r'^"SymbolicLinkValue"=', re.I)),
]

# Files whose bytes say when they were written rather than what they hold: their size is compared,
# their content as what it means. The shell links of the group hold the times of the programs
# they start (the group itself is compared from the commands below); the database engine's
# configuration holds its aliases in the order they were added.
LINK_FOLDER = re.compile(r'(^|/)start menu/programs/', re.I)
ENGINE_CONFIGURATION = 'idapi32.cfg'

# Program Manager's stand-in records here every command it is sent (tests start it so).
GROUP_RECORD = 'progman.rec'


def dos_attributes(path):
    """The attributes Wine keeps beside the file (hidden, system ...), and read-only, which it
    keeps as the file's lack of write permission."""
    try:
        kept = os.getxattr(path, 'user.DOSATTRIB').decode('ascii', 'replace').strip('\0')
    except OSError:
        kept = ''
    return kept + ('+ro' if not os.stat(path).st_mode & 0o222 else '')


def sha256(path):
    h = hashlib.sha256()
    with open(path, 'rb') as f:
        for block in iter(lambda: f.read(1 << 20), b''):
            h.update(block)
    return h.hexdigest()


def content(rel, path):
    if LINK_FOLDER.search(rel.replace(os.sep, '/')) and rel.lower().endswith('.lnk'):
        return 'link'
    if os.path.basename(rel).lower() == ENGINE_CONFIGURATION:
        lines = sorted(open(path, 'rb').read().splitlines())
        return hashlib.sha256(b'\n'.join(lines)).hexdigest()
    return sha256(path)


def files(drive_c, leave_out):
    for root, dirs, names in os.walk(drive_c):
        rel_root = os.path.relpath(root, drive_c)
        windows = rel_root == '.' and any(d.lower() == 'windows' for d in dirs)
        # Windows' own folder changes as Wine runs (only its .ini files are the installer's);
        # the temporary folders hold the working copy.
        dirs[:] = sorted(d for d in dirs
                         if not (rel_root == '.' and d.lower() == 'windows') and d.lower() != 'temp')
        for d in dirs:
            yield 'dir  %s' % os.path.normpath(os.path.join(rel_root, d))
        for name in sorted(names):
            rel = os.path.normpath(os.path.join(rel_root, name))
            if name.lower() in leave_out or rel.lower() == GROUP_RECORD:
                continue
            path = os.path.join(root, name)
            if os.path.islink(path) or not os.path.isfile(path):
                yield 'link %s' % rel
                continue
            yield 'file %s %d %s %s' % (rel, os.path.getsize(path), dos_attributes(path),
                                        content(rel, path))
        if windows:
            folder = named(root, 'windows')
            for name in sorted(os.listdir(folder)):
                path = os.path.join(folder, name)
                if (name.lower().endswith('.ini') and name.lower() not in leave_out and
                        os.path.isfile(path)):
                    yield 'file windows/%s %d %s %s' % (name, os.path.getsize(path),
                                                        dos_attributes(path), sha256(path))


def named(folder, name):
    """The entry of folder called name in any case, as Windows finds it."""
    try:
        return next((os.path.join(folder, n) for n in os.listdir(folder)
                     if n.lower() == name.lower()), None)
    except OSError:
        return None


def text_lines(label, path):
    if path and os.path.isfile(path):
        for line in open(path, encoding='latin-1'):
            yield '%s %s' % (label, line.rstrip('\r\n'))


def ini_files(drive_c, leave_out):
    windows = named(drive_c, 'windows')
    if windows and os.path.isdir(windows):
        for name in sorted(os.listdir(windows)):
            if name.lower().endswith('.ini') and name.lower() not in leave_out:
                yield from text_lines(name.lower(), os.path.join(windows, name))


def noise(key, line):
    return any(k.search(key) and (v is None or v.search(line)) for k, v in NOISE)


def temporary_only(key, line):
    """Files to go at the next start that all lie in a temporary folder (the working copy of an
    interactive run removes itself so): the temporary folders are left out, so is this."""
    if not (key.lower().endswith('\\session manager') and
            line.startswith('"PendingFileRenameOperations"=')):
        return False
    text = line.split(':', 1)[-1].strip('"')
    # The file's escapes: "\\" one backslash, "\0" the end of each name.
    paths = [p for p in re.split(r'(?<!\\)\\0', text) if p]
    return bool(paths) and all('\\\\temp\\\\' in p.lower() for p in paths)


def registry(prefix):
    for reg in ('system.reg', 'user.reg'):
        path = os.path.join(prefix, reg)
        if os.path.exists(path):
            yield from sorted(set(registry_file(reg, path)))


def registry_file(reg, path):
    """The keys and values of one registry file. Wine writes a key that holds no value only when
    it holds no key either: every key above one written is named too."""
    key, pending = None, ''
    for line in open(path, encoding='utf-8', errors='replace'):
        line = line.rstrip('\n')
        # A long value goes on over lines that end with a backslash.
        if pending:
            line, pending = pending + line.lstrip(), ''
        if line.endswith('\\') and not line.startswith('['):
            pending = line[:-1]
            continue
        if line.startswith('['):
            key = re.sub(r'\]\s*\d*$', '', line[1:]).replace('\\\\', '\\')
            parts = key.split('\\')
            for n in range(1, len(parts) + 1):
                above = '\\'.join(parts[:n])
                if not noise(above, ''):
                    yield '%s [%s]' % (reg, above)
        elif key is not None and line and not line.startswith(('#', ';')):
            if not noise(key, line) and not temporary_only(key, line):
                yield '%s [%s] %s' % (reg, key, line)


def group_commands(text):
    """The commands of DDE execute strings: [Name(arg, "quoted, arg")] ..."""
    i = 0
    while True:
        start = text.find('[', i)
        if start < 0:
            return
        open_paren = text.find('(', start)
        if open_paren < 0:
            return
        name, args, arg, quoted, i = text[start + 1:open_paren].strip(), [], '', False, open_paren + 1
        while i < len(text):
            c = text[i]
            i += 1
            if c == '"':
                quoted = not quoted
            elif c == ',' and not quoted:
                args.append(arg.strip())
                arg = ''
            elif c == ')' and not quoted:
                break
            else:
                arg += c
        args.append(arg.strip())
        yield name, args


def groups(drive_c):
    path = named(drive_c, GROUP_RECORD)
    if not path or not os.path.isfile(path):
        return
    held, current = {}, None
    for name, args in group_commands(open(path, encoding='latin-1').read()):
        name = name.lower()
        if name == 'creategroup':
            current = args[0]
            held.setdefault(current.lower(), (current, set()))
        elif name == 'additem' and current is not None:
            held[current.lower()][1].add(', '.join(args))
        elif name == 'deletegroup':
            held.pop(args[0].lower(), None)
            current = None
    for _, (group, items) in sorted(held.items()):
        yield 'group %s' % group
        for item in sorted(items):
            yield 'group %s item %s' % (group, item)


def main():
    prefix = sys.argv[1]
    leave_out = {n.lower() for n in sys.argv[3:]} if '--leave-out' in sys.argv[2:3] else set()
    drive_c = os.path.join(prefix, 'drive_c')
    config_sys = None if 'config.sys' in leave_out else named(drive_c, 'config.sys')
    lines = [files(drive_c, leave_out), text_lines('config.sys', config_sys),
             ini_files(drive_c, leave_out), registry(prefix), groups(drive_c)]
    out = sys.stdout
    for source in lines:
        for line in source:
            out.write(line + '\n')


if __name__ == '__main__':
    main()
