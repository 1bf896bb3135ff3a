#!/usr/bin/env bash
# Times a whole unattended installation against the extraction alone, side by side, in one run:
#   install    INSTALL.EXE /VERYSILENT /TYPE=LOCAL from a CD folder under Wine: the checks before
#              the copy (room, the media's pieces and their hashes), the journal, the copy and
#              the configuration (engine, aliases, program group, CONFIG.SYS, WIN.INI)
#   zipx.exe   the engine's command-line tool (the Windows preset's build) extracting the same
#              archives into the same folders, one start per archive, under Wine
#   unzip      Info-ZIP extracting them natively, for reference
#   before     with BEFORE_EXE=PATH: the installation by that build of the installer (one kept
#              from before a change), from its own copy of the media
# on a product of about COUNT small files (the sample product and COUNT text files of 4 to
# 10 KB in nested folders, half to the program directory, half to the data directory), packed
# by mkmedia as a CD folder without a signature (installed with /ALLOWUNSIGNED). Each figure is
# the median of RUNS runs; the programs run in turn, run by run, so that drift of the machine
# touches them alike. Ratios are ratios of medians. Wall times come from /usr/bin/time.
#
# Every Windows run starts in a fresh copy of a prepared Windows environment, its server and
# the Program Manager stand-in already running: copying and starting it are not timed. The
# environments live in WORKDIR, on the disk, because what a durable journal costs is the disk's
# flushes; unzip writes there too. After every run the disk writes what it left (sync, not
# timed), so that no run pays for the one before.
#
# usage: bench/install/run.sh [WORKDIR] [RUNS] [COUNT]
#   WORKDIR  scratch space for the product, media and environments (default /tmp/vib)
#   RUNS     timed runs per program (default 5)
#   COUNT    small files in the product (default 5000)
# INSTALL_EXE=PATH times that build of the installer instead of the Windows preset's. Media are
# rebuilt when their installer differs from the last run's.
# Needs the native build (mkmedia) and a Windows preset's (INSTALL.EXE, UPGRADE.DLL, zipx.exe,
# waitexit.exe, PROGMAN.EXE), Wine, Xvfb, python3 and Info-ZIP unzip.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="${1:-/tmp/vib}"
runs="${2:-5}"
count="${3:-5000}"
preset="${VORT_WINDOWS_PRESET:-$("$root/scripts/windows-preset")}"
bin="$root/build/$preset/bin"
install_exe="$(realpath "${INSTALL_EXE:-$bin/INSTALL.EXE}")"
mkmedia="$root/build/native/bin/mkmedia"
sample="$root/build/sample-product"
[ "$preset" = win64 ] && sample+="-win64"
for f in "$mkmedia" "$install_exe" "$bin/UPGRADE.DLL" "$bin/zipx.exe" "$bin/PROGMAN.EXE"; do
  [ -f "$f" ] || { echo "missing $f: build the native and $preset presets" >&2; exit 1; }
done
[ -d "$sample" ] || { echo "missing $sample: build the $preset preset" >&2; exit 1; }
command -v unzip >/dev/null || { echo "Info-ZIP unzip is needed (apt-get install unzip)" >&2; exit 1; }
mkdir -p "$work"
work="$(realpath "$work")"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
. "$root/scripts/test-display"

# --- The product and its media, made once and kept in WORKDIR.
if [ ! -f "$work/product.$count" ]; then
  echo "generating the product in $work/product" >&2
  python3 "$here/make_product.py" "$sample" "$work/product" "$count"
  rm -f "$work"/product.* "$work/cd.exe"
  touch "$work/product.$count"
