#!/usr/bin/python3
"""Prints the accessibility tree of Corvalto's windows as a screen reader sees it.

The program runs under a virtual display (Xvfb) with a private D-Bus session and
Qt's accessibility bridge switched on; the tree is read over AT-SPI with pyatspi.
The main window is dumped first, then the windows its buttons open (riff editor,
screen saver settings, About, additional list information). Every node prints as

    role "name" (description)

and the faults a screen-reader user would meet on screen are marked "!!": an
input with no name, two push buttons of one window with the same name. Radio items read
"radio button", check boxes "check box". The exit status is 1 when any fault was found.

Runs with Debian's own Python (/usr/bin/python3), where the module lives.
Needs (Debian 12): python3-pyatspi, at-spi2-core, dbus (dbus-run-session), xvfb
(xvfb-run). The tests do not need them, so the project's install step leaves them
out:  sudo apt-get install python3-pyatspi at-spi2-core dbus xvfb

Usage: scripts/a11y-dump.py [path/to/corvalto]
       (default: build/release/corvalto/corvalto, else build/test/corvalto/corvalto)
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
INNER = "--inside-session"

INPUT_ROLES = {"text", "entry", "password text", "combo box", "spin button", "check box",
               "radio button", "list", "push button", "toggle button", "page tab", "slider"}
BUTTON_ROLES = {"push button", "toggle button"}

# The main window's controls that open the other windows, by accessible name.
OPENERS = [("Riff Editor", "Virmosk Riff Editor 1.0"),
           ("Screen Saver", "Virmosk Screen Saver 1.0 Finale"),
           ("About", "About"),
           ("Informazioni lista aggiuntive", "Informazioni lista aggiuntive")]


def program_path(args):
    if args:
        return os.path.abspath(args[0])
    for tree in ("release", "test"):
        path = os.path.join(ROOT, "build", tree, "corvalto", "corvalto")
        if os.path.exists(path):
            return path
    sys.exit("no built program: run `make build` or pass the program's path")


def relaunch_in_session(args):
    missing = [tool for tool in ("xvfb-run", "dbus-run-session") if not shutil.which(tool)]
    try:
        import pyatspi  # noqa: F401
    except ImportError:
        missing.append("pyatspi (python3-pyatspi)")
    if missing:
        sys.exit("missing: " + ", ".join(missing) +
                 "\ninstall: sudo apt-get install python3-pyatspi at-spi2-core dbus xvfb")
    # A display number of its own, so that runs in parallel do not race for :99.
    display = str(100 + os.getpid() % 800)
    command = ["xvfb-run", "-a", "-n", display, "-s", "-screen 0 1280x1024x24",
               "dbus-run-session", "--",
               sys.executable, os.path.abspath(__file__), INNER, program_path(args)]
    sys.exit(subprocess.call(command))


def wait_for(predicate, seconds=20.0):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.2)
    return None


def children(node):
    try:
        return [node.getChildAtIndex(i) for i in range(node.childCount)]
    except Exception:
        return []


def showing(node):
    import pyatspi
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def dump(node, depth, faults, button_names):
    role = node.getRoleName()
    name = (node.name or "").strip()
    description = (node.description or "").strip()
    line = "  " * depth + role + ' "' + name + '"'
    if description:
        line += " (" + description + ")"
    marks = []
    # What is not on screen (a hidden tab page, spare scroll arrows) is listed
    # but, as a screen reader does, not presented; its faults do not count.
    if not showing(node):
        line += " [hidden]"
    elif role in INPUT_ROLES and not name:
        marks.append("unnamed input")
    if role in BUTTON_ROLES and name and showing(node):
        if name in button_names:
            marks.append("second button named so")
        button_names.add(name)
    if marks:
        line += "   !! " + ", ".join(marks)
        faults.extend(marks)
    print(line)
    # A combo box's drop-down list belongs to the box.
    if role != "combo box":
        for child in children(node):
            dump(child, depth + 1, faults, button_names)


def find(node, predicate):
    if predicate(node):
        return node
    for child in children(node):
        found = find(child, predicate)
        if found is not None:
            return found
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "Press", "toggle"):
            action.doAction(i)
            return True
    return False


def inside_session(program):
    import pyatspi

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               LIBGL_ALWAYS_SOFTWARE="1", LC_ALL="C.UTF-8", ASAN_OPTIONS="detect_leaks=0")
    folder = os.path.dirname(program)
    log = tempfile.TemporaryFile()
    proc = subprocess.Popen([program], cwd=folder, env=env, stdout=subprocess.DEVNULL, stderr=log)
    try:
        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            for app in children(desktop):
                if app is not None and app.name and "corvalto" in app.name.lower():
                    return app
            return None

        def window(app, caption):
            return next((w for w in children(app) if (w.name or "").startswith(caption)), None)

        # A sanitized build takes a while to start.
        app = wait_for(lambda: application() or proc.poll() is not None, 90.0)
        # On a loaded machine the fresh display sometimes refuses the first
        # connection; the program then ends at once and is started again.
        for _ in range(3):
            if app is not True:
                break
            time.sleep(1)
            proc = subprocess.Popen([program], cwd=folder, env=env, stdout=subprocess.DEVNULL,
                                    stderr=log)
            app = wait_for(lambda: application() or proc.poll() is not None, 90.0)
        if app is None or app is True:
            log.seek(0)
            sys.exit("the program never appeared on the accessibility bus (exit status %s)\n%s"
                     % (proc.poll(), log.read().decode(errors="replace")[-3000:]))
        main = wait_for(lambda: window(app, "Corvalto 3.0 by Virmosk"))
        faults = []
        shown = [main]
        for control, caption in OPENERS:
            opener = find(main, lambda n: (n.name or "") == control and
                          n.getRoleName() in ("push button", "toggle button"))
            if opener is not None and press(opener):
                found = wait_for(lambda: window(app, caption), 10.0)
                if found is not None:
                    shown.append(found)
                else:
                    print("-- window \"%s\" did not appear" % caption)
        for w in shown:
            dump(w, 0, faults, set())
            print()
        print("faults: %d" % len(faults))
        return 1 if faults else 0
    finally:
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()


def main():
    args = sys.argv[1:]
    if args and args[0] == INNER:
        sys.exit(inside_session(args[1]))
    relaunch_in_session(args)


if __name__ == "__main__":
    main()
