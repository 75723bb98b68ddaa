#!/usr/bin/env python3
"""Checks the areas' dependencies against the layout rule.

    platform <- device <- widgets <- dialogs <- pages <- settings <- devicelist <- app
    alternative uses settings (the older settings dialog runs its pairing
    dialog and shares its update rules) and what lies below; resources use
    nothing of ours; tools (the sample firmware writer) use the device link
    and the platform.

An arrow never points back up. Three checks, each failing the run:
  1. the library graph CMake writes (--graphviz) has no cycle;
  2. every library of an area links only the areas the rule allows it;
  3. every #include "X.h" in an area's sources names a header of its own area
     or of an area it may use, and the device link includes nothing of QtGui
     or QtWidgets (it builds on Qt Core alone).

Usage: check-deps.py <build folder>   (a configured CMake build folder)
"""

import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))

# Which area may use which (besides itself). Read downwards: each line lists
# everything below it that the area may reach.
MAY_USE = {
    "platform": set(),
    "device": {"platform"},
    "widgets": {"device", "platform"},
    "dialogs": {"widgets", "device", "platform"},
    "pages": {"dialogs", "widgets", "device", "platform"},
    "settings": {"pages", "dialogs", "widgets", "device", "platform"},
    "devicelist": {"settings", "pages", "dialogs", "widgets", "device", "platform"},
    "alternative": {"settings", "pages", "dialogs", "widgets", "device", "platform"},
    "resources": set(),
    "tools": {"device", "platform"},
    "app": {"devicelist", "settings", "alternative", "pages", "dialogs", "widgets", "device",
            "platform", "resources"},
}

# Qt modules an area may not link directly.
QT_FORBIDDEN = {
    "device": {"Qt5::Gui", "Qt5::Widgets"},
}


def area_of_target(name):
    """The area of one of our targets, None for outside libraries, tests and tools."""
    if name == "HIDUsb":
        return "platform"
    if name in ("orvik_testcommon", "orvik_data", "orvik_picturegen", "orvik-se"):
        return None
    m = re.match(r"orvik_([a-z]+)", name)
    if not m:
        return None
    area = m.group(1)
    if area not in MAY_USE:
        raise SystemExit(f"check-deps: target {name} belongs to no known area; add its area to MAY_USE")
    return area


def read_graph(build):
    with tempfile.TemporaryDirectory() as tmp:
        dot = os.path.join(tmp, "deps.dot")
        subprocess.run(["cmake", f"--graphviz={dot}", "."], cwd=build, check=True,
                       stdout=subprocess.DEVNULL)
        text = open(dot, encoding="utf-8").read()
    labels = dict(re.findall(r'"(node\d+)"\s*\[\s*label\s*=\s*"([^"]+)"', text))
    edges = {}
    for a, b in re.findall(r'"(node\d+)"\s*->\s*"(node\d+)"', text):
        edges.setdefault(labels[a], set()).add(labels[b])
    return labels.values(), edges


def find_cycle(nodes, edges):
    state = {}
    stack = []

    def visit(n):
        state[n] = 1
        stack.append(n)
        for m in sorted(edges.get(n, ())):
            if state.get(m) == 1:
                return stack[stack.index(m):] + [m]
            if m not in state:
                found = visit(m)
                if found:
                    return found
        stack.pop()
        state[n] = 2
        return None

    for n in sorted(nodes):
        if n not in state:
            found = visit(n)
            if found:
                return found
    return None


def qt_header_names(module):
    try:
        base = subprocess.run(["qmake", "-query", "QT_INSTALL_HEADERS"], check=True,
                              capture_output=True, text=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        base = "/usr/include/x86_64-linux-gnu/qt5"
    folder = os.path.join(base, module)
    return set(os.listdir(folder)) if os.path.isdir(folder) else set()


def source_files(area):
    for folder, _, files in os.walk(os.path.join(ROOT, area)):
        for f in files:
            if f.endswith((".h", ".cpp")):
                yield os.path.join(folder, f)


def check_includes():
    errors = []
    owner = {}
    for area in MAY_USE:
        for path in source_files(area):
            if path.endswith(".h"):
                owner.setdefault(os.path.basename(path), set()).add(area)
    gui = qt_header_names("QtGui") | qt_header_names("QtWidgets")
    include = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]', re.M)
    for area in MAY_USE:
        for path in source_files(area):
            text = open(path, encoding="utf-8", errors="replace").read()
            rel = os.path.relpath(path, ROOT)
            for kind, name in include.findall(text):
                base = os.path.basename(name)
                if kind == "<":
                    if area == "device" and (base in gui or name.startswith(("QtGui/", "QtWidgets/"))):
                        errors.append(f"{rel}: the device link includes <{name}> (Qt Core only)")
                    continue
                areas = owner.get(base)
                if not areas or area in areas:
                    continue
                if not areas & MAY_USE[area]:
                    errors.append(f"{rel}: includes {name} of {'/'.join(sorted(areas))}, "
                                  f"which {area} may not use")
    return errors


def main():
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    build = os.path.abspath(sys.argv[1])
    nodes, edges = read_graph(build)
    errors = []

    cycle = find_cycle(nodes, edges)
    if cycle:
        errors.append("library cycle: " + " -> ".join(cycle))

    for target, deps in sorted(edges.items()):
        area = area_of_target(target)
        if area is None:
            continue
        for dep in sorted(deps):
            if dep in QT_FORBIDDEN.get(area, ()):
                errors.append(f"{target} ({area}) links {dep}")
            other = area_of_target(dep)
            if other is None or other == area:
                continue
            if other not in MAY_USE[area]:
                errors.append(f"{target} ({area}) links {dep} ({other}), which {area} may not use")

    errors += check_includes()
    for e in errors:
        print("check-deps: " + e, file=sys.stderr)
    if errors:
        return 1
    print("check-deps: no library cycle; every area uses only the areas below it")
    return 0


if __name__ == "__main__":
    sys.exit(main())
