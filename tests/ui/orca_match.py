"""Plays a whole match of the running table by keys alone, while Orca listens, then checks what
Orca said against what was played.
Usage: orca_match.py play PROGRAM_NAME PLAYED_FILE | check PLAYED_FILE ORCA_LOG"""
import re
import subprocess
import sys
import time

CARD = r"(?:Asso|[2-7]|Fante|Cavallo|Re) di (?:Denare|Coppe|Bastoni|Spade)"
VALUES = {"Asso": 1, "Fante": 8, "Cavallo": 9, "Re": 10}


def fail(message):
    print("FAIL: " + message)
    sys.exit(1)


def value(card):
    face = card.split(" di ")[0]
    return VALUES.get(face) or int(face)


def capture(card, on_table):
    """The most table cards whose values add up to the card's, as names; none if none do."""
    best = []

    def search(start, chosen, total):
        nonlocal best
        if total == value(card) and len(chosen) > len(best):
            best = list(chosen)
        for index in range(start, len(on_table)):
            if total + value(on_table[index]) <= value(card):
                search(index + 1, chosen + [on_table[index]], total + value(on_table[index]))

    search(0, [], 0)
    return best


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)
    time.sleep(0.1)


class Table:
    """The running program as the accessibility bus shows it."""

    def __init__(self, name):
        import pyatspi
        self.atspi = pyatspi
        self.app = self.wait("the program is not on the accessibility bus",
                             lambda: self.application(name))

    def application(self, name):
        for app in self.atspi.Registry.getDesktop(0):
            if app is not None and app.name == name:
                return app
        return None

    def showing(self):
        found, stack = [], [self.app]
        while stack:
            node = stack.pop()
            try:
                children = list(node)
            except Exception:
                continue
            for child in children:
                try:
                    if child is not None and child.getState().contains(self.atspi.STATE_SHOWING):
                        found.append(child)
                        stack.append(child)
                except Exception:
                    pass
        return found

    def focused(self):
        for node in self.showing():
            try:
                if node.getState().contains(self.atspi.STATE_FOCUSED):
                    return node
            except Exception:
                pass
        return None

    def name(self, node):
        try:
            return node.name
        except Exception:
            return "(gone)"

    def atspi_role_name(self, node):
        try:
            return node.getRoleName()
        except Exception:
            return "(gone)"

    def role(self, node):
        try:
            return node.getRole() if node is not None else None
        except Exception:
            return None

    def with_role(self, *roles):
        found = []
        for node in self.showing():
            try:
                if node.getRole() in roles:
                    found.append(node)
            except Exception:
                pass  # gone meanwhile
        return found

    def boxes(self):
        return self.with_role(self.atspi.ROLE_ALERT, self.atspi.ROLE_DIALOG)

    def texts(self, node):
        found, stack = [], [node]
        while stack:
            node = stack.pop()
            try:
                found.append(node.name)
                stack.extend(child for child in node if child is not None)
            except Exception:
                pass
        return found

    def humans_card(self):
        node = self.focused()
        try:
            if node is not None and node.getRole() == self.atspi.ROLE_PUSH_BUTTON \
                    and re.fullmatch(CARD, node.name):
                return node.name
        except Exception:
            pass
        return None

    def table_cards(self):
        return [n.name for n in self.with_role(self.atspi.ROLE_CHECK_BOX)
                if re.fullmatch(CARD, n.name)]

    def wait(self, what, check, seconds=30):
        deadline = time.time() + seconds
        while time.time() < deadline:
            result = check()
            if result:
                return result
            time.sleep(0.1)
        fail(what)

    def focus_on(self, name, step_key, tries=25):
        for _ in range(tries):
            node = self.focused()
            if node is not None and node.name == name:
                return
            key(step_key)
        fail("%s never took the focus" % name)


class Speech:
    """What Orca says, read from its debug log as it is written."""

    def __init__(self, log_file):
        self.log_file = log_file
        self.lines = []
        self.start = 0

    def update(self):
        self.lines = spoken(self.log_file)

    def mark(self):
        """What is said from now on counts for the next wait."""
        self.update()
        self.start = len(self.lines)

    def wait(self, pattern, what, seconds=15):
        deadline = time.time() + seconds
        while time.time() < deadline:
            self.update()
            for index in range(self.start, len(self.lines)):
                if re.search(pattern, self.lines[index]):
                    self.start = index + 1
                    return self.lines[index]
            time.sleep(0.1)
        fail("Orca did not say %s; it said %r" % (what, self.lines[-8:]))


