#!/usr/bin/env python3
"""bidgauge.exe under wine in tmux at 80x25, where wine draws its console in
the terminal. After each group of keys the pane shows the same 25 rows of text
as the native program's screen dump after the same keys: the title screen, a
refused key with its beep, a typed hand with its results panel, help page 1,
the title screen again and the quit question; then Y ends the program with
exit status 0, leaving its last screen in view and the title as it was. At
each step the console itself, read cell by cell, holds the dump's characters,
colours, cursor and title in a buffer of 80x25.

Usage: interactive.py WINDOWS_BUILD_DIR SCREEN_DUMP   (wine set up by run.sh)
"""
import json
import os
import pathlib
import shlex
import subprocess
import sys
import tempfile
import time

ROWS, COLUMNS = 25, 80
START_SECONDS = 60  # a cold wine takes a while to open its console
STEP_SECONDS = 20
ENTER = ("Enter", [13])


def typed(text):
    return ("-l", text), [ord(ch) for ch in text]


# Each step: what it shows, and its keys as tmux sends them and as the dump takes them.
STEPS = [
    ("the title screen", []),
    ("a refused key", [typed("z")]),
    ("a typed hand with its results panel", [typed("AKQ72 KJ5 Q84 73"), ENTER]),
    ("help page 1", [typed("h")]),
    ("the title screen after the help", [typed("q")]),
    ("the quit question", [typed("e")]),
]
QUIT = typed("y")


class Tmux:
    """A tmux server of the test's own, its socket in a folder that goes with it."""

    def __init__(self, folder):
        self.socket = str(pathlib.Path(folder, "tmux"))

    def __call__(self, *args):
        return subprocess.run(["tmux", "-S", self.socket, "-f", "/dev/null", *args],
                              check=True, capture_output=True, text=True).stdout

    def send(self, key):
        args = key[0] if isinstance(key[0], tuple) else (key[0],)
        self("send-keys", "-t", "bidgauge", *args)

    def rows(self):
        lines = self("capture-pane", "-p", "-t", "bidgauge").split("\n")[:ROWS]
        return [line.rstrip() for line in lines + [""] * (ROWS - len(lines))]

    def title(self):
        return self("display-message", "-p", "-t", "bidgauge", "#{pane_title}").rstrip("\n")

    def close(self):
        subprocess.run(["tmux", "-S", self.socket, "kill-server"], capture_output=True)


def dump(screen_dump, codes):
    output = subprocess.run([screen_dump, *(f"c{code}" for code in codes)], check=True,
                            capture_output=True, text=True).stdout
    return json.loads(output)


def console_cells(build_dir):
    # A file rather than a pipe: wine's background processes may hold a pipe open.
    with tempfile.TemporaryFile() as out:
        result = subprocess.run(["wine", str(build_dir / "bidgauge_console_cells.exe")],
                                stdout=out, stderr=subprocess.DEVNULL, timeout=STEP_SECONDS)
        out.seek(0)
        return json.loads(out.read()) if result.returncode == 0 else None


def row_differences(what, wanted, got):
    return [f"console row {number} {what}: expected {want!r}\n        got {have!r}"
            for number, (want, have) in enumerate(zip(wanted, got), 1) if want != have]


def cells_problems(cells, expected):
    if cells is None:
        return ["the console could not be read"]
    problems = row_differences("text", expected["rows"], cells["rows"])
    problems += row_differences("colours", expected["attrs"], cells["attrs"])
    for name, wanted in (("cursor", expected["cursor"]), ("title", expected["title"]),
                         ("size", {"columns": COLUMNS, "rows": ROWS})):
        if cells[name] != wanted:
            problems.append(f"console {name}: expected {wanted!r}, got {cells[name]!r}")
    return problems


def wait_until(check, seconds):
    """Polls check() until it reports no problems or the time is up; the last problems."""
    deadline = time.monotonic() + seconds
    while True:
        problems = check()
        if not problems or time.monotonic() > deadline:
            return problems
        time.sleep(0.2)


