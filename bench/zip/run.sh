#!/usr/bin/env bash
# Times the extraction engine against other extractors, side by side, in one run:
#   zipx       the engine's native build
#   zipx.exe   its 32-bit Windows build (the one that ships), under Wine
#   unzip      Info-ZIP
#   7zz        7-Zip
#   gunzip     libdeflate-gunzip on the same data as one gzip stream (deflate only)
# on four archives: ~300 MB of text, program code and noise deflated by Info-ZIP zip at its
# default level; shrunk and imploded data replicated from the fixtures; ~4,400 small files
# (the system's Python library). Each figure is the median of RUNS runs; the programs run in
# turn, run by run, so that drift of the machine touches them alike. Ratios are ratios of
# medians. Wall and user CPU come from /usr/bin/time, peak memory is the largest resident set.
#
# Every program extracts into a fresh folder in memory (/dev/shm, or OUTDIR when given), after
# the disks have written what earlier runs left: what the figures compare is the extractors'
# own work, not the state of a virtual disk (on this machine's, creating a file where many were
# just deleted costs most of a millisecond). Beside the whole programs, inflate-alone times the
# deflate decoder and CRC-32 alone, in memory, in both builds (the fastest of 7 passes).
#
# usage: bench/zip/run.sh [WORKDIR] [RUNS] [OUTDIR]
#   WORKDIR  scratch space for the data (default /tmp/vzb)
#   RUNS     timed runs per program (default 5)
#   OUTDIR   where the extractors write (default /dev/shm/vzb-out, else WORKDIR/o)
# Needs build/native/bin/zipx; build/win32/bin/zipx.exe and Wine, 7zz and libdeflate-gunzip
# (Debian package libdeflate-tools) are used when present, and their columns say when not.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="${1:-/tmp/vzb}"
runs="${2:-5}"
out="${3:-}"
if [ -z "$out" ]; then
  out="$work/o"
  [ -d /dev/shm ] && [ -w /dev/shm ] && out=/dev/shm/vzb-out
fi
zipx="$root/build/native/bin/zipx"
zipx_exe="$root/build/win32/bin/zipx.exe"
inflate_alone="$root/build/native/bin/inflate-alone"
inflate_alone_exe="$root/build/win32/bin/inflate-alone.exe"
fixtures="${VORT_ZIP_FIXTURES:-$root/../shared/fixtures/zip}"
[ -d "$fixtures" ] || fixtures=/work/shared/fixtures/zip

missing=()
[ -x "$zipx" ] || { echo "build zipx first: cmake --build --preset native ($zipx)" >&2; exit 1; }
command -v unzip >/dev/null || { echo "Info-ZIP unzip is needed (apt-get install unzip)" >&2; exit 1; }
command -v zip >/dev/null || { echo "Info-ZIP zip is needed (apt-get install zip)" >&2; exit 1; }
have_7zz=1 have_gunzip=1 have_wine=1
command -v 7zz >/dev/null || { have_7zz=0; missing+=("7zz (apt-get install 7zip)"); }
command -v libdeflate-gunzip >/dev/null ||
  { have_gunzip=0; missing+=("libdeflate-gunzip (apt-get install libdeflate-tools)"); }
if [ ! -f "$zipx_exe" ]; then
  have_wine=0
  missing+=("zipx.exe (cmake --build --preset win32)")
elif ! command -v wine >/dev/null; then
  have_wine=0
  missing+=("wine")
fi
mkdir -p "$work"

# --- Data, made once and kept in WORKDIR.
if [ ! -f "$work/deflate.zip" ]; then
  echo "generating data in $work/data" >&2
  python3 "$here/make_data.py" "$work/data" 300
  (cd "$work/data" && zip -r -q "$work/deflate.zip" .)
fi
if [ ! -f "$work/deflate.gz" ]; then
  (cd "$work/data" && tar cf - . | gzip -6 >"$work/deflate.gz")
fi
[ -f "$work/shrunk.zip" ] ||
  python3 "$here/replicate.py" "$fixtures/shrunk-text.zip" "$work/shrunk.zip" 400
[ -f "$work/imploded.zip" ] ||
  python3 "$here/replicate.py" "$fixtures/imploded-8k-lit.zip" "$work/imploded.zip" 100
if [ ! -f "$work/small.zip" ]; then
  # Python sources and bytecode; directories deeper than 60 characters are left out.
  rm -rf "$work/small"
  mkdir -p "$work/small"
  (cd /usr/lib && find python3 python3.* -type f 2>/dev/null |
    awk '{ d = $0; sub(/[^\/]*$/, "", d); if (length(d) <= 60) print }' |
    cpio -pdm --quiet "$work/small")
  (cd "$work/small" && zip -r -q "$work/small.zip" .)
fi

# --- One timed extraction into a fresh directory; prints "WALL USER SYS KB".
wine_path() { echo "Z:${1//\//\\}"; }
measure() {
  local program="$1" archive="$2" log="$work/time.log"
  rm -rf "$out" && mkdir -p "$out" && sync
  case "$program" in
    zipx) /usr/bin/time -f "%e %U %S %M" -o "$log" "$zipx" x "$archive" "$out" >"$work/zipx.out" ;;
    zipx.exe)
      /usr/bin/time -f "%e %U %S %M" -o "$log" "$root/scripts/wine-run" "$zipx_exe" x \
        "$(wine_path "$archive")" "$(wine_path "$out")" >"$work/zipx.out" ;;
    unzip) /usr/bin/time -f "%e %U %S %M" -o "$log" unzip -q -o "$archive" -d "$out" ;;
    7zz) /usr/bin/time -f "%e %U %S %M" -o "$log" 7zz x -y -bd "-o$out" "$archive" >"$work/7zz.out" ;;
    gunzip)
      /usr/bin/time -f "%e %U %S %M" -o "$log" libdeflate-gunzip -c "${archive%.zip}.gz" \
        >"$out/all.tar" ;;
  esac
  tail -1 "$log"
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR ? v[int((NR+1)/2)] : "")}'; }

