"""The Python wrapper of an installed libbidgauge."""

import json
import os
import random
import subprocess
import sys
import unittest
import warnings
from pathlib import Path

import bidgauge

FIRST = "KQ7543 QT2 A J98"
DEAL = "N:AKQJ.T98.765.432 T98.765.432.AKQJ 765.432.AKQJ.T98 432.AKQJ.T98.765"
# The batch tests' files: every form of deal, PBN's cases.
BATCH_DATA = Path(__file__).resolve().parents[2] / "batch" / "data"


def many(lines):
    """evaluate_many's rows and bad lines."""
    errors = []
    return bidgauge.evaluate_many(lines, errors=errors), errors


def as_read_alone(text, line, board=None, seat=None):
    """The row of a hand read alone by evaluate(), as evaluate_many gives it."""
    return {"board": board, "seat": seat, **bidgauge.evaluate(text), "line": line}


class Evaluate(unittest.TestCase):
    def test_known_hands(self):
        first = bidgauge.evaluate(FIRST)
        self.assertEqual(
            first,
            {
                "hand": FIRST,
                "knr": 12.35,
                "knr_opens": True,
                "zar": 28,
                "zar_opens": True,
                "kleinman": 11,
                "kleinman_quality": "ordinary",
                "kleinman_opens": True,
                "honor_tricks": 2.5,
                "honor_tricks_opens": True,
                "hcp": 12,
            },
        )
        second = bidgauge.evaluate("764 AQJ74 42 A83")
        self.assertEqual((second["knr"], second["kleinman_quality"]), (12.2, "good"))
        self.assertEqual(bidgauge.evaluate("kq7543.qt2.a.j98\n"), first)

    def test_values_read_back_as_json_rows_do(self):
        row = bidgauge.evaluate("AKQJ AKQ AKQ AKQ")
        self.assertEqual(json.loads(json.dumps(row)), row)
        self.assertIsInstance(row["honor_tricks"], int)

    def test_error_has_message_and_position(self):
        with self.assertRaises(ValueError) as caught:
            bidgauge.evaluate("KQ7543 QT2 A J9Z")
        self.assertEqual(str(caught.exception), "unexpected character 'Z' at position 16")
        self.assertEqual(caught.exception.position, 16)
        with self.assertRaises(ValueError) as caught:
            bidgauge.evaluate("KQ7543 QT2 A J9")
        self.assertEqual((caught.exception.message, caught.exception.position),
                         ("The hand has only 12 cards", 0))


class Types(unittest.TestCase):
    def test_anything_but_str_or_bytes_is_a_type_error(self):
        # 5 and 10**8 were read as that many NUL bytes, [75, 81] as "KQ".
        for value in (5, 10**8, [75, 81], None, bytearray(b"KQ"), 1.5):
            with self.subTest(value=value):
                self.assertRaises(TypeError, bidgauge.evaluate, value)
                self.assertRaises(TypeError, bidgauge.explain, value)
                self.assertRaises(TypeError, bidgauge.evaluate_many, [FIRST, value])

    def test_bytes_are_text_for_both(self):
        self.assertEqual(bidgauge.evaluate(FIRST.encode()), bidgauge.evaluate(FIRST))
        self.assertEqual(bidgauge.evaluate_many([FIRST.encode(), FIRST]),
                         [as_read_alone(FIRST, 1), as_read_alone(FIRST, 2)])

    def test_a_lone_text_is_no_iterable_of_lines(self):
        # A str was read character by character.
        for text in (FIRST, FIRST.encode()):
            self.assertRaises(TypeError, bidgauge.evaluate_many, text)


