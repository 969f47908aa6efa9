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

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

app_dir=$(dirname "$(find "$prefix" -path '*/dish-calculator/start' -type f | head -n 1)")
[ -d "$app_dir" ] || { echo "FAIL: no installed start"; exit 1; }
for program in start korvel drevik; do
    [ -x "$app_dir/$program" ] || fail "$program is not an executable in $app_dir"
done
for picture in "$@"; do
    [ -s "$app_dir/$picture" ] || fail "picture $picture is missing beside the programs"
done
for link in dish-calculator korvel drevik; do
    [ -L "$prefix/bin/$link" ] || fail "bin/$link is not a link"
    [ -x "$prefix/bin/$link" ] || fail "bin/$link does not lead to a program"
done
[ "$(readlink -f "$prefix/bin/dish-calculator")" = "$(readlink -f "$app_dir/start")" ] ||
    fail "bin/dish-calculator does not lead to the launcher"
for entry in dish-calculator korvel drevik; do
    desktop="$prefix/share/applications/$entry.desktop"
    [ -f "$desktop" ] || { fail "$entry.desktop is missing"; continue; }
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$desktop" || fail "$entry.desktop does not validate"
    else
        fail "desktop-file-validate is not installed"
    fi
done
for size in 16x16 32x32; do
    [ -s "$prefix/share/icons/hicolor/$size/apps/dish-calculator.png" ] || fail "icon $size missing"
done

checks=$((3 + $# + 3 + 1 + 3 + 2))
echo "$((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
