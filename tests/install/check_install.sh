#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the layout: the
# launcher and both builds together in lib/dish-calculator/, the pictures
# under share/ reached from there by relative links, links in bin/, one valid
# menu entry whose starts run in the user's state directory, AppStream
# metadata, the icons and the manual pages.
# Usage: check_install.sh <build directory> <picture file names...>
set -euo pipefail
build_dir=$1
shift
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
prefix=$scratch/prefix

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

source "$(dirname "$0")/../checks.sh"

app_dir=$prefix/lib/dish-calculator
data_dir=$prefix/share/dish-calculator
for program in start korvel drevik menu-start; do
    check "$program is an executable in lib/dish-calculator" test -x "$app_dir/$program"
done
for picture in "$@"; do
    check "picture $picture is a file under share/" test -f "$data_dir/$picture" -a ! -L "$data_dir/$picture"
    check "lib/dish-calculator/$picture leads there by a relative link" \
        test -L "$app_dir/$picture" -a "$(readlink "$app_dir/$picture")" = "../../share/dish-calculator/$picture"
done
check "no picture is left in lib/ itself" test -z "$(find "$app_dir" -name '*.BMP' -type f)"
for link in dish-calculator korvel drevik; do
    check "bin/$link is a relative link" test -L "$prefix/bin/$link" -a "$(readlink "$prefix/bin/$link" | cut -c1)" != /
done
for link_and_program in dish-calculator:start korvel:korvel drevik:drevik; do
    check "bin/${link_and_program%:*} leads to ${link_and_program#*:}" \
        test "$(readlink -f "$prefix/bin/${link_and_program%:*}")" = "$app_dir/${link_and_program#*:}"
done

# One menu entry, with the two builds as its actions, all started through
# menu-start.
entries=("$prefix"/share/applications/*.desktop)
check "one desktop entry is installed" test ${#entries[@]} -eq 1 -a -f "${entries[0]}"
desktop=${entries[0]}
check "the desktop entry validates" desktop-file-validate "$desktop"
check "its Exec lines start the launcher, korvel and drevik through menu-start" test \
    "$(grep '^Exec=' "$desktop" | tr '\n' ' ')" = \
    "Exec=\"$app_dir/menu-start\" start Exec=\"$app_dir/menu-start\" korvel Exec=\"$app_dir/menu-start\" drevik "
check "its actions are English and Русский" test \
    "$(grep '^Name=' "$desktop" | tr '\n' ' ')" = "Name=Dish Calculator Name=English Name=Русский "

metainfo=$prefix/share/metainfo/$(basename "$desktop" .desktop).metainfo.xml
check "the metainfo is named after the desktop entry" test -f "$metainfo"
check "the metainfo validates" appstreamcli validate --no-net "$metainfo"
check "the metainfo's id and launchable are the desktop entry's name" test \
    "$(grep -c -e "<id>$(basename "$desktop" .desktop)</id>" \
        -e "<launchable type=\"desktop-id\">$(basename "$desktop")</launchable>" "$metainfo")" = 2

icon_dir=$prefix/share/icons/hicolor
for size in 16 22 24 32 48 64 128 256; do
    icon=$icon_dir/${size}x$size/apps/dish-calculator.png
    check "icon $size is $size x $size, with a transparent corner and an opaque middle" test \
        "$(convert "$icon" -format '%w %h %[fx:p{0,0}.a<0.5] %[fx:p{w/2,h/2}.a]' info: 2>&1)" = "$size $size 1 1"
done
# The SVG is rendered by librsvg itself, as desktops do, rather than through
# whichever SVG helper ImageMagick finds; ImageMagick then reads the PNG.
rendered=$scratch/scalable.png
check "the scalable icon renders, with a transparent corner and an opaque middle" test \
    "$(rsvg-convert -f png -o "$rendered" "$icon_dir/scalable/apps/dish-calculator.svg" 2>&1 &&
        convert "$rendered" -format '%[fx:w==h] %[fx:p{0,0}.a<0.5] %[fx:p{w/2,h/2}.a]' info: 2>&1)" = "1 1 1"
check "the entry's icon is the installed one" grep -qx 'Icon=dish-calculator' "$desktop"

for page in dish-calculator korvel drevik; do
    manual=$prefix/share/man/man1/$page.1
    check "manual page $page(1) formats without warnings" \
        test -f "$manual" -a -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manual" 2>&1 >/dev/null)"
done

# menu-start runs a program, here a stand-in that tells its directory, in the
# user's state directory, creating it, and takes XDG_STATE_HOME only when it
# is an absolute path.
mkdir -p "$scratch/app" "$scratch/home" "$scratch/state"
cp "$app_dir/menu-start" "$scratch/app/"
printf '#!/bin/sh\npwd\n' >"$scratch/app/korvel"
chmod +x "$scratch/app/korvel"
started_in() { (cd / && env -u XDG_STATE_HOME HOME="$scratch/home" "$@" "$scratch/app/menu-start" korvel); }
check "without XDG_STATE_HOME, it runs the program in ~/.local/state/dish-calculator" \
    test "$(started_in)" = "$scratch/home/.local/state/dish-calculator"
check "with XDG_STATE_HOME, it runs the program in \$XDG_STATE_HOME/dish-calculator" \
    test "$(started_in XDG_STATE_HOME="$scratch/state")" = "$scratch/state/dish-calculator"
check "a relative XDG_STATE_HOME is ignored" \
    test "$(started_in XDG_STATE_HOME=state)" = "$scratch/home/.local/state/dish-calculator"
check "it starts nothing but the three programs" \
    test "$(cd / && HOME="$scratch/home" "$scratch/app/menu-start" ../app/korvel 2>/dev/null; echo $?)" = 2

summary