class EvaluateMany(unittest.TestCase):
    TEXTS = [FIRST, "764 AQJ74 42 A83", "AKT9xx..QJxxx.T2", "T98 765 432 8765"]

    def test_hands_alone_are_read_as_one_at_a_time(self):
        expected = [as_read_alone(text, line) for line, text in enumerate(self.TEXTS, 1)]
        self.assertEqual(bidgauge.evaluate_many(self.TEXTS), expected)
        self.assertEqual(bidgauge.evaluate_many(iter(self.TEXTS)), expected)
        self.assertEqual(bidgauge.evaluate_many([]), [])

    def test_lines_are_counted_as_in_a_file(self):
        self.assertEqual(many([FIRST + "\n", "764 AQJ74 42 A83\r\n", FIRST + "\r", FIRST])[0],
                         [as_read_alone(FIRST, 1), as_read_alone("764 AQJ74 42 A83", 2),
                          as_read_alone(FIRST, 3), as_read_alone(FIRST, 4)])
        # An item holding line breaks is that many lines.
        self.assertEqual([row["line"] for row in many([FIRST + "\n\n" + FIRST, FIRST])[0]],
                         [1, 3, 4])

    def test_blank_lines_and_comments_are_passed_over(self):
        # A blank line raised.
        self.assertEqual(many([FIRST, "", "  ", "# a comment"]), ([as_read_alone(FIRST, 1)], []))

    def test_deals_give_a_row_per_seat(self):
        # Refused, though the batch mode reads them.
        rows, errors = many([DEAL])
        self.assertEqual([(row["seat"], row["hand"], row["line"]) for row in rows],
                         [("N", "AKQJ T98 765 432", 1), ("E", "T98 765 432 AKQJ", 1),
                          ("S", "765 432 AKQJ T98", 1), ("W", "432 AKQJ T98 765", 1)])
        self.assertEqual(rows[0], as_read_alone("AKQJ T98 765 432", 1, seat="N"))
        self.assertEqual(errors, [])

    def test_pbn_is_read_over_its_lines(self):
        rows, errors = many(['[Board "3"]', '[Deal "W:AKQJ.T98.765.432 - - -"]'])
        self.assertEqual(rows, [as_read_alone("AKQJ T98 765 432", 2, board=3, seat="W")])
        self.assertEqual(errors, [])

    def test_a_bad_line_costs_its_own_rows_only(self):
        # One bad line lost every row.
        lines = [FIRST, "KQ7543 QT2 A J9Z", FIRST, "KQ\0"]
        rows, errors = many(lines)
        self.assertEqual(rows, [as_read_alone(FIRST, 1), as_read_alone(FIRST, 3)])
        self.assertEqual([error.line for error in errors], [2, 4])
        self.assertEqual(errors[0], bidgauge.BadLine(2, "unexpected character 'Z' at position 16"))
        with self.assertRaises(bidgauge.HandError) as caught:
            bidgauge.evaluate_many(lines)
        self.assertEqual((caught.exception.rows, caught.exception.errors), (rows, errors))
        self.assertEqual(str(caught.exception),
                         "line 2: unexpected character 'Z' at position 16 (and 1 more bad line)")

    def test_doubtful_lines_warn(self):
        with self.assertWarnsRegex(bidgauge.LineWarning, 'line 1: tag "deal" passed over'):
            rows, errors = many(['[deal "N:AKQJ.T98.765.432 - - -"]'])
        self.assertEqual((rows, errors), ([], []))


def program_rows(path):
    """The rows of ``bidgauge --batch`` for the file, with the line for the
    source, its messages as BadLine, and its warnings."""
    run = subprocess.run([os.environ["BIDGAUGE_PROGRAM"], "--batch", "--format", "jsonl", path],
                         capture_output=True, text=True)
    rows = []
    for text in run.stdout.splitlines():
        row = json.loads(text)
        row["line"] = int(row.pop("source").rpartition(":")[2])
        rows.append(row)
    errors = []
    warned = []
    for text in run.stderr.splitlines():
        if text.startswith("bidgauge:"):
            continue  # about the whole file
        line, _, message = text[len(str(path)) + 1:].partition(": ")
        if message.startswith("warning: "):
            warned.append(f"line {line}: {message[len('warning: '):]}")
        else:
            errors.append(bidgauge.BadLine(int(line), message))
    return rows, errors, warned


def many_warned(lines):
    """evaluate_many's rows, bad lines and warnings."""
    with warnings.catch_warnings(record=True) as caught:
        warnings.simplefilter("always")
        rows, errors = many(lines)
    return rows, errors, [str(warning.message) for warning in caught]


