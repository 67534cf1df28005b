#!/usr/bin/env python3
"""Checks that every #include keeps to the layer graph that docs/map.md draws.

The graph is the fenced block after the line "Layer graph (checked):" in
docs/map.md: one line per layer, the layer's folder, then the folders it may
include from. A file belongs to the layer with the longest folder that
contains it; an include names a file from the repository root, so it belongs
to a layer the same way. Folders that are not in the table (tests, tools,
bench, fuzz) may include anything.

The Windows headers (<windows.h> and the other SDK headers) may only be
included in the folders named on the line "Windows headers: ..." of the same
block, and in the folders outside the table.

Exit status 0 when nothing breaks the graph, 1 with one line per offence.
"""
import argparse
import os
import re
import sys

SOURCE_SUFFIXES = (".h", ".hpp", ".cpp", ".c", ".rc")
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# The headers of the Windows SDK that bring the Windows API in.
WINDOWS_HEADERS = {
    "windows.h", "winbase.h", "windef.h", "winuser.h", "wingdi.h", "winreg.h", "winnt.h", "winerror.h",
    "shellapi.h", "shlobj.h", "shlwapi.h", "commctrl.h", "commdlg.h", "objbase.h", "ole2.h", "olectl.h",
    "oleauto.h", "ocidl.h", "oaidl.h", "unknwn.h", "tlhelp32.h", "nb30.h", "winsock.h", "winsock2.h",
    "mmsystem.h", "winver.h", "fci.h", "fdi.h", "richedit.h", "exdisp.h", "winnetwk.h", "lm.h",
}


def read_graph(map_path):
    """The layers {folder: set of folders it may include} and the folders allowed Windows headers."""
    lines = open(map_path, encoding="utf-8").read().splitlines()
    try:
        start = next(i for i, line in enumerate(lines) if line.strip() == "Layer graph (checked):")
    except StopIteration:
        raise SystemExit(f"{map_path}: no line 'Layer graph (checked):'")
    block = []
    in_block = False
    for line in lines[start + 1:]:
        if line.strip().startswith("```"):
            if in_block:
                break
            in_block = True
            continue
        if in_block and line.strip():
            block.append(line.strip())
    layers = {}
    windows = set()
    for line in block:
        if line.startswith("Windows headers:"):
            windows.update(line.split(":", 1)[1].split())
            continue
        if "->" not in line:
            raise SystemExit(f"{map_path}: cannot read the graph line '{line}'")
        layer, allowed = line.split("->", 1)
        layer = layer.strip()
        layers[layer] = set(allowed.split()) | {layer}
    return layers, windows


def layer_of(path, layers):
    """The layer folder that holds path (a repository-relative path with /), or None."""
    best = None
    for layer in layers:
        if path == layer or path.startswith(layer + "/"):
            if best is None or len(layer) > len(best):
                best = layer
    return best


def in_folder(path, folders):
    return any(path == f or path.startswith(f + "/") for f in folders)


def check(root, map_path):
    layers, windows_allowed = read_graph(map_path)
    offences = []
    for folder in sorted(layers):
        base = os.path.join(root, folder)
        if not os.path.isdir(base):
            continue
        for dirpath, dirnames, filenames in os.walk(base):
            dirnames.sort()
            for name in sorted(filenames):
                if not name.endswith(SOURCE_SUFFIXES):
                    continue
                full = os.path.join(dirpath, name)
                rel = os.path.relpath(full, root).replace(os.sep, "/")
                own = layer_of(rel, layers)
                if own is None:
                    continue
                with open(full, encoding="utf-8", errors="replace") as source:
                    for number, line in enumerate(source, 1):
                        match = INCLUDE.match(line)
                        if not match:
                            continue
                        kind, target = match.groups()
                        if kind == "<":
                            if target.lower() in WINDOWS_HEADERS and not in_folder(rel, windows_allowed):
                                offences.append(f"{rel}:{number}: <{target}> is only for "
                                                + ", ".join(sorted(windows_allowed)))
                            continue
                        target_layer = layer_of(target, layers)
                        if target_layer is None:
                            if "/" in target and os.path.exists(os.path.join(root, target)):
                                offences.append(f"{rel}:{number}: \"{target}\" lies outside every layer")
                            continue
                        if target_layer not in layers[own]:
                            offences.append(f"{rel}:{number}: {own} may not include {target_layer} (\"{target}\")")
    return offences


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
    parser.add_argument("--map", help="the map that draws the graph (default ROOT/docs/map.md)")
    args = parser.parse_args()
    root = os.path.abspath(args.root)
    offences = check(root, args.map or os.path.join(root, "docs", "map.md"))
    for offence in offences:
        print(offence)
    if offences:
        print(f"layer check: {len(offences)} include(s) break the graph of docs/map.md")
        return 1
    print("layer check: every include keeps to the graph of docs/map.md")
    return 0


if __name__ == "__main__":
    sys.exit(main())
