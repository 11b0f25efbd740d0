"""Reads the running table through the accessibility bus as a screen reader does, and plays
one human turn with key presses only. Usage: screen_reader.py PROGRAM_NAME"""
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CARD = re.compile(r"^(Asso|[2-7]|Fante|Cavallo|Re) di (Denare|Coppe|Bastoni|Spade)$")
PILE = re.compile(r"^Mazzo di (.+) - ancora (\d+) carte$")


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def application(name):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == name:
            return app
    return None


def nodes(root):
    """Every showing object below `root`, depth first."""
    found = []
    stack = [root]
    while stack:
        node = stack.pop()
        try:
            children = list(node)
        except Exception:
            continue
        for child in reversed(children):
            if child is None:
                continue
            try:
                if child.getState().contains(pyatspi.STATE_SHOWING):
                    found.append(child)
                    stack.append(child)
            except Exception:
                pass
    return found


def role(node):
    """A card given a new object for its new role leaves its old one gone: it has none."""
    try:
        return node.getRole()
    except Exception:
        return None


def has(node, state):
    return node.getState().contains(state)


def pump_events(seconds):
    """Delivers the bus's events to the listeners while waiting."""
    context = GLib.MainContext.default()
    deadline = time.time() + seconds
    while time.time() < deadline:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def wait_for(what, check, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        result = check()
        if result:
            return result
        pump_events(0.2)
    fail(what)


renamed = []


def heard(event):
    renamed.append(event.source.name)


def boxes(app):
    return [n for n in nodes(app) if role(n) in (pyatspi.ROLE_ALERT, pyatspi.ROLE_DIALOG)]


def closing_boxes(app, check):
    """`check`, once any message on the way (a scopa of the computer) is closed as a player
    would."""
    def closed_then_check():
        if boxes(app):
            key("Return")
            return None
        return check()
    return closed_then_check


def texts(node):
    return [n.name for n in nodes(node)] + [node.name, node.description]


def uncovered_card(app):
    """The human's uncovered card once it is the focused push button, named by its card."""
    for node in nodes(app):
        if role(node) == pyatspi.ROLE_PUSH_BUTTON and has(node, pyatspi.STATE_FOCUSED) \
                and CARD.match(node.name):
            return node
    return None


def main():
    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
    app = wait_for("the program is not on the accessibility bus", lambda: application(sys.argv[1]))

    # F2 starts a match: the hand-start message is read as a dialog with its text.
    key("F2")
    box = wait_for("no hand-start message on the bus", lambda: boxes(app))[0]
    if not any("si inizia una nuova partita." in text for text in texts(box)):
        fail("the hand-start message reads: %r" % texts(box))
    key("Return")

    # Whoever plays first, the human's card arrives with the focus.
    card = wait_for("the human's card never got the focus as a push button",
                    closing_boxes(app, lambda: uncovered_card(app)), 40)
    played = card.name
    everything = nodes(app)
    names = [n.name for n in everything]
    for panel in ("Dino (Computer)", "Gimbo (Umano)"):
        if panel not in names:
            fail("no name panel %r among %r" % (panel, names))
    human_panel = next(n for n in everything if n.name == "Gimbo (Umano)")
    if human_panel.description != "Di turno":
        fail("the human's name panel does not say it is in turn: %r" % human_panel.description)
    piles = [n.name for n in everything if PILE.match(n.name)]
    if sorted(PILE.match(p).group(1) for p in piles) != ["Dino (Computer)", "Gimbo"]:
        fail("the piles read %r" % piles)
    table = [n for n in everything if role(n) == pyatspi.ROLE_CHECK_BOX and CARD.match(n.name)]
    if not table:
        fail("no table card reads as a check box")
    fillers = [n for n in everything if role(n) == pyatspi.ROLE_FILLER and not n.name]
    if fillers:
        fail("nameless fillers are left, among %r" % [[c.name for c in f] for f in fillers])

    # Tab leads to the first table card; Space checks it.
    key("Tab")
    focused = wait_for("Tab did not focus a table card", lambda: next(
        (n for n in nodes(app) if has(n, pyatspi.STATE_FOCUSED) and role(n) == pyatspi.ROLE_CHECK_BOX),
        None))
    chosen = focused.name
    key("space")
    wait_for("Space did not check %s" % chosen, lambda: has(focused, pyatspi.STATE_CHECKED), 5)

    # Shift+Tab returns to the uncovered card, Enter plays it.
    key("shift+Tab")
    back = wait_for("Shift+Tab did not return to the uncovered card", lambda: uncovered_card(app), 5)
    if back.name != played:
        fail("Shift+Tab reached %s, not %s" % (back.name, played))
    pump_events(0.2)
    del renamed[:]
    key("Return")

    wait_for("Enter did not play %s" % played, closing_boxes(app, lambda: not any(
        n.name == played and role(n) == pyatspi.ROLE_PUSH_BUTTON for n in nodes(app))), 10)

    # The computer's reply is announced: the last-card caption names its card once the
    # human's turn comes round again.
    reply = wait_for("no last-card announcement after the computer's move (heard %r)" % renamed,
                     closing_boxes(app, lambda: next((name for name in renamed if name.startswith(
                         "Ultima: ") and name != "Ultima: " + played), None)), 30)
    print("PASS: read %d objects, played %s after checking %s, heard %r"
          % (len(everything), played, chosen, reply))


main()
