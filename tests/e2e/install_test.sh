#!/bin/bash
# Installs the build into a temporary prefix and checks what a desktop user gets: the
# layout, the launcher, the metainfo, the keyboard file type, and the installed program
# opened on a keyboard file the way a file manager opens it. Runs inside desktop.sh.
#
# Usage: install_test.sh BUILD_FOLDER
set -euo pipefail

build="$1"
app_id=org.orvalet.Orvalet
mime_type=application/x-quarnel-teclat
work="$(mktemp -d)"
program_pid=""
trap 'stop_program; rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

pass() { echo "ok: $*"; }

stop_program() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    program_pid=""
}

prefix="$work/prefix"
share="$prefix/share"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" || fail "install: $(cat "$work/install.log")"

check_layout() {
    local file
    [ -L "$prefix/bin/orvalet" ] || fail "bin/orvalet is not a link"
    [ "$(readlink -f "$prefix/bin/orvalet")" = "$prefix/libexec/orvalet/orvalet" ] ||
        fail "bin/orvalet does not lead to libexec/orvalet/orvalet"
    for file in libexec/orvalet/libupctv.so libexec/orvalet/vocelia \
        share/man/man1/orvalet.1.gz share/applications/$app_id.desktop \
        share/metainfo/$app_id.metainfo.xml share/mime/packages/$app_id.xml \
        share/icons/hicolor/scalable/apps/$app_id.svg share/icons/hicolor/48x48/apps/$app_id.png \
        share/orvalet/keyboards/catala.QuarnelTeclat share/orvalet/keyboards/castellano.QuarnelTeclat \
        share/orvalet/keyboards/catala-escaneig.QuarnelTeclat \
        share/orvalet/keyboards/castellano-escaneo.QuarnelTeclat \
        share/orvalet/keyboards/catala-escaneig.QuarnelTeclat.prediccions \
        share/orvalet/keyboards/castellano-escaneo.QuarnelTeclat.prediccions \
        share/orvalet/lexicons/ca.txt share/orvalet/lexicons/es.txt \
        bin/orvalet-scancost share/man/man1/orvalet-scancost.1.gz; do
        [ -e "$prefix/$file" ] || fail "$file not installed"
    done
    pass "layout"
}

check_desktop_files() {
    desktop-file-validate "$share/applications/$app_id.desktop" || fail "desktop-file-validate"
    appstreamcli validate --no-net "$share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" ||
        fail "appstreamcli validate: $(cat "$work/appstream.log")"
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/orvalet.1.gz" \
        >/dev/null 2>"$work/man.log"
    [ ! -s "$work/man.log" ] || fail "manual page: $(cat "$work/man.log")"
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/orvalet-scancost.1.gz" \
        >/dev/null 2>"$work/man.log"
    [ ! -s "$work/man.log" ] || fail "orvalet-scancost manual page: $(cat "$work/man.log")"
    pass "launcher, metainfo and manual page"
}

# The desktop's own databases, built from the installed files alone.
use_installed_desktop_data() {
    update-mime-database "$share/mime"
    update-desktop-database "$share/applications"
    export XDG_DATA_HOME="$work/data-home" XDG_DATA_DIRS="$share" XDG_CURRENT_DESKTOP=GNOME
    mkdir -p "$XDG_DATA_HOME"
}

check_file_type() {
    local type default
    type="$(xdg-mime query filetype "$keyboard")"
    [ "$type" = "$mime_type" ] || fail "a keyboard file is '$type', not $mime_type"
    default="$(xdg-mime query default "$mime_type")"
    [ "$default" = "$app_id.desktop" ] || fail "keyboard files open with '$default'"
    pass "keyboard files are $mime_type and open with Orvalet"
}

# The process id of the installed keyboard once its main window is on the desktop: a
# viewable client that the window manager manages, owned by a process running the installed
# program. Qt's hidden helper window bears the keyboard's title but is neither viewable nor
# managed, and has no process id; the main window's title follows the receiving window.
wait_for_installed_keyboard() {
    local tries window pid
    for ((tries = 0; tries < 300; tries++)); do
        for window in $(xprop -root -notype _NET_CLIENT_LIST | grep -o '0x[0-9a-f]*'); do
            xwininfo -id "$window" 2>/dev/null | grep -q 'Map State: IsViewable' || continue
            pid="$(xdotool getwindowpid "$window" 2>/dev/null)" || continue
            if [ "$(readlink -f "/proc/$pid/exe")" = "$prefix/libexec/orvalet/orvalet" ]; then
                echo "$pid"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Opens the keyboard file as a file manager does: the default application of its type,
# started from the launcher's command line with the installed bin on the path.
open_keyboard_file() {
    export XDG_CONFIG_HOME="$work/config"
    mkdir -p "$XDG_CONFIG_HOME"
    printf '[Quarnel Orvalet]\r\nLlengua=Catal\xe0\r\n' >"$XDG_CONFIG_HOME/orvalet.ini"
    PATH="$prefix/bin:/usr/bin:/bin" gio open "$keyboard" || fail "gio open"
    program_pid="$(wait_for_installed_keyboard)" ||
        fail "no window of the installed keyboard appeared"
    pass "opening a keyboard file started the installed keyboard"
}

keyboard="$work/Teclat de prova.QuarnelTeclat"
cp "$share/orvalet/keyboards/catala.QuarnelTeclat" "$keyboard"

check_layout
check_desktop_files
use_installed_desktop_data
check_file_type
open_keyboard_file