# Runs every program on one archive; leaves PROGRAM.t files of "WALL USER SYS KB" lines.
run_all() {
  local archive="$1"
  shift
  local p
  for p in "$@"; do : >"$work/$p.t"; done
  # Warm the page cache and the Wine server first.
  for p in "$@"; do measure "$p" "$archive" >/dev/null; done
  for _ in $(seq "$runs"); do
    for p in "$@"; do measure "$p" "$archive" >>"$work/$p.t"; done
  done
}

figure() { cut -d' ' -f"$2" "$work/$1.t" | median; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || b == "" || b == 0) print "-"; else printf "%.2f", a / b }'; }

table() {
  local label="$1" archive="$2"
  shift 2
  local size
  size=$(awk '/^report/ {s=$5} END {print s}' < <("$zipx" l "$archive"))
  run_all "$archive" "$@"
  printf '\n%s: %s, %.1f MB out, %d entries\n' "$label" "$(basename "$archive")" \
    "$(awk -v s="$size" 'BEGIN {print s / 1e6}')" \
    "$("$zipx" l "$archive" | grep -c '^report 0 ')"
  printf '  %-9s %8s %8s %8s %9s\n' program wall_s user_s sys_s peak_MiB
  local p
  for p in "$@"; do
    printf '  %-9s %8s %8s %8s %9s\n' "$p" "$(figure "$p" 1)" "$(figure "$p" 2)" \
      "$(figure "$p" 3)" "$(awk -v k="$(cut -d' ' -f4 "$work/$p.t" | sort -n | tail -1)" \
      'BEGIN {printf "%.1f", k / 1024}')"
  done
}

has() { [ -f "$work/$1.t" ] && [ -s "$work/$1.t" ]; }
line() { printf '  %-58s %s\n' "$1" "$2"; }

programs=(zipx unzip)
[ "$have_wine" = 1 ] && programs+=(zipx.exe)
[ "$have_7zz" = 1 ] && programs+=(7zz)

echo "$(date -u +%F) $(uname -m), $(nproc) cores, $(awk -F': ' '/model name/ {print $2; exit}' /proc/cpuinfo)"
echo "runs per program: $runs (medians; ratios of medians)"
[ ${#missing[@]} -eq 0 ] || printf 'missing, its columns left out: %s\n' "${missing[*]}"

for p in "${programs[@]}" gunzip; do rm -f "$work/$p.t"; done
deflate_programs=("${programs[@]}")
[ "$have_gunzip" = 1 ] && deflate_programs+=(gunzip)
table deflate "$work/deflate.zip" "${deflate_programs[@]}"
declare -A f
for p in "${deflate_programs[@]}"; do
  f[$p.wall]=$(figure "$p" 1)
  f[$p.user]=$(figure "$p" 2)
done
echo "  ratios:"
line "zipx wall / unzip wall" "$(ratio "${f[zipx.wall]}" "${f[unzip.wall]}")"
line "zipx wall / 7zz wall" "$(ratio "${f[zipx.wall]}" "${f[7zz.wall]:-}")"
line "zipx user / libdeflate-gunzip user (goal <= 1.5)" "$(ratio "${f[zipx.user]}" "${f[gunzip.user]:-}")"
line "zipx.exe user / zipx user (goal <= 1.2)" "$(ratio "${f[zipx.exe.user]:-}" "${f[zipx.user]}")"
line "zipx.exe wall / unzip wall (goal <= 1.0)" "$(ratio "${f[zipx.exe.wall]:-}" "${f[unzip.wall]}")"
if [ -x "$inflate_alone" ]; then
  alone=$("$inflate_alone" "$work/deflate.gz" 7 | cut -d' ' -f1)
  alone_exe=-
  if [ "$have_wine" = 1 ] && [ -f "$inflate_alone_exe" ]; then
    alone_exe=$("$root/scripts/wine-run" "$inflate_alone_exe" "$(wine_path "$work/deflate.gz")" 7 |
      cut -d' ' -f1)
  fi
  echo "  decoder and CRC-32 alone, in memory (inflate-alone, fastest of 7 passes), seconds:"
  line "native build" "$alone"
  line "32-bit Windows build under Wine" "$alone_exe"
  line "32-bit / native (goal <= 1.2)" "$(ratio "$alone_exe" "$alone")"
fi

for method in shrunk imploded small; do
  table "$method" "$work/$method.zip" "${programs[@]}"
  echo "  ratios:"
  goal=0.6
  [ "$method" = small ] && goal=0.7
  line "zipx wall / unzip wall (goal <= $goal)" "$(ratio "$(figure zipx 1)" "$(figure unzip 1)")"
  has zipx.exe && line "zipx.exe wall / unzip wall" "$(ratio "$(figure zipx.exe 1)" "$(figure unzip 1)")"
  has 7zz && line "zipx wall / 7zz wall" "$(ratio "$(figure zipx 1)" "$(figure 7zz 1)")"
done
rm -rf "$out"