def play(program, played_file, log_file):
    table = Table(program)
    speech = Speech(log_file)
    played = open(played_file, "w")

    def note(*words):
        played.write(" ".join(str(w) for w in words) + "\n")
        played.flush()

    speech.mark()
    key("F2")
    turns = 0
    matches_over = 0
    deadline = time.time() + 200
    while time.time() < deadline:
        boxes = table.boxes()
        if boxes:
            box = boxes[0]
            texts = table.texts(box)
            if box.name == "La VORBIA - Fine partita":
                speech.wait(r"Ha vinto .*! Gimbo \d+, Dino \(Computer\) \d+\.",
                            "the match's result when its dialog opened")
                # The results list has the focus; Enter there closes the dialog.
                table.wait("the end-of-match dialog's list has no focus",
                           lambda: table.role(table.focused()) == table.atspi.ROLE_LIST, 10)
                key("Return")
                table.wait("Enter on the results list did not close the dialog",
                           lambda: box not in table.boxes(), 10)
                note("match-over")
                matches_over += 1
            elif matches_over and any("si inizia" in text for text in texts):
                note("next-match")
                key("Return")
                return
            else:
                if any("scopa" in text for text in texts):
                    note("scopa")
                key("Return")
                table.wait("Enter did not close the box", lambda: box not in table.boxes(), 10)
            continue
        card = table.humans_card()
        if card is None:
            time.sleep(0.1)
            continue
        # What comes next waits until Orca has presented the card that took the focus.
        speech.wait(r"^%s push button" % re.escape(card), "%s as a button" % card)
        turns += 1
        if turns == 1 and any("check box" in line for line in speech.lines[:speech.start]):
            fail("the focus passed over a table card before the first card: %r"
                 % speech.lines[:speech.start])
        on_table = table.table_cards()
        if turns == 2:
            key("F10")
            speech.wait(r"^File\b", "the first menu after F10")
            key("Escape")
            key("Escape")
            speech.wait(r"^%s push button" % re.escape(card),
                        "%s again after the menu closed" % card)
            note("menu", card)
        if turns == 3:
            key("shift+Tab")
            speech.wait(r"^Gimbo \(Umano\) push button", "the name panel after Shift+Tab")
            key("Tab")
            speech.wait(r"^%s push button" % re.escape(card), "%s after Tab" % card)
            note("panel", card)
        if turns == 1:
            nameless = [(table.atspi_role_name(node), table.name(node.parent))
                        for node in table.showing() if not table.name(node)]
            if nameless:
                fail("objects without a name: %r" % nameless)
        if on_table and turns == 1:
            key("Tab")
            speech.wait(r"^%s check box not checked" % CARD, "a table card as a check box")
            key("space")
            speech.wait(r"^checked", "checked after Space")
            key("space")
            speech.wait(r"^not checked", "not checked after Space again")
            key("shift+Tab")
            speech.wait(r"^%s push button" % re.escape(card), "%s after Shift+Tab" % card)
        takes = capture(card, on_table)
        for name in takes:
            table.focus_on(name, "Tab")
            key("space")
        if takes:
            table.focus_on(card, "shift+Tab")
        note("play", card, "takes", ",".join(takes) or "-")
        speech.mark()
        key("Return")
        table.wait("Enter did not play %s" % card, lambda: table.humans_card() != card, 10)
    fail("the match did not end in time (%d turns)" % turns)


def spoken(log_file):
    lines = []
    for line in open(log_file, errors="replace"):
        match = re.search(r"SPEECH OUTPUT: '(.*)' ?{'established'", line)
        if match:
            lines.append(match.group(1))
    return lines


def check(played_file, log_file):
    """What was spoken of the plays that were not the player's own keys."""
    played = [line.split() for line in open(played_file)]
    said = spoken(log_file)
    lines = [text[len("notification "):] for text in said if text.startswith("notification ")]
    for number, words in enumerate(played):
        if words[0] != "play":
            continue
        card, takes = " ".join(words[1:]).split(" takes ")
        taken = sorted(takes.split(",")) if takes != "-" else []
        told = [re.fullmatch(r"Gimbo gioca %s(?: e prende (.*?))?\.( .*)?" % re.escape(card), line)
                for line in lines]
        told = [sorted(re.split(r", | e ", found.group(1))) if found.group(1) else []
                for found in told if found]
        if taken not in told:
            fail("the play %d (%s) was told as %r" % (number, " ".join(words[1:]), told))
    plays = sum(1 for words in played if words[0] == "play")
    computer = [line for line in lines if re.match(r"Dino \(Computer\) gioca %s[ .]" % CARD, line)]
    # Both play one card a turn, and each hand may begin with either.
    hands = 1 + sum(1 for text in said if "si inizia" in text)
    if len(computer) < plays - hands:
        fail("%d plays of the computer were told, against %d of the player" % (len(computer), plays))
    turns = [line for line in lines if line.endswith("Tocca a Gimbo.")]
    if len(turns) < plays - hands:
        fail("the player's turn was told %d times in %d plays" % (len(turns), plays))
    if any(words[0] == "scopa" for words in played) and not any(
            re.match(r"(Gimbo|Dino \(Computer\)): E' stata fatta una scopa", text) for text in said):
        fail("a scopa's box did not say whose scopa it was")
    # The last scores told are those of the result.
    scores = [re.search(r"Punti: Gimbo (\d+), Dino \(Computer\) (\d+)\.", line) for line in lines]
    scores = [found.groups() for found in scores if found]
    result = next((re.search(r"Ha vinto .*! Gimbo (\d+), Dino \(Computer\) (\d+)\.", text)
                   for text in said if "Ha vinto" in text), None)
    if not scores or result is None or scores[-1] != result.groups():
        fail("the scores told %r do not end with the result %r"
             % (scores[-3:], result.group(0) if result else None))
    print("PASS: %d plays by keys; Orca told %d of the computer's, %d scores, and %r"
          % (plays, len(computer), len(scores), result.group(0)))


if __name__ == "__main__":
    if sys.argv[1] == "play":
        play(sys.argv[2], sys.argv[3], sys.argv[4])
    else:
        check(sys.argv[2], sys.argv[3])
