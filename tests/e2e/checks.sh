# Sourced by the end-to-end tests: check CONDITION WHAT counts a failure and names it.
failures=0
check() {
  if ! eval "$1"; then
    echo "FAILED: $2" >&2
    failures=$((failures + 1))
  fi
}
same() { cmp -s "$1" "$2"; }
