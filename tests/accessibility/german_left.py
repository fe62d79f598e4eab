#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
"""Reads two accessibility trees of the same windows (lines depth, role, name, texts; see
a11y_tree.py), the German one from the file given as the second argument and the English one on
standard input, and prints every name or text the English one shows as the German one does.
Texts the translation file given as the first argument keeps as they are (W1, Menu, F1) and texts
without a word of three letters (numbers, formulas such as ds = 0) are alike in both languages."""
import re
import sys
import xml.etree.ElementTree as ElementTree


def kept_as_they_are(ts_file):
    kept = set()
    for message in ElementTree.parse(ts_file).getroot().iter("message"):
        source = (message.findtext("source") or "").strip()
        if source and source == (message.findtext("translation") or "").strip():
            kept.add(source)
    return kept


def shown(line):
    """The names and texts of one object; the application's name is the program's in both."""
    fields = line.rstrip("\n").split("\t")
    if len(fields) < 3 or fields[1] == "application":
        return []
    return [field.strip() for field in fields[2:] if re.search(r"[^\W\d_]{3}", field)]


def main():
    kept = kept_as_they_are(sys.argv[1])
    with open(sys.argv[2], encoding="utf-8") as tree:
        german = {text for line in tree for text in shown(line)} - kept
    found = 0
    for line in sys.stdin:
        for text in shown(line):
            if text in german:
                role, name = line.split("\t")[1:3]
                print(f"German left: {text!r} ({role} {name!r})")
                found += 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
