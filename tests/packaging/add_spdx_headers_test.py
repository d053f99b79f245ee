#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 CatchScale developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""scripts/add-spdx-headers on a scratch folder: each kind of file gets the comment syntax it
can hold, in the place it can hold it, once; what cannot hold one is left byte for byte."""
import pathlib
import subprocess
import sys
import tempfile
import unittest

# The expected headers below are data, not this file's own.
# REUSE-IgnoreStart
SCRIPT = pathlib.Path(__file__).resolve().parents[2] / "scripts" / "add-spdx-headers"
C = "SPDX-FileCopyrightText: 2026 CatchScale developers"
L = "SPDX-License-Identifier: GPL-3.0-or-later"

# name, content before, content after (None: left as it was).
ROWS = [
    ("Foo.cpp", "#include <x>\n", f"// {C}\n// {L}\n#include <x>\n"),
    ("Version.h.in", "#pragma once\n", f"// {C}\n// {L}\n#pragma once\n"),
    ("CMakeLists.txt", "add_library(a)\n", f"# {C}\n# {L}\nadd_library(a)\n"),
    ("run", "#!/bin/sh\necho\n", f"#!/bin/sh\n# {C}\n# {L}\necho\n"),
    ("road.steps", "key alt+f\r\n", f"# {C}\r\n# {L}\r\nkey alt+f\r\n"),
    ("help.html", "<!DOCTYPE html>\n<p>",
     f"<!DOCTYPE html>\n<!-- {C} -->\n<!-- {L} -->\n<p>"),
    ("icon.svg", "<?xml version=\"1.0\"?>\n<svg/>\n",
     f"<?xml version=\"1.0\"?>\n<!-- {C} -->\n<!-- {L} -->\n<svg/>\n"),
    ("a.metainfo.xml.in", "<?xml version=\"1.0\"?>\n",
     f"<?xml version=\"1.0\"?>\n<!-- {C} -->\n<!-- SPDX-License-Identifier: CC0-1.0 -->\n"),
    ("catchscale.1", ".TH X 1\n", f'.\\" {C}\n.\\" {L}\n.TH X 1\n'),
    ("README.md", "# Title\n", f"<!-- {C} -->\n<!-- {L} -->\n# Title\n"),
    ("presets.json", "{}\n", None),
    ("book.ini", "[\x83t\x83H]\r\n", None),  # Shift_JIS: not UTF-8 at all
    ("catch.jpg", "\xff\xd8\xff\xe0", None),
    ("Old.cpp", f"// {C}\n// {L}\nint x;\n", None),  # already there
]
# REUSE-IgnoreEnd


class AddSpdxHeaders(unittest.TestCase):
    # Slips caught: a wrong comment syntax, a header put above a "#!" line, an XML declaration or
    # a doctype (which must stay first), line ends mixed, the metainfo under the wrong licence,
    # a second header on a second run, a file that cannot hold a comment rewritten.
    def test_each_kind_of_file_gets_its_header_once(self):
        with tempfile.TemporaryDirectory() as folder:
            root = pathlib.Path(folder)
            # Files to be left alone are bytes, not necessarily UTF-8.
            for name, before, after in ROWS:
                (root / name).write_bytes(before.encode("utf-8" if after else "latin-1"))
            for _ in range(2):
                subprocess.run([sys.executable, str(SCRIPT), folder], check=True,
                               capture_output=True)
            for name, before, after in ROWS:
                with self.subTest(name=name):
                    got = (root / name).read_bytes()
                    if after is None:
                        self.assertEqual(got.decode("latin-1"), before)
                    else:
                        self.assertEqual(got.decode("utf-8"), after)


if __name__ == "__main__":
    unittest.main()
