"""Opening-bid valuations of a contract bridge hand, from libbidgauge.

    >>> import bidgauge
    >>> bidgauge.evaluate("KQ7543 QT2 A J98")["knr"]
    12.35

evaluate() and evaluate_many() give dicts with the keys of ``bidgauge
--batch --format jsonl`` rows that belong to a hand (hand, knr, knr_opens,
zar, zar_opens, kleinman, kleinman_quality, kleinman_opens, honor_tricks,
honor_tricks_opens, hcp); board, seat and source belong to a file. A text that is no hand raises
HandError, a ValueError carrying the message and the 1-based position.

The shared library is looked for in $BIDGAUGE_LIBRARY, next to this file,
in the prefix this file is installed under, and where ctypes.util finds it.
Standard library only.
"""

import ctypes
import ctypes.util
import os
import struct
import sysconfig
from pathlib import Path

__all__ = ["HandError", "evaluate", "evaluate_many", "explain", "version"]

_SONAME = "libbidgauge.so.1"
_HAND_TEXT_SIZE = 20
_MESSAGE_SIZE = 128
_OK = 0
_ERROR_BUFFER = 3


class HandError(ValueError):
    """A text that is no hand: the message, and the 1-based position of the
    character at fault (0 when the message is about the whole hand)."""

    def __init__(self, message, position=0, index=None):
        super().__init__(message, position)
        self.message = message
        self.position = position
        self.index = index  # which text, in evaluate_many

    def __str__(self):
        where = f" (text {self.index})" if self.index is not None else ""
        return self.message + where


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


class _TextResult(ctypes.Structure):
    _fields_ = [
        ("code", ctypes.c_int32),
        ("position", ctypes.c_int32),
        ("hand", _Hand),
        ("valuation", _Valuation),
    ]


# The valuation part of a _TextResult, read in bulk: code, position and hand
# skipped, then the six numbers and the four flags.
_VALUES = struct.Struct("<20x6i4?")
assert _VALUES.size == ctypes.sizeof(_TextResult)

# Kleinman's quality by its number (-1 bad, 0 ordinary, +1 good).
_QUALITY = ("ordinary", "good", "bad")
# Honor tricks by their halves, as JSON numbers read back: 2, 2.5.
_TRICKS = tuple(halves // 2 if halves % 2 == 0 else halves / 2 for halves in range(64))


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


def _declare(lib):
    c = ctypes
    signatures = {
        "bidgauge_version": (c.c_char_p, []),
        "bidgauge_read_hand": (
            c.c_int,
            [c.c_char_p, c.c_size_t, c.POINTER(_Hand), c.POINTER(_Error)],
        ),
        "bidgauge_evaluate": (c.c_int, [c.POINTER(_Hand), c.POINTER(_Valuation)]),
        "bidgauge_evaluate_texts": (
            c.c_size_t,
            [c.c_char_p, c.c_size_t, c.c_char, c.POINTER(_TextResult), c.c_size_t],
        ),
        "bidgauge_join_hand_texts": (
            c.c_size_t,
            [c.POINTER(_TextResult), c.c_size_t, c.c_char, c.c_void_p, c.c_size_t],
        ),
        "bidgauge_hand_text": (c.c_int, [c.POINTER(_Hand), c.c_char_p]),
        "bidgauge_explain": (
            c.c_int,
            [c.POINTER(_Hand), c.c_char_p, c.c_size_t, c.POINTER(c.c_size_t)],
        ),
    }
    for name, (restype, argtypes) in signatures.items():
        function = getattr(lib, name)
        function.restype = restype
        function.argtypes = argtypes
    return lib


_lib = _declare(_load())


def _read(text):
    data = text.encode("utf-8") if isinstance(text, str) else bytes(text)
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
    """The valuations of the hand in `text` (str or bytes, any form the
    batch mode reads) as a dict with the keys of a batch JSONL row that belong to a hand."""
    hand = _read(text)
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


def evaluate_many(texts):
    """evaluate() for each str of `texts` (any iterable), in one call into
    the library; a list of dicts in the same order. The first text that is
    no hand raises HandError, its `index` saying which."""
    texts = texts if isinstance(texts, list) else list(texts)
    count = len(texts)
    if count == 0:
        return []
    # Every text ends with a NUL, so an empty last text is a text too.
    joined = ("\0".join(texts) + "\0").encode("utf-8")
    results = (_TextResult * count)()
    if _lib.bidgauge_evaluate_texts(joined, len(joined), b"\0", results, count) != count:
        # A text held a NUL of its own: read each one alone.
        return [_evaluate_at(index, text) for index, text in enumerate(texts)]
    room = ctypes.create_string_buffer(count * _HAND_TEXT_SIZE)
    written = _lib.bidgauge_join_hand_texts(results, count, b"\n", room, len(room))
    hands = ctypes.string_at(room, written - 1).decode("ascii").split("\n")
    if "" in hands:
        index = hands.index("")
        _evaluate_at(index, texts[index])  # raises its HandError
        raise MemoryError("libbidgauge ran out of memory")
    return [
        {
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
        }
        for hand, (knr, zar, kleinman, quality, halves, hcp,
                   knr_opens, zar_opens, kleinman_opens, tricks_opens)
        in zip(hands, _VALUES.iter_unpack(results))
    ]


def _evaluate_at(index, text):
    try:
        return evaluate(text)
    except HandError as error:
        raise HandError(error.message, error.position, index) from None


def explain(text):
    """What each method counted for the hand in `text`, and why: the text
    ``bidgauge --explain`` prints after the results."""
    hand = _read(text)
    length = ctypes.c_size_t()
    _lib.bidgauge_explain(ctypes.byref(hand), None, 0, ctypes.byref(length))
    buffer = ctypes.create_string_buffer(length.value + 1)
    if _lib.bidgauge_explain(ctypes.byref(hand), buffer, len(buffer), ctypes.byref(length)) != _OK:
        raise MemoryError("libbidgauge ran out of memory")
    return buffer.value.decode("utf-8")


def version():
    """The version of the loaded library, "MAJOR.MINOR.PATCH"."""
    return _lib.bidgauge_version().decode("ascii")
