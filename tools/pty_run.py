#!/usr/bin/env python3
"""Runs a command in an 80x25 pseudo-terminal, as a person at a terminal would.

Waits until TEXT shows in what the command writes, types KEYS one at a time,
then waits for the command to end and exits with its status. Everything the
command wrote goes to the --log file; the last lines of it, without escape
sequences, are printed when something goes wrong.

  pty_run.py --wait-for TEXT [--keys KEYS] [--timeout S] [--log FILE] -- COMMAND...
"""
import argparse
import fcntl
import os
import re
import select
import signal
import struct
import subprocess
import sys
import termios
import time

ESCAPES = re.compile(rb"\x1b(\[[0-?]*[ -/]*[@-~]|\][^\x07\x1b]*(\x07|\x1b\\)|[()*+].|.)")


def plain(data):
    """The bytes without terminal control sequences."""
    return ESCAPES.sub(b" ", data).replace(b"\r", b"")


def tail(data, lines=25):
    text = plain(data).decode("utf-8", "replace")
    return "\n".join(text.splitlines()[-lines:])


class Terminal:
    """The command on the slave side of a pseudo-terminal, and all it wrote."""

    def __init__(self, command, rows=25, columns=80):
        self.master, slave = os.openpty()
        fcntl.ioctl(slave, termios.TIOCSWINSZ, struct.pack("HHHH", rows, columns, 0, 0))
        self.process = subprocess.Popen(
            command, stdin=slave, stdout=slave, stderr=slave, start_new_session=True,
            preexec_fn=lambda: fcntl.ioctl(0, termios.TIOCSCTTY, 0))
        os.close(slave)
        self.output = bytearray()

    def read(self, seconds):
        """Reads for up to SECONDS; False once the command has closed the terminal."""
        ready, _, _ = select.select([self.master], [], [], seconds)
        if not ready:
            return True
        try:
            data = os.read(self.master, 65536)
        except OSError:  # EIO: no process holds the slave side any more
            return False
        self.output += data
        return bool(data)

    def wait_for(self, text, deadline):
        while time.monotonic() < deadline:
            if text in plain(bytes(self.output)):
                return True
            if not self.read(0.5):
                return text in plain(bytes(self.output))
        return False

    def type(self, keys):
        for key in keys:
            os.write(self.master, key.encode())
            time.sleep(0.3)
            self.read(0)

    def finish(self, deadline):
        """The command's exit status, or None when it outlives the deadline."""
        while time.monotonic() < deadline:
            if not self.read(0.5) and self.process.poll() is not None:
                return self.process.returncode
            if self.process.poll() is not None:
                self.read(0.2)
                return self.process.returncode
        return None

    def kill(self):
        try:
            os.killpg(self.process.pid, signal.SIGKILL)
        except ProcessLookupError:
            pass
        self.process.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--wait-for", required=True, help="text that must show")
    parser.add_argument("--keys", default="", help="keys typed once it shows")
    parser.add_argument("--timeout", type=float, default=600, help="seconds in all")
    parser.add_argument("--log", help="file for everything the command wrote")
    parser.add_argument("command", nargs="+")
    args = parser.parse_args()

    deadline = time.monotonic() + args.timeout
    terminal = Terminal(args.command)
    status = 1
    try:
        if not terminal.wait_for(args.wait_for.encode(), deadline):
            print(f"pty_run: '{args.wait_for}' never showed", file=sys.stderr)
            terminal.kill()
        else:
            terminal.type(args.keys)
            status = terminal.finish(min(deadline, time.monotonic() + 60))
            if status is None:
                print(f"pty_run: still running after the keys {args.keys!r}", file=sys.stderr)
                terminal.kill()
                status = 1
    finally:
        if args.log:
            with open(args.log, "wb") as log:
                log.write(terminal.output)
    if status != 0:
        print(tail(bytes(terminal.output)), file=sys.stderr)
    return status


if __name__ == "__main__":
    sys.exit(main())
