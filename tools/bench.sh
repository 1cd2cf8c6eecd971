#!/usr/bin/env bash
# Runs the benchmarks and writes docs/performance.md: the medians of every benchmark with its
# baseline and ratio, the time from the editor's start to its first painted plan under a
# virtual X server (needs xvfb), and the peak memory of loading a room. Build first (tools/build.sh). The benchmarks are not tests:
# their times depend on the machine and its load, which the report records.
#
# Usage: tools/bench.sh [REPETITIONS]    (default 5; the medians are over the repetitions)
set -euo pipefail
cd "$(dirname "$0")/.."
repetitions=${1:-5}
[ "$repetitions" -ge 2 ] || { echo "tools/bench.sh: medians need at least 2 repetitions" >&2; exit 2; }
if ! command -v xvfb-run >/dev/null || [ ! -x /usr/bin/time ]; then
    sudo=$([ "$(id -u)" -eq 0 ] || echo sudo)
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends xvfb xauth time
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run() {
    "$1" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
         --benchmark_out="$2" --benchmark_out_format=json "${@:3}" >&2
}

uptime > "$work/load-before.txt"
run build/bench/planzeta_bench "$work/core.json"
run build/bench/planzeta_gui_bench "$work/gui.json"
# The plan on a screen of pixel ratio 2, composed in its device pixels.
QT_SCALE_FACTOR=2 run build/bench/planzeta_gui_bench "$work/gui-dpr2.json" --benchmark_filter='BM_(FullRedraw|DragStep)/10000'

# Start to first paint: the editor opens the large room with settings of its own (no first-run
# questions) and ends as soon as the plan is painted; the median of several starts.
build/bench/planzeta_furnished_room 10000 "$work/large.mst"
mkdir -p "$work/config/Kelvora"
printf '[Planzeta]\nLastVersion=300\nLanguage=0\nAutosize=0\n' > "$work/config/Kelvora/Planzeta.ini"
XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1920x1080x24" bash -c '
    for room in "" "$1"; do
        for i in $(seq 7); do
            start=$(date +%s%N)
            build/src/planzeta --quit-after-first-paint $room
            label=${room:+"10,000 objects"}
            echo "${label:-new room}:$(( ($(date +%s%N) - start) / 1000 ))"
        done
    done
    /usr/bin/time -f %M -o "$2" build/src/planzeta --quit-after-first-paint "$1"' starts "$work/large.mst" "$work/editor-kb.txt" > "$work/starts.txt"
# Peak memory of loading: the large room, and a file of nothing but 1.5 million empty object
# sections, the worst the reader meets per byte; each in a process of its own.
python3 -c 'import sys; sys.stdout.write("".join(f"[Part{i}]\n" for i in range(1, 1500001)))' > "$work/empty.mst"
for file in large empty; do
    echo "$file $(build/bench/planzeta_load_peak "$work/$file.mst")"
done > "$work/peaks.txt"
uptime > "$work/load-after.txt"

python3 tools/bench-report.py "$work" > docs/performance.md
cat docs/performance.md
