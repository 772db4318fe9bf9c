#!/usr/bin/env python3
"""The real window as a screen reader sees it, through the desktop's accessibility bus (AT-SPI).

Started by run-atspi-test.sh inside a D-Bus session of its own on a private X server:
    window_atspi_test.py PROGRAM SCRATCH_FOLDER
It starts the program, walks its accessible tree, presses Tab round the window and checks each
stop's name and role, evaluates a formula twice to see the event a screen reader speaks, and reads
the expression line's text by words and lines as a screen reader does (each call with a time limit,
so that a program that hangs on one fails the test).
Exit status: 0 passed, 1 failed, 77 skipped (no AT-SPI on this platform).
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

SKIP = 77

# Tab stops from the expression line round the window, as the window reads.
TAB_ROUND = [
    ("inverse", "push button"), ("hyperbolic", "push button"), ("sine", "push button"),
    ("cosine", "push button"), ("tangent", "push button"), ("angle unit", "combo box"),
    ("square root", "push button"), ("e to the power", "push button"),
    ("common logarithm", "push button"), ("natural logarithm", "push button"),
    ("factorial", "push button"), ("times ten to the power", "push button"),
    ("squared", "push button"), ("to the power", "push button"), ("pi", "push button"),
    ("copy result", "push button"), ("cursor left", "push button"),
    ("cursor right", "push button"), ("open parenthesis", "push button"),
    ("close parenthesis", "push button"), ("7", "push button"), ("8", "push button"),
    ("9", "push button"), ("delete", "push button"), ("all clear", "push button"),
    ("4", "push button"), ("5", "push button"), ("6", "push button"),
    ("multiply", "push button"), ("divide", "push button"), ("1", "push button"),
    ("2", "push button"), ("3", "push button"), ("plus", "push button"),
    ("minus", "push button"), ("0", "push button"), ("decimal point", "push button"),
    ("previous answer", "push button"), ("equals", "push button"),
    ("scientific keys", "push button"), ("numeric keys", "push button"),
    ("history", "push button"), ("decimals", "combo box"), ("expression", "text"),
]

# Controls a screen reader names when it reaches them.
NAMED_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST,
    pyatspi.ROLE_STATUS_BAR, pyatspi.ROLE_PANEL, pyatspi.ROLE_FRAME,
}

KEY_TAB = 0xFF09
KEY_RETURN = 0xFF0D
KEY_ESCAPE = 0xFF1B

# What the line's text interface answers for "56+10": (call, offset, boundary, text, start, end).
# A reader asks for the line one character before the caret at the end (Orca does), and for the
# word at the end, where the caret stands after typing.
LINE_TEXT = "56+10"
TEXT_READINGS = [
    ("at", 4, pyatspi.TEXT_BOUNDARY_LINE_START, "56+10", 0, 5),
    ("at", 5, pyatspi.TEXT_BOUNDARY_LINE_START, "56+10", 0, 5),
    ("at", 5, pyatspi.TEXT_BOUNDARY_CHAR, "", 5, 5),
    ("at", 4, pyatspi.TEXT_BOUNDARY_CHAR, "0", 4, 5),
    ("at", 1, pyatspi.TEXT_BOUNDARY_WORD_START, "56", 0, 2),
    ("after", 0, pyatspi.TEXT_BOUNDARY_WORD_START, "+", 2, 3),
    ("before", 5, pyatspi.TEXT_BOUNDARY_WORD_START, "+", 2, 3),
    ("at", 4, pyatspi.TEXT_BOUNDARY_WORD_START, "10", 3, 5),
    ("at", 5, pyatspi.TEXT_BOUNDARY_WORD_START, "10", 3, 5),
]

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAILED: " + message, flush=True)
    return condition


def pump(seconds):
    """Lets AT-SPI deliver what it has for the given time."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.005)