fi
# The CD folder NAME with the installer EXE.
make_media() {
  if ! cmp -s "$2" "$work/$1.exe"; then
    rm -rf "${work:?}/$1"
    "$mkmedia" "$work/product" "$work/$1" --cd --install-exe "$2" \
      --upgrade-dll "$bin/UPGRADE.DLL" >/dev/null
    cp "$2" "$work/$1.exe"
  fi
}
make_media cd "$install_exe"
[ -z "${BEFORE_EXE:-}" ] || make_media cd-before "$(realpath "$BEFORE_EXE")"
archives=()
for a in "$work"/cd/*.1; do
  [ "$(basename "$a")" = UPGRADE.1 ] || archives+=("$a")
done

# --- A prepared Windows environment: the end-to-end runs' template, started once.
prepared="$work/prepared"
if [ ! -f "$prepared/prefix/system.reg" ]; then
  rm -rf "$prepared"
  "$root/scripts/e2e-run" --media "$work/cd" --drive D --out "$prepared" --wait --time 120 \
    --program 'C:\windows\system32\cmd.exe' --arg /c --arg exit >/dev/null ||
    { echo "cannot prepare a Windows environment (see $prepared/run.log)" >&2; exit 1; }
fi

app='C:\Bench\App' data='C:\Bench\Data'
unix_of() { local p="${1:3}"; echo "$prefix/drive_c/${p//\\//}"; }
wine_path() { echo "Z:${1//\//\\}"; }

# A fresh environment with the server up and the CD folder ${1:-cd} in D:.
prefix="$work/run/prefix"
fresh_prefix() {
  [ ! -d "$prefix" ] || WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  rm -rf "$work/run"
  mkdir -p "$work/run"
  "$root/scripts/wine-libraries" copy "$prepared/prefix" "$prefix"
  ln -sfn "$work/${1:-cd}" "$prefix/dosdevices/d:"
  export WINEPREFIX="$prefix"
  wineserver -p60
  wine cmd /c exit >/dev/null 2>&1
  sync
}

# Where the installation put a file or folder NAME (outside the Windows folder), as a Windows
# path; zipx.exe extracts each archive where the installer put it.
installed_at() {
  local found
  found="$(cd "$prefix/drive_c" && find . -iname "$1" -not -path './windows/*' | head -1)"
  [ -n "$found" ] || { echo "the installation left no $1 (see $work/install.out)" >&2; exit 1; }
  found="${found#./}"
  echo "C:\\${found//\//\\}"
}

engine=""
# What zipx.exe extracts, "ARCHIVE|FOLDER" a line, each archive where the installer puts it.
write_extractions() {
  local a name dest
  for a in "${archives[@]}"; do
    name="$(basename "$a" .1)"
    case "$name" in
      DBDAT | DBNEW) dest="$data" ;;
      BDE32) dest="$engine" ;;
      *) dest="$app" ;;
    esac
    echo "D:\\$name.1|$dest"
  done >"$work/extractions"
}

# One timed run; prints "WALL".
measure() {
  local program="$1" log="$work/time.log"
  case "$program" in
    install | before)
      local media=cd
      [ "$program" = install ] || media=cd-before
      fresh_prefix "$media"
      wine "$bin/PROGMAN.EXE" '/record:C:\progman.rec' >/dev/null 2>&1 &
      sleep 1
      local status=0
      /usr/bin/time -f "%e" -o "$log" wine 'D:\INSTALL.EXE' /VERYSILENT /ALLOWUNSIGNED \
        /TYPE=LOCAL "/DIR=$app" "/DATADIR=$data" /NORESTART >"$work/install.out" 2>&1 || status=$?
      # 3010 (194 in the 8 bits Wine passes on): done, and Windows must restart for CONFIG.SYS.
      [ "$status" = 0 ] || [ "$status" = 194 ] ||
        { echo "the installation ended with $status (see $work/install.out)" >&2; exit 1; }
      ;;
    zipx.exe)
      fresh_prefix
      /usr/bin/time -f "%e" -o "$log" bash -c '
        while IFS="|" read -r archive folder; do
          wine "$1" x "$archive" "$folder" >/dev/null || exit 1
        done <"$2"' - "$bin/zipx.exe" "$work/extractions"
      ;;
    unzip)
      rm -rf "$work/unzip" && mkdir -p "$work/unzip" && sync
      /usr/bin/time -f "%e" -o "$log" bash -c '
        out="$1"; shift
        for a in "$@"; do
          d="$out/$(basename "$a" .1)"
          mkdir -p "$d" && unzip -q -o "$a" -d "$d" || exit 1
        done' - "$work/unzip" "${archives[@]}"
      ;;
  esac
  sync
  tail -1 "$log"
}

# The files a run left in the program, data and engine folders, counted to see that each program did the whole job.
files_left() {
  case "$1" in
    unzip) find "$work/unzip" -type f | wc -l ;;
    *) find "$(unix_of "$app")" "$(unix_of "$data")" "$(unix_of "$engine")" -type f 2>/dev/null |
      sort -u | wc -l ;;
  esac
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR ? v[int((NR+1)/2)] : "")}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || b == "" || b == 0) print "-"; else printf "%.2f", a / b }'; }

programs=(install zipx.exe unzip)
[ -z "${BEFORE_EXE:-}" ] || programs+=(before)
echo "$(date -u +%F) $(uname -m), $(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
echo "installer: $install_exe ($preset)${BEFORE_EXE:+; before: $(realpath "$BEFORE_EXE")}"
echo "runs per program: $runs (medians; ratios of medians); load average before: $(cut -d' ' -f1-3 /proc/loadavg)"

# The first installation finds the engine's folder; one run of each warms the caches.
measure install >/dev/null
engine="$(installed_at IDAPI32.DLL)"
engine="${engine%\\*}"
# A LOCAL installation keeps its data in the program directory: DBDAT holds DATA\ARHIVA.
data="$(installed_at ARHIVA)"
data="${data%\\*\\*}"
write_extractions
declare -A files
files[install]=$(files_left install)
measure zipx.exe >/dev/null
files[zipx.exe]=$(files_left zipx.exe)
measure unzip >/dev/null
files[unzip]=$(files_left unzip)
if [ -n "${BEFORE_EXE:-}" ]; then
  measure before >/dev/null
  files[before]=$(files_left before)
fi
for p in "${programs[@]}"; do : >"$work/$p.t"; done
for _ in $(seq "$runs"); do
  for p in "${programs[@]}"; do measure "$p" >>"$work/$p.t"; done
done
WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true

entries=0
for a in "${archives[@]}"; do entries=$((entries + $(unzip -Z1 "$a" | grep -vc '/$'))); done
printf '\n%d archives, %d files, %.1f MB packed; load average after: %s\n' "${#archives[@]}" \
  "$entries" "$(du -cb "${archives[@]}" | tail -1 | awk '{print $1 / 1e6}')" \
  "$(cut -d' ' -f1-3 /proc/loadavg)"
printf '  %-9s %8s %8s %8s %12s\n' program median_s min_s max_s files_left
declare -A wall
for p in "${programs[@]}"; do
  wall[$p]=$(median <"$work/$p.t")
  printf '  %-9s %8s %8s %8s %12s\n' "$p" "${wall[$p]}" "$(sort -n "$work/$p.t" | head -1)" \
    "$(sort -n "$work/$p.t" | tail -1)" "${files[$p]}"
done
echo "  ratios:"
printf '  %-58s %s\n' "install wall / zipx.exe wall (goal <= 1.3)" "$(ratio "${wall[install]}" "${wall[zipx.exe]}")"
printf '  %-58s %s\n' "zipx.exe wall / unzip wall" "$(ratio "${wall[zipx.exe]}" "${wall[unzip]}")"
if [ -n "${BEFORE_EXE:-}" ]; then
  printf '  %-58s %s\n' "before wall / zipx.exe wall" "$(ratio "${wall[before]}" "${wall[zipx.exe]}")"
  printf '  %-58s %s\n' "install wall / before wall" "$(ratio "${wall[install]}" "${wall[before]}")"
fi
