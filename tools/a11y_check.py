#!/usr/bin/python3
"""Checks the main window from outside, as a screen reader sees it.

Starts the desktop program on a private X server (Xvfb) with its own session bus and accessibility
bus, reads the window's accessible tree through AT-SPI (python3-pyatspi), prints it (role, name) and
checks that every control is there with a name a screen reader can speak: the reading boxes
("Dial 1 - 3:00 o'clock reading"), the knobs, the growth boxes ("Foot 1 growth (mils)"), the picture
buttons by their tool tips, the captions of the check boxes, options and frames, the length grid, the
machine drawing and the result labels. Exits 1 when something is missing, 2 when the check
could not run (no program, no X server, no accessibility bus).

    tools/a11y_check.py [--app build-g/app/corvane] [--app-arg=--no-about] [--tree-only]

The program runs from a copy in a temporary folder, so its settings file and default project land
there and not beside the build.
"""

import argparse
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
SYSTEM_PYTHON = "/usr/bin/python3"  # pyatspi is a Debian package: use the system interpreter
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"

CLOCK = ["12:00", "3:00", "6:00", "9:00"]

# Roles of controls that a person operates or reads; each must have a name.
NAMED_ROLES = {
    "push button", "toggle button", "check box", "radio button", "text", "password text", "combo box",
    "table", "dial", "slider", "spin button", "image", "panel", "menu item", "menu", "page tab",
}


# --------------------------------------------------------------------------------------------------
# Outer run: a private X server, then this script again inside a fresh session bus.

def free_display():
    for n in range(91, 140):
        if not os.path.exists(f"/tmp/.X11-unix/X{n}") and not os.path.exists(f"/tmp/.X{n}-lock"):
            return n
    raise RuntimeError("no free X display number")


def run_outer(args):
    if not os.path.exists(args.app):
        print(f"a11y_check: program not found: {args.app}", file=sys.stderr)
        return 2
    display = free_display()
    xvfb = subprocess.Popen(["Xvfb", f":{display}", "-screen", "0", "1400x1000x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        deadline = time.time() + 10
        while not os.path.exists(f"/tmp/.X11-unix/X{display}"):
            if xvfb.poll() is not None or time.time() > deadline:
                print("a11y_check: Xvfb did not start", file=sys.stderr)
                return 2
            time.sleep(0.1)
        env = dict(os.environ, DISPLAY=f":{display}")
        env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        env.pop("AT_SPI_BUS_ADDRESS", None)
        inner = [SYSTEM_PYTHON, os.path.abspath(__file__), "--inner", "--app", args.app]
        inner += [f"--app-arg={a}" for a in args.app_arg]
        if args.tree_only:
            inner.append("--tree-only")
        return subprocess.call(["dbus-run-session", "--"] + inner, env=env)
    finally:
        xvfb.terminate()
        try:
            xvfb.wait(5)
        except subprocess.TimeoutExpired:
            xvfb.kill()


# --------------------------------------------------------------------------------------------------
# Inner run: accessibility bus, the program, the tree.

def start_accessibility_bus():
    launcher = subprocess.Popen([BUS_LAUNCHER, "--launch-immediately"],
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    deadline = time.time() + 10
    while time.time() < deadline:
        probe = subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply",
                                "/org/a11y/bus", "org.a11y.Bus.GetAddress"],
                               capture_output=True, text=True)
        if probe.returncode == 0 and "unix:" in probe.stdout:
            return launcher
        time.sleep(0.2)
    launcher.terminate()
    raise RuntimeError("the accessibility bus did not come up")


def start_program(app, app_args, folder):
    # A copy of the program in its own folder: the program keeps its files beside itself.
    exe = os.path.join(folder, os.path.basename(app))
    shutil.copy2(app, exe)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               LC_ALL="C.UTF-8")
    log = open(os.path.join(folder, "program.log"), "w")
    return subprocess.Popen([exe] + list(app_args), env=env, cwd=folder, stdout=log, stderr=subprocess.STDOUT)


def role(acc):
    try:
        return acc.getRoleName()
    except Exception:
        return "?"


def name(acc):
    try:
        return acc.name or ""
    except Exception:
        return ""


def description(acc):
    try:
        return acc.description or ""
    except Exception:
        return ""


def current_value(acc):
    try:
        return acc.queryValue().currentValue
    except Exception:
        return None


def labelled_by(pyatspi, acc, labels_only=False):
    """Names of what the node is labelled by; with labels_only, only real labels, not the frame
    around it (the toolkit ties every control in a frame to the frame's caption)."""
    try:
        for relation in acc.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                targets = [relation.getTarget(i) for i in range(relation.getNTargets())]
                return [name(t) for t in targets if not labels_only or role(t) == "label"]
    except Exception:
        pass
    return []


def children(acc):
    try:
        return [acc.getChildAtIndex(i) for i in range(acc.childCount)]
    except Exception:
        return []


