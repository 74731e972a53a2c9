#!/usr/bin/python3
"""What a screen reader finds of the editor through the accessibility bus (AT-SPI).

Starts the editor, finds its window and controls in the AT-SPI tree, checks their names, then
presses keys with the window focused and checks that the events a screen reader listens to for
the focused object carry what the window shows.
"""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

EDITOR = sys.argv[1]
TIMEOUT = 20


def fail(message):
    print("FALLO:", message)
    sys.exit(1)


def wait_for(what, found, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = found()
        if result:
            return result
        pump(0.1)
    fail("no llegó: " + what)


def pump(seconds):
    """Lets the bus deliver what is pending for a while."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        context.iteration(False)
        time.sleep(0.01)


def editor_application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and application.name == "Rumbario":
            return application
    return None


def find(root, predicate):
    return pyatspi.utils.findDescendant(root, predicate, True)


names_heard = []


def on_name_changed(event):
    if event.source.getState().contains(pyatspi.STATE_FOCUSED):
        names_heard.append(event.source.name)


def press(keys):
    subprocess.run(["xdotool", "key", "--delay", "50"] + keys, check=True)


def main():
    # Listening before the editor starts, so that its arrival on the bus is not missed.
    pyatspi.Registry.registerEventListener(
        on_name_changed, "object:property-change:accessible-name")
    pyatspi.Registry.getDesktop(0)
    pump(0.5)
    editor = subprocess.Popen([EDITOR])
    try:
        application = wait_for("la aplicación en el bus", editor_application)
        window = wait_for("la ventana", lambda: find(
            application, lambda o: o.getRole() == pyatspi.ROLE_FRAME and o.name == "Rumbario"))
        for name in ("Descripción de la sala", "Línea de estado", "Plano"):
            wait_for("el control " + name, lambda: find(window, lambda o: o.name == name))
        surface = find(window, lambda o: o.description.startswith("Teclado del mapa"))
        if surface is None:
            fail("la superficie de teclas no tiene su descripción")
        window_id = wait_for("la ventana en X", lambda: subprocess.run(
            ["xdotool", "search", "--name", "^Rumbario$"],
            capture_output=True, text=True).stdout.split())[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window_id], check=True)
        wait_for("el foco en la superficie de teclas",
                 lambda: surface.getState().contains(pyatspi.STATE_FOCUSED))

        press(["space"])
        wait_for("el modo creación dicho", lambda: "Modo creación  activado" in names_heard)
        press(["Right"])
        wait_for("la sala creada dicha",
                 lambda: "SALA CREADA. S 2: Oeste (1, 0). Sin guardar." in names_heard)
        press(["space", "Left"])
        wait_for("el paseo dicho", lambda: "S 1: Este (0, 0)" in names_heard)
        press(["F9"])
        wait_for("los alrededores dichos",
                 lambda: "Alrededor de la sala 1: este 2." in names_heard)
        print("Oído:", " | ".join(names_heard))
    finally:
        editor.terminate()
        editor.wait(timeout=10)


main()
