#!/usr/bin/env bash
# Drives the real kalmora executable on a private Xvfb display (no window
# manager): window placement, the start-up label, film playback at the
# default speed, stopping on the position slider, and closing.
# Usage: run-e2e.sh path/to/kalmora
set -euo pipefail

app=${1:?usage: run-e2e.sh path/to/kalmora}
[[ -x $app ]] || { echo "not an executable: $app" >&2; exit 2; }
for tool in Xvfb xdotool xwd import convert md5sum; do
    command -v "$tool" >/dev/null || { echo "missing tool: $tool" >&2; exit 2; }
done

passed=0 failed=0 xvfb_pid='' app_pid=''
tmp=$(mktemp -d)

# shellcheck disable=SC2317  # runs from the trap
cleanup() {
    local pid
    for pid in $app_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$tmp"
}
trap cleanup EXIT

check() { # check MESSAGE TEST-ARGS...: records one check
    if test "${@:2}"; then
        echo "PASS: $1"; passed=$((passed + 1))
    else
        echo "FAIL: $1"; failed=$((failed + 1))
    fi
}

finish() {
    echo "$passed passed, $failed failed"
    exit $((failed > 0))
}

now_ms() { # wall clock in ms into $now; no fork, so it can time fast loops
    local us=${EPOCHREALTIME//[!0-9]/}
    now=$((us / 1000))
}

# Screen position of a point given in client coordinates, into $sx $sy.
screen_point() { sx=$((win_x + $1)); sy=$((win_y + $2)); }

click_client() {
    screen_point "$1" "$2"
    xdotool mousemove --sync "$sx" "$sy" click 1
}

# Hash of the picture area (510 x 430 at client 10,10) of a window dump.
picture_hash() {
    convert "xwd:$1" -crop 510x430+10+10 +repage rgb:- | md5sum | cut -c1-32
}

# sample MS NAME: dumps the window as fast as possible for MS milliseconds and
# writes "time-ms picture-hash" lines to $tmp/NAME.hashes. The time of a dump
# is the middle of the xwd call.
sample() {
    local i=0 t0 end
    now_ms; end=$((now + $1))
    : >"$tmp/$2.list"
    while now_ms; ((now < end)); do
        t0=$now
        # A vanished window ends the sampling; the checks then fail.
        xwd -silent -id "$win" >"$tmp/$2.$i.xwd" 2>/dev/null || break
        now_ms
        echo "$(((t0 + now) / 2)) $tmp/$2.$i.xwd" >>"$tmp/$2.list"
        i=$((i + 1))
    done
    local t f
    while read -r t f; do echo "$t $(picture_hash "$f")"; done \
        <"$tmp/$2.list" >"$tmp/$2.hashes"
}

# Bold maroon text (#800000); anti-aliased edges blend with the grey
# background and are not counted.
maroon_pixels() { # maroon_pixels X Y W H (screen)
    import -window root -crop "$3x$4+$1+$2" +repage -depth 8 txt:- |
        awk -F'[(),]' 'NR > 1 && $3 >= 96 && $3 <= 176 && $4 <= 48 && $5 <= 48 { n++ }
                       END { print n + 0 }'
}

# --- 1. display and start-up -------------------------------------------------
# -displayfd lets Xvfb pick a free display itself, so parallel runs cannot
# collide on a display number.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp \
    3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $tmp/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
[[ -s $tmp/display ]] || { echo "Xvfb did not start:"; cat "$tmp/xvfb.log"; exit 2; }
DISPLAY=":$(tr -d '[:space:]' <"$tmp/display")"
export DISPLAY
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$tmp
chmod 700 "$tmp"
echo "Xvfb on $DISPLAY"

"$app" >"$tmp/app.log" 2>&1 &
app_pid=$!
win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Kalmora$' 2>/dev/null | head -n 1) || true
check "window \"Kalmora\" appears" -n "$win"
if [[ -z $win ]]; then cat "$tmp/app.log"; finish; fi

# --- 2. geometry -------------------------------------------------------------
eval "$(xdotool getwindowgeometry --shell "$win")"
win_x=$X win_y=$Y
check "window at 372,181 (got $X,$Y)" "$X,$Y" = "372,181"
check "client area 722x460 (got ${WIDTH}x$HEIGHT)" "${WIDTH}x$HEIGHT" = "722x460"

# --- 3. start-up label -------------------------------------------------------
# Mapped is not yet painted: give the first paint a few seconds.
screen_point 232 128
for _ in $(seq 25); do
    label=$(maroon_pixels "$sx" "$sy" 112 13)
    ((label >= 50)) && break
    sleep 0.2
done
check "maroon label \"Bitte Film wählen ->\" at client 232,128 ($label maroon pixels)" "$label" -ge 50

# --- 4. film I plays at 200 ms per frame ---------------------------------------
click_client 600 52    # "Ausfall Bremskreis I"
sleep 1.2              # the first tick comes up to 1 s later and sets 200 ms
sample 2000 play
samples=$(wc -l <"$tmp/play.hashes")
distinct=$(cut -d' ' -f2 "$tmp/play.hashes" | sort -u | wc -l)
# A change happened between two dumps: take the middle as its time.
awk 'NR > 1 && $2 != h { c = (p + $1) / 2; if (last != "") print int(c - last); last = c }
     { p = $1; h = $2 }' "$tmp/play.hashes" | sort -n >"$tmp/intervals"
if [[ -s $tmp/intervals ]]; then
    median=$(awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }' "$tmp/intervals")
else
    median=0
fi
echo "     $samples dumps in 2 s; change intervals (ms): $(tr '\n' ' ' <"$tmp/intervals")"
check "film I shows successive frames ($distinct distinct pictures in 2 s, want 6-14)" \
    "$distinct" -ge 6 -a "$distinct" -le 14
check "frames change about every 200 ms (median $median ms, want 130-300)" \
    "$median" -ge 130 -a "$median" -le 300

# --- 5. the position slider stops playback --------------------------------------
# 3/4 along the position slider's groove; Fusion draws the groove above the
# tick marks, and a click beside it does nothing.
click_client 652 256
sleep 0.3
sample 1000 stopped
distinct=$(cut -d' ' -f2 "$tmp/stopped.hashes" | sort -u | wc -l)
samples=$(wc -l <"$tmp/stopped.hashes")
check "playback stops on the position slider ($distinct distinct pictures in $samples dumps over 1 s)" \
    "$distinct" -eq 1

# --- 6. closing ----------------------------------------------------------------
click_client 596 364   # "Schließen"
for _ in $(seq 50); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    check "\"Schließen\" ends the program within 5 s (still running)" 0 -eq 1
else
    status=0
    wait "$app_pid" || status=$?
    app_pid=
    check "\"Schließen\" ends the program with status 0 (got $status)" "$status" -eq 0
fi

finish
