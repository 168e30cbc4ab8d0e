#!/usr/bin/env bash
# Takes the screenshots of the user's guide on a virtual desktop: the keyboard with a
# group of syllables open, automatic scanning under way, and the about box. They go to
# docs/ (or the folder given).
#
# Usage: scripts/screenshots.sh [PROGRAM [FOLDER]]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

if [ -z "${ORVALET_SCREENSHOTS_DESKTOP:-}" ]; then
    program="$(readlink -f "${1:-$root/build/bin/orvalet}")"
    folder="$(readlink -f "${2:-$root/docs}")"
    [ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 1; }
    mkdir -p "$folder"
    ORVALET_SCREENSHOTS_DESKTOP=1 ORVALET_E2E_ATSPI=1 \
        exec "$root/tests/e2e/desktop.sh" "$0" "$program" "$folder"
fi

# From here on, on the virtual desktop.
program="$1"
folder="$2"
config="$(mktemp -d)"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$config"' EXIT
export XDG_CONFIG_HOME="$config"

# The pictures of the about box and the highlight of scanning change as time passes.
settle() { sleep "${1:-1}"; }

start_keyboard() {
    "$program" "$@" &
    pid=$!
    window="$(timeout 30 xdotool search --sync --onlyvisible --name '^Orvalet$' | head -n 1)"
    # The splash shows for a second before the keyboard is ready.
    timeout 10 bash -c "while xdotool search --onlyvisible --name '^Parlant de' >/dev/null; do sleep 0.2; done"
    settle
}

stop_keyboard() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    pid=""
}

# The centre of a key on the screen, asked of the accessibility bus as a screen reader would.
key_centre() {
    /usr/bin/python3 - "$pid" "$1" <<'EOF'
import sys, time, pyatspi
pid, name = int(sys.argv[1]), sys.argv[2]
for _ in range(100):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.get_process_id() != pid:
            continue
        stack = [app]
        while stack:
            node = stack.pop()
            if node.getRole() == pyatspi.ROLE_TABLE_CELL and node.name == name:
                box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                print(box.x + box.width // 2, box.y + box.height // 2)
                sys.exit(0)
            stack.extend(child for child in node if child is not None)
    time.sleep(0.1)
sys.exit(1)
EOF
}

shoot() { import -window "$window" "$folder/$1"; }

printf '[Quarnel Orvalet]\r\nLlengua=Catal\xe0\r\n' >"$config/orvalet.ini"
start_keyboard
read -r x y < <(key_centre B)
xdotool mousemove "$x" "$y" click 1
settle
shoot keyboard.png

xdotool windowactivate --sync "$window" key alt+o Up Up Return
about="$(timeout 10 xdotool search --sync --onlyvisible --name '^Parlant de' | head -n 1)"
settle 2
import -window "$about" "$folder/about.png"
xdotool key Escape
stop_keyboard

printf '[Quarnel Orvalet]\r\nLlengua=Catal\xe0\r\n[Menu]\r\nMenuActivarLEscaneigAutomatic=SI\r\n' \
    >"$config/orvalet.ini"
start_keyboard "$root/keyboards/catala.QuarnelTeclat"
settle 6
shoot scanning.png
stop_keyboard
echo "screenshots in $folder"
