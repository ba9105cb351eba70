#!/usr/bin/env python3
"""Prints where the tests stand against the program: non-blank lines of the
test cases (the files with test bodies or scenario rows), of the test
infrastructure (everything else under tests/ but data), and of the product's
C++, with the two ratios the project keeps to.
  testlines.py [SOURCE-FOLDER]
"""
import os
import sys

PRODUCT = ["app", "base", "saver", "saverdlg", "settings", "buttonbar", "tray", "exit"]
CASE_FOLDERS = ["tests/unit", "tests/win32", "tests/system"]
DATA = ["tests/fuzz/corpus", "tests/release-imports.txt"]  # counts as neither


def lines(path):
    with open(path, encoding="utf-8", errors="replace") as f:
        return sum(1 for line in f if line.strip())


def files(root, folder):
    for base, _, names in os.walk(os.path.join(root, folder)):
        for name in names:
            yield os.path.relpath(os.path.join(base, name), root)


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..")
    product = sum(lines(os.path.join(root, f)) for d in PRODUCT for f in files(root, d) if f.endswith((".cpp", ".h")))
    cases = infra = 0
    for f in files(root, "tests"):
        if any(f == d or f.startswith(d + "/") for d in DATA):
            continue
        is_case = any(f.startswith(d + "/") for d in CASE_FOLDERS) and f.endswith("_test.cpp")
        n = lines(os.path.join(root, f))
        if is_case:
            cases += n
        else:
            infra += n
    share = 100.0 * cases / product if product else 0.0
    print(f"test lines: cases {cases:,} = {share:.0f}% of the product's {product:,} C++ lines (target <= 33%, "
          f"{'met' if 3 * cases <= product else 'over'}); infrastructure {infra:,} (target <= 2,300, "
          f"{'met' if infra <= 2300 else 'over'})")


if __name__ == "__main__":
    main()
