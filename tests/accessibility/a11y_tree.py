#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
"""Prints the accessibility tree of a running program, one line per object: depth, role, name,
then its text's paragraphs and table cells, each in a column of its own."""
import re
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402


def find_application(name, seconds=10.0):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_name() == name:
                return app
        time.sleep(0.2)
    return None


def walk(node, depth, out):
    try:
        role = node.get_role_name()
        # One name for the role on both releases: at-spi2-core 2.46 says "push button", 2.56 "button".
        if node.get_role() == Atspi.Role.PUSH_BUTTON:
            role = "push button"
        name = node.get_name() or ""
        text = ""
        if "Text" in node.get_interfaces():
            text = Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))
        # Qt ends a paragraph with a line break and opens and closes each table cell with
        # U+FDD0 and U+FDD1.
        parts = [part for part in re.split("[\n\u2028\u2029\ufdd0\ufdd1]", text) if part.strip()]
        out.append("\t".join([str(depth), role, name.replace("\n", " ")] + (parts or [""])))
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is not None:
                walk(child, depth + 1, out)
    except Exception as error:  # an object that went away while being read
        out.append(f"{depth}\terror\t{error}\t")


def main():
    app = find_application(sys.argv[1])
    if app is None:
        print(f"no application {sys.argv[1]} on the accessibility bus", file=sys.stderr)
        return 1
    lines = []
    walk(app, 0, lines)
    print("\n".join(lines))
    return 0


if __name__ == "__main__":
    sys.exit(main())
