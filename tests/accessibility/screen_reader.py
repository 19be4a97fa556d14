#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# The running program as a screen reader meets it, through AT-SPI (pyatspi): the rows of STEPS are
# done in turn on the one program, and after each the whole window is checked against a small model
# of the board: each square's name against its place on screen, Text1's sum, every text query of
# Text1, the name notice of each pressed square and the report of each picture that fails. In another
# language than English, a square's first piece and the whole window are checked in that language.
# Usage: screen_reader.py PICTURES-FOLDER SOURCE-PICTURES-FOLDER PROGRAM-PID LANGUAGE
import itertools
import os
import shutil
import sys
import time
from fractions import Fraction

import pyatspi
from gi.repository import GLib

# What a screen reader hears, by language: a square's name, what it holds, and Text1's name.
SQUARE_NAME, PIECES, TEXT1_NAME = {
    "C": ("row {}, column {}: {}", "empty knight king bishop rook".split(), "weighted sum of the board"),
    "de": ("Zeile {}, Spalte {}: {}", "leer Springer König Läufer Turm".split(), "gewichtete Summe des Bretts"),
    "fr": ("ligne {}, colonne {}\u00a0: {}", "vide cavalier roi fou tour".split(), "somme pondérée de l’échiquier"),
    "es": ("fila {}, columna {}: {}", "vacía caballo rey alfil torre".split(), "suma ponderada del tablero"),
}[sys.argv[4]]
WEIGHTS = [Fraction(0), Fraction(1, 32), Fraction(1, 16), Fraction(1, 14), Fraction(1, 8)]
SUFFIXES = ["", "lo", "ki", "fu", "ba"]  # of each piece's picture file
BOUNDARIES = [getattr(pyatspi, "TEXT_BOUNDARY_" + b) for b in
              "CHAR WORD_START WORD_END SENTENCE_START SENTENCE_END LINE_START LINE_END".split()]

# "press N": give square N (counted along the rows) the focus and press it through the Action
# interface; "reset"; "remove FILE" and "restore FILE" in the program's folder.
STEPS = [
    ("first square", ["press 0"]),
    ("each piece along the top row", ["press 1"] + ["press 2"] * 2 + ["press 3"] * 3 + ["press 4"] * 4),
    ("rows run down, columns across", ["press 8", "press 63", "press 63"]),
    ("a full cycle ends empty", ["press 9"] * 5),
    ("reset empties every square", ["press 10", "press 36", "reset"]),
    ("missing picture keeps the square", ["press 0", "remove viki.bmp", "press 0", "restore viki.bmp"]),
    ("reset after the picture is back", ["reset"]),
] if sys.argv[4] == "C" else [(f"the names in {sys.argv[4]}", ["press 1"])]


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def eventually(what, check):
    # The program handles a press in its own time: wait for what it must come to.
    for _ in range(100):
        while GLib.MainContext.default().iteration(False):
            pass
        if check():
            return
        time.sleep(0.05)
    fail(what() if callable(what) else what)


