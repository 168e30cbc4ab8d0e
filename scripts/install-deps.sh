#!/usr/bin/env bash
# Installs everything Orvalet needs to build, run and be tested on Debian 12.
set -euo pipefail

packages=(
    # build
    cmake ninja-build ccache g++ pkg-config clang clang-format libfuzzer-14-dev libclang-rt-14-dev
    qt6-base-dev libx11-dev libxtst-dev libxext-dev libxi-dev libgtest-dev libgmock-dev
    # the scanning keyboard and lexicon builders keep to the words of the language's dictionary
    libhunspell-dev hunspell-ca hunspell-es
    # the Wayland backend: the client library, wayland-scanner, xdg-output's XML, Qt's Wayland
    # platform and xkbcommon, which checks the keyboard's own keymap
    libwayland-dev libwayland-bin wayland-protocols qt6-wayland libxkbcommon-dev
    # joystick and gamepad buttons as switches
    libevdev-dev
    # speech library and bridge
    libespeak-ng-dev espeak-ng libpcaudio-dev
    qt6-speech-dev qt6-speech-speechd-plugin qt6-declarative-dev speech-dispatcher-espeak-ng
    # the natural Catalan voice: Festival's library, its Catalan rules and the voice Ona,
    # and Festival for speech-dispatcher, which the bridge can choose
    festival festival-dev festival-ca festvox-ca-ona-hts speech-dispatcher-festival
    # a desktop for the end-to-end tests and for machines without a display
    xvfb openbox x11-xkb-utils x11-utils xdotool imagemagick fonts-dejavu-core
    # a wlroots compositor and KDE Plasma's for the Wayland end-to-end tests, and KWin's
    # protocols for the backend that speaks them
    sway kwin-wayland plasma-wayland-protocols
    # GNOME's compositor, headless, for the GNOME backend's end-to-end tests
    gnome-shell
    pulseaudio pulseaudio-utils dbus-x11 at-spi2-core python3-pyatspi
    # installing and checking the desktop files
    desktop-file-utils appstream shared-mime-info xdg-utils libglib2.0-bin
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
    "${missing[@]}"
