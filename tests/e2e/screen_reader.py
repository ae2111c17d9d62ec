#!/usr/bin/python3
"""Reads the accessibility tree of a running tlg as a screen reader would (AT-SPI).

Arguments: the program's process id, then the number of days the chart should speak of (1
unless given); or the process id and "report": opens the report and reads it as a screen reader
reads text; or the process id and "box": asks to reset the data, reads the message box and
answers No. Prints every problem and exits non-zero when there is one."""
import sys
import time

import pyatspi

pid = int(sys.argv[1])
chart_days = sys.argv[2] if len(sys.argv) > 2 else "1"
problems = []


def find_app():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == pid:
                    return app
            except Exception:  # an application that went away meanwhile
                pass
        time.sleep(0.2)
    return None


def walk(node, depth=0):
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


app = find_app()
if app is None:
    print("FAIL: tlg does not appear on the accessibility bus")
    sys.exit(1)


def press(name):
    """Presses the control of that name by its first action; False when there is none."""
    for node, _ in walk(app):
        if node.name == name:
            node.queryAction().doAction(0)
            return True
    return False


def read_report():
    """Opens the report by its command's press action and reads the report's text: the
    pictures by their words, the caret where the text says."""
    if not press("View report"):
        return ["no control named 'View report'"]
    for _ in range(50):
        time.sleep(0.2)
        for node, _ in walk(app):
            if node.name == "Report" and node.getRoleName() == "text":
                text = node.queryText()
                spoken = text.getText(0, -1)
                if "YOUR READINGS" in spoken:
                    return check_report_text(text, spoken)
    return ["the report's text never appeared"]


def check_report_text(text, spoken):
    found = []
    if "\ufffc" in spoken:
        found.append("the report's text holds object characters (U+FFFC) for its pictures")
    lines = spoken.split("\n")
    if lines[0] != "Tensiolog, blood pressure diary":
        found.append(f"the header picture is read as {lines[0]!r}")
    if len(lines) < 2 or not lines[1].startswith("Readings chart: "):
        found.append(f"the chart picture is read as {lines[1:2]!r}")
    if text.characterCount != len(spoken):
        found.append(f"{text.characterCount} characters counted, {len(spoken)} read")
    heading = spoken.index("YOUR READINGS")
    text.setCaretOffset(heading)
    if text.caretOffset != heading:
        found.append(f"the caret set at {heading} is at {text.caretOffset}")
    line, start, end = text.getTextAtOffset(heading, pyatspi.TEXT_BOUNDARY_LINE_START)
    if line.strip() != "YOUR READINGS" or spoken[start:end] != line:
        found.append(f"the line at the heading's offset reads {line!r} ({start} to {end})")
    return found


def read_box():
    """Asks to reset the data and reads the question's box: every part of it has a name; then
    answers No by its button."""
    if not press("Reset data and start again"):
        return ["no control named 'Reset data and start again'"]
    for _ in range(50):
        time.sleep(0.2)
        for i in range(app.childCount):
            box = app.getChildAtIndex(i)
            if box is None or box.getRoleName() != "alert":
                continue
            found = []
            answer_no = None
            for node, depth in walk(box):
                print("  " * depth + f"{node.getRoleName()}: {node.name!r}")
                if not node.name.strip():
                    found.append(f"the message box holds a {node.getRoleName()} with no name")
                if node.getRoleName() == "push button" and node.name.replace("&", "") == "No":
                    answer_no = node
            if answer_no is None:
                found.append("the message box has no button named 'No'")
            else:
                answer_no.queryAction().doAction(0)
            return found
    return ["no message box appeared"]


if chart_days in ("report", "box"):
    for problem in (read_report() if chart_days == "report" else read_box()):
        problems.append(problem)
    for problem in problems:
        print("FAIL: " + problem)
    sys.exit(1 if problems else 0)

