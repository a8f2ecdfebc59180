#!/usr/bin/env bash
# Soak run of the real program under its own X server: film I at the fastest
# speed for a minute, film II for a minute, the info window opened and
# closed. Resident memory must not grow meanwhile, and the close button must
# end the program with status 0.
# Usage: run-soak.sh KALMORA_EXECUTABLE
# KALMORA_SOAK_SECONDS shortens the minute of each film when trying changes.
set -uo pipefail

exe=${1:?usage: run-soak.sh KALMORA_EXECUTABLE}
film_seconds=${KALMORA_SOAK_SECONDS:-60}
settle_seconds=5
rss_tolerance_kib=1024

# Client coordinates of the controls (centres).
radio_film1=(620 52)
radio_film2=(612 84)
speed_slider_left=(548 180)
close_button=(596 364)
info_button=(692 364)
# The picture area: frames are drawn at (10, 10), 510 x 428 or 430 pixels.
picture_area=510x428+10+10
speed_slider=145x25+544+168

work=$(mktemp -d "${TMPDIR:-/tmp}/kalmora-soak.XXXXXX")
xvfb_pid='' app_pid=''

# Ends a process this script started: politely, then after 5 s for sure.
stop_pid() {
    [ -n "$1" ] || return 0
    kill "$1" 2>/dev/null || return 0
    for _ in $(seq 50); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null
    wait "$1" 2>/dev/null
}

