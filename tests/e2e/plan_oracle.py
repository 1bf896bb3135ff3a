#!/usr/bin/env python3
"""Compares a dry run's plan with what the real run changed, as two machine states
(machine_state.py) of the same machine before and after it show it: prints each change the
machine shows that no plan line names, and each plan line whose change the machine does not
show; exits 1 when there is any.

    plan_oracle.py PLAN BEFORE AFTER

What a plan line names, as the machine shows it:
- create directory / create file / replace file P: the path P (a file replaced by the same
  bytes shows no change);
- register the database engine from P: the file P and the keys and values under Borland's key;
- add alias: the engine's configuration file, IDAPI32.CFG;
- set WIN.INI, set CONFIG.SYS, create CONFIG.SYS: that file and its lines;
- set registry HKLM\\K N=V: the value N of K (and K and the keys above it, made for it), unless
  it held V already;
- create program group G, add program item T P: the group and its item as Program Manager holds
  them, and the folder and shortcut its stand-in makes in the Start Menu;
- run P: what the sample product's programs leave: the trace beside the program (the stand-ins
  record how they were started) and, for the control's registration, its COM keys;
- run database task: the upgrade library's trace in the data directory.
Left out of the comparison: the journal itself (*.JRN) and the copies of replaced files in the
records folder, which the plan describes rather than lists.
"""
import re
import sys

RECORDS = 'program files/ridozizuz setup/'
COM_KEYS = re.compile(r'^software\\classes\\(cfx32\.|clsid\\\{6f3c1a52-9d4e-4b7a-8e21-5c0d7a3b9f14\})')


def rel(windows_path):
    return windows_path[3:].replace('\\', '/').lower() if windows_path[1:3] == ':\\' else None


def things(line):
    """What one line of a machine state is about: ('path', p), ('key', reg, k) or
    ('value', reg, k, name), ('group', g) or ('item', g, text)."""
    m = re.match(r'^(?:dir  |link )(.*)$', line)
    if m:
        return ('path', m.group(1).lower())
    # The content is a SHA-256, or a word for what is compared by its meaning (a shell link).
    m = re.match(r'^file (.*) \d+ \S* (?:[0-9a-f]{64}|link)$', line) or \
        re.match(r'^file (.*) \d+  (?:[0-9a-f]{64}|link)$', line)
    if m:
        return ('path', m.group(1).lower())
    m = re.match(r'^(\S+\.(?:sys|ini)) ', line)
    if m:
        name = m.group(1).lower()
        return ('path', name if name == 'config.sys' else 'windows/' + name)
    m = re.match(r'^(system|user)\.reg \[(.*?)\](?: (".*?"|@)=)?', line)
    if m:
        key = m.group(2).lower()
        if m.group(3) is None:
            return ('key', m.group(1), key)
        return ('value', m.group(1), key, m.group(3).strip('"').lower())
    m = re.match(r'^group (.*?) item (.*)$', line)
    if m:
        return ('item', m.group(1).lower(), m.group(2).lower())
    m = re.match(r'^group (.*)$', line)
    if m:
        return ('group', m.group(1).lower())
    return ('other', line)


def expectations(plan):
    """(plan line, what it requires to have changed, what else it explains)."""
    group = None
    for line in plan:
        required, explains = [], []
        m = re.match(r'^(create directory|create file|replace file) (.*?)(?: \([\d,]+ bytes\))?$', line)
        if m:
            # A file replaced by the same bytes shows no change.
            (explains if m.group(1) == 'replace file' else required).append(('path', rel(m.group(2))))
        elif line.startswith('register the database engine from '):
            required.append(('path', rel(line.split(' from ', 1)[1])))
            explains.append(lambda t: t[0] in ('key', 'value') and t[1] == 'system' and
                            re.match(r'^software\\(wow6432node\\)?borland(\\|$)', t[2]))
        elif line.startswith('add alias '):
            required.append(('cfg',))
        elif re.match(r'^set WIN\.INI ', line):
            required.append(('path', 'windows/win.ini'))
        elif re.match(r'^(set|create) CONFIG\.SYS ', line):
            required.append(('path', 'config.sys'))
        elif line.startswith('set registry HKLM\\'):
            m = re.match(r'^set registry HKLM\\(.*?) (\S+?)=(.*) \(was (.*)\)$', line)
            key, name = m.group(1).lower(), m.group(2).lower()
            # A value set to what it held shows no change.
            (explains if m.group(3) == m.group(4) else required).append(('value', 'system', key, name))
            explains.append(lambda t, key=key: t[0] == 'key' and t[1] == 'system' and
                            (key + '\\').startswith(t[2] + '\\'))
        elif line.startswith('create program group '):
            group = line[len('create program group '):].lower()
            required.append(('group', group))
            explains.append(lambda t, g=group: t[0] == 'path' and
                            t[1].endswith('/start menu/programs/' + g))
        elif line.startswith('add program item '):
            title, path = re.match(r'^add program item (\S+) (.*)$', line).groups()
            required.append(('item', group, '%s, %s' % (path.lower(), title.lower())))
            explains.append(lambda t, g=group, title=title.lower(): t[0] == 'path' and
                            t[1].endswith('/start menu/programs/%s/%s.lnk' % (g, title)))
        elif line.startswith('run database task '):
            explains.append(lambda t: t[0] == 'path' and t[1].endswith('/upgrade.trc'))
        elif line.startswith('run '):
            program = re.match(r'^run "?(.*?\.EXE)', line, re.I).group(1)
            trace = rel(program)[:-4] + '.trc'
            required.append(('path', trace))
            if program.upper().endswith('TREGSVR.EXE'):
                explains.append(lambda t: t[0] == 'path' and t[1].endswith('/cfx32.trc'))
                explains.append(lambda t: t[0] in ('key', 'value') and COM_KEYS.match(t[2]))
        else:
            required.append(('unknown', line))
        yield line, required, explains


def main():
    plan = [l.rstrip('\r\n') for l in open(sys.argv[1], encoding='latin-1') if l.strip()]
    before = set(open(sys.argv[2], encoding='latin-1').read().splitlines())
    after = set(open(sys.argv[3], encoding='latin-1').read().splitlines())
    changed = {}
    for line in before ^ after:
        changed.setdefault(things(line), []).append(line)
    changed = {t: lines for t, lines in changed.items()
               if not (t[0] == 'path' and t[1].startswith(RECORDS) and
                       (t[1].endswith('.jrn') or '/' in t[1][len(RECORDS):]))}
    explained = set()
    faults = []
    for line, required, explains in expectations(plan):
        explained.update(t for t in changed for e in explains if isinstance(e, tuple) and t == e)
        explains = [e for e in explains if not isinstance(e, tuple)]
        for want in required:
            hits = [t for t in changed if t == want or
                    (want == ('cfg',) and t[0] == 'path' and t[1].endswith('/idapi32.cfg'))]
            if not hits:
                faults.append('the plan says, the machine does not show: ' + line)
            explained.update(hits)
        explained.update(t for t in changed for e in explains if e(t))
    for t, lines in sorted(changed.items()):
        if t not in explained:
            faults.extend('the machine shows, no plan line says: ' + l for l in sorted(lines))
    for fault in faults:
        print(fault)
    sys.exit(1 if faults else 0)


if __name__ == '__main__':
    main()
