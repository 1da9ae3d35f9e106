#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the game as a screen reader does, through AT-SPI.

  accessible_tree.py nodes TITLE     every accessible node of the game's windows
                                     whose names hold TITLE, one a line:
                                     role, name, description, text and place
                                     on the screen ("x y width height"), split
                                     by tabs, line breaks written as \\n
  accessible_tree.py events SECONDS  the name, description, text and focus
                                     events of the game for SECONDS, one a line:
                                     event type, role, name, description

Both wait up to 10 seconds for the game (the application "torvane") to appear.
"""
import sys
import time

import pyatspi
from gi.repository import GLib


def flat(text):
    return (text or "").replace("\t", " ").replace("\n", "\\n")


def game():
    for _ in range(100):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == "torvane":
                return application
        time.sleep(0.1)
    sys.exit("accessible_tree: the game is not on the accessibility bus")


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def place_of(node):
    try:
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        return f"{extents.x} {extents.y} {extents.width} {extents.height}"
    except NotImplementedError:
        return ""


def print_nodes(node):
    print("\t".join([node.getRoleName(), flat(node.name), flat(node.description), flat(text_of(node)),
                     place_of(node)]))
    for child in node:
        if child is not None:
            print_nodes(child)


def nodes(title):
    for _ in range(100):
        windows = [window for window in game() if window is not None and title in (window.name or "")]
        for window in windows:
            print_nodes(window)
        if windows:
            return 0
        time.sleep(0.1)
    sys.exit(f"accessible_tree: the game has no window named '{title}'")


def events(seconds):
    application = game()

    def show(event):
        source = event.source
        if source is None or source.getApplication() != application:
            return
        print("\t".join([event.type, source.getRoleName(), flat(source.name), flat(source.description)]), flush=True)

    pyatspi.Registry.registerEventListener(show, "object:property-change:accessible-name",
                                           "object:property-change:accessible-description", "object:text-changed",
                                           "focus:")
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    print("listening", flush=True)
    pyatspi.Registry.start()
    return 0


if __name__ == "__main__":
    command, argument = sys.argv[1], sys.argv[2]
    sys.exit(nodes(argument) if command == "nodes" else events(float(argument)))
