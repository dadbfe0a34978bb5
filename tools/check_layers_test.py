#!/usr/bin/env python3
"""The layer check finds upward and sideways includes, and accepts downward ones."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

SCRIPT = pathlib.Path(__file__).with_name("check_layers.py")


def check(files):
    with tempfile.TemporaryDirectory() as root:
        for name, text in files.items():
            path = pathlib.Path(root, "src", name)
            path.parent.mkdir(parents=True, exist_ok=True)
            path.write_text(text)
        for folder in ("hand", "evaluators", "console", "results", "help", "app", "cli"):
            pathlib.Path(root, "src", folder).mkdir(parents=True, exist_ok=True)
        result = subprocess.run([sys.executable, SCRIPT, root], capture_output=True, text=True)
        return result.returncode, result.stdout


class CheckLayers(unittest.TestCase):
    def test_downward_includes_pass(self):
        code, out = check({"app/a.cpp": '#include "hand/hand.hpp"\n#include "help/h.hpp"\n',
                           "results/panel.cpp": '#include "console/screen.hpp"\n'})
        self.assertEqual((code, out), (0, ""))

    def test_upward_include_fails(self):
        code, out = check({"hand/parser.cpp": '#include "app/interactive_app.hpp"\n'})
        self.assertEqual(code, 1)
        self.assertIn("hand/parser.cpp:1: hand includes app", out)

    def test_sideways_include_fails(self):
        code, out = check({"evaluators/knr.cpp": '#include "console/screen.hpp"\n'})
        self.assertEqual(code, 1)

    def test_core_texts_may_not_draw(self):
        code, out = check({"results/result_text.cpp": '#include "console/colors.hpp"\n'})
        self.assertEqual(code, 1)

    def test_unknown_folder_fails(self):
        code, out = check({"gui/x.cpp": "int x;\n"})
        self.assertEqual(code, 1)


if __name__ == "__main__":
    unittest.main()
