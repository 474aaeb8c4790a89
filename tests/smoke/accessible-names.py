#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Walks the accessibility tree (AT-SPI) of a running program's windows as a
screen reader sees them and checks, in each window that shows: the window
reports a window role; every control that takes the focus and shows has a
name (a drop-down list its label's), and no two of them share one (the
cells of a table may, and the items of two lists); a link
offers an action. Prints each
window's role and name and then its focusable controls, one a line.

    accessible-names.py PROGRAM-NAME SECONDS [ROLE:]TITLE [CONTROL-NAME]

Waits up to SECONDS for the program, for a showing window with that title
(and role, such as dialog), and, when given, for a focusable control of that
name to show in it; then checks that window. Ends with status 1 on a fault."""

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


def named(node):
    """What a screen reader names the control by: its own name; for a
    drop-down list, whose own name Qt makes its chosen item, its label."""
    if node.getRoleName() == "combo box":
        return label_of(node) or node.name.strip()
    return node.name.strip()


def wanted_window(app, role, title, control):
    for window in app:
        if window is None or not showing(window) or window.name != title:
            continue
        if role and window.getRoleName() != role:
            continue
        if control and not any(named(c) == control for c in controls(window, [])):
            continue
        return window
    return None


def main():
    program, seconds, wanted = sys.argv[1], float(sys.argv[2]), sys.argv[3]
    control = sys.argv[4] if len(sys.argv) > 4 else ""
    role, _, title = wanted.rpartition(":")
    deadline = time.monotonic() + seconds
    app = application(program, deadline)
    while (window := wanted_window(app, role, title, control)) is None:
        if time.monotonic() > deadline:
            shown = [(w.getRoleName(), w.name) for w in app if w is not None and showing(w)]
            sys.exit(f"accessible-names: no {wanted!r} {('with ' + repr(control)) if control else ''} among {shown!r}")
        time.sleep(0.05)

    faults = []
    role = window.getRoleName()
    print(f"window {role} {window.name!r}")
    if role not in WINDOW_ROLES:
        faults.append(f"window {window.name!r} reports the role {role!r}")
    seen = {}
    for control in controls(window, []):
        kind, name = control.getRoleName(), named(control)
        chosen = f" ({control.name!r} chosen)" if kind == "combo box" and name != control.name else ""
        print(f"  {kind} {name!r}{chosen}")
        if kind == "page tab list":
            # Qt names a row of tabs after its chosen tab, which is one of its
            # own children: the row and the tab are one control to the user.
            if name not in [named(tab) for tab in control]:
                faults.append(f"{window.name!r}: the tab row {name!r} is not named after a tab")
            continue
        if not name:
            faults.append(f"{window.name!r}: a focusable {kind} has no name")
        elif kind == "table cell":
            # A table's values may repeat: a cell is read with its row and column.
            continue
        else:
            # A list's item is read with its list: two lists may show one client.
            key = (named(control.parent), name) if kind == "list item" else name
            if key in seen:
                faults.append(f"{window.name!r}: a {seen[key]} and a {kind} are both named {name!r}")
            seen.setdefault(key, kind)
        if kind == "link" and not actions(control):
            faults.append(f"{window.name!r}: the link {name!r} offers no action")
    for fault in faults:
        print(f"accessible-names: {fault}", file=sys.stderr)
    sys.exit(1 if faults else 0)


if __name__ == "__main__":
    main()
