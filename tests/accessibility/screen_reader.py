#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# What crosses the AT-SPI bridge from the running program, in German, the language its environment
# asks for: the squares found by their accessible names; for each press of one, through its Press
# action, exactly one name notice that carries the new name before the sum box shows the new sum.
# Qt's own notice, with the object where the name belongs, does not count; a Qt that sends the name
# itself while ours still goes out gives two, and fails. The sum box's text interface is the
# program's own (tst_accessiblelineedit checks it in process): at either end of the text its
# attribute run covers the whole text, which Qt's own does not.
# Usage: screen_reader.py PROGRAM-PID
import sys

import pyatspi
from gi.repository import GLib


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def wait_for(what, state):
    # The main loop delivers the events as they come; a wake-up every 50 ms sees a state no event announces.
    deadline = GLib.get_monotonic_time() + 20 * 10**6
    while not state():
        if GLib.get_monotonic_time() > deadline:
            fail(f"{what}; events: {[(e.type, e.source.name, e.any_data) for e in events]}")
        GLib.timeout_add(50, lambda: False)
        GLib.MainContext.default().iteration(True)


pid, events = int(sys.argv[1]), []
pyatspi.Registry.registerEventListener(events.append, "object:property-change:accessible-name")
pyatspi.setTimeout(10000, 0)  # a query that hangs the program fails after that long
desktop = pyatspi.Registry.getDesktop(0)
wait_for("the program is on the bus", lambda: any(a and a.get_process_id() == pid for a in desktop))
app = next(a for a in desktop if a and a.get_process_id() == pid)
square = pyatspi.findDescendant(app, lambda o: o.name == "Zeile 1, Spalte 2: leer")
text1 = pyatspi.findDescendant(app, lambda o: o.name == "gewichtete Summe des Bretts")
if not square or not text1 or text1.getRole() != pyatspi.ROLE_TEXT:
    fail(f"no square 'Zeile 1, Spalte 2: leer' or sum box 'gewichtete Summe des Bretts': {square}, {text1}")

for name, total in (("Zeile 1, Spalte 2: Springer", "0,03125"), ("Zeile 1, Spalte 2: König", "0,0625")):
    events.clear()
    action = square.queryAction()
    action.doAction(next(i for i in range(action.nActions) if action.getName(i) == "Press"))
    # The program answers the query that finds the new sum after every notice of the press: once
    # the events that came before that answer are handed out, all of them are in.
    wait_for(f"the sum box shows {total}", lambda: text1.queryText().getText(0, -1) == total)
    while GLib.MainContext.default().iteration(False):
        pass
    notices = [e for e in events if e.any_data == name]
    if len(notices) != 1 or notices[0].source != square:
        fail(f"{len(notices)} name notices carry {name!r}, not one from the square")

text = text1.queryText()
shown = text.getText(0, -1)
for offset in (0, len(shown)):
    _, start, end = text.getAttributeRun(offset, False)
    if (start, end) != (0, len(shown)):
        fail(f"the attribute run at {offset} does not cover {shown!r}: Qt's own text interface?")
print("ok: two presses, each spoken once with its new name")
