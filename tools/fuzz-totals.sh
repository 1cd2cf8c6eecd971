#!/usr/bin/env bash
# Sums up the fuzz logs of tools/fuzz-run.sh: seconds run, executions and findings per target,
# counting a session still running up to now.
# Usage: tools/fuzz-totals.sh [OUT]
set -euo pipefail
out=${1:-/tmp/planzeta-fuzz}
now=$(date +%s)
for log in "$out"/*.log; do
  target=$(basename "$log" .log)
  findings=$(find "$out/$target-findings" -type f ! -name "slow-unit-*" | wc -l)
  awk -v now="$now" -v target="$target" -v findings="$findings" '
    /^started: / { start = $2; running = 1; last = 0 }
    /^#[0-9]+/ { last = substr($1, 2) }
    /stat::number_of_executed_units/ { executions += $2; last = 0 }
    /^session: / { spent = $2; running = 0 }
    END {
      if (running) { spent += now - start; executions += last }
      printf "%s: %d s, %d executions, %d findings\n", target, spent, executions, findings
    }' "$log"
done
