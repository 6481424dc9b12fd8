#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Presses a push button of a running program through its accessibility
# interface (AT-SPI), without synthetic input: press-button.py NAME [PID]
import sys
import time

import pyatspi


def find(node, name):
    try:
        if node.getRoleName() == "push button" and node.name.replace("&", "") == name:
            return node
        for i in range(node.childCount):
            found = find(node.getChildAtIndex(i), name)
            if found:
                return found
    except Exception:  # a node that went away while being read
        pass
    return None


def main():
    name = sys.argv[1]
    pid = int(sys.argv[2]) if len(sys.argv) > 2 else 0
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is None or (pid and app.get_process_id() != pid):
                continue
            button = find(app, name)
            if button:
                button.queryAction().doAction(0)
                return 0
        time.sleep(0.1)
    print("no button named %r" % name, file=sys.stderr)
    return 1


sys.exit(main())