def random_hand(rng):
    """A dealt hand, typed or dotted, some low cards as x."""
    suits = [[], [], [], []]
    for card in sorted(rng.sample(range(52), 13)):
        suits[card // 13].append("AKQJT98765432"[card % 13])
    groups = ["".join(s[:-1] + ["x"] if rng.random() < 0.3 and len(s) > 1 and s[-1] < "8" else s)
              for s in suits]
    return ".".join(groups) if rng.random() < 0.2 else " ".join(g or "-" for g in groups)


@unittest.skipUnless(os.environ.get("BIDGAUGE_PROGRAM"), "needs BIDGAUGE_PROGRAM")
class AgreesWithTheBatchMode(unittest.TestCase):
    def test_every_data_file_gives_the_programs_rows_and_messages(self):
        files = sorted(path for path in BATCH_DATA.rglob("*") if path.is_file())
        self.assertGreaterEqual(len(files), 10)
        for path in files:
            with self.subTest(file=path.name):
                expected = program_rows(path)
                with open(path, encoding="utf-8", newline="") as text:
                    self.assertEqual(many_warned(text), expected)
                with open(path, "rb") as data:
                    self.assertEqual(many_warned(data), expected)

    def test_rows_are_the_programs_jsonl_rows(self):
        rng = random.Random(7)
        texts = [random_hand(rng) for _ in range(2000)]
        run = subprocess.run([os.environ["BIDGAUGE_PROGRAM"], "--batch", "--format", "jsonl"],
                             input="\n".join(texts) + "\n", capture_output=True, text=True,
                             check=True)
        rows = [json.loads(line) for line in run.stdout.splitlines()]
        ours = bidgauge.evaluate_many(texts)
        self.assertEqual(len(rows), len(ours))
        for row, mine in zip(rows, ours):
            row["line"] = int(row.pop("source").rpartition(":")[2])
            self.assertEqual(mine, row)


# Reads a 50 MB text that is no hand in a child process; prints how much its
# peak memory grew (KB). Memory is capped, so that a reader that copies the
# text many times fails at once rather than taking the machine's memory.
_PEAK_GROWTH = """
import resource, sys
import bidgauge
resource.setrlimit(resource.RLIMIT_AS, (3 << 30, 3 << 30))
text = b"K" * (50 << 20)
before = resource.getrusage(resource.RUSAGE_SELF).ru_maxrss
{read}
print(resource.getrusage(resource.RUSAGE_SELF).ru_maxrss - before)
"""
MEGABYTE_KB = 1024


def peak_growth_kb(read):
    env = dict(os.environ, PYTHONPATH=str(Path(bidgauge.__file__).parent))
    run = subprocess.run([sys.executable, "-c", _PEAK_GROWTH.format(read=read)], env=env,
                         capture_output=True, text=True, timeout=120)
    if run.returncode != 0:
        raise AssertionError(run.stderr)
    return int(run.stdout)


class BoundedMemory(unittest.TestCase):
    def test_a_50_mb_text_that_is_no_hand(self):
        for read in ("bidgauge.evaluate(text)", "bidgauge.explain(text)"):
            with self.subTest(read=read):
                growth = peak_growth_kb(f"try:\n    {read}\nexcept bidgauge.HandError:\n    pass")
                self.assertLess(growth, 50 * MEGABYTE_KB)

    def test_a_50_mb_line(self):
        read = ("errors = []\nbidgauge.evaluate_many([text], errors=errors)\n"
                "assert errors == [bidgauge.BadLine(1, 'line too long')], errors")
        self.assertLess(peak_growth_kb(read), 50 * MEGABYTE_KB)


class Explain(unittest.TestCase):
    def test_explains_every_method(self):
        text = bidgauge.explain(FIRST)
        for heading in ("KnR Points: 12.35", "Zar Points: 28", "Kleinman Points: 11",
                        "Honor Tricks: 2\u00bd"):
            self.assertIn(heading, text)

    def test_starts_at_its_first_heading(self):
        self.assertTrue(bidgauge.explain(FIRST).startswith("KnR Points: 12.35 *\n"))


if __name__ == "__main__":
    unittest.main()
