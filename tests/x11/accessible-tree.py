# SPDX-License-Identifier: GPL-3.0-or-later
# The program (PID) as a screen reader sees it: every control named and able to take the keyboard.
import sys, time, pyatspi
CONTROLS = {"push button", "check box", "radio button", "combo box", "list", "spin button"}
def controls(node):
    for child in node:
        yield from ([child] if child.getRoleName() in CONTROLS else []) + list(controls(child))
deadline = time.monotonic() + 20  # the program joins the tree once the registry runs
while not (found := [c for app in pyatspi.Registry.getDesktop(0) if app and app.get_process_id() == int(sys.argv[1])
                     for c in controls(app) if c.getState().contains(pyatspi.STATE_SHOWING)]) and time.monotonic() < deadline:
    time.sleep(0.2)
faults = ["%s without a name" % c.getRoleName() for c in found if not c.name.strip()] + \
         ["%r out of keyboard reach" % c.name for c in found if not c.getState().contains(pyatspi.STATE_FOCUSABLE)]
print("accessible tree: %d controls, %d faults" % (len(found), len(faults)), *faults, sep="\n  ")
sys.exit(1 if faults or not found else 0)
