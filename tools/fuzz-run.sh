#!/usr/bin/env bash
# Runs one fuzz target at the lowest priority until it has run SECONDS in total, restarting
# it after a finding, and keeps its log, corpus and findings in OUT (default
# /tmp/planzeta-fuzz); a second run with the same OUT goes on where the first stopped.
# Usage: [FUZZ_TIMEOUT=S] tools/fuzz-run.sh TARGET SECONDS [OUT]    (after tools/fuzz-build.sh)
# Targets: room room_qt catalogue language settings. Findings land in OUT/TARGET-findings;
# copy each into fuzz/regressions/TARGET once it is fixed. The time limit per input, 5 s by
# default, counts wall-clock time: on a machine busy with other work, a low-priority run needs
# a longer one, and its timeouts are checked again with tools/fuzz-recheck.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
target=$1 budget=$2 out=${3:-/tmp/planzeta-fuzz}
seeds=fuzz/corpus/${target%_qt}
mkdir -p "$out/$target-corpus" "$out/$target-findings"
log=$out/$target.log
spent=$( (grep -o '^session: [0-9]*' "$log" 2>/dev/null || echo "session: 0") | tail -n 1 | grep -o '[0-9]*$')
while [ "$spent" -lt "$budget" ]; do
  start=$(date +%s)
  echo "started: $start" >>"$log"
  LSAN_OPTIONS=suppressions=fuzz/lsan-suppressions.txt nice -n 19 "build-fuzz/fuzz/fuzz_$target" -timeout="${FUZZ_TIMEOUT:-5}" -rss_limit_mb=2048 -max_len=65536 -report_slow_units=100000 \
    -print_final_stats=1 -max_total_time=$((budget - spent)) \
    -artifact_prefix="$out/$target-findings/" "$out/$target-corpus" "$seeds" >>"$log" 2>&1 || true
  spent=$((spent + $(date +%s) - start))
  echo "session: $((spent)) of $budget seconds spent" >>"$log"
done
