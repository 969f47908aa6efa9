#!/usr/bin/env bash
# The real programs as a user meets them, on an X server of their own with no
# window manager: the launcher starts the Russian build with Enter and the
# English one with a click; each build gets a satellite longitude through the
# keyboard, computes, writes rlin1.txt, opens its compass window and draws.
# Screenshots are checked for the expected colours at the expected places.
# Usage: e2e.sh <directory with start, korvel, drevik> <directory for screenshots>
set -euo pipefail
bin=$1
shots=$2
mkdir -p "$shots"

# Skipped where a tool is missing, but not in CI, which must prove this test.
for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null; then
        if [ -n "${CI:-}" ]; then
            echo "FAIL: $tool is not installed"
            exit 1
        fi
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    # The builds the launcher started are children of no one here; end them by
    # the working directory they were started in (this script leaves it first).
    cd /
    for proc in /proc/[0-9]*; do
        if [ "${proc#/proc/}" != "$$" ] && [ "$(readlink "$proc/cwd" 2>/dev/null)" = "$work" ]; then
            kill "${proc#/proc/}" 2>/dev/null || true
        fi
    done
    sleep 0.3
    rm -rf "$work"
    wait 2>/dev/null || true
}
trap cleanup EXIT

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
pids+=($!)
read -r -t 10 display <&3 || { echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=":$display"
unset QT_QPA_PLATFORM

source "$(dirname "$0")/../checks.sh"

# The window with this exact name whose process runs this program.
window_of() {
    local name=$1 program=$2 id
    for _ in $(seq 200); do
        for id in $(xdotool search --onlyvisible --name "^$name\$" 2>/dev/null); do
            local pid
            pid=$(xdotool getwindowpid "$id" 2>/dev/null) || continue
            if [ "$(basename "$(readlink "/proc/$pid/exe")")" = "$program" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Whether any pixel of a rectangle has this colour.
has_colour() {
    local shot=$1 x=$2 y=$3 w=$4 h=$5 colour=$6
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -fill black +opaque "$colour" \
        -fill white -opaque "$colour" -format '%[fx:maxima.r]' info: | grep -q '^1'
}

# Whether every pixel of a rectangle has one of two colours.
only_colours() {
    local shot=$1 x=$2 y=$3 w=$4 h=$5 first=$6 second=$7
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -fill black -opaque "$first" \
        -opaque "$second" -format '%[fx:maxima.r+maxima.g+maxima.b]' info: | grep -q '^0$'
}

# Whether a rectangle holds dark pixels (text) on its light background.
has_text() {
    local shot=$1 x=$2 y=$3 w=$4 h=$5
    convert "$shot" -crop "${w}x${h}+${x}+${y}" +repage -colorspace Gray -format '%[fx:minima.r]' \
        info: | awk '{ exit !($1 < 0.3) }'
}

cd "$work"
"$bin/start" >"$shots/start.log" 2>&1 &
pids+=($!)
launcher=$(window_of START start) || {
    echo "FAIL: the launcher did not come up; it said:"
    cat "$shots/start.log"
    exit 1
}
xdotool windowfocus --sync "$launcher"
xdotool key --window "$launcher" Return
russian=$(window_of RASCHET drevik) || { echo "FAIL: Enter did not start the Russian build"; exit 1; }
check "the launcher stays open after starting a build" xdotool getwindowname "$launcher" >/dev/null

# ENGLISH: Command2 at 720, 1920, 3135 x 495 twips. With no window manager
# every window opens at the same place, so the launcher is raised first.
xdotool windowraise "$launcher"
sleep 0.2
eval "$(xdotool getwindowgeometry --shell "$launcher")"
xdotool mousemove --sync $((X + 152)) $((Y + 144)) click 1
english=$(window_of RASCHET korvel) || { echo "FAIL: ENGLISH did not start the English build"; exit 1; }

run_build() {
    local build=$1 main=$2
    rm -f rlin1.txt
    xdotool windowraise "$main"
    xdotool windowfocus --sync "$main"
    # From Text1: four Tabs to Text5, the satellite longitude; four more to START.
    xdotool key --delay 30 Tab Tab Tab Tab
    xdotool type --delay 30 13
    xdotool key --delay 30 Tab Tab Tab Tab Return
    for _ in $(seq 50); do [ -s rlin1.txt ] && break; sleep 0.1; done
    check "$build writes rlin1.txt" \
        test "$(od -An -c rlin1.txt | tr -s ' ')" = "$(printf '217.344292538128,44.8168481749088\r\n' | od -An -c | tr -s ' ')"

    eval "$(xdotool getwindowgeometry --shell "$main")"
    local mx=$X my=$Y
    import -window root "$shots/$build-main.png"
    # Text8 (4800, 4200, 1215 x 495 twips) and Text7 (2040, 4200) show the results.
    check "$build shows the azimuth in Text8" has_text "$shots/$build-main.png" $((mx + 322)) $((my + 282)) 76 29
    check "$build shows the elevation in Text7" has_text "$shots/$build-main.png" $((mx + 138)) $((my + 282)) 76 29

    # START, then three Tabs: Pucture, EXIT, DIRECTION.
    xdotool key --delay 30 Tab Tab Tab Return
    local compass
    compass=$(window_of CYRC1 "$build") || { check "$build opens its compass window" false; return; }
    xdotool windowraise "$compass"
    xdotool windowfocus --sync "$compass"
    xdotool key Return
    eval "$(xdotool getwindowgeometry --shell "$compass")"
    local shot="$shots/$build-compass.png"
    # The drawing is complete once the azimuth label is there; a loaded
    # machine may take a while to get there.
    for _ in $(seq 50); do
        import -window root "$shot"
        has_text "$shot" $((X + 205)) $((Y + 15)) 60 20 && break
        sleep 0.1
    done
    # The centre dot at (3020, 1608) twips, 20 pixels across, is blue but
    # where the cyan direction line crosses it.
    check "$build draws the blue centre dot" \
        only_colours "$shot" $((X + 195)) $((Y + 101)) 13 13 "rgb(0,0,255)" "rgb(0,255,255)"
    # The direction line is cyan; for azimuth 217 and displacement -20 its far
    # end lies up and to the right of the centre.
    check "$build draws the cyan direction line" has_colour "$shot" $((X + 205)) $((Y + 10)) 40 80 "rgb(0,255,255)"
    # Red labels at the axis ends, black "alfa= 217" beside the line's end.
    check "$build labels the axes in red" has_colour "$shot" $((X + 90)) $((Y + 0)) 230 225 "rgb(255,0,0)"
    check "$build writes the azimuth label" has_text "$shot" $((X + 205)) $((Y + 15)) 60 20

    # The compass window's EXIT (120, 2280 twips) brings the main window
    # forward; the main window's EXIT (5280, 360) ends the build.
    xdotool mousemove --sync $((X + 28)) $((Y + 164)) click 1
    sleep 0.3
    local pid
    pid=$(xdotool getwindowpid "$main")
    xdotool mousemove --sync $((mx + 372)) $((my + 40)) click 1
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    check "$build ends on EXIT" test ! -e "/proc/$pid"
}

run_build drevik "$russian"
run_build korvel "$english"

summary
