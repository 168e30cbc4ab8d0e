#!/usr/bin/python3
"""What a screen reader sees of the running keyboard, through the accessibility bus:
the window, the toolbar buttons with their hints, the menu items and every key of the
tree with its text, its expanded state and the selection. Then it drives the keyboard as
a user would: opens a group with a click, chooses the bridge engine (which starts the
bridge program installed beside the keyboard) and leaves with the exit command.

Usage: atspi_check.py PROCESS_ID
"""

import os
import subprocess
import sys
import time

import pyatspi

WAIT_SECONDS = 20
POLL_SECONDS = 0.1

# The hints of the toolbar, which a screen reader speaks as the buttons' descriptions.
BUTTON_HINTS = [
    "Shift (Majúscula primera lletra)",
    "Bloqueig Majúscules",
    "Llegir lo escrit",
]
MENU_ITEMS = ["Obrir...", "Sapi 5.1", "Sortir"]
# Keys of the Catalan example keyboard, with the special keys added at its top.
TOP_LEVEL_KEYS = ["TECLES ESPECIALS", "RETURN", "ESPAI", "PARAULES", "NÚMEROS", "NY", "L·L", "Ç"]
GROUP_TO_OPEN = "PARAULES"
KEY_IN_GROUP = "HOLA "
BRIDGE_TITLE = "Vocelia - Projecte Brunvol 2005"

failures = []


def check(condition, message):
    print(("ok: " if condition else "FAIL: ") + message)
    if not condition:
        failures.append(message)
    return condition


def wait_for(condition):
    deadline = time.monotonic() + WAIT_SECONDS
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(POLL_SECONDS)


def application_of(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def descendants(accessible):
    found = []
    stack = [accessible]
    while stack:
        node = stack.pop()
        found.append(node)
        stack.extend(child for child in node if child is not None)
    return found


def with_role(nodes, *roles):
    return [node for node in nodes if node.getRole() in roles]


def plain(name):
    return name.replace("&", "")


def states(accessible):
    return accessible.getState()


def cells(app):
    return with_role(descendants(app), pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TREE_ITEM)


def cell_named(app, name):
    return next((cell for cell in cells(app) if cell.name == name), None)


def click_centre(accessible):
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = box.x + box.width // 2, box.y + box.height // 2
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", "1"], check=True)


def menu_item(app, name):
    items = with_role(descendants(app), pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
                      pyatspi.ROLE_RADIO_MENU_ITEM)
    return next((item for item in items if plain(item.name) == name), None)


def choose(item):
    action = item.queryAction()
    action.doAction(0)


def window_pid(title):
    result = subprocess.run(["xdotool", "search", "--name", "^" + title + "$"],
                            capture_output=True, text=True)
    windows = result.stdout.split()
    if not windows:
        return None
    pid = subprocess.run(["xdotool", "getwindowpid", windows[0]], capture_output=True, text=True)
    return int(pid.stdout) if pid.returncode == 0 else None


def check_window_and_toolbar(app):
    frames = with_role(list(app), pyatspi.ROLE_FRAME)
    check(any(frame.name == "Orvalet" for frame in frames), "the window is named Orvalet")
    buttons = with_role(descendants(app), pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON)
    descriptions = {button.description: button for button in buttons}
    for hint in BUTTON_HINTS:
        check(hint in descriptions, f"a toolbar button is described as '{hint}'")
    reading = descriptions.get("Llegir lo escrit")
    if reading is not None:
        check(states(reading).contains(pyatspi.STATE_SENSITIVE),
              "the read button is enabled: the speech library was found beside the program")
    shift = descriptions.get(BUTTON_HINTS[0])
    if shift is not None:
        check(states(shift).contains(pyatspi.STATE_CHECKED), "the shift button is shown down")


def check_menu(app):
    for name in MENU_ITEMS:
        check(menu_item(app, name) is not None, f"the menu item '{name}' is exposed")


def check_keys(app):
    names = [cell.name for cell in cells(app)]
    for key in TOP_LEVEL_KEYS:
        check(key in names, f"the key '{key}' is exposed with its text")
    group = cell_named(app, GROUP_TO_OPEN)
    if not check(group is not None, f"the group '{GROUP_TO_OPEN}' is exposed"):
        return
    state = states(group)
    check(state.contains(pyatspi.STATE_EXPANDABLE), "a group is expandable")
    check(not state.contains(pyatspi.STATE_EXPANDED), "a group starts closed")
    check(not any(states(cell).contains(pyatspi.STATE_SELECTED) for cell in cells(app)),
          "no key is selected after loading")
    check(cell_named(app, KEY_IN_GROUP) is None, "the keys of a closed group are not shown")

    click_centre(group)
    opened = wait_for(lambda: (cell_named(app, GROUP_TO_OPEN) is not None and states(
        cell_named(app, GROUP_TO_OPEN)).contains(pyatspi.STATE_EXPANDED)))
    check(opened, "a click on a group shows it expanded")
    group = cell_named(app, GROUP_TO_OPEN)
    check(group is not None and states(group).contains(pyatspi.STATE_SELECTED),
          "the clicked group is the selected key")
    check(wait_for(lambda: cell_named(app, KEY_IN_GROUP) is not None),
          "the keys of an open group are exposed")


def check_bridge_and_exit(app, pid):
    bridge = menu_item(app, "Sapi 5.1")
    if check(bridge is not None, "the bridge engine can be chosen"):
        choose(bridge)
        bridge_pid = wait_for(lambda: window_pid(BRIDGE_TITLE))
        if check(bridge_pid is not None, "choosing the bridge started it"):
            keyboard_folder = os.path.dirname(os.path.realpath(f"/proc/{pid}/exe"))
            bridge_folder = os.path.dirname(os.path.realpath(f"/proc/{bridge_pid}/exe"))
            check(bridge_folder == keyboard_folder, "the bridge started is the one beside the keyboard")
    leave = menu_item(app, "Sortir")
    if check(leave is not None, "the exit command is exposed"):
        choose(leave)
    if bridge is not None:
        check(wait_for(lambda: window_pid(BRIDGE_TITLE) is None), "closing the keyboard closed the bridge")


def main():
    pid = int(sys.argv[1])
    app = wait_for(lambda: application_of(pid))
    if not check(app is not None, "the keyboard is on the accessibility bus"):
        return 1
    check(wait_for(lambda: cell_named(app, GROUP_TO_OPEN) is not None), "the keys are on the bus")
    check_window_and_toolbar(app)
    check_menu(app)
    check_keys(app)
    check_bridge_and_exit(app, pid)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
