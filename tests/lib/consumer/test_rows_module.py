"""evaluate_many's rows built by the C module _bidgauge_rows, against the
pure Python ones."""

import os
import random
import shutil
import subprocess
import sys
import tempfile
import tracemalloc
import unittest
import warnings
from pathlib import Path
from unittest import mock

import bidgauge

RANKS = "AKQJT98765432"
SEATS = "NESW"


def deal(rng):
    """Four hands of a shuffled deck, each as four suits of ranks."""
    cards = rng.sample(range(52), 52)
    return [[[RANKS[c % 13] for c in sorted(cards[13 * h:13 * h + 13]) if c // 13 == suit]
             for suit in range(4)] for h in range(4)]


def typed(hand, rng):
    """A hand in one of the forms a line takes alone."""
    suits = ["".join(s) for s in hand]
    if rng.random() < 0.2:
        suits = [s[:-1] + "x" if len(s) > 1 and s[-1] < "8" else s for s in suits]
    style = rng.randrange(4)
    if style == 0:
        return ".".join(suits)
    if style == 1:
        return " ".join(f"{letter}:{s}" for letter, s in zip("SHDC", suits))
    text = " ".join(s or "-" for s in suits)
    return text.lower() if style == 2 else text


def dotted(hand):
    return ".".join("".join(s) for s in hand)


def lin(hands, dealer):
    return "md|" + str(dealer) + ",".join(
        "".join(letter + "".join(s) for letter, s in zip("SHDC", hand)) for hand in hands) + "|"


def lines_of_a_deal(rng):
    """The lines of one random deal in one of the forms the batch mode reads,
    some of them spoilt."""
    hands = deal(rng)
    first = rng.randrange(4)
    order = [hands[(first + i) % 4] for i in range(4)]
    given = [dotted(hand) if rng.random() < 0.8 else "-" for hand in order]
    deal_text = SEATS[first] + ":" + " ".join(given)
    form = rng.randrange(9)
    if form == 0:
        return [deal_text]
    if form == 1:
        return [" ".join(f"{seat.lower()} {dotted(hand)}" for seat, hand in zip(SEATS, hands))]
    if form == 2:
        return [f"qx|o{rng.randrange(40)}|" + lin(hands[:3], rng.randrange(1, 5))]
    if form == 3:
        tag = "Deal" if rng.random() < 0.9 else "deal"  # a warning
        board = str(rng.randrange(40)) if rng.random() < 0.9 else "#"
        return [f'[Board "{board}"]', f'[{tag} "{deal_text}"]', ""]
    if form == 4:
        return ["", "# a comment", "  "]
    if form == 5:  # a card short, a bad character, or a card twice
        text = typed(hands[0], rng)
        spoilt = rng.choice([text[:-1], text + "Z", text.replace(text[0], text[0] * 2, 1)])
        return [spoilt or "-"]
    if form == 6:
        garbage = "AKQJT98 x.-:|[]\"NESW\t\u2660"
        return ["".join(rng.choice(garbage) for _ in range(rng.randrange(30)))]
    return [typed(hands[rng.randrange(4)], rng)]


def random_lines(seed, count):
    rng = random.Random(seed)
    lines = []
    while len(lines) < count:
        lines.extend(lines_of_a_deal(rng))
    return lines


def read(lines):
    """evaluate_many's rows, bad lines and warnings."""
    errors = []
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        rows = bidgauge.evaluate_many(lines, errors=errors)
    return rows, errors, [str(warning.message) for warning in caught]


def read_in_pure_python(lines):
    with mock.patch.object(bidgauge, "_rows_module", None):
        return read(lines)


class Loading(unittest.TestCase):
    @unittest.skipUnless(os.environ.get("BIDGAUGE_ROWS_MODULE") == "built",
                         "the build made no C module")
    def test_the_built_module_is_used(self):
        self.assertIsNotNone(bidgauge._rows_module)

    def test_bidgauge_pure_python_leaves_it_out(self):
        self.assertEqual(self.run_child({"BIDGAUGE_PURE_PYTHON": "1"}), "True 1\n")

    def test_a_module_that_does_not_load_is_left_out(self):
        with tempfile.TemporaryDirectory() as folder:
            shutil.copy(bidgauge.__file__, folder)
            library = shutil.copy(bidgauge._lib._name, folder)
            Path(folder, "_bidgauge_rows.abi3.so").write_bytes(b"no library")
            env = {"PYTHONPATH": folder, "BIDGAUGE_LIBRARY": library}
            self.assertEqual(self.run_child(env), "True 1\n")

    @staticmethod
    def run_child(env):
        """Whether bidgauge went without the C module, and the rows of a hand,
        in a child with `env`."""
        code = ("import bidgauge; print(bidgauge._rows_module is None, "
                "len(bidgauge.evaluate_many(['KQ7543 QT2 A J98'])))")
        run = subprocess.run([sys.executable, "-c", code], capture_output=True, text=True,
                             env=dict(os.environ, **env), check=True)
        return run.stdout


@unittest.skipUnless(bidgauge._rows_module, "no C module")
class SameRowsAsPurePython(unittest.TestCase):
    def test_random_lines_of_every_form(self):
        for seed in range(3):
            lines = random_lines(seed, 2000)
            with self.subTest(seed=seed):
                ours = read(lines)
                self.assertGreater(len(ours[0]), 1000)  # more than one block of rows
                self.assertTrue(ours[1] and ours[2])  # bad lines and warnings too
                self.assertEqual(ours, read_in_pure_python(lines))
                # Same keys in the same order, as JSON writes them.
                self.assertEqual([list(row) for row in ours[0]],
                                 [list(row) for row in read_in_pure_python(lines)[0]])

    def test_bad_lines_raise_alike(self):
        lines = ["KQ7543 QT2 A J98", "KQ7543 QT2 A J9Z"]
        with self.assertRaises(bidgauge.BadLines) as ours:
            bidgauge.evaluate_many(lines)
        with mock.patch.object(bidgauge, "_rows_module", None):
            with self.assertRaises(bidgauge.BadLines) as pure:
                bidgauge.evaluate_many(lines)
        self.assertEqual((ours.exception.rows, ours.exception.errors),
                         (pure.exception.rows, pure.exception.errors))

    def test_each_row_is_a_dict_of_its_own(self):
        # The rows are copies of one dict: changing one changes no other.
        rows = bidgauge.evaluate_many(["KQ7543 QT2 A J98"] * 3)
        rows[0]["note"] = "changed"
        rows[0]["knr"] = 0
        del rows[1]["hand"]
        self.assertEqual(rows[2], bidgauge.evaluate_many(["KQ7543 QT2 A J98"])[0] | {"line": 3})
        self.assertEqual(len(rows[1]), 13)
        self.assertEqual(list(rows[0])[-1], "note")

    def test_blocks_of_whole_rows_only(self):
        extend = bidgauge._rows_module.extend
        self.assertRaises(ValueError, extend, [], b"\0" * (bidgauge._ROW_VALUES.size - 1))
        self.assertRaises(TypeError, extend, (), b"")
        self.assertRaises(TypeError, extend, [], "")

    def test_memory_stays_the_same_over_calls(self):
        lines = random_lines(7, 3000)
        read(lines)  # the values rows share are made once
        tracemalloc.start()
        try:
            read(lines)
            before = tracemalloc.get_traced_memory()[0]
            for _ in range(10):
                read(lines)
            growth = tracemalloc.get_traced_memory()[0] - before
        finally:
            tracemalloc.stop()
        self.assertLess(growth, 4096)


if __name__ == "__main__":
    unittest.main()
