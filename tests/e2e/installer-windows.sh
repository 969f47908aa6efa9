#!/usr/bin/env bash
# The Windows setup program under Wine, on the display and in the prefix the
# caller set up (DISPLAY, WINEPREFIX, WINEARCH=win32): a silent installation
# into a folder named on the command line puts every file there and makes the
# three Start-menu shortcuts, which start the programs in the user's folder;
# the launcher started through its shortcut starts the English build, whose
# calculation writes rlin1.txt into that folder; the program is registered
# once with its version, and installing again without naming a folder
# replaces the earlier installation in place; the silent uninstallation
# takes away all of it but the user's folder and its rlin1.txt.
# Usage: installer-windows.sh <setup program> <folder with the files it holds>
set -euo pipefail
setup=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
bin=$(cd "$2" && pwd)
# The version, from the setup program's name: dish-calculator-<version>-setup.exe.
version=$(basename "$setup" -setup.exe)
version=${version#dish-calculator-}
source "$(dirname "$0")/../checks.sh"
# Shortcuts made in the prefix stay out of the host's own menus.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:+$WINEDLLOVERRIDES;}winemenubuilder.exe=d"

files=(START.EXE KORVEL.EXE DREVIK.EXE GDS1ENG.BMP 1kENG.BMP 2kENG.BMP 3kENG.BMP
    GDS001.BMP 1k.BMP 2k.BMP 3k.BMP)
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\DishCalculator'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
# The installation folder, in Windows' and in Unix' terms. No blank in it:
# wine would quote the argument, and the installer takes /D= only unquoted.
# In ASCII, as wine reg prints other letters as '?'.
target_win='C:\Apps\DishCalculator'
target=$(winepath -u "$target_win")
default_target=$(winepath -u 'C:\Program Files\Dish Calculator')
# The user's folder the shortcuts start the programs in.
user_win="$(wine cmd /c echo '%LOCALAPPDATA%' 2>/dev/null | tr -d '\r')\\Dish Calculator"
user=$(winepath -u "$user_win")
menu_win='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Dish Calculator'
menu=$(winepath -u "$menu_win")
links=("Dish Calculator.lnk:START.EXE" "Dish Calculator (English).lnk:KORVEL.EXE"
    "Расчёт антенны (Русский).lnk:DREVIK.EXE")

registered() { wine reg query "$key" >/dev/null 2>&1; }
# Polls, for at most ten seconds, until the command succeeds.
until_true() {
    for _ in $(seq 100); do
        "$@" && return 0
        sleep 0.1
    done
    return 1
}
not() { ! "$@"; }
# The number of entries in the installed programs named Dish Calculator.
entries() {
    wine reg query "$uninstall_key" /s 2>/dev/null | tr -d '\r' |
        grep -c 'DisplayName[[:space:]]*REG_SZ[[:space:]]*Dish Calculator$' || true
}
all_installed() {
    local f
    for f in "${files[@]}" Uninstall.exe; do
        [ -f "$1/$f" ] || return 1
    done
    for f in "${files[@]}"; do
        cmp -s "$bin/$f" "$1/$f" || return 1
    done
}
nothing_installed() {
    local f
    for f in "${files[@]}" Uninstall.exe; do
        [ ! -e "$1/$f" ] || return 1
    done
}
# The shortcut's UTF-16 strings: its working directory and icon location.
link_strings() { strings -el "$1" | cut -c2-; }
shortcuts_right() {
    local entry name exe
    for entry in "${links[@]}"; do
        name=${entry%%:*}
        exe=${entry#*:}
        [ -f "$menu/$name" ] || return 1
        # The target, in the link's own record of where it points.
        grep -aqF "$target_win\\$exe" "$menu/$name" || return 1
        # Started in the user's folder and not in the installation folder.
        link_strings "$menu/$name" | grep -qxF "$user_win" || return 1
        if link_strings "$menu/$name" | grep -qxF "$target_win"; then
            return 1
        fi
    done
}
no_shortcuts() { [ ! -e "$menu" ]; }
# A value of the program's entry.
value() {
    wine reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' |
        sed -n "s/^[[:space:]]*$1[[:space:]]*REG_[A-Z_]*[[:space:]]*//p"
}

# The window with this exact name, once it is there.
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
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

entries_before=$(entries)
# The installer runs in the foreground: wine returns when it has finished.
check "the silent installation succeeds" wine "$setup" /S "/D=$target_win"
check "every program and picture is in the folder named with /D=" all_installed "$target"
check "nothing goes to the default folder when /D= names another" test ! -e "$default_target"
check "the user's folder is made" test -d "$user"
check "three Start-menu shortcuts start the programs in the user's folder" shortcuts_right
check "the program is registered with version $version" test "$(value DisplayVersion)" = "$version"
check "the entry names the program and its publisher" \
    test "$(value DisplayName)/$(value Publisher)" = "Dish Calculator/The Dish Calculator developers"
check "the entry knows the installation folder" test "$(value InstallLocation)" = "$target_win"
check "the entry's uninstall commands are quoted, the quiet one with /S" \
    test "$(value UninstallString)|$(value QuietUninstallString)" = \
    "\"$target_win\\Uninstall.exe\"|\"$target_win\\Uninstall.exe\" /S"
check "the entry offers no modify or repair" \
    test "$(value NoModify)$(value NoRepair)" = 0x10x1
check "one entry more in the installed programs" test "$(entries)" -eq $((entries_before + 1))

# The launcher through its shortcut, ENGLISH, a calculation: rlin1.txt goes
# into the shortcut's working directory.
rm -f "$user/rlin1.txt"
wine start "$menu_win\\Dish Calculator.lnk" >/dev/null 2>&1
launcher=$(window START)
keys "$launcher" Tab Return
main=$(window RASCHET)
window RIS123E >/dev/null
keys "$main" Tab Tab Tab Tab 1 3 Tab 0 Tab Tab Tab Return
until_true test -s "$user/rlin1.txt" || true
check "the English build started through the launcher's shortcut writes rlin1.txt into the user's folder" \
    test "$(od -An -c "$user/rlin1.txt" | tr -s ' ')" = \
    "$(printf '217.344292538128,44.8168481749088\r\n' | od -An -c | tr -s ' ')"
check "and not into the installation folder" test ! -e "$target/rlin1.txt"
# EXIT, two Tabs on from START, ends the build; the launcher's EXIT is the
# next control after ENGLISH.
keys "$main" Tab Tab Return
gone RASCHET
keys "$launcher" Tab Return
check "the programs end" gone START

# Installing again over a changed file, without naming a folder: the earlier
# installation's folder is taken and its files replaced.
printf 'old' >"$target/KORVEL.EXE"
check "the second silent installation succeeds" wine "$setup" /S
check "the second installation replaces the files in the same folder" all_installed "$target"
check "and makes no second folder" test ! -e "$default_target"
check "installing again leaves one entry" test "$(entries)" -eq $((entries_before + 1))
check "the shortcuts are still right" shortcuts_right

# The uninstaller copies itself elsewhere and returns at once: wait for the
# entry to go.
check "the silent uninstallation starts" wine "$target/Uninstall.exe" /S
check "the entry is removed" until_true not registered
check "every installed file is removed" until_true nothing_installed "$target"
check "the installation folder is removed" until_true test ! -e "$target"
check "the shortcuts and their Start-menu folder are removed" no_shortcuts
check "one entry less in the installed programs" test "$(entries)" -eq "$entries_before"
check "the user's rlin1.txt stays" test -s "$user/rlin1.txt"

summary
