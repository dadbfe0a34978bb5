#!/usr/bin/env python3
"""Checks that every #include "folder/..." in src/ points to the same folder or
one listed before it in LAYERS, so the include graph between folders has no
cycle and no upward edge. Prints the offending lines; exits 1 if any.

Usage: tools/check_layers.py [SOURCE_ROOT]
"""
import pathlib
import re
import sys

# Bottom first. Folders on one line are side by side: neither includes the other.
LAYERS = [
    ["hand"],
    ["evaluators", "console"],
    ["results", "help"],
    ["app"],
    ["terminal", "wincon", "batch"],
    ["study"],
    ["cli", "web", "lib"],
]
# The core's texts link no screen code, although the results panel beside them draws.
CORE_FILES = ("results/result_text", "results/explanation")
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/')


def level_of(folder):
    for level, folders in enumerate(LAYERS):
        if folder in folders:
            return level
    return None


def problems(root):
    src = root / "src"
    # The web page's C++ sits in web/ beside its page files, a layer like src/'s.
    sources = sorted(src.rglob("*")) + sorted((root / "web").glob("*"))
    for path in sources:
        if path.suffix not in (".cpp", ".hpp", ".h", ".c") or path.parent == src:
            continue
        folder = "web" if path.parent == root / "web" else path.relative_to(src).parts[0]
        own = level_of(folder)
        if own is None:
            yield f"{path.relative_to(root)}: folder '{folder}' has no layer"
            continue
        for number, line in enumerate(path.read_text(errors="replace").splitlines(), 1):
            match = INCLUDE.match(line)
            known = (src / match[1]).is_dir() or match[1] == "web" if match else False
            if not match or match[1] == folder or not known:
                continue
            target = level_of(match[1])
            upward = target is None or target >= own
            core = folder != "web" and str(path.relative_to(src).with_suffix("")) in CORE_FILES
            if upward or (core and match[1] == "console"):
                yield f"{path.relative_to(root)}:{number}: {folder} includes {match[1]}"


def main():
    root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parents[1])
    found = list(problems(root.resolve()))
    for problem in found:
        print(problem)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