def is_showing(pyatspi, acc):
    try:
        return acc.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(acc, depth=0, path=()):
    """Yields (depth, path, accessible) for the node and everything under it."""
    yield depth, path, acc
    if depth > 40:
        return
    for i, child in enumerate(children(acc)):
        if child is not None:
            yield from walk(child, depth + 1, path + (i,))


def find_application(pyatspi, process):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in children(desktop):
        try:
            if app.get_process_id() == process.pid:
                return app
        except Exception:
            pass
    for app in children(desktop):
        if name(app).lower() == "corvane":
            return app
    return None


def wait_for(predicate, seconds, step=0.25):
    deadline = time.time() + seconds
    while time.time() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return None


def top_windows(app):
    return [w for w in children(app) if role(w) in ("frame", "dialog", "window")]


def print_tree(pyatspi, window, title):
    print(f"== {title}")
    for depth, _, acc in walk(window):
        flags = "" if is_showing(pyatspi, acc) else "  (hidden)"
        extra = f"  description {description(acc)!r}" if description(acc) else ""
        labels = labelled_by(pyatspi, acc)
        if labels:
            extra += f"  labelled by {labels!r}"
        value = current_value(acc)
        if value is not None:
            extra += f"  value {value:g}"
        print(f"{'  ' * depth}[{role(acc)}] {name(acc)!r}{extra}{flags}")
    print()


def do_action(acc, wanted=("Press", "Toggle", "press", "toggle", "click", "SetFocus")):
    try:
        action = acc.queryAction()
    except Exception:
        return False
    names = [action.getName(i) for i in range(action.nActions)]
    for w in wanted:
        if w in names:
            return action.doAction(names.index(w))
    return action.doAction(0) if action.nActions else False


def showing_nodes(pyatspi, window):
    return [(path, acc) for _, path, acc in walk(window) if is_showing(pyatspi, acc)]


def find_named(nodes, roles, text):
    return [acc for _, acc in nodes if role(acc) in roles and name(acc).strip() == text]


def check_main_window(pyatspi, window, findings):
    nodes = showing_nodes(pyatspi, window)

    def expect(roles, text, count=1, what=None):
        found = find_named(nodes, roles, text)
        if len(found) < count:
            label = what or f"{'/'.join(sorted(roles))} named {text!r}"
            findings.append(f"missing: {label} (found {len(found)} of {count})")

    for dial in (1, 2):
        for clock in CLOCK:
            expect({"text"}, f"Dial {dial} - {clock} o'clock reading")
            expect({"dial", "slider"}, f"Dial {dial} - {clock} o'clock")

    # A picture button is named by its tool tip; a name that adds which graph it works on, after the
    # tip, helps a listener tell the two zoom pairs apart and counts as well.
    buttons = [acc for _, acc in nodes if role(acc) in ("push button", "toggle button")]
    for tip, count in (("AutoScale", 1), ("Descrease Scale", 1), ("Decrease Scale", 1), ("Increase Scale", 2),
                       ("Add Comments", 1), ("Thermal Growth Calcs", 1), ("Alignment Tolerance Calcs", 1),
                       ("Reset Values", 1)):
        found = [b for b in buttons if name(b).strip() == tip or name(b).startswith(tip + " (")]
        if len(found) < count:
            findings.append(f"missing: push button named {tip!r} (found {len(found)} of {count})")

    for caption in ("Apply Tolerance", "Thermal Growth"):
        expect({"check box"}, caption)
    for caption in ("Reverse Dial", "Rim and Face", "Jack Shaft", "English", "Metric"):
        expect({"radio button"}, caption)
    for caption in ("Miscellaneous", "Engineering Units", "Machine Model", "Length", "Dial Indicator 1",
                    "Dial Indicator 2", "Calculation"):
        expect({"panel", "grouping", "filler"}, caption, what=f"frame {caption!r}")
    expect({"image"}, "Reverse dial arrangement", what="machine drawing 'Reverse dial arrangement'")

    tables = [acc for _, acc in nodes if role(acc) == "table"]
    if not tables:
        findings.append("missing: the length grid (no table)")
    stations = [acc for _, acc in nodes
                if role(acc) == "check box" and name(acc).strip() not in ("Apply Tolerance", "Thermal Growth")]
    if len(stations) < 4:
        findings.append(f"missing: the four stationary-foot check boxes (found {len(stations)})")
    results = [acc for _, acc in nodes if role(acc) == "label" and "Machine Foot" in name(acc)]
    if len(results) < 2:
        findings.append(f"missing: the two result labels reading 'Machine Foot ...' (found {len(results)})")
    combos = [acc for _, acc in nodes if role(acc) == "combo box"]
    if len(combos) < 2:
        findings.append(f"missing: the machine and rotation lists (found {len(combos)} combo boxes)")
    menus = [acc for _, acc in nodes
             if role(acc) in ("menu", "menu item") and acc.parent is not None and role(acc.parent) == "menu bar"]
    for menu in ("File", "Tools", "Help"):
        if not [acc for acc in menus if name(acc).replace("&", "").strip() == menu]:
            findings.append(f"missing: menu {menu!r}")

    for acc in [acc for _, acc in nodes if role(acc) in ("dial", "slider")]:
        if current_value(acc) is None:
            findings.append(f"{role(acc)} {name(acc)!r} does not give its value")
    # On Linux the toolkit reports a list's current entry as its name; what the list is for has to
    # come from a label it is tied to, or from its description.
    for acc in combos:
        if not labelled_by(pyatspi, acc, labels_only=True) and not description(acc):
            findings.append(f"combo box showing {name(acc)!r} has no label or description saying what it is for")

    for path, acc in nodes:
        parent = acc.parent
        if role(acc) == "panel" and parent is not None and role(parent) == "table":
            continue  # the grid's own corner and viewport
        if role(acc) in NAMED_ROLES and not name(acc).strip():
            parent = acc.parent
            where = f"{role(parent)} {name(parent)!r}" if parent is not None else "?"
            findings.append(f"unnamed {role(acc)} at {'/'.join(map(str, path))} (inside {where})")


