#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the layout: one
# directory with the launcher, both builds and the pictures, links in bin/,
# valid desktop entries and the icon.
set -euo pipefail
build_dir=$1
shift
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

source "$(dirname "$0")/../checks.sh"

app_dir=$(dirname "$(find "$prefix" -path '*/dish-calculator/start' -type f | head -n 1)")
[ -d "$app_dir" ] || { echo "FAIL: no installed start"; exit 1; }

for program in start korvel drevik; do
    check "$program is an executable in $app_dir" test -x "$app_dir/$program"
done
for picture in "$@"; do
    check "picture $picture lies beside the programs" test -s "$app_dir/$picture"
done
for link in dish-calculator korvel drevik; do
    check "bin/$link is a link" test -L "$prefix/bin/$link"
    check "bin/$link leads to a program" test -x "$prefix/bin/$link"
done
check "bin/dish-calculator leads to the launcher" \
    test "$(readlink -f "$prefix/bin/dish-calculator")" = "$(readlink -f "$app_dir/start")"
check "desktop-file-validate is installed" command -v desktop-file-validate >/dev/null
for entry in dish-calculator korvel drevik; do
    desktop="$prefix/share/applications/$entry.desktop"
    check "$entry.desktop is installed" test -f "$desktop"
    check "$entry.desktop validates" desktop-file-validate "$desktop"
done
for size in 16x16 32x32; do
    check "icon $size is installed" test -s "$prefix/share/icons/hicolor/$size/apps/dish-calculator.png"
done

summary
