#!/usr/bin/python3
"""Walks the game's windows as a screen reader gets them over AT-SPI, in one language, and
checks that every control has a name in that language and a role that fits it.

Usage: accessible_tree.py TORVANE LANGUAGE TRANSLATIONS_DIR [DUMP_DIR]
Needs an X display, a D-Bus session bus and the AT-SPI bus (accessible_tree_test.sh starts
them). LANGUAGE is a locale name such as de_DE.UTF-8; the dumps go to DUMP_DIR if given.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import warnings
import xml.etree.ElementTree as ElementTree

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

warnings.simplefilter("ignore", DeprecationWarning)

# Roles that only hold other controls: they need no name of their own.
CONTAINERS = {"filler", "menu bar", "popup menu", "separator"}
# Every role a control of the game may have; "frame" is a top-level window's alone.
CONTROLS = {"frame", "dialog", "panel", "label", "push button", "text", "image", "menu item"}
HAN = re.compile(r"[\u3400-\u9fff]")


class Node:
    def __init__(self, accessible, depth):
        self.depth = depth
        self.role = accessible.get_role_name()
        self.name = accessible.get_name() or ""
        self.description = accessible.get_description() or ""
        action = accessible.get_action_iface()
        self.actions = [action.get_action_name(i) for i in range(action.get_n_actions())] if action else []
        self.labelled_by = []
        for relation in accessible.get_relation_set() or []:
            if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
                self.labelled_by += [relation.get_target(i).get_name()
                                     for i in range(relation.get_n_targets())]
        component = accessible.get_component_iface()
        self.top = component.get_extents(Atspi.CoordType.WINDOW).y if component else 0
        self.children = []
        for i in range(accessible.get_child_count()):
            child = accessible.get_child_at_index(i)
            if child is not None:
                self.children.append(Node(child, depth + 1))

    def walk(self):
        yield self
        for child in self.children:
            yield from child.walk()

    def line(self):
        fields = [self.role, '"%s"' % self.name]
        if self.description:
            fields.append('description="%s"' % self.description)
        if self.actions:
            fields.append("actions=" + ",".join(self.actions))
        if self.labelled_by:
            fields.append('labelled-by="%s"' % "|".join(self.labelled_by))
        return "  " * self.depth + " ".join(fields)


def showing(accessible):
    return accessible.get_state_set().contains(Atspi.StateType.SHOWING)


def application(seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and (app.get_name() or "").lower() == "torvane":
                return app
        time.sleep(0.1)
    raise SystemExit("no torvane on the accessibility bus")


def window(app, role, seconds=10):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        for i in range(app.get_child_count()):
            child = app.get_child_at_index(i)
            if child is not None and child.get_role_name() == role and showing(child):
                return Node(child, 0)
        time.sleep(0.1)
    raise SystemExit("no %s window showing" % role)


def closed(app, role, seconds=10):
    """Waits until no window of `role` shows any more."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not any(child is not None and child.get_role_name() == role and showing(child)
                   for child in (app.get_child_at_index(i) for i in range(app.get_child_count()))):
            return
        time.sleep(0.1)
    raise SystemExit("a %s window still showing" % role)


def activate_main_window(seconds):
    """Gives the main window the keyboard, once the window manager has taken it on."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Torvane$"],
                               capture_output=True, text=True).stdout.split()
        for window_id in found:
            # Through the window manager, and else straight to the X server: under load
            # openbox can be late to answer for the active window.
            subprocess.run(["xdotool", "windowactivate", window_id], stderr=subprocess.DEVNULL)
            subprocess.run(["xdotool", "windowfocus", window_id], stderr=subprocess.DEVNULL)
        time.sleep(0.2)
        active = subprocess.run(["xdotool", "getwindowfocus"], capture_output=True,
                                text=True).stdout.strip()
        if active and active in found:
            return
        time.sleep(0.2)
    raise SystemExit("the main window never took the keyboard (windows %s, active %s)"
                     % (found, active))


def keys(*names):
    subprocess.run(["xdotool", "key", "--delay", "150", *names], check=True)


def visible_windows():
    return subprocess.run(["xdotool", "search", "--onlyvisible", "--class", "torvane"],
                          capture_output=True, text=True).stdout.split()


def choose(app, ups, seconds=10):
    """The dialog of the game menu's item `ups` above its last. Under load a key sent before the
    menu has the keyboard goes to the main window and is lost: the arrows wait for the menu, and
    a menu or dialog that does not show is tried again."""
    for _ in range(3):
        activate_main_window(20)
        before = len(visible_windows())
        keys("F10")
        deadline = time.monotonic() + seconds
        while len(visible_windows()) <= before and time.monotonic() < deadline:
            time.sleep(0.1)
        keys(*["Up"] * ups, "Return")
        try:
            return window(app, "dialog", seconds)
        except SystemExit:
            keys("Escape", "Escape")
    raise SystemExit("no dialog window showing after three tries")


def chinese_sources(translations, language):
    """The game's own texts as written, less those the language writes the same way."""
    sources = set()
    for entry in ElementTree.parse(os.path.join(translations, "torvane_de.ts")).iter("source"):
        sources.add(entry.text)
    code = language.split(".")[0]
    for name in (code, code.split("_")[0]):
        path = os.path.join(translations, "torvane_%s.ts" % name)
        if os.path.exists(path):
            for message in ElementTree.parse(path).iter("message"):
                if message.findtext("translation") == message.findtext("source"):
                    sources.discard(message.findtext("source"))
            break
    return sources