def wait_for(predicate, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        pump(0.02)
        value = predicate()
        if value:
            return value
    return None


def spoken_name(accessible):
    """A control's name, or for a drop-down list the name of the label that says what it is for
    (on Linux a list's own name is its current entry)."""
    if accessible.getRole() == pyatspi.ROLE_COMBO_BOX:
        for relation in accessible.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return relation.getTarget(0).name
    return accessible.name


def describe(accessible):
    return "[%s | %s]" % (accessible.getRoleName(), spoken_name(accessible))


class Events:
    """Records the events a screen reader acts on: focus and notifications that appear."""

    def __init__(self):
        self.focused = []
        self.shown = []
        pyatspi.Registry.registerEventListener(self.on_focus, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(self.on_showing, "object:state-changed:showing")

    def on_focus(self, event):
        if event.detail1:
            self.focused.append((spoken_name(event.source), event.source.getRoleName()))

    def on_showing(self, event):
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.shown.append(event.source.name)


def press(keysym):
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)


def type_text(text):
    pyatspi.Registry.generateKeyboardEvent(0, text, pyatspi.KEY_STRING)


def find_application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for application in desktop:
        if application is not None and application.name == name:
            return application
    return None


def walk(accessible):
    yield accessible
    for child in accessible:
        if child is not None:
            yield from walk(child)


# Panels that only lay the window out: a reader would repeat a named panel round the control
# it reaches ("expression panel panel"), a section it passes by.
LAYOUT_PANELS = {"expression panel", "expression and result", "history panel"}


def check_tree(frame):
    """No panel is a frame of its own; every control is named; layout panels are sections."""
    for accessible in walk(frame):
        if accessible.name in LAYOUT_PANELS:
            check(accessible.getRole() == pyatspi.ROLE_SECTION,
                  "%s is not a section: readers repeat it" % describe(accessible))
        role = accessible.getRole()
        if accessible != frame:
            check(role != pyatspi.ROLE_FRAME,
                  "%s inside the window is a frame: readers take it for a window"
                  % describe(accessible))
        if role not in NAMED_ROLES:
            continue
        # A drop-down list's entries are a list of its own, spoken as the list's entries.
        if role == pyatspi.ROLE_LIST and accessible.parent.getRole() == pyatspi.ROLE_COMBO_BOX:
            continue
        check(bool(spoken_name(accessible)),
              "unnamed %s in %s" % (accessible.getRoleName(), describe(accessible.parent)))


def find_named(frame, role, name):
    return next((accessible for accessible in walk(frame)
                 if accessible.getRole() == role and accessible.name == name), None)


def check_line_readings(frame):
    """The expression line read by words and lines, as a screen reader reads it while typing."""
    line = find_named(frame, pyatspi.ROLE_TEXT, "expression")
    if not check(line is not None, "no text named expression"):
        return
    press(KEY_ESCAPE)
    type_text(LINE_TEXT)
    text = line.queryText()
    if not check(wait_for(lambda: text.getText(0, -1) == LINE_TEXT, 5),
                 "the line reads %r, expected %r" % (text.getText(0, -1), LINE_TEXT)):
        return
    calls = {"at": text.getTextAtOffset, "before": text.getTextBeforeOffset,
             "after": text.getTextAfterOffset}
    for call, offset, boundary, *expected in TEXT_READINGS:
        try:
            answer = calls[call](offset, boundary)
        except Exception as error:  # no answer in time: the program hangs
            check(False, "text %s offset %d, boundary %s: no answer (%s)"
                  % (call, offset, boundary, error))
            return
        check(list(answer) == expected, "text %s offset %d, boundary %s: %r, expected %r"
              % (call, offset, boundary, tuple(answer), tuple(expected)))


def main():
    program, scratch = sys.argv[1], sys.argv[2]
    try:
        pyatspi.Registry.getDesktop(0).childCount
    except Exception as error:  # no registry: this platform has no AT-SPI
        print("SKIPPED: the AT-SPI registry cannot be reached: %s" % error)
        return SKIP

    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       XDG_CONFIG_HOME=os.path.join(scratch, "config"), LC_ALL="C")
    events = Events()
    window = subprocess.Popen([program, "-APPDATAFOLDER"], env=environment)
    try:
        application = wait_for(lambda: find_application("Zemtrix"), 30)
        if not check(application is not None, "the program did not appear on the AT-SPI bus"):
            return 1
        frame = wait_for(lambda: next((child for child in application if child is not None),
                                      None), 20)
        if not check(frame is not None, "the window did not appear"):
            return 1
        # No window manager here to give the new window the keyboard: xdotool stands in for it.
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                "^Zemtrix$"], capture_output=True, text=True, timeout=20)
        for window_id in found.stdout.split():
            subprocess.run(["xdotool", "windowfocus", window_id], check=False, timeout=20)
        if not check(wait_for(lambda: frame.getState().contains(pyatspi.STATE_ACTIVE), 10),
                     "the window did not become active"):
            return 1
        check(frame.getRole() == pyatspi.ROLE_FRAME and frame.name == "Zemtrix",
              "the window is %s, not a frame named Zemtrix" % describe(frame))
        check_tree(frame)

        # Tab round the window from the expression line, where the focus is at start.
        events.focused.clear()
        for expected in TAB_ROUND:
            count = len(events.focused)
            press(KEY_TAB)
            if not check(wait_for(lambda: len(events.focused) > count, 5),
                         "no focus event after Tab towards %s" % (expected,)):
                break
            check(events.focused[-1] == expected,
                  "Tab stopped at %s, expected %s" % (events.focused[-1], expected))

        # The result, spoken after each evaluation, also when it is the same again.
        type_text("1+2")
        for attempt in (1, 2):
            count = len(events.shown)
            press(KEY_RETURN)
            check(wait_for(lambda: len(events.shown) > count, 5)
                  and events.shown[-1] == "3",
                  "evaluation %d: the notification read %s, expected 3"
                  % (attempt, events.shown[count:]))

        # A program that hangs answers no more: every call from here on waits 3 s at most.
        Atspi.set_timeout(3000, -1)
        check_line_readings(frame)
    finally:
        window.terminate()
        try:
            window.wait(20)
        except subprocess.TimeoutExpired:
            check(False, "the program did not end when asked to: it hangs")
            window.kill()
            window.wait(20)
    print("%d focus stops, %d announcements %s; %d failed checks"
          % (len(events.focused), len(events.shown), events.shown, len(failures)))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
