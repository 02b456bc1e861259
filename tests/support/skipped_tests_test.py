#!/usr/bin/env python3
"""scripts/skipped-tests.py finds every kind of skip in what ctest wrote, and takes nothing else
for one: a skip it missed would let CI pass without the test."""
import importlib.util
import sys
import tempfile
import unittest
from pathlib import Path

script = Path(__file__).resolve().parents[2] / "scripts" / "skipped-tests.py"
spec = importlib.util.spec_from_file_location("skipped_tests", script)
skipped_tests = importlib.util.module_from_spec(spec)
spec.loader.exec_module(skipped_tests)

JUNIT = """<?xml version="1.0" encoding="UTF-8"?>
<testsuite name="x" tests="5">
  <testcase name="whole" status="notrun"><skipped message="SKIP_RETURN_CODE=77"/>
    <system-out>SKIPPED: whole needs a private PID namespace (as root)
</system-out></testcase>
  <testcase name="gtest" status="run"><system-out>[ RUN      ] Suite.Runs
[       OK ] Suite.Runs (1 ms)
[ RUN      ] Suite.NeedsRoot
x.cpp:9: Skipped
only root can start a process of another user

[  SKIPPED ] Suite.NeedsRoot (0 ms)
[ RUN      ] Suite.VanishedEntriesSkipped
[       OK ] Suite.VanishedEntriesSkipped (2 ms)
[  PASSED  ] 2 tests.
[  SKIPPED ] 1 test, listed below:
[  SKIPPED ] Suite.NeedsRoot
</system-out></testcase>
  <testcase name="pytest" status="run"><system-out>SKIPPED [1] test_wine.py:25: needs Wine
3 passed, 1 skipped in 9.10s
</system-out></testcase>
  <testcase name="pytest_unnamed" status="run"><system-out>3 passed, 2 skipped in 9.10s
</system-out></testcase>
  <testcase name="clean" status="run"><system-out>Skipped lines are counted. 4 passed in 1.00s
</system-out></testcase>
</testsuite>
"""


class SkippedTests(unittest.TestCase):
    def test_each_kind_of_skip_is_named_once_and_nothing_else(self):
        with tempfile.NamedTemporaryFile("w", suffix=".xml") as junit:
            junit.write(JUNIT)
            junit.flush()
            self.assertEqual(skipped_tests.skips_in(junit.name), [
                "whole: SKIPPED: whole needs a private PID namespace (as root)",
                "gtest: Suite.NeedsRoot: only root can start a process of another user",
                "pytest: test_wine.py:25: needs Wine",
                "pytest_unnamed: 2 case(s) skipped (pytest -rs names them)",
            ])
            self.assertEqual(skipped_tests.main([junit.name]), 1)

    def test_a_run_without_skips_passes_and_a_missing_file_does_not(self):
        with tempfile.NamedTemporaryFile("w", suffix=".xml") as junit:
            junit.write('<testsuite><testcase name="clean"><system-out>4 passed in 1.00s</system-out></testcase></testsuite>')
            junit.flush()
            self.assertEqual(skipped_tests.main([junit.name]), 0)
        self.assertEqual(skipped_tests.main(["/nonexistent/ctest-junit.xml"]), 2)


if __name__ == "__main__":
    sys.exit(unittest.main())
