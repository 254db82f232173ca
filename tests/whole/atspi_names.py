#!/usr/bin/python3
"""Prints every object of the application named argv[1], as the AT-SPI
registry shows it to a screen reader: role, name, and "checked" when so."""
import sys
import time

import pyatspi


def walk(node, depth=0):
    if depth > 20:
        return
    states = node.getState()
    checked = " checked" if states.contains(pyatspi.STATE_CHECKED) else ""
    print(f"{node.getRoleName()}\t{node.name}{checked}")
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            walk(child, depth + 1)


def main():
    deadline = time.time() + 20
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == sys.argv[1] and app.childCount > 0:
                walk(app)
                return 0
        time.sleep(0.5)
    print(f"no application {sys.argv[1]} on the accessibility bus", file=sys.stderr)
    return 1


sys.exit(main())
