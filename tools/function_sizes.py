#!/usr/bin/env python3
"""Lists the project's functions by length, longest first, as clang-tidy counts
them (lines including blanks and comments), and how many exceed a limit.

Usage: tools/function_sizes.py BUILD_DIR [--limit 40] [--top 10]
BUILD_DIR must hold compile_commands.json (any configured preset).
"""
import argparse
import json
import os
import re
import subprocess
import sys
from concurrent.futures import ThreadPoolExecutor

WARNING = re.compile(r"^(?P<file>[^:]+):(?P<line>\d+):\d+: warning: function '(?P<name>[^']+)'")
NOTE = re.compile(r"note: (?P<lines>\d+) lines including whitespace")


def sizes_in(entry, source_root):
    command = ["clang-tidy", "-p", entry["directory"], "--quiet",
               "--checks=-*,readability-function-size",
               "--config={CheckOptions: [{key: readability-function-size.LineThreshold, value: 1}]}",
               "--header-filter=" + re.escape(os.path.join(source_root, "src")) + ".*",
               "--extra-arg=-Wno-unknown-warning-option", entry["file"]]
    output = subprocess.run(command, capture_output=True, text=True).stdout
    found, current = {}, None
    for line in output.splitlines():
        warning = WARNING.match(line)
        if warning:
            current = (os.path.relpath(warning["file"], source_root), int(warning["line"]),
                       warning["name"])
            continue
        note = NOTE.search(line)
        if note and current:
            found[current] = int(note["lines"])
            current = None
    return found


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build_dir")
    parser.add_argument("--limit", type=int, default=40)
    parser.add_argument("--top", type=int, default=10)
    args = parser.parse_args()
    source_root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    with open(os.path.join(args.build_dir, "compile_commands.json")) as f:
        entries = [e for e in json.load(f)
                   if os.path.relpath(e["file"], source_root).startswith("src" + os.sep)]
    sizes = {}
    with ThreadPoolExecutor(max_workers=os.cpu_count()) as pool:
        for found in pool.map(lambda e: sizes_in(e, source_root), entries):
            sizes.update(found)
    ranked = sorted(sizes.items(), key=lambda item: -item[1])
    print(f"{len(ranked)} functions in src/; {sum(1 for _, n in ranked if n > args.limit)} "
          f"over {args.limit} lines")
    for (path, line, name), lines in ranked[:args.top]:
        print(f"{lines:5d}  {path}:{line}  {name}")


if __name__ == "__main__":
    sys.exit(main())
