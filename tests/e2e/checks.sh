# Sourced by the end-to-end tests: check CONDITION WHAT counts a failure and names it.
failures=0
# The Windows programs under test: the 32-bit build, or the 64-bit one where Wine cannot run it.
windows_bin="$root/build/${VORT_WINDOWS_PRESET:-win32}/bin"
check() {
  if ! eval "$1"; then
    echo "FAILED: $2" >&2
    failures=$((failures + 1))
  fi
}
same() { cmp -s "$1" "$2"; }

# check_installed_machine PREFIX PROGRAM_DIR DATA_DIR [ANSI_PROGRAM_DIR ANSI_DATA_DIR]: the
# machine a fresh installation of the sample product left, with the program and data directories
# as Windows paths under C:, and the forms the engine and Program Manager were given for them
# (the same unless the code page lacks one of their characters).
check_installed_machine() {
  local prefix="$1" c="$1/drive_c" product="${VORT_SAMPLE_PRODUCT:-$root/build/sample-product}" opened alias engine_cfg
  local program_dir="$2" data_dir="$3" ansi_program_dir="${4:-$2}" ansi_data_dir="${5:-$3}"
  local app="$c/$(tr '\\' / <<<"${2#C:\\}")" data="$c/$(tr '\\' / <<<"${3#C:\\}")"
  check 'same "$app/VORTEL.EXE" "$product/EXE/VORTEL.EXE"' "VORTEL.EXE installed byte for byte"
  check 'same "$data/DATA/VORTEL.DB" "$product/DBDAT/DATA/VORTEL.DB"' "the database in the data directory"
  check 'same "$data/NEW/LUNA/LUNA.DB" "$product/DBNEW/NEW/LUNA/LUNA.DB"' "the reference database"
  check 'same "$app/VORTEL.HLP" "$product/HELP/VORTEL.HLP"' "the help"
  check '! ls "$app" | grep -qi "\.zip$"' "no archive left in the program directory"
  check 'grep -qi "^FILES=255" "$c/CONFIG.SYS"' "FILES=255 in CONFIG.SYS"
  check 'grep -qi "LastUser=Master" "$c/windows/win.ini"' "LastUser in WIN.INI"
  check 'ls "$app"/HHUPD.TRC >/dev/null 2>&1' "HHUPD.EXE ran"
  check 'ls "$app"/TREGSVR.TRC >/dev/null 2>&1' "TREGSVR.EXE ran"
  check 'grep -q "CreateGroup" "$c/progman.rec"' "the program group was asked for"
  check 'grep -qF "AddItem(\"$ansi_program_dir\\VORTEL.EXE\"" "$c/progman.rec"' "the group's item starts the program"
  engine_cfg="$(find "$c" -iname IDAPI32.CFG | head -1)"
  for alias in VORTELALIAS FIRMAALIAS LUNAALIAS VORTEL; do
    check 'grep -q "^$alias	" "$engine_cfg"' "the alias $alias"
  done
  check 'grep -qF "VORTEL	PARADOX	$ansi_data_dir\\DATA" "$engine_cfg"' "the alias VORTEL names the data directory"
  # The engine and the installer are of the build's bitness. A 32-bit program on a 64-bit Windows
  # has its own Program Files, "(x86)", and its own view of the registry, Wow6432Node; on a
  # 32-bit Windows, or as a 64-bit program, it has the machine's.
  local program_files software view key dll_path
  IFS=$'\t' read -r program_files software < <(program_view "$prefix")
  view="$software\\\\Borland"
  check 'same "$c/$program_files/Borland/Common Files/BDE/IDAPI32.DLL" "$product/BDE32/IDAPI32.DLL"' \
    "the engine in $program_files"
  key="[$view\\\\Database Engine]"
  dll_path="\"DLLPATH\"=\"C:\\\\$program_files\\\\Borland\\\\Common Files\\\\BDE\""
  check 'grep -A8 -F "$key" "$prefix/system.reg" | grep -qF "$dll_path"' \
    "the engine's keys under $view"
  # A new program of the machine finds the engine through its registry keys and opens the alias.
  WINEPREFIX="$prefix" WINEDEBUG=-all timeout 60 \
    wine "$windows_bin/engine_probe.exe" check >/dev/null 2>&1
  opened=$?
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null
  check '[ "$opened" = 1 ]' "a new process opens the alias VORTEL (probe said $opened)"
}

# program_bits FILE: 32 or 64, from the machine field of a Windows program's header.
program_bits() {
  python3 - "$1" <<'PY'
import struct, sys
data = open(sys.argv[1], 'rb').read(4096)
pe = struct.unpack_from('<I', data, 0x3c)[0]
print({0x14c: 32, 0x8664: 64}.get(struct.unpack_from('<H', data, pe + 4)[0], 0))
PY
}

# program_view PREFIX: where the build's programs land in that environment: the Program Files
# folder and the registry key above Borland's, as the registry file writes it, separated by a tab.
program_view() {
  if [ "$(program_bits "$windows_bin/INSTALL.EXE")" = 32 ] &&
    ! grep -q '^#arch=win32' "$1/system.reg"; then
    printf 'Program Files (x86)\tSoftware\\\\Wow6432Node\n'
  else
    printf 'Program Files\tSoftware\n'
  fi
}

# uninstaller_of PREFIX: the uninstaller the machine's Add or Remove Programs entry starts, as a
# Windows path; empty when there is no entry.
uninstaller_of() {
  local software
  IFS=$'\t' read -r _ software < <(program_view "$1")
  grep -A20 -F "[$software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\RidOZIZUZ]" \
    "$1/system.reg" | sed -n 's/^"UninstallString"="\\"\(.*\)\\" .*/\1/p' | head -1 |
    sed 's/\\\\/\\/g'
}

# machine_base TEMPLATE DIR: a Windows environment as a user's machine has it before the
# installation: a read-only, hidden CONFIG.SYS with FILES=30 and a WIN.INI entry of its own.
machine_base() {
  local template="$1" base="$2"
  rm -rf "$base"
  "$root/scripts/wine-libraries" copy "$template" "$base" || return 1
  rm -f "$base/.ready" "$base/.e2e-ready"
  printf 'DEVICE=C:\\HIMEM.SYS\r\nFILES=30\r\n' >"$base/drive_c/CONFIG.SYS"
  # Wine's attrib applies only the last of several flags: one call each.
  WINEPREFIX="$base" WINEDEBUG=-all wine cmd /c 'attrib +r C:\CONFIG.SYS' >/dev/null 2>&1
  WINEPREFIX="$base" WINEDEBUG=-all wine cmd /c 'attrib +h C:\CONFIG.SYS' >/dev/null 2>&1
  local shown
  shown="$(WINEPREFIX="$base" WINEDEBUG=-all wine cmd /c 'attrib C:\CONFIG.SYS' 2>/dev/null)"
  WINEPREFIX="$base" wineserver -w
  [[ "$shown" =~ \ HR\  ]] || { echo "machine_base: CONFIG.SYS is not read-only and hidden" >&2; return 1; }
}

# journal_lines JOURNAL: the lines a person reads of an installation's journal, one a change.
journal_lines() {
  python3 - "$1" <<'PY'
import sys
for line in open(sys.argv[1], encoding='latin-1'):
    f = line.rstrip('\r\n').split('\t')
    if len(f) >= 13 and f[0] == 'CHG1' and f[2]:
        out, i, s = '', 0, f[2]
        while i < len(s):
            if s[i] == '\\' and i + 1 < len(s):
                i += 1
                out += {'t': '\t', 'r': '\r', 'n': '\n'}.get(s[i], s[i])
            else:
                out += s[i]
            i += 1
        # Bytes as the journal holds them, whatever the locale of the run.
        sys.stdout.buffer.write((out + '\n').encode('latin-1'))
PY
}

# journal_line PREFIX KIND TARGET [NAME=VALUE ...]: a line of the installer's journal as it writes
# them, for the runs that add lines of their own. KIND: 0 a directory, 1 a file, 5 a registry
# value ("KEY|NAME"); NAME: description, value, previous, backup, scope; "stamp" takes the size
# and time Windows reads for the file TARGET (C:\...) of PREFIX, as a change of the installer's
# own records them.
journal_line() {
  python3 - "$@" <<'PY'
import os, sys
prefix, kind, target = sys.argv[1:4]
fields = {'description': '', 'value': '', 'backup': '', 'scope': ''}
previous, size, has_size, time = None, 0, '0', 0
for arg in sys.argv[4:]:
    name, _, value = arg.partition('=')
    if name == 'previous':
        previous = value
    elif name == 'stamp':
        st = os.stat(os.path.join(prefix, 'drive_c', *target[3:].split('\\')))
        size, has_size = st.st_size, '1'
        time = st.st_mtime_ns // 100 + 116444736000000000
    else:
        fields[name] = value
escape = lambda text: text.replace('\\', '\\\\').replace('\t', '\\t')
line = ['CHG1', kind, fields['description'], target, fields['value'],
        '0' if previous is None else '1', previous or '', fields['backup'], str(size), has_size,
        str(time), '', fields['scope']]
sys.stdout.write('\t'.join(escape(f) if i > 1 else f for i, f in enumerate(line)) + '\r\n')
PY
}

# without_manifest MEDIA: media as older releases were made, without the list of pieces and the
# sizes of the archives, and unsigned: the installer cannot check them before it extracts, and
# takes them only when told /ALLOWUNSIGNED.
without_manifest() {
  local cfg="$1/INSTALL.CFG"
  [ -f "$1/disk1/INSTALL.CFG" ] && cfg="$1/disk1/INSTALL.CFG"
  rm -f "$(dirname "$cfg")/INSTALL.SIG"
  awk '{ line = $0; sub(/\r$/, "", line) }
    line ~ /^\[/ { skip = (line == "[Media]" || line == "[Pieces]" || line == "[Archives]") }
    !skip' \
    "$cfg" >"$cfg.new" && mv "$cfg.new" "$cfg"
}
