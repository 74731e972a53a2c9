#!/usr/bin/python3
"""What a blind author hears: the real screen reader, Orca, listens to the editor on a private
accessibility bus and writes every "SPEECH OUTPUT" to its debug file (no speech server is needed).
The editor is driven by keys; after each row of keys the words Orca said are checked against what
the window shows.
"""
import os
import re
import subprocess
import sys
import tempfile
import time

EDITOR = sys.argv[1]
# How long a row may wait for its sayings: generous, as a busy machine slows Orca down, and a row
# waits only as long as it needs.
TIMEOUT = 90
SPEECH = re.compile(r"SPEECH OUTPUT: '(.*?)'\s*\[?\{'", re.DOTALL)
# Orca's own echo of the keys pressed: not what the editor said.
KEY_ECHOES = {"space", "return", "left control", "left shift", "left alt"} | {
    "f%d" % number for number in range(1, 13)}
PADDING = "(blancos)"


def fail(message):
    print("FALLO:", message)
    sys.exit(1)


def wait_for(what, found, orca=None):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        result = found()
        if result:
            return result
        time.sleep(0.05)
    fail("no llegó: %s%s" % (what, "; Orca dijo %s" % orca.said() if orca else ""))


# Orca writes its debug file in blocks; line by line, each saying can be read as soon as it is said.
LINE_BY_LINE_ORCA = """
import builtins, runpy, sys
plain_open = builtins.open
def open_by_lines(file, mode="r", *args, **kwargs):
    if file == sys.argv[-1].split("=", 1)[1] and "w" in mode:
        return plain_open(file, mode, 1, encoding="utf-8")
    return plain_open(file, mode, *args, **kwargs)
builtins.open = open_by_lines
sys.argv[0] = "/usr/bin/orca"
runpy.run_path("/usr/bin/orca", run_name="__main__")
"""


def desktop(home):
    """A user's own home and runtime folder: the speech server's sound leaves nothing in /tmp."""
    runtime = os.path.join(home, "run")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    return dict(os.environ, HOME=home, XDG_RUNTIME_DIR=runtime)