class Session:
    def __init__(self, folder, sources, pid):
        self.folder, self.sources = folder, sources
        self.pieces, self.spoiled, self.notices = [0] * 64, set(), []
        pyatspi.Registry.registerEventListener(self.notices.append, "object:property-change:accessible-name")
        desktop = pyatspi.Registry.getDesktop(0)
        eventually("the program is on the bus", lambda: any(a and a.get_process_id() == pid for a in desktop))
        self.app = next(a for a in desktop if a and a.get_process_id() == pid)
        buttons = pyatspi.findAllDescendants(self.app, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON)
        self.reset = next(b for b in buttons if b.name == "reset")
        # Each square by its place on screen: rows top to bottom, columns left to right.
        extents = {b: b.queryComponent().getExtents(pyatspi.DESKTOP_COORDS) for b in buttons if b != self.reset}
        side = min(e.width for e in extents.values())
        left, top = min(e.x for e in extents.values()), min(e.y for e in extents.values())
        self.squares = {8 * round((e.y - top) / side) + round((e.x - left) / side): b for b, e in extents.items()}
        if sorted(self.squares) != list(range(64)):
            fail(f"the buttons other than reset do not make an 8 x 8 board: {sorted(self.squares)}")
        self.text1 = pyatspi.findDescendant(self.app, lambda o: o.getRole() == pyatspi.ROLE_TEXT)
        if self.text1.name != TEXT1_NAME:
            fail(f"Text1 is named {self.text1.name!r}")

    def picture(self, square, piece):
        return ("vi" if (square // 8 + square % 8) % 2 == 0 else "so") + SUFFIXES[piece] + ".bmp"

    def name(self, square):
        return SQUARE_NAME.format(square // 8 + 1, square % 8 + 1, PIECES[self.pieces[square]])

    def named(self, square):
        self.squares[square].clearCache()
        return self.squares[square].name == self.name(square)

    def do(self, step):
        verb, _, argument = step.partition(" ")
        path, failed = os.path.join(self.folder, argument), None
        if verb == "press":
            square = int(argument)
            piece = (self.pieces[square] + 1) % len(PIECES)
            self.squares[square].queryComponent().grabFocus()
            self.press(self.squares[square])
            failed = self.picture(square, piece) if self.picture(square, piece) in self.spoiled else None
            if not failed:
                self.pieces[square] = piece
                eventually(f"square {square} becomes {self.name(square)!r}", lambda: self.named(square))
                eventually(f"a name notice that speaks {self.name(square)!r}", lambda: any(
                    n.source == self.squares[square] and n.any_data == self.name(square) for n in self.notices))
        elif verb == "reset":
            self.press(self.reset)
            self.pieces = [0] * 64
            eventually("reset empties its squares", lambda: all(self.named(s) for s in range(64)))
        elif verb == "remove":
            os.remove(path)
            self.spoiled.add(argument)
        elif verb == "restore":
            shutil.copy(os.path.join(self.sources, argument), path)
            self.spoiled.discard(argument)
        if failed:
            self.dismiss_report(failed)
        eventually(lambda: f"Text1 shows {self.shown!r} after {step!r}, not the sum {sum(WEIGHTS[p] for p in self.pieces)}",
                   self.sum_shown)

    def sum_shown(self):
        self.shown = self.text1.queryText().getText(0, -1)
        try:
            return abs(Fraction(self.shown.replace(",", ".")) - sum(WEIGHTS[p] for p in self.pieces)) <= Fraction(1, 10**12)
        except ValueError:
            return False

    def press(self, button):
        action = button.queryAction()
        action.doAction(next(i for i in range(action.nActions) if action.getName(i) == "Press"))

    def reports(self):
        self.app.clearCache()
        try:
            return [w for w in self.app if w and w.getRole() == pyatspi.ROLE_ALERT]
        except GLib.GError:  # a window closing while it is asked about is gone, not a failure
            return []

    def dismiss_report(self, file):
        eventually(f"a report on {file}", self.reports)
        report = self.reports()[0]
        if not pyatspi.findDescendant(report, lambda o: file in (o.name or "")):
            fail(f"the report does not name {file}")
        self.press(pyatspi.findDescendant(report, lambda o: o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == "OK"))
        eventually(f"the report on {file} goes away with OK", lambda: not self.reports())

    def check_window(self):
        for square in range(64):
            if not self.named(square):
                fail(f"square {square} is named {self.squares[square].name!r}, not {self.name(square)!r}")
        text = self.text1.queryText()
        shown = text.getText(0, -1)
        queries = (text.getTextAtOffset, text.getTextBeforeOffset, text.getTextAfterOffset)
        for offset in range(len(shown) + 1):
            caret = offset in (0, len(shown) // 2, len(shown))  # asked there at the caret (offset -2) too
            if caret:
                text.setCaretOffset(offset)
                eventually(f"the caret moves to {offset} in {shown!r}", lambda: text.caretOffset == offset)
            for boundary, query in itertools.product(BOUNDARIES, queries):
                try:
                    piece, start, end = answer = query(offset, boundary)
                    at_caret = query(-2, boundary) if caret else answer
                except Exception as error:
                    fail(f"{query.__name__}({offset}, {boundary}) in {shown!r} got no answer: {error}")
                holds = query != text.getTextAtOffset or offset == len(shown) or start <= offset < end
                if piece != shown[start:end] or not 0 <= start <= end <= len(shown) or not holds or at_caret != answer:
                    fail(f"{query.__name__}({offset}, {boundary}) in {shown!r} is {answer}, at the caret {at_caret}")
            _, start, end = text.getAttributeRun(offset, False)
            if offset < len(shown) and not start <= offset < end:
                fail(f"the attribute run at {offset} in {shown!r} is {start}..{end}")

pyatspi.setTimeout(10000, 0)  # a query that hangs the program fails after that long
session = Session(sys.argv[1], sys.argv[2], int(sys.argv[3]))
for label, steps in STEPS:
    for step in steps:
        session.do(step)
    session.check_window()
    print("ok:", label, "- square 1 reads", repr(session.squares[1].name))
