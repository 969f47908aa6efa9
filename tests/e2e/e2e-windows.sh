#!/usr/bin/env bash
# The Windows programs as a user meets them, under Wine on the display and in
# the prefix the caller set up (DISPLAY, WINEPREFIX), with no window manager:
# the installation lies in a directory named in Cyrillic and the launcher is
# started from another one; ENGLISH starts the English build, which gets a
# calculation through the keyboard, writes rlin1.txt with the Linux build's
# bytes, opens its compass window and draws; its EXIT ends it. RUSSIAN then
# starts the Russian build, whose Pucture shows its first picture.
# Usage: e2e-windows.sh <directory with START.EXE, KORVEL.EXE, DREVIK.EXE and
# the pictures> <directory for screenshots>
set -euo pipefail
bin=$(cd "$1" && pwd)
mkdir -p "$2"
shots=$(cd "$2" && pwd)
source "$(dirname "$0")/../checks.sh"

work=$(mktemp -d)
trap 'cd /; rm -rf "$work"' EXIT
app="$work/Программа расчёта"
mkdir -p "$app" "$work/рабочая"
cp "$bin"/* "$app"/
cd "$work/рабочая"

# The visible window with this exact name, once it is there.
window() {
    for _ in $(seq 300); do
        local id
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    echo "FAIL: no window $1" >&2
    return 1
}
keys() {
    xdotool windowfocus --sync "$1"
    shift
    xdotool key --delay 50 "$@"
}
# Whether a screenshot of the screen shows any pixel of this colour.
shows() {
    local colour=$1
    for _ in $(seq 50); do
        import -window root "$shots/windows-now.png"
        if convert "$shots/windows-now.png" -fill black +opaque "$colour" -fill white \
            -opaque "$colour" -format '%[fx:maxima.r]' info: | grep -q '^1'; then
            return 0
        fi
        sleep 0.2
    done
    return 1
}
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

wine "$app/START.EXE" >/dev/null 2>&1 &
launcher=$(window START)
# RUSSIAN has the focus; Tab moves to ENGLISH.
keys "$launcher" Tab Return
main=$(window RASCHET)
check "the English build shows its illustrations window" window RIS123E >/dev/null

# Satellite 13° 0′, typed, then START (Gprog) with the keyboard.
keys "$main" Tab Tab Tab Tab 1 3 Tab 0 Tab Tab Tab Return
for _ in $(seq 100); do [ -s rlin1.txt ] && break; sleep 0.1; done
check "rlin1.txt has the Linux build's bytes, in the directory START was started in" \
    test "$(od -An -c rlin1.txt | tr -s ' ')" = \
    "$(printf '217.344292538128,44.8168481749088\r\n' | od -An -c | tr -s ' ')"

# DIRECTION (three more Tabs), then the compass window's START.
keys "$main" Tab Tab Tab Return
compass=$(window CYRC1)
keys "$compass" Return
check "START draws the direction in cyan" shows '#00FFFF'
cp "$shots/windows-now.png" "$shots/windows-compass.png"

# The compass window's EXIT brings the main window forward; its EXIT
# (cmdExit, one Tab back from DIRECTION) ends the program.
keys "$compass" Tab Return
keys "$main" shift+Tab Return
check "EXIT ends the English build" gone RASCHET

# The launcher kept ENGLISH focused; RUSSIAN is one Tab back.
keys "$launcher" shift+Tab Return
check "RUSSIAN starts the Russian build" window RIS123 >/dev/null
russian=$(window RASCHET)
# Pucture (nine Tabs on from the first box) brings the illustrations window
# forward; its РИС.1,2,3 (two Tabs on from the picture box) shows the first
# picture, an 8-bit bitmap with run-length rows, on its paper.
keys "$russian" Tab Tab Tab Tab Tab Tab Tab Tab Tab Return
keys "$(window RIS123)" Tab Tab Return
check "Pucture shows the first picture, read from its run-length rows" shows '#F6F2E6'
import -window root "$shots/windows-russian.png"

summary