def check_growth_boxes(pyatspi, window, findings):
    """The growth boxes show only with "Thermal Growth" ticked: tick it through its action first."""
    nodes = showing_nodes(pyatspi, window)
    if all(find_named(nodes, {"text"}, f"Foot {i} growth (mils)") for i in range(1, 5)):
        return
    box = find_named(nodes, {"check box"}, "Thermal Growth")
    if not box:
        findings.append("cannot show the growth boxes: no 'Thermal Growth' check box")
        return
    do_action(box[0])

    def all_there():
        now = showing_nodes(pyatspi, window)
        return all(find_named(now, {"text"}, f"Foot {i} growth (mils)") for i in range(1, 5))

    if not wait_for(all_there, 5):
        now = showing_nodes(pyatspi, window)
        for i in range(1, 5):
            if not find_named(now, {"text"}, f"Foot {i} growth (mils)"):
                findings.append(f"missing after ticking 'Thermal Growth': text named 'Foot {i} growth (mils)'")
    do_action(box[0])  # leave the window as it was


def run_inner(args):
    launcher = start_accessibility_bus()
    folder = tempfile.mkdtemp(prefix="corvane-a11y-")
    program = None
    try:
        import pyatspi  # after the bus is up: the binding connects when it is loaded

        program = start_program(os.path.abspath(args.app), args.app_arg, folder)
        app = wait_for(lambda: find_application(pyatspi, program), 30)
        if app is None:
            state = "still running" if program.poll() is None else f"ended with {program.returncode}"
            print(f"a11y_check: the program never appeared on the accessibility bus ({state})", file=sys.stderr)
            with open(os.path.join(folder, "program.log")) as log:
                sys.stderr.write(log.read())
            return 2
        findings = []

        # Without a switch to skip it, the about window comes first: check it and close it with OK.
        def main_frame():
            for w in top_windows(app):
                if name(w).startswith("CORVANE v."):
                    return w
            return None

        def about_or_main():
            for w in top_windows(app):
                if name(w).startswith("About"):
                    return w
            return main_frame()

        first = wait_for(about_or_main, 30)
        if first is not None and name(first).startswith("About"):
            print_tree(pyatspi, first, "about window")
            nodes = showing_nodes(pyatspi, first)
            ok = find_named(nodes, {"push button"}, "OK")
            for caption in ("OK", "System Info..."):
                if not find_named(nodes, {"push button"}, caption):
                    findings.append(f"about window: missing push button {caption!r}")
            if ok:
                do_action(ok[0])

        window = wait_for(main_frame, 30)
        if window is None:
            titles = [name(w) for w in top_windows(app)]
            print(f"a11y_check: no main window titled 'CORVANE v.' (windows: {titles})", file=sys.stderr)
            return 2
        time.sleep(1.0)  # let the start-up refresh settle
        print_tree(pyatspi, window, f"main window {name(window)!r}")
        if args.tree_only:
            return 0
        check_main_window(pyatspi, window, findings)
        check_growth_boxes(pyatspi, window, findings)

        print("== findings")
        for f in findings:
            print(" - " + f)
        if not findings:
            print(" none: every control is there with its name")
        return 1 if findings else 0
    finally:
        if program is not None and program.poll() is None:
            program.send_signal(signal.SIGTERM)
            try:
                program.wait(5)
            except subprocess.TimeoutExpired:
                program.kill()
        launcher.terminate()
        try:
            launcher.wait(5)
        except subprocess.TimeoutExpired:
            launcher.kill()
        shutil.rmtree(folder, ignore_errors=True)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--app", default=os.path.join(ROOT, "build-g", "app", "corvane"))
    parser.add_argument("--app-arg", action="append", default=None,
                        help="argument for the program (default: --no-about); repeat for more")
    parser.add_argument("--tree-only", action="store_true", help="print the tree, check nothing")
    parser.add_argument("--inner", action="store_true", help=argparse.SUPPRESS)
    args = parser.parse_args()
    if args.app_arg is None:
        args.app_arg = ["--no-about"]
    return run_inner(args) if args.inner else run_outer(args)


if __name__ == "__main__":
    sys.exit(main())