def check(title, tree, language, sources):
    faults = []
    nodes = list(tree.walk())
    for node in nodes:
        what = "%s %s \"%s\"" % (title, node.role, node.name)
        if node.role not in CONTROLS | CONTAINERS:
            faults.append("%s: a role no control of the game has" % what)
        if node.role == "frame" and node is not tree:
            faults.append("%s: the role of a top-level window" % what)
        if node.role not in CONTAINERS and not node.name.strip():
            faults.append("%s: no name" % what)
        for text in (node.name, node.description):
            if language.split("_")[0] not in ("zh", "ja") and HAN.search(text):
                faults.append("%s: Chinese left in \"%s\"" % (what, text))
            if not language.startswith("zh") and text in sources:
                faults.append("%s: \"%s\" is the Chinese caption" % (what, text))
    return faults, nodes


def main():
    torvane, language, translations = sys.argv[1:4]
    dumps = sys.argv[4] if len(sys.argv) > 4 else None
    sources = chinese_sources(translations, language)
    work = tempfile.mkdtemp()
    shutil.copy(torvane, work)  # the records file lives beside it, in a folder of its own
    environment = dict(os.environ, LANG=language, LANGUAGE="", LC_ALL="",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    game = subprocess.Popen([os.path.join(work, "torvane")], env=environment, cwd=work,
                            stderr=subprocess.DEVNULL)
    faults = []
    trees = {}
    try:
        app = application(20)
        trees["main"] = window(app, "frame")
        trees["custom"] = choose(app, 3)  # the custom size, third from the bottom
        keys("Escape")
        closed(app, "dialog")
        trees["scores"] = choose(app, 2)  # the best times, just above the exit
        keys("Escape")
    finally:
        game.terminate()
        game.wait(10)
        shutil.rmtree(work, ignore_errors=True)

    for title, tree in trees.items():
        found, nodes = check(title, tree, language, sources)
        faults += found
        roles = [n.role for n in nodes]
        if title == "main":
            labels = [n for n in nodes if n.role == "label"]
            if roles.count("image") != 1 or roles.count("push button") != 1 or len(labels) != 2:
                faults.append("main: not one picture, one face and two labels: %s" % roles)
            for label in labels:  # the counter and the clock say more than their number
                if not re.search(r"\d", label.name) or not re.search(r"[^\d\s-]", label.name):
                    faults.append("main: label \"%s\" is not a number with its meaning" % label.name)
            if not any("Press" in label.actions for label in labels):
                faults.append("main: the counter offers no press")
        elif title == "custom":
            boxes = [n for n in nodes if n.role == "text"]
            if len(boxes) != 3 or roles.count("push button") != 2:
                faults.append("custom: not three boxes and two buttons: %s" % roles)
            for box in boxes:
                if box.labelled_by != [box.name]:
                    faults.append("custom: box \"%s\" is not labelled by its caption" % box.name)
        elif title == "scores":
            labels = [n for n in nodes if n.role == "label"]
            tops = [n.top for n in labels]
            if len(labels) != 9 or tops != sorted(tops):
                faults.append("scores: the nine labels are not read top to bottom: %s" % tops)

    if dumps:
        os.makedirs(dumps, exist_ok=True)
        for title, tree in trees.items():
            with open(os.path.join(dumps, "%s-%s.txt" % (language.split(".")[0], title)), "w") as out:
                out.write("\n".join(n.line() for n in tree.walk()) + "\n")
    for title, tree in trees.items():
        print("\n".join(n.line() for n in tree.walk()))
    for fault in faults:
        print("FAULT " + fault, file=sys.stderr)
    print("%s: %d windows, %d faults" % (language, len(trees), len(faults)))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
