#!/usr/bin/python3
"""Prints every object of the application named argv[1], as the AT-SPI
registry shows it to a screen reader: its role and name, a line each."""
import sys
import time

import pyatspi


def walk(node, depth=0):
    print(f"{node.getRoleName()}\t{node.name}")
    for child in node if depth < 20 else []:
        if child is not None:
            walk(child, depth + 1)


def main():
    deadline = time.time() + 20
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == sys.argv[1] and app.childCount > 0:
                walk(app)
                return 0
        time.sleep(0.5)
    print(f"no application {sys.argv[1]} on the accessibility bus", file=sys.stderr)
    return 1


sys.exit(main())
