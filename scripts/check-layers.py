#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the layering of src/.

Prints the folder-to-folder include graph of src/ (one line a folder: the
folder, then the folders its files include through `#include "folder/..."`)
and fails on
  - any cycle between folders (a folder reaching itself through others);
  - a file of the QtCore-only library (CORVALTO_CORE_SOURCES in
    src/CMakeLists.txt) that includes a QtGui, QtWidgets or QtOpenGL header;
  - a window's header (main_window.h, riff_editor.h, ...) included by anything
    but its own .cpp and the top (src/app/corvalto_app.*, src/main.cpp), which
    wires the windows together.
A file's folder is its directory under src/ (ui/ counts by its parts:
ui/widgets, ui/display, ui/style, ui/pictures); main.cpp, the top, is "main".

With --report the findings are printed and the exit status is 0 all the same.
"""

import os
import re
import subprocess
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
SRC = os.path.join(ROOT, "src")
FOLDERS = ["core", "app", "shell", "chords", "chordlist", "documents", "export", "htmlpage", "riff",
           "screensaver", "ui/widgets", "ui/display", "ui/style", "ui/pictures", "audio"]
GUI_MODULES = ["QtGui", "QtWidgets", "QtOpenGL", "QtOpenGLWidgets"]

QUOTED = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.MULTILINE)
ANGLED = re.compile(r'^\s*#\s*include\s*<([^>]+)>', re.MULTILINE)
# The eight windows' headers.
WINDOW_HEADER = re.compile(r"(?:^|/)(main_window|about_window|page_preview_window|title_dialog|"
                           r"information_window|saver_settings_window|saver_window|riff_editor)\.h$")
TOP = ("app/corvalto_app.h", "app/corvalto_app.cpp", "main.cpp")


def folder_of(relative):
    """The folder of a path under src/: its first directory, or ui/<part>."""
    parts = relative.split("/")
    if len(parts) == 1:
        return "main"
    if parts[0] == "ui" and len(parts) > 2:
        return "/".join(parts[:2])
    return parts[0]


def sources():
    for directory, _, names in os.walk(SRC):
        for name in sorted(names):
            if name.endswith((".h", ".cpp")):
                path = os.path.join(directory, name)
                yield os.path.relpath(path, SRC).replace(os.sep, "/"), path


def read(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return f.read()


def include_graph():
    """Folder -> {included folder -> [(file, included file)]}."""
    graph = {folder: {} for folder in FOLDERS + ["main"]}
    for relative, path in sources():
        source_folder = folder_of(relative)
        graph.setdefault(source_folder, {})
        for included in QUOTED.findall(read(path)):
            target = folder_of(included)
            if "/" not in included or target not in FOLDERS or target == source_folder:
                continue
            graph[source_folder].setdefault(target, []).append((relative, included))
    return graph


def cycles(graph):
    """The strongly connected components of more than one folder (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for target in graph.get(node, {}):
            if target not in index:
                visit(target)
                low[node] = min(low[node], low[target])
            elif target in on_stack:
                low[node] = min(low[node], index[target])
        if low[node] == index[node]:
            component = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                component.append(member)
                if member == node:
                    break
            if len(component) > 1:
                found.append(sorted(component))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def core_sources():
    text = read(os.path.join(SRC, "CMakeLists.txt"))
    match = re.search(r"set\(CORVALTO_CORE_SOURCES(.*?)\)", text, re.DOTALL)
    if not match:
        sys.exit("check-layers: no CORVALTO_CORE_SOURCES list in src/CMakeLists.txt")
    return match.group(1).split()


def qt_headers_dir():
    for command in (["qtpaths6", "--query", "QT_INSTALL_HEADERS"],
                    ["qmake6", "-query", "QT_INSTALL_HEADERS"]):
        try:
            out = subprocess.run(command, capture_output=True, text=True, check=True).stdout
            if out.strip():
                return out.strip()
        except (OSError, subprocess.CalledProcessError):
            pass
    return "/usr/include/x86_64-linux-gnu/qt6"


def gui_header_names():
    """Every header name a QtGui/QtWidgets/QtOpenGL include may use."""
    base = qt_headers_dir()
    names = set()
    for module in GUI_MODULES:
        directory = os.path.join(base, module)
        if not os.path.isdir(directory):
            continue
        names.add(module)
        for name in os.listdir(directory):
            if os.path.isfile(os.path.join(directory, name)):
                names.add(name)
                names.add(module + "/" + name)
    return names


def gui_includes_in_core():
    gui = gui_header_names()
    found = []
    for relative in core_sources():
        path = os.path.join(SRC, relative)
        if not os.path.isfile(path):
            continue
        for header in ANGLED.findall(read(path)):
            if header in gui or header.split("/")[0] in GUI_MODULES:
                found.append((relative, header))
    return found


def foreign_window_includes():
    found = []
    for relative, path in sources():
        if relative in TOP:
            continue
        own = os.path.splitext(os.path.basename(relative))[0]
        for included in QUOTED.findall(read(path)):
            window = WINDOW_HEADER.search(included)
            if window and window.group(1) != own:
                found.append((relative, included))
    return found


def main():
    report_only = "--report" in sys.argv[1:]
    graph = include_graph()
    print("Folder include graph of src/:")
    for folder in sorted(graph):
        print(f"  {folder} -> {' '.join(sorted(graph[folder])) or '(none)'}")

    failures = 0
    for component in cycles(graph):
        failures += 1
        print(f"CYCLE between folders: {' '.join(component)}")
        members = set(component)
        for source in component:
            for target in sorted(set(graph[source]) & members):
                for relative, included in graph[source][target]:
                    print(f"    {relative} -> {included}")
    for relative, header in gui_includes_in_core():
        failures += 1
        print(f"QtCore-only file includes a GUI header: {relative} -> <{header}>")
    for relative, included in foreign_window_includes():
        failures += 1
        print(f"Another window's header outside the top: {relative} -> {included}")

    if failures == 0:
        print("No cycle between folders; the QtCore-only files include no GUI header; "
              "only the top includes another window's header.")
        return 0
    print(f"check-layers: {failures} finding(s)" + (" (report only)" if report_only else ""))
    return 0 if report_only else 1


if __name__ == "__main__":
    sys.exit(main())
