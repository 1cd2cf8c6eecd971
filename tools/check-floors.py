#!/usr/bin/env python3
"""Checks that the folders of src/ form floors and that planzeta_core stays free of Qt.

The floors are the folders in the order src/CMakeLists.txt adds them, lowest first. A file may
include from its own folder and from the floors below it, never from one above; with one order
for all folders, no two folders can include each other. The core is every source file listed
for planzeta_core and every header those reach; none of them may include a Qt header.

Prints one line per fault, "file:line: what", and exits with status 1 when there is any.
Usage: tools/check-floors.py [SOURCE_ROOT]   (the repository by default)
"""

import pathlib
import re
import sys

PROJECT_INCLUDE = re.compile(r'^\s*#\s*include\s+"(([a-z0-9_]+)/[^"]+)"')
QT_INCLUDE = re.compile(r"^\s*#\s*include\s+<(Q[A-Za-z]+|Qt[A-Za-z]+/[^>]*)>")
SUBDIRECTORY = re.compile(r"^\s*add_subdirectory\((\w+)\)", re.MULTILINE)
CORE_SOURCES = re.compile(r"target_sources\(planzeta_core\s+PRIVATE([^)]*)\)")


def floors(src):
    return SUBDIRECTORY.findall((src / "CMakeLists.txt").read_text())


def core_sources(src, folders):
    for folder in folders:
        lists = (src / folder / "CMakeLists.txt").read_text()
        for block in CORE_SOURCES.findall(lists):
            for name in block.split():
                yield src / folder / name


def numbered_lines(path):
    return enumerate(path.read_text(encoding="utf-8").splitlines(), start=1)


def upward_includes(src, order):
    rank = {folder: i for i, folder in enumerate(order)}
    for folder in order:
        for path in sorted((src / folder).rglob("*")):
            if path.suffix not in (".h", ".cpp"):
                continue
            for number, line in numbered_lines(path):
                match = PROJECT_INCLUDE.match(line)
                if not match:
                    continue
                included, target = match.groups()
                where = f"{path.relative_to(src.parent)}:{number}"
                if target not in rank:
                    yield f"{where}: includes {included} from {target}/, which is no floor"
                elif rank[target] > rank[folder]:
                    yield f"{where}: includes {included}, but {target}/ is a floor above {folder}/"


def qt_in_core(src, order):
    pending = list(core_sources(src, order))
    seen = set()
    while pending:
        path = pending.pop()
        if path in seen or not path.exists():
            continue
        seen.add(path)
        for number, line in numbered_lines(path):
            if QT_INCLUDE.match(line):
                yield f"{path.relative_to(src.parent)}:{number}: planzeta_core includes Qt ({line.strip()})"
            match = PROJECT_INCLUDE.match(line)
            if match:
                pending.append(src / match.group(1))


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
    src = root.resolve() / "src"
    order = floors(src)
    faults = list(upward_includes(src, order)) + sorted(set(qt_in_core(src, order)))
    for fault in faults:
        print(fault)
    if faults:
        print(f"{len(faults)} faults against the floors {' < '.join(order)}", file=sys.stderr)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
