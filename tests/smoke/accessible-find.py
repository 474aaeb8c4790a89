#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Waits until a running program shows, in the accessibility tree (AT-SPI)
as a screen reader reads it, a given number of nodes of a role whose names
match a pattern, and prints their names, one a line: what a test reads off
the window without knowing how it draws.

    accessible-find.py PROGRAM-NAME SECONDS ROLE PATTERN [COUNT] [--active] [--focus]

ROLE is a role name such as "push button", "label", "list item" or "frame";
PATTERN a regular expression the whole name must match; COUNT the number of
such nodes wanted (default: at least one). --active: only a window that has
the focus counts. --focus: gives the first node found the keyboard focus,
as a screen reader moves to a control it names. Ends with status 1, listing what shows of that role, when
the time runs out."""

import importlib.util
import re
import sys
import time
from pathlib import Path

import pyatspi

names_source = importlib.util.spec_from_file_location("names", Path(__file__).with_name("accessible-names.py"))
names = importlib.util.module_from_spec(names_source)
names_source.loader.exec_module(names)


def shown_of_role(node, role, found):
    for child in node:
        if child is None or not names.showing(child):
            continue
        if child.getRoleName() == role:
            found.append(child)
        shown_of_role(child, role, found)
    return found


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    active, focus = "--active" in sys.argv, "--focus" in sys.argv
    program, seconds, role, pattern = args[0], float(args[1]), args[2], re.compile(args[3], re.S)
    count = int(args[4]) if len(args) > 4 else None
    deadline = time.monotonic() + seconds
    app = names.application(program, deadline)
    while True:
        shown = []
        for window in app:
            if window is None or not names.showing(window):
                continue
            if active and not window.getState().contains(pyatspi.STATE_ACTIVE):
                continue
            if window.getRoleName() == role:
                shown.append(window)
            shown_of_role(window, role, shown)
        matching = [node for node in shown if pattern.fullmatch(node.name)]
        if (len(matching) == count) if count is not None else matching:
            if focus and not matching[0].queryComponent().grabFocus():
                sys.exit(f"accessible-find: {matching[0].name!r} does not take the focus")
            print("\n".join(node.name for node in matching))
            return
        if time.monotonic() > deadline:
            sys.exit(f"accessible-find: {len(matching)} {role!r} matching {args[3]!r}, not {'one or more' if count is None else count}; "
                     f"shown: {[node.name for node in shown]!r}")
        time.sleep(0.05)


if __name__ == "__main__":
    main()
