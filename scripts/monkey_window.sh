#!/usr/bin/env bash
# Plays the real game binary at random in a window on a virtual X display:
# xdotool clicks, right-clicks, drags and types at random points for the
# given seconds. Fails when the game dies or writes its error log, keeping
# the game's folder with its output and the display's last picture
# (last.png); MONKEY_KEEP=1 keeps them after a run without fault too.
#
#     scripts/monkey_window.sh [seed] [seconds] [build folder]
#
# The build folder (default build/test) must hold the built game and Data/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seed="${1:-1}"
seconds="${2:-60}"
build="${3:-$root/build/test}"

if [[ -z "${MONKEY_DISPLAY_READY:-}" ]]; then
    export MONKEY_DISPLAY_READY=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$seed" "$seconds" "$build"
fi

folder="$(mktemp -d /tmp/quorvel-monkey-window.XXXXXX)"
cp "$build/quorvel" "$folder/quorvel"
ln -s "$build/Data" "$folder/Data"
export SDL_AUDIODRIVER=dummy SDL_VIDEODRIVER=x11 ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=0}"
"$folder/quorvel" >"$folder/stdout.txt" 2>"$folder/stderr.txt" &
game=$!

fail() {
    echo "monkey_window: seed $seed: $1" >&2
    import -window root "$folder/last.png" 2>/dev/null || true
    echo "monkey_window: the game's folder is kept in $folder" >&2
    kill "$game" 2>/dev/null || true
    exit 1
}

window=""
for _ in $(seq 1 600); do
    window="$(xdotool search --name '^Quorvel [0-9]' 2>/dev/null | head -n 1 || true)"
    [[ -n "$window" ]] && break
    kill -0 "$game" 2>/dev/null || fail "the game ended before its window showed"
    sleep 0.1
done
[[ -n "$window" ]] || fail "no game window"
# Loading ends with the title, whose 始めから starts a new game; clicked
# each second until loading is surely over.
for _ in $(seq 1 15); do
    sleep 1
    kill -0 "$game" 2>/dev/null || fail "the game ended during loading"
    xdotool mousemove --window "$window" 400 412 click 1 2>/dev/null || true
done

RANDOM="$seed"
texts=("a" "Quorvel" "12345" "ミルトナ" "!?#%&")
end=$((SECONDS + seconds))
actions=0
while ((SECONDS < end)); do
    kill -0 "$game" 2>/dev/null || fail "the game died after $actions actions"
    [[ -e "$folder/error.log" ]] && fail "the error log was written after $actions actions: $(cat "$folder/error.log")"
    x=$((RANDOM % 800))
    y=$((RANDOM % 600))
    kind=$((RANDOM % 100))
    xdotool mousemove --window "$window" "$x" "$y" 2>/dev/null || fail "the window went away after $actions actions"
    if ((kind < 70)); then
        xdotool click 1
    elif ((kind < 80)); then
        xdotool click 3
    elif ((kind < 86)); then
        xdotool mousedown 1 mousemove --window "$window" $((RANDOM % 800)) $((RANDOM % 600)) mouseup 1
    elif ((kind < 90)); then
        xdotool key Return
    elif ((kind < 94)); then
        xdotool key Escape
    else
        xdotool type --delay 20 "${texts[RANDOM % ${#texts[@]}]}"
    fi
    actions=$((actions + 1))
    sleep "0.0$((RANDOM % 10))"
done

kill -0 "$game" 2>/dev/null || fail "the game died after $actions actions"
[[ -e "$folder/error.log" ]] && fail "the error log was written: $(cat "$folder/error.log")"
if [[ -n "${MONKEY_KEEP:-}" ]]; then import -window root "$folder/last.png" 2>/dev/null || true; fi
# SDL turns the terminate signal into the window's close.
kill -TERM "$game"
status=0
wait "$game" || status=$?
((status == 0)) || fail "the game ended with status $status when closed"
echo "monkey_window: seed $seed: $actions actions in $seconds s, no fault"
if [[ -n "${MONKEY_KEEP:-}" ]]; then
    echo "monkey_window: the game's folder is kept in $folder"
else
    rm -rf "$folder"
fi