names = {}
focused = []
for node, depth in walk(app):
    role = node.getRoleName()
    state = node.getState()
    showing = state.contains(pyatspi.STATE_SHOWING)
    focusable = state.contains(pyatspi.STATE_FOCUSABLE)
    print("  " * depth + f"{role}: {node.name!r} ({node.description[:60]!r})"
          + (" focusable" if focusable else ""))
    if showing and focusable and role not in ("table cell", "menu item", "scroll bar") \
            and not node.name.strip():
        problems.append(f"a focusable {role} has no name")
    names.setdefault(node.name, []).append((role, node))
    if role in ("table column header", "table row header") and node.name.strip().isdigit():
        problems.append(f"a {role} is named {node.name!r}, not by its day or week")
    if state.contains(pyatspi.STATE_FOCUSED) and role not in ("frame", "dialog"):
        focused.append(f"{role} {node.name!r}")

# Each window is a frame or a dialog named by its title, as the window system shows it.
for i in range(app.childCount):
    window = app.getChildAtIndex(i)
    if window is None:
        continue
    if window.getRoleName() not in ("frame", "dialog"):
        problems.append(f"the window {window.name!r} is a {window.getRoleName()}, not a frame")
    if window.name != "tlg":
        problems.append(f"the main window is named {window.name!r}, not by its title 'tlg'")

# The window takes the keyboard by itself, in today's systolic box, even where no window manager
# hands it over.
windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
if not any(w is not None and w.getState().contains(pyatspi.STATE_ACTIVE) for w in windows):
    problems.append("no window of the program is the active window")
for role, node in names.get("Systolic pressure, mmHg", []):
    if chart_days == "1" and not node.getState().contains(pyatspi.STATE_FOCUSED):
        problems.append("the systolic box does not hold the keyboard focus at the start")

# The commands a person needs, with the press action a screen reader offers.
for name in ("Systolic pressure, mmHg", "Diastolic pressure, mmHg", "Pulse, beats per minute",
             "Comment", "View report", "Close", "Reset data and start again", "Health Warning",
             "Blood Pressure Information and Tips", "Tensiolog web site, www.tensiolog.org"):
    if name not in names:
        problems.append(f"no control named {name!r}")
        continue
for name in ("View report", "Reset data and start again", "Health Warning",
             "Blood Pressure Information and Tips", "Tensiolog web site, www.tensiolog.org"):
    for role, node in names.get(name, []):
        try:
            action = node.queryAction()
            actions = [action.getName(i) for i in range(action.nActions)]
        except NotImplementedError:
            actions = []
        if not any(a in ("press", "click", "Press") for a in actions):
            problems.append(f"{name!r} ({role}) offers no press action: {actions}")

# One object holds the keyboard focus: the box typed in (the systolic box at the start, the
# comment box after a reading), not also the calendar's selected day or the comment box's inner
# area.
if len(focused) != 1:
    problems.append(f"{len(focused)} objects say they have the focus: {focused}")

# The calendar's columns are named by their days, also as a screen reader asks a table for them.
for role, node in [(r, n) for key, found in names.items() if key.startswith("Days of")
                   for r, n in found]:
    table = node.queryTable()
    header = table.getColumnHeader(0)
    heard = [header.name if header is not None else None, table.getColumnDescription(0)]
    print("column 0 heard as", heard)
    if any(h is None or h.strip().isdigit() for h in heard):
        problems.append(f"the calendar's first column is heard as {heard}, not by its day")

# The calendar's month arrows are named.
for name in ("Previous month", "Next month"):
    if not any(role in ("push button", "button") for role, _ in names.get(name, [])):
        problems.append(f"no calendar button named {name!r}")

# The chart says what it shows.
charts = names.get("Readings chart", [])
if not charts:
    problems.append("no chart named 'Readings chart'")
elif not charts[0][1].description.startswith(
        f"Readings chart: {chart_days} day{'' if chart_days == '1' else 's'}"):
    problems.append(f"the chart's summary is {charts[0][1].description!r}")

for problem in problems:
    print("FAIL: " + problem)
sys.exit(1 if problems else 0)
