#!/usr/bin/env python3
"""skipped-tests.py JUNIT_FILE...: names every test a ctest run skipped, from the JUnit files
ctest wrote (ctest --output-junit, keeping the whole output of tests that passed): a test skipped
whole (its exit code 77 or its skip pattern), a GoogleTest case skipped inside a test that passed
(GTEST_SKIP), a pytest case skipped inside one (pytest -rs names it). Exits 1 when it names one,
2 when a file is missing or unreadable (ctest did not get to write it)."""
import re
import sys
import xml.etree.ElementTree as ET

GTEST_SKIPPED = re.compile(r"^\[  SKIPPED \] (\S+) \(\d+ ms\)$")
GTEST_REASON_FOLLOWS = re.compile(r": Skipped$")
PYTEST_SKIPPED = re.compile(r"^SKIPPED \[\d+\] (.+)$")
PYTEST_SUMMARY = re.compile(r"\b(\d+) skipped\b.* in [\d.]+s\b")


def skips_in_output(output):
    """What the output of a test that passed says it skipped, one text per case."""
    found = []
    reason = None
    lines = output.splitlines()
    for i, line in enumerate(lines):
        if GTEST_REASON_FOLLOWS.search(line) and i + 1 < len(lines):
            reason = lines[i + 1].strip()
        match = GTEST_SKIPPED.match(line)
        if match:
            found.append(match.group(1) + (": " + reason if reason else ""))
            reason = None
        match = PYTEST_SKIPPED.match(line)
        if match:
            found.append(match.group(1))
    if not found:
        # A pytest run without -rs still counts its skips in its last line.
        for line in lines:
            match = PYTEST_SUMMARY.search(line)
            if match:
                found.append(match.group(1) + " case(s) skipped (pytest -rs names them)")
    return found


def skips_in(junit_file):
    named = []
    for case in ET.parse(junit_file).getroot().iter("testcase"):
        name = case.get("name")
        output = case.findtext("system-out") or ""
        skipped = case.find("skipped")
        if skipped is not None:
            said = [line.strip() for line in output.splitlines() if "SKIPPED" in line or "skipped" in line]
            named.append(f"{name}: {said[0] if said else skipped.get('message', 'skipped')}")
        else:
            named.extend(f"{name}: {what}" for what in skips_in_output(output))
    return named


def main(files):
    named = []
    for junit_file in files:
        try:
            named.extend(skips_in(junit_file))
        except (OSError, ET.ParseError) as error:
            print(f"skipped: cannot read what ctest ran: {error}")
            return 2
    for text in named:
        print(f"skipped: {text}")
    return 1 if named else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
