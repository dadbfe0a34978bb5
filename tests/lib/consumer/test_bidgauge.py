"""The Python wrapper of an installed libbidgauge."""

import json
import os
import random
import subprocess
import unittest

import bidgauge

FIRST = "KQ7543 QT2 A J98"


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


class EvaluateMany(unittest.TestCase):
    TEXTS = [FIRST, "764 AQJ74 42 A83", "AKT9xx..QJxxx.T2", "T98 765 432 8765"]

    def test_same_as_one_at_a_time(self):
        expected = [bidgauge.evaluate(text) for text in self.TEXTS]
        self.assertEqual(bidgauge.evaluate_many(self.TEXTS), expected)
        self.assertEqual(bidgauge.evaluate_many(iter(self.TEXTS)), expected)
        self.assertEqual(bidgauge.evaluate_many([]), [])

    def test_texts_with_line_ends_or_nuls(self):
        texts = [FIRST + "\n", "764 AQJ74 42 A83\r\n"]
        self.assertEqual(bidgauge.evaluate_many(texts)[1]["knr"], 12.2)
        self.assertEqual(bidgauge.evaluate_many([FIRST, FIRST])[1]["hand"], FIRST)

    def test_first_error_names_its_text(self):
        for texts, index in ((self.TEXTS + ["KQ7543 QT2 A J9Z"], 4), ([FIRST, ""], 1),
                             ([FIRST, "KQ\0"], 1)):
            with self.assertRaises(ValueError) as caught:
                bidgauge.evaluate_many(texts)
            self.assertEqual(caught.exception.index, index)


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
            # Where a row came from is the batch mode's own column.
            del row["board"], row["seat"], row["source"]
            self.assertEqual(mine, row)


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
