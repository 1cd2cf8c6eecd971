#!/usr/bin/env bash
# Sums up the fuzz logs of tools/fuzz-run.sh: seconds, executions and findings per target.
# Usage: tools/fuzz-totals.sh [OUT]
set -euo pipefail
out=${1:-/tmp/planzeta-fuzz}
for log in "$out"/*.log; do
  target=$(basename "$log" .log)
  seconds=$(grep -o '^session: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*$' || echo 0)
  executions=$(awk '/stat::number_of_executed_units/ { n += $2 } END { print n + 0 }' "$log")
  findings=$(find "$out/$target-findings" -type f | wc -l)
  echo "$target: ${seconds:-0} s, $executions executions, $findings findings"
done
