#!/bin/sh
# Runs a command as on a desktop where a screen reader listens: a private X display, a private
# D-Bus session with the accessibility bus started, and Qt's bridge to it on.
set -eu
exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- sh -c '
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress >/dev/null
    QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 exec "$@"' sh "$@"
