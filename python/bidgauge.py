"""Opening-bid valuations of a contract bridge hand, from libbidgauge.

    >>> import bidgauge
    >>> bidgauge.evaluate("KQ7543 QT2 A J98")["knr"]
    12.35

evaluate() gives a dict with the keys of a ``bidgauge --batch --format
jsonl`` row that belong to a hand (hand, knr, knr_opens, zar, zar_opens,
kleinman, kleinman_quality, kleinman_opens, honor_tricks, honor_tricks_opens,
hcp); a text that is no hand raises HandError, a ValueError carrying the
message and the 1-based position. evaluate_many() reads lines as the batch
mode reads a file, and its dicts also have the row's board, seat and line.
Texts are str or bytes (read as the batch mode reads a file's bytes);
anything else raises TypeError.

The shared library is looked for in $BIDGAUGE_LIBRARY, next to this file,
in the prefix this file is installed under, and where ctypes.util finds it.
Standard library only. evaluate_many builds its rows faster with the optional
C module _bidgauge_rows, looked for next to this file and next to the
library; it gives the same rows without it, or with $BIDGAUGE_PURE_PYTHON=1.
"""

import ctypes
import ctypes.util
import gc
import importlib
import importlib.machinery
import os
import struct
import sys
import sysconfig
import warnings
from itertools import chain
from pathlib import Path
from typing import NamedTuple

__all__ = ["BadLine", "BadLines", "HandError", "LineWarning", "evaluate", "evaluate_many",
           "explain", "version"]

_SONAME = "libbidgauge.so.1"
_HAND_TEXT_SIZE = 20
_MESSAGE_SIZE = 128
_OK = 0
_ERROR_MEMORY = 4
_LINE_WARNING = 2


class HandError(ValueError):
    """A text that is no hand: the message, and the 1-based position of the
    character at fault (0 when the message is about the whole hand)."""

    def __init__(self, message, position=0, index=None):
        super().__init__(message, position)
        self.message = message
        self.position = position
        self.index = index  # which of several texts (evaluate_many reports lines as BadLine)

    def __str__(self):
        where = f" (text {self.index})" if self.index is not None else ""
        return self.message + where


class BadLine(NamedTuple):
    """A line of evaluate_many() that gives no row (or not all of its
    rows), and why: as ``bidgauge --batch`` reports it, ``FILE:LINE: message``."""

    line: int
    message: str


class BadLines(HandError):
    """Raised by evaluate_many() for bad lines when no `errors` list is given.
    `rows` holds the rows of the good lines, `errors` the BadLine of each bad one."""

    def __init__(self, rows, errors):
        first = errors[0]
        others = len(errors) - 1
        more = f" (and {others} more bad line{'s' if others > 1 else ''})" if others else ""
        super().__init__(f"line {first.line}: {first.message}{more}")
        self.rows = rows
        self.errors = errors


class LineWarning(UserWarning):
    """A line evaluate_many() read that may not say what its writer meant, such
    as a PBN tag whose name differs from Deal or Board only in case."""


class _Hand(ctypes.Structure):
    _fields_ = [("cards", ctypes.c_uint16 * 4), ("spots", ctypes.c_uint8 * 4)]


class _Valuation(ctypes.Structure):
    _fields_ = [
        ("knr_hundredths", ctypes.c_int32),
        ("zar_points", ctypes.c_int32),
        ("kleinman_points", ctypes.c_int32),
        ("kleinman_quality", ctypes.c_int32),
        ("honor_trick_halves", ctypes.c_int32),
        ("high_card_points", ctypes.c_int32),
        ("knr_opens", ctypes.c_uint8),
        ("zar_opens", ctypes.c_uint8),
        ("kleinman_opens", ctypes.c_uint8),
        ("honor_tricks_opens", ctypes.c_uint8),
    ]


class _Error(ctypes.Structure):
    _fields_ = [
        ("code", ctypes.c_int32),
        ("position", ctypes.c_int32),
        ("message", ctypes.c_char * _MESSAGE_SIZE),
    ]


class _Row(ctypes.Structure):
    _fields_ = [
        ("line", ctypes.c_int64),
        ("board", ctypes.c_int64),
        ("hand", _Hand),
        ("valuation", _Valuation),
        ("hand_text", ctypes.c_char * _HAND_TEXT_SIZE),
        ("seat", ctypes.c_char),
    ]


