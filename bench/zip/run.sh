#!/usr/bin/env bash
# Times zipx against Info-ZIP unzip: the ratio of median wall times on a ~300 MB deflate
# archive, peak memory of both, and throughput on shrunk and imploded archives.
#
# usage: bench/zip/run.sh [WORKDIR] [RUNS]
#   WORKDIR  scratch space for the data and archives (default /tmp/vort-zip-bench)
#   RUNS     timed runs per program (default 5)
# Needs build/native/bin/zipx (cmake --preset native && cmake --build --preset native).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/../.." && pwd)"
work="${1:-/tmp/vort-zip-bench}"
runs="${2:-5}"
zipx="$root/build/native/bin/zipx"
fixtures="${VORT_ZIP_FIXTURES:-$root/../../shared/fixtures/zip}"
[ -d "$fixtures" ] || fixtures=/work/shared/fixtures/zip
[ -x "$zipx" ] || { echo "build zipx first: $zipx" >&2; exit 1; }
mkdir -p "$work"

if [ ! -f "$work/deflate.zip" ]; then
  echo "generating data in $work/data"
  python3 "$here/make_data.py" "$work/data" 300
  (cd "$work/data" && zip -r -q "$work/deflate.zip" .)
fi
for method in shrunk imploded; do
  if [ ! -f "$work/$method.zip" ]; then
    case $method in
      shrunk) python3 "$here/replicate.py" "$fixtures/shrunk-text.zip" "$work/$method.zip" 400 ;;
      imploded) python3 "$here/replicate.py" "$fixtures/imploded-8k-lit.zip" "$work/$method.zip" 100 ;;
    esac
  fi
done

# Prints "SECONDS KB" for one extraction into a fresh directory.
measure() {
  local out="$work/out"
  rm -rf "$out" && mkdir -p "$out"
  local log="$work/time.log"
  case "$1" in
    zipx) /usr/bin/time -f "%e %M" -o "$log" "$zipx" x "$2" "$out" >/dev/null ;;
    unzip) /usr/bin/time -f "%e %M" -o "$log" unzip -q -o "$2" -d "$out" ;;
  esac
  tail -1 "$log"
}

median() { sort -n | awk '{v[NR]=$1} END {print v[int((NR+1)/2)]}'; }

# Runs both programs alternately; prints "program median_seconds peak_kb" lines.
compare() {
  local archive="$1"
  : >"$work/zipx.t"
  : >"$work/unzip.t"
  for _ in $(seq "$runs"); do
    measure zipx "$archive" >>"$work/zipx.t"
    measure unzip "$archive" >>"$work/unzip.t"
  done
  for p in zipx unzip; do
    echo "$p $(cut -d' ' -f1 "$work/$p.t" | median) $(cut -d' ' -f2 "$work/$p.t" | sort -n | tail -1)"
  done
}

mb() { du -m --apparent-size "$1" | cut -f1; }

report() {
  local label="$1" archive="$2"
  local size
  size=$(awk '/^report/ {s=$5} END {print s}' < <("$zipx" l "$archive"))
  local result zt ut
  result=$(compare "$archive")
  zt=$(awk '$1=="zipx" {print $2}' <<<"$result")
  ut=$(awk '$1=="unzip" {print $2}' <<<"$result")
  awk -v label="$label" -v zt="$zt" -v ut="$ut" -v size="$size" -v res="$result" 'BEGIN {
    split(res, lines, "\n")
    for (i in lines) { split(lines[i], f, " "); mem[f[1]] = f[3] }
    printf "%-9s %6.1f MB out  zipx %6.2f s (%7.1f MB/s, peak %5.1f MiB)  unzip %6.2f s (%7.1f MB/s, peak %5.1f MiB)  ratio %.2f\n",
      label, size / 1e6, zt, size / 1e6 / zt, mem["zipx"] / 1024, ut, size / 1e6 / ut, mem["unzip"] / 1024, zt / ut
  }'
}

echo "runs per program: $runs (median wall time; peak = largest resident set)"
report deflate "$work/deflate.zip"
report shrunk "$work/shrunk.zip"
report imploded "$work/imploded.zip"
rm -rf "$work/out"
