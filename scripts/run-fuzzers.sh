#!/usr/bin/env bash
# Runs every fuzz target in DIR for SECONDS each, starting from the seed
# corpus in fuzz/corpus/<target>. Fails on any crash, leak or sanitizer report.
set -euo pipefail
dir=$(cd "${1:?fuzz build folder}" && pwd)
seconds=${2:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
status=0
shopt -s nullglob
for target in "$dir"/fuzz_*; do
  [ -x "$target" ] || continue
  name=$(basename "$target")
  work=$(mktemp -d)
  if [ -d "$root/fuzz/corpus/$name" ]; then
    cp -r "$root/fuzz/corpus/$name/." "$work/"
  fi
  echo "== $name: ${seconds}s"
  if ! (cd "$work" && "$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
          -print_final_stats=1 -detect_leaks=1 "$work" 2>"$work.log"); then
    echo "!! $name failed"; tail -n 60 "$work.log"; status=1
  else
    grep -E '^stat::number_of_executed_units|^Done' "$work.log" || true
  fi
  rm -rf "$work" "$work.log"
done
exit $status
