#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
"""Reads an accessibility tree (lines depth, role, name, text) on standard input and prints every
name or text that is a German source text of the translation file given as the argument, left
untranslated. Texts the translation keeps as they are (W1, Menu, numbers) are no German words."""
import sys
import xml.etree.ElementTree as ElementTree


def german_only(ts_file):
    texts = set()
    for message in ElementTree.parse(ts_file).getroot().iter("message"):
        source = message.findtext("source") or ""
        translation = message.findtext("translation") or ""
        if source.strip() and source != translation:
            texts.add(source.strip())
    return texts


def main():
    german = german_only(sys.argv[1])
    found = 0
    for line in sys.stdin:
        for shown in line.rstrip("\n").split("\t")[2:]:
            if shown.strip() in german:
                print(f"German left: {shown.strip()!r} in {line.strip()!r}")
                found += 1
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
