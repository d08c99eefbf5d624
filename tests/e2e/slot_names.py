#!/usr/bin/env python3
"""Prints what a screen reader learns of a running program: role and name of every object in
its accessibility tree, in tree order, one "role<TAB>name" a line.

Usage: slot_names.py PID
"""
import sys

import pyatspi


def walk(node, out):
    for child in node:
        if child is None:
            continue
        out.append(f"{child.getRoleName()}\t{child.name}")
        walk(child, out)


def main():
    pid = int(sys.argv[1])
    out = []
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            walk(app, out)
    print("\n".join(out))


if __name__ == "__main__":
    main()
