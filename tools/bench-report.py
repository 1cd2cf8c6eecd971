#!/usr/bin/env python3
"""Turns the results that tools/bench.sh collected in a folder into docs/performance.md:
one table of the benchmarks' medians, baselines and ratios beside their targets, and the
editor's start times. Usage: tools/bench-report.py FOLDER > docs/performance.md
"""

import json
import pathlib
import platform
import statistics
import sys

# Benchmark name -> the target it is held to, in words.
TARGETS = {
    "BM_FullRedraw/10000": "ratio ≤ 1.2",
    "BM_DragStep/1000": "≤ 4 ms",
    "BM_DragStep/10000": "≤ 4 ms",
    "BM_DragStep/10000 at pixel ratio 2": "≤ 2 ms",
    "BM_RoomLoad/10000": "ratio ≤ 3",
    "BM_RoomSave/10000": "ratio ≤ 3",
    "BM_UndoPush/10000": "ratio ≤ 2; 32 snapshots < 200 MB resident",
    "BM_VrmlExport/10000": "< 60 ms",
    "BM_ImageExport/1000": "≤ 25 ms",
    "BM_OpenWithWalls/1000": "< 100 ms more than the usual walls",
}

BASELINES = {
    "BM_FullRedraw": "the same polygons and captions by plain QPainter calls",
    "BM_DragStep": "a full redraw",
    "BM_RoomLoad": "reading the bytes and splitting them into lines",
    "BM_RoomSave": "splitting the bytes into lines and writing them as safely",
    "BM_UndoPush": "copying a std::vector of the objects",
    "BM_OpenWithWalls": "the same room and objects in its six usual walls",
}

EXTRA_COUNTERS = ("resident_mb_at_limit", "file_kb", "scene_kb", "pdf_kB", "extra_ms")

# The result files of tools/bench.sh, each with what its benchmarks' names are to add.
RESULTS = (("core.json", ""), ("gui.json", ""), ("gui-dpr2.json", " at pixel ratio 2"))


def medians(path):
    for run in json.loads(path.read_text())["benchmarks"]:
        if run.get("aggregate_name") == "median":
            yield run


def number(value, digits=2):
    return f"{value:.{digits}f}"


def benchmark_rows(folder):
    for name, suffix in RESULTS:
        for run in medians(folder / name):
            base = run["run_name"].removesuffix("/manual_time") + suffix
            family = base.split("/")[0]
            time_ms = run.get("median_ms", run["real_time"])
            baseline = number(run["baseline_ms"]) if "baseline_ms" in run else "–"
            ratio = f"{run['ratio']:.3g}" if "ratio" in run else "–"
            notes = [f"{key} {number(run[key], 1)}" for key in EXTRA_COUNTERS if key in run]
            if family in BASELINES:
                notes.insert(0, "baseline: " + BASELINES[family])
            yield (f"`{base}`", number(time_ms), baseline, ratio, TARGETS.get(base, ""), "; ".join(notes))


# Start to first paint: the target of each room the editor is started with.
START_TARGETS = {"new room": "≤ 150 ms", "10,000 objects": "≤ 250 ms"}


def start_rows(folder):
    times = {}
    for line in (folder / "starts.txt").read_text().splitlines():
        label, micros = line.rsplit(":", 1)
        times.setdefault(label, []).append(int(micros) / 1000)
    for label, values in times.items():
        yield (f"start to first paint, {label}", number(statistics.median(values), 0), "–", "–", START_TARGETS.get(label, ""),
               f"{len(values)} starts under Xvfb, min {number(min(values), 0)} ms")


PEAK_LABELS = {"large": "the 10,000-object room", "empty": "1.5 million empty object sections"}


def peak_rows(folder):
    for line in (folder / "peaks.txt").read_text().splitlines():
        name, *pairs = line.split()
        values = dict(zip(pairs[::2], map(float, pairs[1::2])))
        yield (f"loading {PEAK_LABELS[name]}", number(values["ms"], 0), "–", "–", "peak ≤ 20× the file",
               f"peak {number(values['peak_mb'], 1)} MB, {number(values['per_byte'], 1)}× the file")


def editor_memory_row(folder):
    kilobytes = int((folder / "editor-kb.txt").read_text().split()[-1])
    yield ("resident memory of the editor, 10,000 objects", number(kilobytes / 1024, 1) + " MB", "–", "–",
           "≤ 120 MB", "peak resident set from the start to the first paint")


def main():
    folder = pathlib.Path(sys.argv[1])
    print("# Performance\n")
    print("Made by `tools/bench.sh` (the benchmarks in `bench/`, the medians of their repetitions; "
          "each ratio is the median of the benchmark over the median of its baseline, timed "
          "side by side in the same run). Times in milliseconds.\n")
    print(f"Machine: {platform.machine()}, {len(__import__('os').sched_getaffinity(0))} cores. "
          f"Load before: `{(folder / 'load-before.txt').read_text().strip()}`; "
          f"after: `{(folder / 'load-after.txt').read_text().strip()}`.\n")
    print("| Benchmark | Median | Baseline | Ratio | Target | Notes |")
    print("|---|---:|---:|---:|---|---|")
    for row in list(benchmark_rows(folder)) + list(start_rows(folder)) + list(peak_rows(folder)) + list(editor_memory_row(folder)):
        print("| " + " | ".join(row) + " |")


if __name__ == "__main__":
    main()