def screen_problems(tmux, expected):
    rows = [row.rstrip() for row in expected["rows"]]
    shown = tmux.rows()
    problems = [f"row {number}: expected {want!r}\n        shown {got!r}"
                for number, (want, got) in enumerate(zip(rows, shown), 1) if want != got]
    if not problems and tmux.title() != expected["title"]:
        problems.append(f"window title: expected {expected['title']!r}, got {tmux.title()!r}")
    return problems


def run_steps(tmux, build_dir, screen_dump):
    codes = []
    for number, (name, keys) in enumerate(STEPS):
        for key in keys:
            tmux.send(key)
            codes += key[1]
        expected = dump(screen_dump, codes)
        seconds = START_SECONDS if number == 0 else STEP_SECONDS
        problems = wait_until(lambda: screen_problems(tmux, expected), seconds)
        if not problems:
            problems = wait_until(lambda: cells_problems(console_cells(build_dir), expected),
                                  STEP_SECONDS)
        print(("ok   " if not problems else "FAIL ") + name, flush=True)
        for problem in problems:
            print("  " + problem)
        if problems:
            return False
    return True


def run_quit(tmux, status_file):
    tmux.send(QUIT)
    deadline = time.monotonic() + STEP_SECONDS
    while not status_file.exists() or not status_file.read_text().strip():
        if time.monotonic() > deadline:
            print("FAIL Y at the quit question: the program did not end")
            return False
        time.sleep(0.2)
    status = status_file.read_text().strip()
    print(("ok   " if status == "0" else "FAIL ") + f"Y at the quit question ends it: status {status}")
    return status == "0"


def last_screen_problems(tmux, final):
    """The window's own buffer is back, showing the screen the program left down
    to its cursor's row, and the title is no longer the program's."""
    cursor = final["cursor"]
    kept = cursor["row"] - 1 if cursor["column"] == 1 else ROWS
    rows = [row.rstrip() for row in final["rows"][:kept]] + [""] * (ROWS - kept)
    problems = [f"row {number} after exit: expected {want!r}\n        shown {got!r}"
                for number, (want, got) in enumerate(zip(rows, tmux.rows()), 1) if want != got]
    if tmux.title() == final["title"]:
        problems.append(f"the window title is still {final['title']!r} after exit")
    return problems


def run_last_screen(tmux, screen_dump):
    codes = [code for _, keys in STEPS for key in keys for code in key[1]] + QUIT[1]
    final = dump(screen_dump, codes)
    problems = wait_until(lambda: last_screen_problems(tmux, final), STEP_SECONDS)
    print(("ok   " if not problems else "FAIL ") + "the last screen stays in view, the title goes back")
    for problem in problems:
        print("  " + problem)
    return not problems


def main():
    build_dir = pathlib.Path(sys.argv[1]).resolve()
    screen_dump = str(pathlib.Path(sys.argv[2]).resolve())
    with tempfile.TemporaryDirectory() as temp:
        tmux = Tmux(temp)
        status_file = pathlib.Path(temp, "status")
        environment = " ".join(f"{name}={shlex.quote(os.environ[name])}"
                               for name in ("WINEPREFIX", "WINEDEBUG", "WINEDLLOVERRIDES")
                               if name in os.environ)
        # The shell stays, so the pane still shows what the program left.
        command = (f"env {environment} wine {shlex.quote(str(build_dir / 'bidgauge.exe'))}; "
                   f"echo $? > {shlex.quote(str(status_file))}; sleep 600")
        try:
            tmux("new-session", "-d", "-s", "bidgauge", "-x", str(COLUMNS), "-y", str(ROWS),
                 "sh", "-c", command)
            tmux("set-option", "-g", "status", "off")
            passed = (run_steps(tmux, build_dir, screen_dump) and run_quit(tmux, status_file)
                      and run_last_screen(tmux, screen_dump))
        finally:
            tmux.close()
    print("interactive test " + ("passed" if passed else "failed"))
    return 0 if passed else 1


if __name__ == "__main__":
    sys.exit(main())
