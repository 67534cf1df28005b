#!/usr/bin/env python3
"""Tests of the layer check on small trees made for each case."""
import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CHECK = os.path.join(HERE, "check_layers.py")

MAP = """# Map

Layer graph (checked):

```
platform        ->
platform/win32  -> platform
widgets         -> platform
app             -> widgets platform
Windows headers: platform/win32
```
"""


class LayerCheckTest(unittest.TestCase):
    def run_on(self, files):
        with tempfile.TemporaryDirectory() as root:
            os.makedirs(os.path.join(root, "docs"))
            with open(os.path.join(root, "docs", "map.md"), "w") as f:
                f.write(MAP)
            for path, text in files.items():
                full = os.path.join(root, path)
                os.makedirs(os.path.dirname(full), exist_ok=True)
                with open(full, "w") as f:
                    f.write(text)
            result = subprocess.run([sys.executable, CHECK, "--root", root], capture_output=True, text=True)
            return result.returncode, result.stdout

    def test_includes_down_the_graph_pass(self):
        code, out = self.run_on({
            "platform/files.h": "#pragma once\n",
            "widgets/form.h": '#include "platform/files.h"\n#include <string>\n',
            "app/main.cpp": '#include "widgets/form.h"\n#include "app/main.h"\n',
            "platform/win32/files.cpp": '#include <windows.h>\n#include "platform/files.h"\n',
            "tests/any_test.cpp": '#include "app/main.h"\n#include <windows.h>\n',
        })
        self.assertEqual(code, 0, out)

    def test_an_include_up_the_graph_fails_with_its_place(self):
        code, out = self.run_on({
            "app/main.h": "#pragma once\n",
            "widgets/form.cpp": '#include <vector>\n#include "app/main.h"\n',
        })
        self.assertEqual(code, 1)
        self.assertIn('widgets/form.cpp:2: widgets may not include app ("app/main.h")', out)

    def test_a_sibling_of_a_sub_layer_is_not_the_sub_layer(self):
        # platform/win32 may see platform, but platform may not see platform/win32.
        code, out = self.run_on({
            "platform/win32/api.h": "#pragma once\n",
            "platform/helpers.cpp": '#include "platform/win32/api.h"\n',
        })
        self.assertEqual(code, 1)
        self.assertIn("platform may not include platform/win32", out)

    def test_windows_headers_only_where_allowed(self):
        for header in ("windows.h", "Windows.h", "shellapi.h"):
            code, out = self.run_on({"widgets/peer.cpp": f"#include <{header}>\n"})
            self.assertEqual(code, 1, header)
            self.assertIn(f"widgets/peer.cpp:1: <{header}> is only for platform/win32", out)


if __name__ == "__main__":
    unittest.main()