class Orca:
    def __init__(self, home):
        self.log = os.path.join(home, "orca.log")
        self.process = subprocess.Popen(
            [sys.executable, "-c", LINE_BY_LINE_ORCA, "--replace", "--debug-file=" + self.log],
            env=desktop(home), stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        self.read = 0

    def logged(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as log:
                return log.read()
        except FileNotFoundError:
            return ""

    def said(self):
        """Everything Orca said so far, its own key echo left out; blanks alone read "(blancos)"."""
        said = []
        for saying in SPEECH.findall(self.logged()):
            if len(saying) > 1 and not saying.strip():
                said.append(PADDING)
            elif len(saying.strip()) > 1 and saying.strip().lower() not in KEY_ECHOES:
                said.append(saying.strip())
        return said

    def heard_since_last(self):
        sayings = self.said()
        heard, self.read = sayings[self.read:], len(sayings)
        return heard

    def stop(self):
        # Orca may take its time to shut down, or not: the test is over either way.
        self.process.terminate()
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()


def press(keys):
    """Keys by name; "type:" types text as a typist would, "fast:" presses keys without a pause."""
    for key in keys:
        if key.startswith("fast:"):
            subprocess.run(["xdotool", "key", "--delay", "0"] + key[5:].split(), check=True)
        elif key.startswith("type:"):
            subprocess.run(["xdotool", "type", "--delay", "60", key[5:]], check=True)
        else:
            subprocess.run(["xdotool", "key", key], check=True)


# Keys pressed, and the sayings Orca must say after them, in order (others may come between:
# Orca's own reading of a dialog, for one), or with ONLY nothing else (Orca may read the unchanged
# line again for an arrow key). Orca drops a saying that another follows at once, as a fast typist
# hears only the last: each row waits for its own.
ONLY = True
ROWS = [
    (["space"], ["Modo creación  activado"]),
    (["Right"], ["SALA CREADA. S 2: Oeste (1, 0). Sin guardar."]),
    (["Right"], ["SALA CREADA. S 3: Oeste (2, 0)"]),
    (["t"], ["Descripción de la sala text.", "quedan 100 de 100."]),
    (["type:Torre", "Return"], ["Introducido"]),
    (["F9"], ["Alrededor de la sala 3: oeste 2."]),
    (["ctrl+z"], ["Deshecho: descripción de la sala 3."]),
    (["ctrl+y"], ["Rehecho: descripción de la sala 3. Torre"]),
    (["space"], ["Modo creación  desactivado"]),
    (["Left"], ["S 2: Este Oeste (1, 0)"]),
    (["Left"], ["S 1: Este (0, 0)"]),
    # A wall only beeps: the surroundings key after it is the next thing said, even pressed at
    # once, before Orca has looked at the arrow.
    (["fast:Left F9"], ["Alrededor de la sala 1: este 2."], ONLY),
    (["F6"], ["Introduzca el número de la sala a donde ir (1 - 3)"]),
    (["type:3", "Return"], ["Torre. S 3: Oeste (2, 0)"]),
    # A report has the keyboard, its first line read; a line's room is said back on the map,
    # and the report open beside it says nothing more as the map changes.
    (["F4"], ["Revisar mapa", "Salas sin descripción (2):"]),
    (["Down"], ["1 (sin descripción)"]),
    (["Return"], ["Mapa panel.", "S 1: Este (0, 0)"]),
    (["Right"], ["S 2: Este Oeste (1, 0)"], ONLY),
    (["F9"], ["Alrededor de la sala 2: este 3; oeste 1."], ONLY),
    # A menu opened by its letter waits for the keys pressed before it too.
    (["fast:Left alt+a"], ["Nuevo."]),
    (["Escape"], ["Mapa panel."]),
    (["F9"], ["Alrededor de la sala 1: este 2."]),
]


def orca_account(orca, since):
    """Orca's own account since a point of its debug file: the keys and events it got, what it
    decided about them and what it said; printed when a row fails, as it cannot be seen later."""
    shown = re.compile(r"event_string=|EVENT MANAGER: object:text-changed|DEFAULT: |SPEECH OUTPUT")
    return "\n".join(line.strip() for line in orca.logged()[since:].splitlines()
                     if shown.search(line))


def heard_in_order(heard, expected):
    """Each expected saying is in what was heard, in order: as a whole saying or a part of one."""
    position = 0
    for saying in expected:
        while position < len(heard) and saying not in heard[position]:
            position += 1
        if position == len(heard):
            return False
        position += 1
    return True


def main():
    with tempfile.TemporaryDirectory() as home:
        orca = Orca(home)
        editor = None
        try:
            wait_for("Orca en marcha", lambda: "Startup complete" in orca.logged())
            editor = subprocess.Popen([EDITOR], env=desktop(home))
            # Only a window already shown can take the keyboard: one only created refuses it.
            window = wait_for("la ventana en X", lambda: subprocess.run(
                ["xdotool", "search", "--onlyvisible", "--name", "^Rumbario$"],
                capture_output=True, text=True).stdout.split())[0]
            subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
            wait_for("la ventana y el mapa dichos",
                     lambda: heard_in_order(orca.said(), ["Rumbario frame.", "Mapa panel."]), orca)
            orca.heard_since_last()
            heard = []
            for keys, expected, *only in ROWS:
                logged_before = len(orca.logged())
                press(keys)
                before, heard = heard, []

                def arrived():
                    heard.extend(orca.heard_since_last())
                    return heard_in_order(heard, expected)

                deadline = time.monotonic() + TIMEOUT
                while not arrived():
                    if time.monotonic() > deadline:
                        print(orca_account(orca, logged_before))
                        fail("tras %s se esperaba %s y Orca dijo %s" % (keys, expected, heard))
                    time.sleep(0.05)
                # The padding of a description is never read out.
                if PADDING in heard:
                    fail("Orca leyó blancos de relleno tras %s" % keys)
                if only and set(heard) - set(expected) - set(before[-1:]):
                    fail("tras %s se dijo más: %s" % (keys, heard))
                print(" ".join(keys), "→", " | ".join(heard))
        finally:
            if editor:
                editor.terminate()
                try:
                    editor.wait(timeout=10)
                except subprocess.TimeoutExpired:
                    editor.kill()
                    editor.wait()
            orca.stop()


main()