cleanup() {
    stop_pid "$app_pid"
    stop_pid "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

passed=0 failed=0
pass() { echo "PASS: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }

# A failure after which the rest cannot run: report and stop.
abort() {
    fail "$*"
    if [ -n "$app_pid" ] && ! app_running; then
        wait "$app_pid"
        echo "program ended with status $?"
        app_pid=''
    fi
    if [ -s "$work/app.log" ]; then
        echo "--- program output ---"
        cat "$work/app.log"
    fi
    echo "$passed passed, $failed failed"
    exit 1
}

now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
elapsed_since() { echo $(( $(now_ms) - $1 )); }

rss_kib() {
    awk '/^VmRSS:/ { print $2 }' "/proc/$app_pid/status" 2>/dev/null
}

app_running() { kill -0 "$app_pid" 2>/dev/null; }

click() { xdotool mousemove --window "$win" "$1" "$2" click 1; }

shot() { timeout 10 xwd -silent -id "$win" -out "$work/$1.xwd"; }

# Status of comparing one area of two shots: 0 equal, 1 different, 2 trouble.
compare_area() {
    compare -metric AE "xwd:$work/$2.xwd[$1]" "xwd:$work/$3.xwd[$1]" null: 2>/dev/null
}

# True when the picture area changes between two shots 100 ms apart, five
# times over: at speed 1 a frame lasts 25 ms, so several frames pass between
# them; a stopped film would show the same picture.
picture_changes() {
    local i
    for i in 1 2 3 4 5; do
        shot pic-a || return 1
        sleep 0.1
        shot pic-b || return 1
        compare_area "$picture_area" pic-a pic-b
        [ $? -eq 1 ] || return 1
    done
}

check_playing() {
    if picture_changes; then
        pass "$1: picture changes in each of 5 pairs of shots 100 ms apart"
    else
        fail "$1: picture did not change in every pair of shots 100 ms apart"
    fi
}

# Sleeps SECONDS, giving up early if the program has ended.
soak_for() {
    local end=$(( $(now_ms) + $1 * 1000 )) left
    while left=$(( end - $(now_ms) )); [ "$left" -gt 0 ]; do
        app_running || return 1
        [ "$left" -gt 1000 ] && left=1000
        sleep "$(printf '%d.%03d' $((left / 1000)) $((left % 1000)))"
    done
    app_running
}

# --- X server -------------------------------------------------------------
# -displayfd lets Xvfb take the first free display itself and say which.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; abort "Xvfb started within 10 s"; }
export DISPLAY=:$(head -n1 "$work/display")
pass "Xvfb started on $DISPLAY"

# --- program --------------------------------------------------------------
QT_QPA_PLATFORM=xcb "$exe" >"$work/app.log" 2>&1 &
app_pid=$!

win=''
for _ in $(seq 100); do
    win=$(xdotool search --onlyvisible --name '^Kalmora$' 2>/dev/null | head -n1)
    [ -n "$win" ] && break
    app_running || break
    sleep 0.2
done
[ -n "$win" ] || abort "main window 'Kalmora' shown within 20 s"
pass "main window 'Kalmora' shown (window $win)"

geometry=$(xdotool getwindowgeometry --shell "$win")
width=$(sed -n 's/^WIDTH=//p' <<<"$geometry")
height=$(sed -n 's/^HEIGHT=//p' <<<"$geometry")
# The click coordinates below hold for this size only.
[ "$width" = 722 ] && [ "$height" = 460 ] ||
    abort "main window client is 722 x 460 (found $width x $height)"
pass "main window client is 722 x 460"

# --- film I at speed 1 ----------------------------------------------------
# The keys below go to the focus window.
timeout 5 xdotool windowfocus --sync "$win" 2>/dev/null
click "${radio_film1[@]}"
# Speed 1: a click on the groove left of the handle focuses the slider (and
# moves it a page towards 1), Home sets exactly 1.
click "${speed_slider_left[@]}"
xdotool key Home
sleep 0.3
shot speed-home
# Proof that the slider sits at its minimum: Left does not move it, Right
# does (so the keys arrive), and Home brings it back to the same place.
xdotool key Left
sleep 0.3
shot speed-left
xdotool key Right
sleep 0.3
shot speed-right
xdotool key Home
sleep 0.3
shot speed-home2
compare_area "$speed_slider" speed-home speed-left; left=$?
compare_area "$speed_slider" speed-home speed-right; right=$?
compare_area "$speed_slider" speed-home speed-home2; home=$?
if [ "$left" = 0 ] && [ "$right" = 1 ] && [ "$home" = 0 ]; then
    pass "speed slider at its minimum 1 (Left keeps it, Right moves it, Home returns)"
else
    fail "speed slider at its minimum 1 (Left $left, Right $right, Home $home; 0 same, 1 moved)"
fi
check_playing "film I at speed 1"

started=$(now_ms)
soak_for "$settle_seconds" || abort "program still running after ${settle_seconds} s of film I"
rss_start=$(rss_kib)
[ -n "$rss_start" ] || abort "VmRSS readable after ${settle_seconds} s of film I"
pass "VmRSS after ${settle_seconds} s of film I: $rss_start KiB"

soak_for $((film_seconds - settle_seconds)) || abort "program still running after ${film_seconds} s of film I"
check_playing "film I after $(( $(elapsed_since "$started") / 1000 )) s"

# --- film II --------------------------------------------------------------
click "${radio_film2[@]}"
sleep 0.3
check_playing "film II at speed 1"
started=$(now_ms)
soak_for "$film_seconds" || abort "program still running after ${film_seconds} s of film II"
check_playing "film II after $(( $(elapsed_since "$started") / 1000 )) s"

# --- info window ----------------------------------------------------------
click "${info_button[@]}"
info=$(timeout 10 xdotool search --sync --onlyvisible --name '^InfoHilfe$' 2>/dev/null | head -n1)
if [ -n "$info" ]; then
    pass "info window 'InfoHilfe' opened"
    sleep 0.5
    # The dialog closes on Escape; with no window manager it gets the key
    # only once it has the input focus.
    timeout 5 xdotool windowfocus --sync "$info" 2>/dev/null
    xdotool key Escape
    gone=0
    for _ in $(seq 50); do
        if ! xdotool search --onlyvisible --name '^InfoHilfe$' >/dev/null 2>&1; then
            gone=1
            break
        fi
        sleep 0.1
    done
    if [ "$gone" = 1 ]; then
        pass "info window closed by Escape"
    else
        fail "info window closed by Escape within 5 s"
        xdotool windowclose "$info" 2>/dev/null
    fi
else
    fail "info window 'InfoHilfe' opened within 10 s"
fi
sleep 1
check_playing "film II after the info window"

# --- memory ---------------------------------------------------------------
app_running || abort "program still running at the end of the soak"
rss_end=$(rss_kib)
if [ -n "$rss_end" ]; then
    growth=$((rss_end - rss_start))
    if [ "${growth#-}" -le "$rss_tolerance_kib" ]; then
        pass "VmRSS at the end $rss_end KiB, within $rss_tolerance_kib KiB of $rss_start KiB (${growth} KiB)"
    else
        fail "VmRSS at the end $rss_end KiB, not within $rss_tolerance_kib KiB of $rss_start KiB (${growth} KiB)"
    fi
else
    fail "VmRSS readable at the end"
fi

# --- close ----------------------------------------------------------------
timeout 5 xdotool windowfocus --sync "$win" 2>/dev/null
click "${close_button[@]}"
exited=0
for _ in $(seq 100); do
    if ! app_running; then
        exited=1
        break
    fi
    sleep 0.1
done
if [ "$exited" = 1 ]; then
    wait "$app_pid"
    status=$?
    app_pid=''
    if [ "$status" -eq 0 ]; then
        pass "close button ends the program with status 0"
    else
        fail "close button ends the program with status 0 (status $status)"
    fi
else
    fail "close button ends the program within 10 s"
fi

if [ "$failed" -gt 0 ] && [ -s "$work/app.log" ]; then
    echo "--- program output ---"
    cat "$work/app.log"
fi
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
