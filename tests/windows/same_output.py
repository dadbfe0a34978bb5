#!/usr/bin/env python3
"""bidgauge.exe under wine writes the same bytes as the native program: every
batch data file in each output format, standard input with CR LF and a Ctrl+Z,
a Unicode file name, a missing file, hands with and without --explain, an
invalid hand, seeded random deals, and the option texts. Standard output,
standard error and the exit status must all agree.

Usage: same_output.py NATIVE_PROGRAM WINDOWS_PROGRAM   (wine set up by run.sh)
"""
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
DATA = ROOT / "tests" / "batch" / "data"
TIMEOUT_SECONDS = 120


def run(command, cwd, stdin_bytes):
    # Files rather than pipes: wine's own background processes may inherit a
    # pipe and keep it open long after the program has ended.
    with tempfile.TemporaryFile() as stdin, tempfile.TemporaryFile() as stdout, \
            tempfile.TemporaryFile() as stderr:
        stdin.write(stdin_bytes)
        stdin.seek(0)
        status = subprocess.run(command, cwd=cwd, stdin=stdin, stdout=stdout, stderr=stderr,
                                timeout=TIMEOUT_SECONDS,
                                env=dict(os.environ, LANG="C.UTF-8")).returncode
        stdout.seek(0)
        stderr.seek(0)
        return status, stdout.read(), stderr.read()


def first_difference(native, windows):
    native_lines, windows_lines = native.split(b"\n"), windows.split(b"\n")
    for number, (a, b) in enumerate(zip(native_lines, windows_lines), 1):
        if a != b:
            return f"line {number}: native {a!r}, windows {b!r}"
    return f"native has {len(native_lines)} lines, windows {len(windows_lines)}"


def compare(name, native, windows, words, cwd=ROOT, stdin_bytes=b""):
    expected = run([native, *words], cwd, stdin_bytes)
    got = run(["wine", windows, *words], cwd, stdin_bytes)
    problems = []
    for part, a, b in zip(("exit status", "stdout", "stderr"), expected, got):
        if a != b:
            detail = f"native {a}, windows {b}" if part == "exit status" else first_difference(a, b)
            problems.append(f"  {part} differs: {detail}")
    print(("ok   " if not problems else "FAIL ") + name, flush=True)
    for problem in problems:
        print(problem)
    return not problems


def cases(data_files, unicode_dir):
    relative = [str(path.relative_to(ROOT)) for path in data_files]
    for path in relative:
        yield f"--batch {path}", ["--batch", path], ROOT, b""
    yield "--batch --format csv, every file", ["--batch", "--format", "csv", *relative], ROOT, b""
    yield ("--batch --format jsonl --no-header, every file",
           ["--batch", "--format", "jsonl", "--no-header", *relative], ROOT, b"")
    crlf = b"KQ7543 QT2 A J98\r\n\x1a\r\nAKQ72 KJ5 Q84 73\r\nnot a hand\r\n"
    yield "--batch from standard input with CR LF and Ctrl+Z", ["--batch"], ROOT, crlf
    yield "--batch of a Unicode file name", ["--batch", unicode_dir.name], unicode_dir.parent, b""
    yield "--batch of a missing file", ["--batch", "no such file.txt"], ROOT, b""
    yield "one hand", ["KQ7543", "QT2", "A", "J98"], ROOT, b""
    yield "one hand with --explain", ["--explain", "akt9xx", "--", "qjxxx", "t2"], ROOT, b""
    yield "a strong hand with --explain", ["--explain", "AKQJ", "AKQ", "AKQ", "AKQ"], ROOT, b""
    yield "an incomplete hand", ["KQ7543", "QT2"], ROOT, b""
    yield "a card twice", ["AA", "KQJ", "T98", "76543"], ROOT, b""
    yield "--deal 50 --seed 7", ["--deal", "50", "--seed", "7"], ROOT, b""
    yield "--help", ["--help"], ROOT, b""
    yield "--version", ["--version"], ROOT, b""
    yield "an unknown option", ["--frobnicate"], ROOT, b""


def main():
    native, windows = (str(pathlib.Path(arg).resolve()) for arg in sys.argv[1:3])
    data_files = sorted(path for path in DATA.rglob("*") if path.is_file())
    with tempfile.TemporaryDirectory() as temp:
        # A name beyond every code page, a character outside the BMP included.
        unicode_file = pathlib.Path(temp, "h\u00e4nde \u2660 \U0001F0A1.txt")
        shutil.copyfile(DATA / "forms" / "lin.txt", unicode_file)
        results = [compare(name, native, windows, words, cwd, stdin_bytes)
                   for name, words, cwd, stdin_bytes in cases(data_files, unicode_file)]
    print(f"{sum(results)} of {len(results)} cases give the same output")
    return 0 if all(results) else 1


if __name__ == "__main__":
    sys.exit(main())
