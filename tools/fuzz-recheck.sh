#!/usr/bin/env bash
# Runs a target's findings and its whole corpus again at normal priority with the 5 s limit,
# to tell real hangs from timeouts of a starved low-priority run.
# Usage: tools/fuzz-recheck.sh TARGET [OUT]
set -uo pipefail
cd "$(dirname "$0")/.."
target=$1 out=${2:-/tmp/planzeta-fuzz}
fuzzer=build-fuzz/fuzz/fuzz_$target
export LSAN_OPTIONS=suppressions=fuzz/lsan-suppressions.txt
for finding in "$out/$target-findings"/*; do
  [ -e "$finding" ] || continue
  if "$fuzzer" -timeout=5 -rss_limit_mb=2048 "$finding" >/dev/null 2>&1; then
    echo "passes now: $finding"
  else
    echo "still fails: $finding"
  fi
done
"$fuzzer" -timeout=5 -rss_limit_mb=2048 -runs=0 "$out/$target-corpus" 2>&1 | grep -E "INITED|ERROR|SUMMARY"