# A _Row read in bulk, in the machine's own layout: line and board, the hand
# skipped, the six numbers and the four flags, the hand text skipped, the seat.
_ROW_VALUES = struct.Struct("qq12x6i4?20xB3x")
assert _ROW_VALUES.size == ctypes.sizeof(_Row) and _Row.seat.offset == 76
# The rows the library hands over at a time, at most (more only costs a larger buffer).
_ROWS_IN_A_BLOCK = 512

_ROWS_CALLBACK = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p, ctypes.c_size_t)
_MESSAGE_CALLBACK = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_int64, ctypes.c_int,
                                     ctypes.c_void_p, ctypes.c_size_t)

# Kleinman's quality by its number (-1 bad, 0 ordinary, +1 good).
_QUALITY = ("ordinary", "good", "bad")
# Honor tricks by their halves, as JSON numbers read back: 2, 2.5.
_TRICKS = tuple(halves // 2 if halves % 2 == 0 else halves / 2 for halves in range(64))
# Seats by their letter's code; 0 for a hand of no seat.
_SEATS = tuple(chr(code) if chr(code) in "NESW" else None for code in range(256))


def _candidates():
    override = os.environ.get("BIDGAUGE_LIBRARY")
    if override:
        yield override
    here = Path(__file__).resolve().parent
    yield here / _SONAME
    # Installed as <prefix>/lib/python3.X/dist-packages/bidgauge.py.
    if len(here.parents) > 2:
        prefix = here.parents[2]
        multiarch = sysconfig.get_config_var("MULTIARCH")
        for libdir in (f"lib/{multiarch}" if multiarch else None, "lib", "lib64"):
            if libdir:
                yield prefix / libdir / _SONAME
    found = ctypes.util.find_library("bidgauge")
    if found:
        yield found


def _load():
    tried = []
    for candidate in _candidates():
        if isinstance(candidate, Path) and not candidate.exists():
            continue
        try:
            return ctypes.CDLL(str(candidate))
        except OSError as error:
            tried.append(str(error))
    raise ImportError("libbidgauge not found: " + ("; ".join(tried) or "set BIDGAUGE_LIBRARY"))


def _import_from(place, name):
    """The module `name` as Python imports it, looked for in the folder
    `place` first."""
    sys.path.insert(0, str(place))
    try:
        return importlib.import_module(name)
    finally:
        sys.path.remove(str(place))


def _load_rows_module(library):
    """The C module that builds evaluate_many's rows: installed next to this
    file, built next to the library; None when there is none that loads (or
    $BIDGAUGE_PURE_PYTHON asks for none)."""
    if os.environ.get("BIDGAUGE_PURE_PYTHON", "") not in ("", "0"):
        return None
    places = [Path(__file__).resolve().parent]
    if os.sep in library._name:  # not a name the loader looked up
        places.append(Path(library._name).resolve().parent)
    for place in dict.fromkeys(places):
        built = (place / ("_bidgauge_rows" + suffix)
                 for suffix in importlib.machinery.EXTENSION_SUFFIXES)
        if not any(path.exists() for path in built):
            continue
        try:
            module = _import_from(place, "_bidgauge_rows")
        except Exception:  # noqa: B902 -- any module that fails to load is left out
            continue
        if module.ROW_SIZE == _ROW_VALUES.size:  # built for this very row
            return module
        sys.modules.pop("_bidgauge_rows", None)  # another place may hold the right one
    return None


def _declare(lib):
    c = ctypes
    signatures = {
        "bidgauge_version": (c.c_char_p, []),
        "bidgauge_read_hand": (
            c.c_int,
            [c.c_char_p, c.c_size_t, c.POINTER(_Hand), c.POINTER(_Error)],
        ),
        "bidgauge_evaluate": (c.c_int, [c.POINTER(_Hand), c.POINTER(_Valuation)]),
        "bidgauge_hand_text": (c.c_int, [c.POINTER(_Hand), c.c_char_p]),
        "bidgauge_explain": (
            c.c_int,
            [c.POINTER(_Hand), c.c_char_p, c.c_size_t, c.POINTER(c.c_size_t)],
        ),
        "bidgauge_read_lines": (
            c.c_int,
            [c.c_char_p, c.c_size_t, _ROWS_CALLBACK, _MESSAGE_CALLBACK, c.c_void_p],
        ),
        "bidgauge_join_row_hand_texts": (
            c.c_size_t,
            [c.c_void_p, c.c_size_t, c.c_char, c.c_void_p, c.c_size_t],
        ),
    }
    for name, (restype, argtypes) in signatures.items():
        function = getattr(lib, name)
        function.restype = restype
        function.argtypes = argtypes
    return lib


_lib = _declare(_load())
_rows_module = _load_rows_module(_lib)


def _text_bytes(text, function):
    if isinstance(text, str):
        return text.encode("utf-8")
    if isinstance(text, bytes):
        return text
    raise TypeError(f"{function}() takes a hand as str or bytes, not {type(text).__name__}")


def _read(text, function):
    data = _text_bytes(text, function)
    hand = _Hand()
    error = _Error()
    if _lib.bidgauge_read_hand(data, len(data), ctypes.byref(hand), ctypes.byref(error)) != _OK:
        raise HandError(error.message.decode("utf-8", "replace"), error.position)
    return hand


def _hand_text(hand):
    text = ctypes.create_string_buffer(_HAND_TEXT_SIZE)
    _lib.bidgauge_hand_text(ctypes.byref(hand), text)
    return text.value.decode("ascii")


def evaluate(text):
    """The valuations of the hand in `text` (str or bytes, in any form the
    batch mode reads for one hand) as a dict with the keys of a batch JSONL
    row that belong to a hand. TypeError for anything but str or bytes."""
    hand = _read(text, "evaluate")
    v = _Valuation()
    _lib.bidgauge_evaluate(ctypes.byref(hand), ctypes.byref(v))
    return {
        "hand": _hand_text(hand),
        "knr": v.knr_hundredths / 100,
        "knr_opens": bool(v.knr_opens),
        "zar": v.zar_points,
        "zar_opens": bool(v.zar_opens),
        "kleinman": v.kleinman_points,
        "kleinman_quality": _QUALITY[v.kleinman_quality],
        "kleinman_opens": bool(v.kleinman_opens),
        "honor_tricks": _TRICKS[v.honor_trick_halves],
        "honor_tricks_opens": bool(v.honor_tricks_opens),
        "hcp": v.high_card_points,
    }


def evaluate_many(lines, errors=None):
    """The rows of `lines` (a list or any iterable of str or bytes, such as
    an open file), read exactly as ``bidgauge --batch`` reads the lines of a
    file: a hand or a deal per line in every form the batch mode takes, or
    PBN with its Deal and Board tags; blank lines and comments skipped.

    Returns a list of dicts in the order of the lines, one per hand, with the
    keys of evaluate() and the row's "board" (a number, or None), "seat" ("N",
    "E", "S", "W", or None for a hand given alone) and "line" (1-based). Each
    item is a line, its line end optional; an item holding line breaks counts
    as that many lines.

    A bad line gives no row, as in the batch mode, and is kept as a
    BadLine(line, message): appended to `errors` when it is a list, while the
    good rows are returned; when `errors` is None, the whole text is read and
    BadLines is raised, holding both the good rows and the bad lines. Lines
    that may not say what their writer meant give a LineWarning.

    TypeError for a lone str or bytes (use evaluate() for one hand) and for
    lines that are neither str nor bytes."""
    rows, messages = _read_lines(_joined_lines(lines))
    bad = []
    for line, kind, message in messages:
        if kind == _LINE_WARNING:
            warnings.warn(f"line {line}: {message}", LineWarning, stacklevel=2)
        else:
            bad.append(BadLine(line, message))
    if errors is not None:
        errors.extend(bad)
    elif bad:
        raise BadLines(rows, bad)
    return rows


def _read_lines(data):
    """The row dicts of the text `data`, and its messages as (line, kind,
    message), from bidgauge_read_lines."""
    rows = []  # built a block at a time by the C module, when there is one
    chunks = []
    hand_texts = []
    room = ctypes.create_string_buffer(_ROWS_IN_A_BLOCK * _HAND_TEXT_SIZE)
    messages = []
    failures = []  # raised again once the library returns

    def on_rows(_context, block, count):
        nonlocal room
        try:
            packed = ctypes.string_at(block, count * _ROW_VALUES.size)
            if _rows_module:
                _rows_module.extend(rows, packed)
                return 0
            chunks.append(packed)
            if len(room) < count * _HAND_TEXT_SIZE:
                room = ctypes.create_string_buffer(count * _HAND_TEXT_SIZE)
            written = _lib.bidgauge_join_row_hand_texts(block, count, b"\n", room, len(room))
            hand_texts.append(ctypes.string_at(room, written))
            return 0
        except BaseException as failure:  # noqa: B902
            failures.append(failure)
            return 1

    def on_message(_context, line, kind, message, length):
        try:
            text = ctypes.string_at(message, length).decode("utf-8", "replace")
            messages.append((line, kind, text))
            return 0
        except BaseException as failure:  # noqa: B902
            failures.append(failure)
            return 1

    # The rows hold no cycles: the collector, which the many new dicts would
    # wake again and again, has nothing to find in them.
    collecting = gc.isenabled()
    gc.disable()
    try:
        if data:
            status = _lib.bidgauge_read_lines(data, len(data), _ROWS_CALLBACK(on_rows),
                                              _MESSAGE_CALLBACK(on_message), None)
            if failures:
                raise failures[0]
            if status == _ERROR_MEMORY:
                raise MemoryError("libbidgauge ran out of memory")
        if not _rows_module:
            rows = _rows_of(chunks, b"".join(hand_texts))
        return rows, messages
    finally:
        if collecting:
            gc.enable()


def _joined_lines(lines):
    """The lines as the text of a file: each but the last ends with a line end
    (so that one long line is not copied again)."""
    if isinstance(lines, (str, bytes)):
        raise TypeError("evaluate_many() takes an iterable of lines, not one "
                        f"{type(lines).__name__}: evaluate() reads one hand")
    lines = lines if isinstance(lines, list) else list(lines)
    if not lines:
        return b""
    try:
        text = "\n".join(lines)
    except TypeError:
        return _joined_mixed_lines(lines)
    if text.count("\n") != len(lines) - 1:
        # Some lines have line feeds of their own, or hold several lines. A line
        # ended by a lone CR gets its LF too: a CRLF ends it in any case.
        ended = [line if line.endswith("\n") else line + "\n" for line in lines[:-1]]
        text = "".join(ended + lines[-1:])
    return text.encode("utf-8")


def _joined_mixed_lines(lines):
    parts = []
    for number, line in enumerate(lines, 1):
        if isinstance(line, str):
            line = line.encode("utf-8")
        elif not isinstance(line, bytes):
            raise TypeError("evaluate_many() takes lines of str or bytes, "
                            f"not {type(line).__name__} (line {number})")
        ended = line.endswith(b"\n") or number == len(lines)
        parts.append(line if ended else line + b"\n")
    return b"".join(parts)


def _rows_of(chunks, hand_texts):
    """The dicts of the rows packed in `chunks`, a _Row after another, whose
    hand texts are `hand_texts`, each ended by a line feed."""
    hands = hand_texts.decode("ascii").split("\n")
    return _dicts_of(chain.from_iterable(map(_ROW_VALUES.iter_unpack, chunks)), hands)


def _dicts_of(values, hands):
    return [
        {
            "board": None if board < 0 else board,
            "seat": _SEATS[seat],
            "hand": hand,
            "knr": knr / 100,
            "knr_opens": knr_opens,
            "zar": zar,
            "zar_opens": zar_opens,
            "kleinman": kleinman,
            "kleinman_quality": _QUALITY[quality],
            "kleinman_opens": kleinman_opens,
            "honor_tricks": _TRICKS[halves],
            "honor_tricks_opens": tricks_opens,
            "hcp": hcp,
            "line": line,
        }
        for hand, (line, board, knr, zar, kleinman, quality, halves, hcp,
                   knr_opens, zar_opens, kleinman_opens, tricks_opens, seat)
        in zip(hands, values)
    ]

def explain(text):
    """What each method counted for the hand in `text`, and why: the text
    ``bidgauge --explain`` prints after the results."""
    hand = _read(text, "explain")
    length = ctypes.c_size_t()
    _lib.bidgauge_explain(ctypes.byref(hand), None, 0, ctypes.byref(length))
    buffer = ctypes.create_string_buffer(length.value + 1)
    if _lib.bidgauge_explain(ctypes.byref(hand), buffer, len(buffer), ctypes.byref(length)) != _OK:
        raise MemoryError("libbidgauge ran out of memory")
    return buffer.value.decode("utf-8")


def version():
    """The version of the loaded library, "MAJOR.MINOR.PATCH"."""
    return _lib.bidgauge_version().decode("ascii")
