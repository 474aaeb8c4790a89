#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Walks the accessibility tree (AT-SPI) of a running program's windows as a
screen reader sees them and checks, in each window that shows: the window
reports a window role; every control that takes the focus and shows has a
name (its label's, when a label names it), and no two of them share one; a
link offers an action. Prints each
window's role and name and then its focusable controls, one a line.

    accessible-names.py PROGRAM-NAME SECONDS [WINDOW-TITLE...]

Waits up to SECONDS for the program and for a showing window with each title
given, then checks every showing window. Ends with status 1 on a fault."""

import sys
import time

import pyatspi

WINDOW_ROLES = {"frame", "dialog", "window", "alert"}


def application(name, deadline):
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        if time.monotonic() > deadline:
            sys.exit(f"accessible-names: no application {name!r} on the accessibility bus")
        time.sleep(0.1)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def controls(node, found):
    for child in node:
        if child is None or not showing(child):
            continue
        if child.getState().contains(pyatspi.STATE_FOCUSABLE):
            found.append(child)
        controls(child, found)
    return found


def label_of(node):
    """The name of the label a control is labelled by, as a screen reader
    reads it before the control; Qt gives a drop-down list the chosen item as
    its own name and its caption through this relation."""
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY and relation.getNTargets() > 0:
            return relation.getTarget(0).name.strip()
    return ""


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(k) for k in range(action.nActions)]


def main():
    program, seconds, titles = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
    deadline = time.monotonic() + seconds
    app = application(program, deadline)
    while True:
        windows = [w for w in app if w is not None and showing(w)]
        if all(any(w.name == t for w in windows) for t in titles):
            break
        if time.monotonic() > deadline:
            sys.exit(f"accessible-names: no window {titles!r} among {[w.name for w in windows]!r}")
        time.sleep(0.1)

    faults = []
    for window in windows:
        role = window.getRoleName()
        print(f"window {role} {window.name!r}")
        if role not in WINDOW_ROLES:
            faults.append(f"window {window.name!r} reports the role {role!r}")
        seen = {}
        for control in controls(window, []):
            kind, label = control.getRoleName(), label_of(control)
            name = label or control.name.strip()
            print(f"  {kind} {name!r}" + (f" ({control.name!r} chosen)" if label and kind == "combo box" else ""))
            if not name:
                faults.append(f"{window.name!r}: a focusable {kind} has no name")
            elif name in seen:
                faults.append(f"{window.name!r}: a {seen[name]} and a {kind} are both named {name!r}")
            seen.setdefault(name, kind)
            if kind == "link" and not actions(control):
                faults.append(f"{window.name!r}: the link {name!r} offers no action")
    for fault in faults:
        print(f"accessible-names: {fault}", file=sys.stderr)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
